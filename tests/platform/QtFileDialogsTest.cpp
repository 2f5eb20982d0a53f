// The program's file dialogs as the user meets them: the filter reads as the request words it and
// lists the files of its pattern only; a folder is listed without a file of it being opened.
#include "platform/dialogs/ui/QtFileDialogs.h"
#include "platform/Wait.h"
#include "platform/printing/ui/PrintOutput.h"
#include "support/ModalDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tova;
using namespace tova::test;

TEST(QtFileDialogs, TheFilterShowsItsTextAsGivenAndListsOnlyItsFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"road.tova", "notes.txt"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString filterShown;
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            static_cast<void>(
                waitWhile([&] { return !qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); }, 10000));
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        }
        ASSERT_NE(dialog, nullptr);
        if (auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            filterShown = combo->currentText();
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        static_cast<void>(waitWhile([&] { return view && view->model()->rowCount(view->rootIndex()) == 0; }, 10000));
        if (view) {
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        }
        dialog->reject();
    });
    FileDialogRequest request;
    request.filter = QStringLiteral("(*.tova) TOVA Project Files|*.tova");
    request.initialFolder = folder.path();
    QtFileDialogs dialogs;
    EXPECT_EQ(dialogs.getOpenFileName(request), std::nullopt);
    EXPECT_EQ(filterShown, QStringLiteral("(*.tova) TOVA Project Files"));
    EXPECT_EQ(listed, QStringList{QStringLiteral("road.tova")});
}

namespace {

// The names of the entries of a folder that anything opened while it watched.
class OpenedEntries {
public:
    explicit OpenedEntries(const QString& folder) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0 && inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN) < 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~OpenedEntries() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenedEntries(const OpenedEntries&) = delete;
    OpenedEntries& operator=(const OpenedEntries&) = delete;

    bool watching() const { return m_fd >= 0; }

    // The folder's own openings (listing it) carry no name and are left out.
    QStringList names() const {
        QStringList opened;
        alignas(inotify_event) char buffer[4096];
        ssize_t length = 0;
        while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (const char* at = buffer; at < buffer + length;) {
                inotify_event event;
                std::memcpy(&event, at, sizeof event);
                if (event.len > 0)
                    opened << QFile::decodeName(at + sizeof event);
                at += sizeof event + event.len;
            }
        }
        return opened;
    }

private:
    int m_fd;
};

// Whether a file list of the window shows the folder's project file.
bool listsProject(const QWidget& window, const QString& folder) {
    for (QFileSystemModel* list : window.findChildren<QFileSystemModel*>()) {
        const QModelIndex shown = list->index(folder);
        for (int row = 0; shown.isValid() && row < list->rowCount(shown); ++row)
            if (list->index(row, 0, shown).data().toString() == QLatin1String("R-17.tova"))
                return true;
    }
    return false;
}

// Takes the field to the folder as a user does: its path, then the separator typed, which asks the
// field's completion for the folder's entries. True once the window lists them, within a bound that
// tells a list that comes from one that never does.
bool typeFolder(QWidget& window, QLineEdit* field, const QString& folder) {
    if (!field)
        return false;
    field->setFocus();
    field->setText(folder);
    QTest::keyClick(field, '/');
    return waitWhile([&] { return !listsProject(window, folder); }, 10000);
}

// Chooses the print dialog's print to file, which gives it an output file field.
QLineEdit* outputFileField(QPrintDialog& dialog) {
    if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
        printers->setCurrentIndex(printers->count() - 1);
    return dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
}

} // namespace

// A folder with a project file, a file whose name tells nothing of its kind and a pipe: each dialog
// that can show it lists it without opening any of them, so a file that blocks its reader (a pipe,
// a kernel file in /proc) cannot stop the program.
TEST(QtFileDialogs, AFolderIsListedWithoutOpeningItsFiles) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    FileDialogRequest saveAs;
    saveAs.title = QStringLiteral("Save TOVA Project As");
    saveAs.filter = QStringLiteral("(*.tova) TOVA Project Files|*.tova");
    saveAs.defaultExtension = QStringLiteral("tova");
    saveAs.initialFolder = scratch.path();

    struct Road {
        const char* name;
        // Shows the program's dialog until the test closes it.
        std::function<void(const QString& folder)> show;
        // Takes the shown dialog to the folder and closes it; false when it never lists it.
        std::function<bool(QWidget& dialog, const QString& folder)> lookIn;
    };
    const auto typedIntoName = [](QWidget& dialog, const QString& folder) {
        const bool listed = typeFolder(dialog, dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), folder);
        qobject_cast<QDialog*>(&dialog)->reject();
        return listed;
    };
    const Road roads[] = {
        {"Save As, the folder typed as the file name", [&](const QString&) { QtFileDialogs().getSaveFileName(saveAs); },
         typedIntoName},
        {"Open, started in the folder",
         [&](const QString& folder) {
             FileDialogRequest open = saveAs;
             open.initialFolder = folder;
             QtFileDialogs().getOpenFileName(open);
         },
         [](QWidget& dialog, const QString& folder) {
             const bool listed = waitWhile([&] { return !listsProject(dialog, folder); }, 10000);
             qobject_cast<QDialog*>(&dialog)->reject();
             return listed;
         }},
        {"print dialog, the folder typed as the output file",
         [&](const QString&) {
             QWebEngineView view;
             QtPrintOutput().print(view, QPageLayout::Portrait, scratch.filePath(QStringLiteral("R-17.pdf")));
         },
         [](QWidget& dialog, const QString& folder) {
             auto& print = static_cast<QPrintDialog&>(dialog);
             const bool listed = typeFolder(print, outputFileField(print), folder);
             print.reject();
             return listed;
         }},
        {"print dialog, the output file's browse button",
         [&](const QString&) {
             QWebEngineView view;
             QtPrintOutput().print(view, QPageLayout::Portrait, scratch.filePath(QStringLiteral("R-17.pdf")));
         },
         [typedIntoName](QWidget& dialog, const QString& folder) {
             auto& print = static_cast<QPrintDialog&>(dialog);
             QLineEdit* field = outputFileField(print);
             QAbstractButton* browse = nullptr;
             for (QAbstractButton* button : print.findChildren<QAbstractButton*>())
                 if (button->text() == QLatin1String("...") && button->isVisible())
                     browse = button;
             bool listed = false;
             if (field && browse) {
                 whenModal<QFileDialog>([&](QFileDialog& files) { listed = typedIntoName(files, folder); });
                 QTest::mouseClick(browse, Qt::LeftButton);
             }
             print.reject();
             return listed;
         }},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"R-17.tova", "notes"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("<project/>");
        }
        ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.tova"))).constData(), 0600), 0);
        const OpenedEntries opened(folder.path());
        ASSERT_TRUE(opened.watching());
        bool listed = false;
        whenModal<QDialog>([&](QDialog& dialog) { listed = road.lookIn(dialog, folder.path()); });
        road.show(folder.path());
        EXPECT_TRUE(listed);
        EXPECT_EQ(opened.names().join(QStringLiteral(", ")).toStdString(), "");
    }
}
