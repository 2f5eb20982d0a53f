// The message box service: every message the program shows goes through it, so tests can read
// exactly what was asked and answer from a script.
#pragma once

#include <QString>

namespace tova {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// The title of every message box that names none of its own.
inline QString applicationTitle() {
    return QStringLiteral("TOVA2");
}

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgAnswer ask(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) = 0;
};

// Shows a message through the installed service; an empty title becomes the application title.
MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                 const QString& title = QString());

// "Error <number> (<description>) in procedure <procedure> of <Module|Form> <name>", the form in
// which trapped unexpected errors are reported.
QString unexpectedErrorText(int number, const QString& description, const QString& procedure, const QString& kind,
                            const QString& owner);

} // namespace tova
