// The start dialog: a new project, the sample project, or an existing project file from the
// recent list or a file-open dialog.
#pragma once

#include "review/ListSort.h"

#include "platform/ui/SingleInstance.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class frmNewLoad final : public QDialog, public tova::SingleInstance<frmNewLoad> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNewLoad)

public:
    // Fills both lists, shows tab 0 ("New") or 1 ("Existing") and runs modally; returns when the
    // dialog has closed and what was chosen has been opened.
    void DoModal(qint16 tab);

    QTabWidget& tabs() { return *SSTab1; }
    QListWidget& newList() { return *lvwNew; }
    QTreeWidget& recentList() { return *lvwRecent; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class tova::SingleInstance<frmNewLoad>;
    explicit frmNewLoad(QWidget* parent = nullptr);

    void fillLists();
    // Makes the Open button of the tab the one Enter presses.
    void defaultToOpenOf(int tab);
    // Gives the names' column its width in the existing projects' list, leaving the folders in view.
    void fitRecentColumns();
    void lvwNew_DblClick();
    void lvwRecent_DblClick();
    void lvwRecent_ColumnClick(int column);

    QTabWidget* SSTab1 = nullptr;
    QListWidget* lvwNew = nullptr;
    QTreeWidget* lvwRecent = nullptr;
    QPushButton* cmdNewOpen = nullptr;
    QPushButton* cmdNewCancel = nullptr;
    QPushButton* cmdRecentOpen = nullptr;
    QPushButton* cmdRecentCancel = nullptr;
    tova::review::ListSortState m_recentSort;
    // What the chosen row opens, run once the dialog has closed.
    std::function<void()> m_afterClose;
};
