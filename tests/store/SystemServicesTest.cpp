// The system services: the registry-like value store, the browser engine's version, starting a
// program and waiting for it, the PDF handler question and the documents folder.
#include "platform/SystemServices.h"
#include "platform/SystemServicesSupport.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tova::system;

namespace {

class Registry : public ::testing::Test {
protected:
    // Creates a key with values stored as "<type>:<data>".
    void seedKey(const QString& root, const QString& key, const QList<QPair<QString, QString>>& values)
    {
        env.settings->SaveSetting(registryApplication(), registrySection(root, key), keyMarker(), "");
        for (const auto& [name, stored] : values)
            env.settings->SaveSetting(registryApplication(), registrySection(root, key), name, stored);
    }
    tova::test::TestEnvironment env;
};

TEST_F(Registry, TextAndWholeNumbersReadOtherTypesReadEmpty)
{
    seedKey(currentUserRoot(), "Software\\Browser\\PageSetup",
            {{"text", "1:yes"}, {"number", "4:42"}, {"expand", "2:%HOME%"}, {"binary", "3:AAEC"}, {"broken", "nonsense"}});
    const QPair<const char*, const char*> cases[] = {
        {"text", "yes"}, {"number", "42"}, {"expand", ""}, {"binary", ""}, {"broken", ""}, {"missing", ""}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(RegHelpers::QueryValueHKCU("Software\\Browser\\PageSetup", name), expected) << name;
    EXPECT_EQ(RegHelpers::QueryValueHKCU("Software\\Elsewhere", "text"), "");
}

TEST_F(Registry, WritesOnlyIntoExistingKeysAndOnlyKnownTypes)
{
    seedKey(currentUserRoot(), "Software\\Browser\\PageSetup", {});
    const QString key = "Software\\Browser\\PageSetup";
    RegHelpers::SetKeyValueHKCU(key, "Print_Background", "no", RegHelpers::REG_SZ);
    EXPECT_EQ(RegHelpers::QueryValueHKCU(key, "Print_Background"), "no");
    RegHelpers::SetKeyValueHKCU(key, "Count", "7", RegHelpers::REG_DWORD);
    EXPECT_EQ(RegHelpers::QueryValueHKCU(key, "Count"), "7");
    RegHelpers::SetKeyValueHKCU(key, "Count", "seven", RegHelpers::REG_DWORD);
    RegHelpers::SetKeyValueHKCU(key, "Count", "8", 3);
    EXPECT_EQ(RegHelpers::QueryValueHKCU(key, "Count"), "7");

    const QByteArray before = [&] {
        QFile file(env.settings->fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    RegHelpers::SetKeyValueHKCU("Software\\NoSuchKey", "Print_Background", "yes", RegHelpers::REG_SZ);
    QFile after(env.settings->fileName());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(RegHelpers::QueryValueHKCU("Software\\NoSuchKey", "Print_Background"), "");
}

TEST_F(Registry, PdfFilesHaveAHandlerAndOtherClassesComeFromTheStore)
{
    EXPECT_FALSE(RegHelpers::QueryValueHKCR(".pdf", "").isEmpty());
    EXPECT_EQ(RegHelpers::QueryValueHKCR(".xyz", ""), "");
    seedKey(classesRoot(), ".xyz", {{defaultValueName(), "1:Xyz.Document"}});
    EXPECT_EQ(RegHelpers::QueryValueHKCR(".xyz", ""), "Xyz.Document");
}

TEST(BrowserVersion, EngineVersionIsAtLeastSixAndBadTextsGiveZero)
{
    tova::test::TestEnvironment env;
    EXPECT_GE(IEVersionHelpers::GetIEMajorVersion(), 6);
    EXPECT_EQ(majorVersionFromText("102.0.5005.177"), 102);
    EXPECT_TRUE(env.messages.asked().isEmpty());
    for (const char* text : {"", "abc", "99999.1.2", "-3.0"}) {
        env.messages.clear();
        EXPECT_EQ(majorVersionFromText(text), 0) << text;
        ASSERT_EQ(env.messages.asked().size(), 1) << text;
        EXPECT_TRUE(env.messages.texts().first().endsWith("in procedure GetIEMajorVersion of Module IEVersionHelpers"));
    }
}

TEST(StartingPrograms, WaitsWithEventsReturnsAtOnceWhenItCannotStart)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath("done");
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    QElapsedTimer clock;
    clock.start();
    ShellHelpers::ExecCmd("/bin/sh", "-c \"sleep 0.4; touch '" + marker + "'\"", true);
    EXPECT_TRUE(QFileInfo::exists(marker)) << "returned before the program ended";
    EXPECT_GE(clock.elapsed(), 350);
    EXPECT_GT(ticks, 3) << "events were not processed while waiting";

    clock.restart();
    ShellHelpers::ExecCmd(dir.filePath("no-such-program"), "", true);
    EXPECT_LT(clock.elapsed(), 5000);

    const QString detached = dir.filePath("detached");
    clock.restart();
    ShellHelpers::ExecCmd("/bin/sh", "-c \"sleep 0.3; touch '" + detached + "'\"", false);
    EXPECT_LT(clock.elapsed(), 300);
    EXPECT_FALSE(QFileInfo::exists(detached));
    QElapsedTimer wait;
    wait.start();
    while (!QFileInfo::exists(detached) && wait.elapsed() < 10000)
        QThread::msleep(20);
    EXPECT_TRUE(QFileInfo::exists(detached));
}

TEST(DocumentsFolder, EndsInOneSeparator)
{
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    for (const QString& written : {config.path() + "/Docs", config.path() + "/Docs/"}) {
        QFile dirs(config.filePath("user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(written) + "\"\n");
        dirs.close();
        EXPECT_EQ(SystemFolderHelpers::GetMyDocumentsFolder(), config.path() + "/Docs/") << written.toStdString();
    }
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

} // namespace
