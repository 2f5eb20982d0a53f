// The Qt file dialog as the user meets it: the filter reads as the request words it and lists the
// files of its pattern only.
#include "platform/Wait.h"
#include "platform/dialogs/ui/QtFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tova;

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
