// The delete review dialog: removes one review of the open project and saves the project.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class QTreeWidget;

class frmDeleteReview final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDeleteReview)

public:
    static frmDeleteReview& instance();
    // Deletes the window if it exists (the next use creates it again).
    static void destroyInstance();

    // Loads the list afresh and runs modally; returns when the dialog has closed.
    void ShowModal();

    QTreeWidget& reviewList() { return *lvwReviews; }
    QPushButton& deleteButton() { return *OKButton; }

private:
    static QPointer<frmDeleteReview>& slot();
    explicit frmDeleteReview(QWidget* parent = nullptr);

    void Form_Load();
    void lvwReviews_DblClick();

    QLabel* Label1 = nullptr;
    QTreeWidget* lvwReviews = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
