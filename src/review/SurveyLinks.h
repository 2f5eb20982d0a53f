// The questionnaire window's reading of link addresses and the page script lines it runs. Kept
// apart from the window so the order of the rules can be tested without a browser.
#pragma once

#include <QString>

#include <optional>

namespace tova::review {

// What a navigation of the questionnaire window's browser stands for; the first rule that holds
// decides, in the order of the enumeration. "Back" and "gls" count only after the last "#", never
// in the folder part of the address.
enum class SurveyLink {
    Close,        // the text after the last "#" begins with "Back"
    StoreAnswers, // contains "?": the question form was submitted
    Definition,   // the text after the last "#" contains "gls"
    Category,     // "#cat" followed by a category id
    Other,        // handed to the main window's page command handler
};

// The category id an address names: the text between the first "#cat" (exact case) and the next
// one, or the end, as a 32-bit whole number; -1 when there is no "#cat" or the text is no number.
qint32 getCat(const QString& url);

// The category id of a category link, when getCat gives an id that fits the 16-bit ids of the
// questionnaire.
std::optional<qint16> categoryLinkId(const QString& url);

SurveyLink classifySurveyLink(const QString& url);

// The tree mark for a category status ("complete" -> "c", "incomplete" -> "i",
// "noquestions" -> "nq"); nothing for any other text.
std::optional<QString> statusMark(const QString& status);

// swapImageWithHref("#cat<id>","<state>")
QString swapImageScript(const QString& categoryId, const QString& state);
// findAndHighlight("#<key in lower case>")
QString highlightScript(const QString& key);
// The line that submits the question form of the frame "main".
QString submitFormScript();

// A text as the body of a page script string literal in either kind of quotes: backslashes,
// quotes, line breaks and "<" are escaped, so the literal evaluates to exactly the text.
QString escapeScriptString(const QString& text);

} // namespace tova::review
