// The query of a form submitted by one of the program's own pages (GET, no action). A page whose
// address carries a fragment ("...html#CLS" after a cancelled close) submits to "...html?x=1#CLS":
// the fragment is no part of any field, so the fields are read from the query alone.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tova {

// The text after the first "?" up to the fragment's "#"; nothing when the address has no query
// (also when its first "#" comes before any "?": that "?" belongs to the fragment).
std::optional<QString> formQuery(const QString& address);

// The query's pieces as the page readers count them: "=" separates like "&", so names stand at
// even positions and values at odd ones. Nothing when the address has no query.
std::optional<QStringList> formQueryPieces(const QString& address);
// The pieces of a query text, counted as formQueryPieces counts them.
QStringList queryPieces(QString query);

} // namespace tova
