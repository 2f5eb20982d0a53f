#include "review/ui/frmLoadReview.h"

#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "review/ui/ReviewListWidgets.h"
#include "review/ui/frmNewReview.h"
#include "store/Reviews.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace tova;
using namespace tova::review;

namespace {
const QString kNewKey = QStringLiteral("New");
const QString kLabelText = QStringLiteral("Load Review");
} // namespace

frmLoadReview::frmLoadReview(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TOVA - Load Review"));
    buildReviewDialog(this, &Label1, &lvwReviews, &OKButton, QStringLiteral("OK"), &CancelButton);
    lvwReviews->header()->setSectionsClickable(true);

    connect(OKButton, &QPushButton::clicked, this, [this] { lvwReviews_DblClick(); });
    connect(lvwReviews, &QTreeWidget::itemDoubleClicked, this, [this] { lvwReviews_DblClick(); });
    // Cancel unloads the dialog and changes nothing.
    connect(CancelButton, &QPushButton::clicked, this, [this] { QDialog::reject(); });
    connect(lvwReviews->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { lvwReviews_ColumnClick(column); });
}

void frmLoadReview::AskLoadReview(bool required) {
    m_required = required;
    m_afterClose = nullptr;
    CancelButton->setEnabled(!required);
    Label1->setText(projectCaption(kLabelText));
    lvwReviews->clear();
    m_sort = ListSortState{};
    addReviewRow(lvwReviews, kNewKey, QStringLiteral("Create New Review..."), QString());
    for (const ReviewRow& row : reviewRows())
        addReviewRow(lvwReviews, row.key, row.phase, row.date);
    exec();
    if (std::function<void()> action = std::exchange(m_afterClose, nullptr))
        action();
}

void frmLoadReview::lvwReviews_DblClick() {
    const QString key = selectedKey(lvwReviews);
    if (key.isEmpty())
        return;
    if (key == kNewKey) {
        // Shown directly, so closing it without a phase asks whether to stop creating the project.
        m_afterClose = [] { frmNewReview::instance().ShowDirect(); };
        accept();
        return;
    }
    const std::optional<qint16> id = reviewIdFromKey(key);
    if (!id)
        return;
    Globals::SetCurrentReview(*id);
    m_afterClose = [] {
        if (MainWindowCallbacks* mainWindow = services().mainWindow)
            mainWindow->GoToFishbone();
    };
    accept();
}

void frmLoadReview::lvwReviews_ColumnClick(int column) {
    m_sort.columnClicked(column);
    lvwReviews->sortItems(m_sort.column, m_sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void frmLoadReview::closeEvent(QCloseEvent* event) {
    if (!loadReviewMayClose(m_required)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmLoadReview::keyPressEvent(QKeyEvent* event) {
    // Escape counts as the close box.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
