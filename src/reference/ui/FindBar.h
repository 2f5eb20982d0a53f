// A small find bar for the reference windows' index: the web engine has no find dialog of its
// own, so the words are typed here and searched for in the page with the engine's find.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QWebEnginePage;

namespace tova::reference {

class FindBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindBar)

public:
    FindBar(QWebEnginePage* page, QWidget* parent);

    // Shows the bar with its text selected and the focus in it.
    void open();
    // Searches for the next place of the text; an empty text clears the marks.
    void findNext();
    // Hides the bar and clears the marks in the page.
    void dismiss();

    QLineEdit* input() const { return m_input; }
    // "Not found" after a search without a match, empty otherwise.
    QString outcome() const;

private:
    QWebEnginePage* m_page;
    QLineEdit* m_input;
    QLabel* m_outcome;
};

} // namespace tova::reference
