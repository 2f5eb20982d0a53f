// How the definitions, acronym and instructions windows read the addresses their pages navigate
// to, and which entries and pages those addresses name. Kept apart from the windows so the rules
// can be tested without a browser.
#pragma once

#include <QString>

#include <optional>

namespace tova::reference {

// --- Definitions window

// The glossary key a link address carries: the text after its last "#" (the whole address when it
// has none) with every lower-case "gls" removed, so "#GLS1A1" keeps "GLS1A1".
QString glossKey(const QString& address);

// What a navigation of the definitions window stands for.
enum class GlossaryAction {
    OpenPdf,   // the address ends in ".pdf", whatever its case
    ShowBlank, // "NUL": empty definition frame
    ShowTerm,  // "GLS": the term of glossKey(address)
    Close,     // "BCK"
    Print,     // "PRT": the definition on display
    Find,      // "FND": the only command whose navigation goes on
    PassOn,    // anything else goes to the main window's page command handler
};

// The three-letter code is taken from the upper-cased text after the last "#"; an address without
// "#" is judged by its own first three characters.
GlossaryAction glossaryAction(const QString& address);

// The selection of a term by key on the questionnaire database; nothing when the key cannot stand
// between double quotes (it holds one).
std::optional<QString> glossItemPath(const QString& key);

// --- Acronym window

enum class AcronymAction {
    ShowEntry, // "acr" within the last six characters after the last "#"
    Close,     // "BCK" anywhere after the last "#"
    Print,     // "PRT" anywhere after the last "#"
    PassOn,    // anything else goes to the main window's page command handler
};

struct AcronymLink {
    AcronymAction action = AcronymAction::PassOn;
    // For ShowEntry: the id in plain decimal ("013" gives "13"); empty when the text after "acr" is
    // no whole number.
    QString id;
};

// Every test is case-sensitive and reads only the text after the last "#", so a folder whose name
// holds those letters does not close the window or print on every page load.
AcronymLink acronymLink(const QString& address);

// The selection of an acronym by id on the questionnaire database; nothing for an id that cannot
// stand between double quotes.
std::optional<QString> acronymPath(const QString& id);

// --- Instructions window

struct InstructionPage {
    QString page; // relative to the application folder
    int heightTwips = 0;
    int widthTwips = 0;
};

// The instruction page for a screen's location name: every ".htm" is removed and the rest compared
// exactly, letter case included. Nothing for a screen without instructions.
std::optional<InstructionPage> instructionPageFor(const QString& locationName);

} // namespace tova::reference
