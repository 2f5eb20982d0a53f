#include "review/ui/frmDeleteReview.h"

#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "review/ReviewList.h"
#include "review/ui/ReviewListWidgets.h"
#include "review/ui/frmLoadReview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace tova;
using namespace tova::review;

frmDeleteReview::frmDeleteReview(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Delete Review"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeCaptionRow(this, &Label1));
    lvwReviews = makeReviewList(this);
    layout->addWidget(lvwReviews, 1);
    OKButton = new QPushButton(QStringLiteral("Delete"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, [this] { lvwReviews_DblClick(); });
    connect(lvwReviews, &QTreeWidget::itemDoubleClicked, this, [this] { lvwReviews_DblClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(480, 360);
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
    steps.askLoadReviewRequired = [] { frmLoadReview::instance().AskLoadReview(true); };
    steps.save = [] {
        if (MainWindowCallbacks* mainWindow = services().mainWindow)
            mainWindow->mnuFileSave_Click();
    };
    deleteReviewOfRow(key, steps);
    accept();
}
