// The choose review dialog: makes one review of the open project current, or starts a new one.
#pragma once

#include "review/ReviewList.h"

#include "platform/ui/SingleInstance.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

class frmLoadReview final : public QDialog, public tova::SingleInstance<frmLoadReview> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLoadReview)

public:
    // Lists the reviews below "Create New Review..." and runs modally. With required set the user
    // must choose a row: Cancel is unavailable and the close box is refused.
    void AskLoadReview(bool required);

    QTreeWidget& reviewList() { return *lvwReviews; }
    QPushButton& okButton() { return *OKButton; }
    QPushButton& cancelButton() { return *CancelButton; }
    QLabel& caption() { return *Label1; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class tova::SingleInstance<frmLoadReview>;
    explicit frmLoadReview(QWidget* parent = nullptr);

    void lvwReviews_DblClick();
    void lvwReviews_ColumnClick(int column);

    QLabel* Label1 = nullptr;
    QTreeWidget* lvwReviews = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    bool m_required = false;
    tova::review::ListSortState m_sort;
    std::function<void()> m_afterClose;
};
