#include "review/ui/frmNewLoad.h"

#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "platform/dialogs/FileDialogs.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/WindowPlacer.h"
#include "review/RecentRows.h"
#include "review/ui/ListIcons.h"
#include "review/ui/frmNewProject.h"
#include "store/ProjectFiles.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace tova;
using namespace tova::review;

namespace {

constexpr int kKeyRole = Qt::UserRole;
const QString kBrowseKey = QStringLiteral("Browse");
constexpr int kBrowseRole = Qt::UserRole + 1;

QWidget* buttonRow(QWidget* parent, QPushButton* open, QPushButton* cancel) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(open);
    layout->addWidget(cancel);
    return row;
}

QWidget* tabPage(QWidget* parent, QWidget* list, QWidget* buttons) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    return page;
}

// A large project takes a while to read and judge.
void openAndShow(const QString& path) {
    const BusyCursor busy;
    Globals::OpenProjectAndShow(path);
}

} // namespace

frmNewLoad::frmNewLoad(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Project"));
    setModal(true);

    SSTab1 = new QTabWidget(this);

    lvwNew = new QListWidget(this);
    lvwNew->setViewMode(QListView::IconMode);
    lvwNew->setIconSize(QSize(32, 32));
    lvwNew->setMovement(QListView::Static);
    lvwNew->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwNew->viewport()->installEventFilter(this);
    cmdNewOpen = new QPushButton(QStringLiteral("Open"), this);
    cmdNewCancel = new QPushButton(QStringLiteral("Cancel"), this);
    SSTab1->addTab(tabPage(SSTab1, lvwNew, buttonRow(this, cmdNewOpen, cmdNewCancel)), QStringLiteral("New"));

    lvwRecent = new QTreeWidget(this);
    lvwRecent->setColumnCount(2);
    lvwRecent->setHeaderLabels({QStringLiteral("Project"), QStringLiteral("Folder")});
    lvwRecent->setRootIsDecorated(false);
    lvwRecent->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwRecent->setIconSize(QSize(16, 16));
    lvwRecent->header()->setSectionsClickable(true);
    lvwRecent->header()->setSortIndicatorShown(false);
    lvwRecent->viewport()->installEventFilter(this);
    cmdRecentOpen = new QPushButton(QStringLiteral("Open"), this);
    cmdRecentCancel = new QPushButton(QStringLiteral("Cancel"), this);
    SSTab1->addTab(tabPage(SSTab1, lvwRecent, buttonRow(this, cmdRecentOpen, cmdRecentCancel)),
                   QStringLiteral("Existing"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);

    connect(lvwNew, &QListWidget::itemDoubleClicked, this, [this] { lvwNew_DblClick(); });
    connect(cmdNewOpen, &QPushButton::clicked, this, [this] { lvwNew_DblClick(); });
    connect(cmdNewCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvwRecent, &QTreeWidget::itemDoubleClicked, this, [this] { lvwRecent_DblClick(); });
    connect(cmdRecentOpen, &QPushButton::clicked, this, [this] { lvwRecent_DblClick(); });
    connect(cmdRecentCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvwRecent->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { lvwRecent_ColumnClick(column); });
    // Enter opens the selected row through the Open button of the tab on show; a default button on
    // the hidden tab would take the key and do nothing.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) { defaultToOpenOf(tab); });
    placeWindow(*this, QSize(520, 380), SizeOf::Client);
}

void frmNewLoad::DoModal(qint16 tab) {
    m_afterClose = nullptr;
    fillLists();
    SSTab1->setCurrentIndex(tab == 1 ? 1 : 0);
    defaultToOpenOf(SSTab1->currentIndex());
    exec();
    // What the chosen row opens runs with the dialog closed.
    if (std::function<void()> action = std::exchange(m_afterClose, nullptr))
        action();
}

void frmNewLoad::defaultToOpenOf(int tab) {
    (tab == 1 ? cmdRecentOpen : cmdNewOpen)->setDefault(true);
}

void frmNewLoad::fillLists() {
    lvwNew->clear();
    auto* newItem = new QListWidgetItem(newProjectIcon(), QStringLiteral("New Project"), lvwNew);
    newItem->setData(kKeyRole, QStringLiteral("NEW"));
    auto* sampleItem = new QListWidgetItem(sampleProjectIcon(), QStringLiteral("Sample Project"), lvwNew);
    sampleItem->setData(kKeyRole, QStringLiteral("SAMPLE"));
    lvwNew->clearSelection();
    lvwNew->setCurrentItem(nullptr);

    lvwRecent->clear();
    m_recentSort = ListSortState{};
    auto* browse = new QTreeWidgetItem(lvwRecent, {QStringLiteral("More Files..."), QString()});
    browse->setData(0, kKeyRole, kBrowseKey);
    browse->setData(0, kBrowseRole, true);
    const QIcon fileIcon = projectFileIcon();
    for (const RecentRow& row : recentRows(Globals::GetRecentFiles())) {
        auto* item = new QTreeWidgetItem(lvwRecent, {row.file, row.folder});
        item->setData(0, kKeyRole, row.path);
        item->setIcon(0, fileIcon);
    }
    fitRecentColumns();
    lvwRecent->setCurrentItem(browse);
    browse->setSelected(true);
}

void frmNewLoad::fitRecentColumns() {
    // The project names are what the user looks for: their column fits them as far as the folders
    // keep room beside them; the folders take what is left.
    const QAbstractItemView& view = *lvwRecent; // where the column's size hint is public
    const int names = std::max(lvwRecent->header()->sectionSizeHint(0), view.sizeHintForColumn(0));
    const int folders = std::max(lvwRecent->header()->sectionSizeHint(1), view.sizeHintForColumn(1));
    lvwRecent->setColumnWidth(0, projectColumnWidth(lvwRecent->viewport()->width(), names, folders));
}

bool frmNewLoad::eventFilter(QObject* watched, QEvent* event) {
    // Watched from the constructor on, before the second list exists.
    if (event->type() == QEvent::Resize && lvwRecent && watched == lvwRecent->viewport())
        fitRecentColumns();
    // A press on empty space leaves the list without a selected row, so "Open" then does nothing.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == lvwNew->viewport() && !lvwNew->itemAt(mouse->position().toPoint())) {
            lvwNew->clearSelection();
            lvwNew->setCurrentItem(nullptr);
        } else if (watched == lvwRecent->viewport() && !lvwRecent->itemAt(mouse->position().toPoint())) {
            lvwRecent->clearSelection();
            lvwRecent->setCurrentItem(nullptr);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmNewLoad::lvwNew_DblClick() {
    const QList<QListWidgetItem*> selected = lvwNew->selectedItems();
    if (selected.isEmpty())
        return;
    const QString key = selected.first()->data(kKeyRole).toString();
    if (key == QLatin1String("NEW")) {
        m_afterClose = [] { frmNewProject::instance().NewProject(); };
    } else if (key == QLatin1String("SAMPLE")) {
        m_afterClose = [] { openAndShow(appPath(QStringLiteral("sample.tova"))); };
    } else {
        return;
    }
    accept();
}

void frmNewLoad::lvwRecent_DblClick() {
    const QList<QTreeWidgetItem*> selected = lvwRecent->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* row = selected.first();
    if (row->data(0, kBrowseRole).toBool()) {
        m_afterClose = [] {
            FileDialogService* dialogs = services().fileDialogs;
            if (!dialogs)
                return;
            FileDialogRequest request;
            request.filter = QStringLiteral("(*.tova) TOVA Project Files|*.tova");
            const std::optional<QString> chosen = dialogs->getOpenFileName(request);
            if (chosen && !chosen->isEmpty())
                openAndShow(*chosen);
        };
    } else {
        const QString path = row->data(0, kKeyRole).toString();
        m_afterClose = [path] { openAndShow(path); };
    }
    accept();
}

void frmNewLoad::lvwRecent_ColumnClick(int column) {
    m_recentSort.columnClicked(column);
    lvwRecent->sortItems(m_recentSort.column, m_recentSort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}
