#include "reference/ui/FindBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

namespace tova::reference {

FindBar::FindBar(QWebEnginePage* page, QWidget* parent)
    : QWidget(parent), m_page(page), m_input(new QLineEdit(this)), m_outcome(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Find what:"), this);
    caption->setBuddy(m_input);
    auto* next = new QPushButton(QStringLiteral("Find Next"), this);
    auto* done = new QPushButton(QStringLiteral("Close"), this);
    // Enter in the text searches; it must not press a dialog's default button.
    for (QPushButton* button : {next, done}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    layout->addWidget(caption);
    layout->addWidget(m_input, 1);
    layout->addWidget(next);
    layout->addWidget(done);
    layout->addWidget(m_outcome);

    connect(m_input, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(done, &QPushButton::clicked, this, &FindBar::dismiss);
    // Escape closes the bar, not the window around it.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::dismiss);
    hide();
}

void FindBar::open() {
    show();
    m_input->setFocus(Qt::ShortcutFocusReason);
    m_input->selectAll();
}

void FindBar::findNext() {
    m_outcome->clear();
    const QString text = m_input->text();
    QPointer<QLabel> outcome(m_outcome);
    m_page->findText(text, {}, [outcome, text](const QWebEngineFindTextResult& result) {
        if (outcome && !text.isEmpty() && result.numberOfMatches() == 0)
            outcome->setText(QStringLiteral("Not found"));
    });
}

void FindBar::dismiss() {
    m_input->clear();
    m_outcome->clear();
    m_page->findText(QString());
    hide();
}

QString FindBar::outcome() const {
    return m_outcome->text();
}

} // namespace tova::reference
