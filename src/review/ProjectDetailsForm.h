// The project details page's form: decoding its submitted address into the six header texts and
// the script lines that fill the form with stored texts.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tova::review {

// The six header texts in the order of the form, of Globals::CreateProject and of
// Globals::SetProjectDetails: reference number, project name, sub-project name, location, owner,
// project manager.
using ProjectFields = std::array<QString, 6>;

// The form's field names in that order.
const QStringList& projectFieldNames();

// One form value decoded the way a browser encodes it (application/x-www-form-urlencoded, UTF-8):
// "+" is a blank, every %XX escape (either case) is a byte; a "%" not followed by two hex digits
// stays as it is. Decoded once, so a typed "%2B" stays "%2B".
QString FormatGetString(const QString& value);

// The six values of a submitted address: "=" counts as a separator like "&", the text after the
// first "?" is split, the values stand at positions 1, 3, ..., 11. Missing values are "".
ProjectFields parseProjectSubmission(const QString& url);

// What a one-line form field shows for a stored text: the browser drops its line breaks.
QString shownFieldText(const QString& stored);

// The submitted texts, except that a field submitted exactly as the form showed its stored text
// keeps the stored text byte for byte: a text the user did not edit does not change.
ProjectFields keepUneditedTexts(const ProjectFields& submitted, const ProjectFields& stored);

// "document.proj.<field>.value = '<text>';" with the text escaped as a script string literal.
QString fieldFillScript(const QString& field, const QString& text);

// True when a link of the page's own dialogs cancels: an address without a query whose text after
// the last "#" ends in "CLS" (exact case).
bool isCancelLink(const QString& url);

} // namespace tova::review
