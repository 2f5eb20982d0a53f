#include "platform/dialogs/ui/QtMessageBox.h"

#include "platform/ui/BusyCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace tova {
namespace {

// A box without Cancel is answered by its buttons alone. QMessageBox would take Escape and the
// close box as No, and a No given by a user who only meant to back out throws work away.
class QuestionBox final : public QMessageBox {
public:
    QuestionBox(QWidget* parent, bool answeredByButtonsAlone)
        : QMessageBox(parent), m_answeredByButtonsAlone(answeredByButtonsAlone) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (m_answeredByButtonsAlone && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (m_answeredByButtonsAlone) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool m_answeredByButtonsAlone;
};

// The box's own picture for each icon the program asks for.
QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgAnswer QtMessageBox::ask(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    QuestionBox box(QApplication::activeWindow(), buttons == MsgButtons::YesNo);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(qtIcon(icon));
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    const BusyCursorLifted ordinaryCursor;
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

} // namespace tova
