#include "review/ui/ReviewDateBox.h"

#include "review/NewReviewRules.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include <utility>

namespace tova::review {

ReviewDateBox::ReviewDateBox(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_text = new QLineEdit(this);
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QStringLiteral("MMMM 00, 00000")));
    m_drop = new QToolButton(this);
    m_drop->setArrowType(Qt::DownArrow);
    m_drop->setFocusPolicy(Qt::NoFocus);
    m_drop->setToolTip(QStringLiteral("Choose the date from a calendar"));
    layout->addWidget(m_text);
    layout->addWidget(m_drop);
    setFocusProxy(m_text);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setWindowFlags(Qt::Popup);
    m_calendar->hide();
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](const QDate& picked) {
        setDate(picked);
        m_calendar->hide();
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](const QDate& picked) {
        setDate(picked);
        m_calendar->hide();
    });
    connect(m_drop, &QToolButton::clicked, this, [this] { showCalendar(); });
    connect(m_text, &QLineEdit::editingFinished, this, [this] { takeTypedText(); });
    setDate(QDate::currentDate());
}

QDate ReviewDateBox::date() {
    takeTypedText();
    return m_date;
}

void ReviewDateBox::setDate(const QDate& date) {
    if (!date.isValid())
        return;
    m_date = date;
    m_unreadText.clear();
    m_text->setText(formatReviewDate(date));
}

QString ReviewDateBox::takeUnreadText() {
    return std::exchange(m_unreadText, QString());
}

void ReviewDateBox::takeTypedText() {
    const QString typed = m_text->text();
    if (typed == formatReviewDate(m_date))
        return;
    if (const std::optional<QDate> date = parseTypedReviewDate(typed)) {
        setDate(*date);
        return;
    }
    // No date: the box shows its date again rather than guess another one.
    QApplication::beep();
    m_unreadText = typed;
    m_text->setText(formatReviewDate(m_date));
}

void ReviewDateBox::showCalendar() {
    takeTypedText();
    m_calendar->setSelectedDate(m_date);
    m_calendar->adjustSize();
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
    m_calendar->setFocus();
}

} // namespace tova::review
