// The new review dialog's date box: the date as the review stores it ("Aug 20, 2024"), typed over
// freely or picked from a drop-down calendar. Typed text counts only as a whole: a date in the
// form the box shows becomes exactly that date; anything else puts the box back to its date, and
// the text is kept so that the dialog can tell the user before it uses the date shown.
#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace tova::review {

class ReviewDateBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReviewDateBox)

public:
    explicit ReviewDateBox(QWidget* parent = nullptr);

    // The box's date, after taking any text typed since the last one.
    QDate date();
    void setDate(const QDate& date);
    // The text typed last that was no date and gave way to the box's date, once; empty when the
    // box's date has been set or read from the text since.
    QString takeUnreadText();

    QLineEdit& textField() { return *m_text; }
    QToolButton& calendarButton() { return *m_drop; }

private:
    // The typed text becomes the date when it is one; otherwise the box shows its date again.
    void takeTypedText();
    void showCalendar();

    QLineEdit* m_text = nullptr;
    QToolButton* m_drop = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QDate m_date;
    QString m_unreadText;
};

} // namespace tova::review
