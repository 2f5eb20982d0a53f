// The delete review dialog: removes one review of the open project and saves the project.
#pragma once

#include "platform/ui/SingleInstance.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

class frmDeleteReview final : public QDialog, public tova::SingleInstance<frmDeleteReview> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDeleteReview)

public:
    // Loads the list afresh and runs modally; returns when the dialog has closed.
    void ShowModal();

    QTreeWidget& reviewList() { return *lvwReviews; }
    QPushButton& deleteButton() { return *OKButton; }

private:
    friend class tova::SingleInstance<frmDeleteReview>;
    explicit frmDeleteReview(QWidget* parent = nullptr);

    void Form_Load();
    void lvwReviews_DblClick();

    QLabel* Label1 = nullptr;
    QTreeWidget* lvwReviews = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
