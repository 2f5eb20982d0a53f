#include "review/ui/frmDeleteReview.h"

#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "review/ReviewList.h"
#include "review/ui/ReviewListWidgets.h"
#include "review/ui/frmLoadReview.h"
#include "store/ProjectDocument.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace tova;
using namespace tova::review;

frmDeleteReview::frmDeleteReview(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Delete Review"));
    buildReviewDialog(this, &Label1, &lvwReviews, &OKButton, QStringLiteral("Delete"), &CancelButton);

    connect(OKButton, &QPushButton::clicked, this, [this] { lvwReviews_DblClick(); });
    connect(lvwReviews, &QTreeWidget::itemDoubleClicked, this, [this] { lvwReviews_DblClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmDeleteReview::ShowModal() {
    Form_Load();
    exec();
}

void frmDeleteReview::Form_Load() {
    Label1->setText(projectCaption(QStringLiteral("Delete Review")));
    lvwReviews->clear();
    for (const ReviewRow& row : reviewRows())
        addReviewRow(lvwReviews, row.key, row.phase, row.date);
}

void frmDeleteReview::lvwReviews_DblClick() {
    const QString key = selectedKey(lvwReviews);
    if (key.isEmpty())
        return;
    DeleteReviewSteps steps;
    steps.hide = [this] { hide(); };
    steps.askLoadReviewRequired = [] {
        // With the current review deleted, its screen goes at once: the main window shows the page
        // from which a review is chosen, and the choice is asked for from there.
        MainWindowCallbacks* mainWindow = services().mainWindow;
        if (mainWindow && Globals::gCurrentReview.isNull())
            mainWindow->HandleURL(QStringLiteral("#CLS"));
        else
            frmLoadReview::instance().AskLoadReview(true);
    };
    steps.save = [] {
        if (MainWindowCallbacks* mainWindow = services().mainWindow)
            mainWindow->mnuFileSave_Click();
    };
    deleteReviewOfRow(key, steps);
    accept();
}
