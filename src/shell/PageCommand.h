// The page command a link address carries: what follows its last "#", upper-cased, whose first
// three characters are the command code.
#pragma once

#include <QString>

#include <optional>

namespace tova {

struct PageCommand {
    // True when the address names a PDF document (its last four characters are ".pdf", any case).
    bool isPdf = false;
    // True when the address holds a "#" (and is no PDF).
    bool hasHash = false;
    // The text after the last "#", upper-cased.
    QString text;
    // The first three characters of text; empty when text is shorter.
    QString code;

    static PageCommand parse(const QString& url);

    // The whole-number argument of "CAT" and "DSH": the text with every occurrence of the code
    // removed. Nothing when that is not a signed 16-bit whole number.
    std::optional<qint16> numberArgument() const;
};

} // namespace tova
