// The system services: the registry-like value store, the browser engine's version, starting a
// program and waiting for it, the PDF handler question and the documents folder.
#include "platform/SystemServices.h"
#include "platform/Services.h"
#include "platform/SystemServicesSupport.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tova::system;

namespace {

TEST(Registry, ReadsTextAndNumbersWritesOnlyIntoExistingKeys) {
    tova::test::TestEnvironment env;
    const QString key = "Software\\Browser\\PageSetup";
    const QString section = registrySection(currentUserRoot(), key);
    env.settings->SaveSetting(registryApplication(), section, keyMarker(), "");
    const QPair<const char*, const char*> stored[] = {
        {"text", "1:yes"}, {"number", "4:42"}, {"expand", "2:%HOME%"}, {"binary", "3:AAEC"}};
    for (const auto& [name, value] : stored)
        env.settings->SaveSetting(registryApplication(), section, name, value);
    const QPair<const char*, const char*> read[] = {
        {"text", "yes"}, {"number", "42"}, {"expand", ""}, {"binary", ""}, {"missing", ""}};
    for (const auto& [name, expected] : read)
        EXPECT_EQ(RegHelpers::QueryValueHKCU(key, name), expected) << name;

    RegHelpers::SetKeyValueHKCU(key, "Print_Background", "no", RegHelpers::REG_SZ);
    RegHelpers::SetKeyValueHKCU(key, "number", "seven", RegHelpers::REG_DWORD);
    RegHelpers::SetKeyValueHKCU(key, "text", "other type", 3);
    EXPECT_EQ(RegHelpers::QueryValueHKCU(key, "Print_Background"), "no");
    EXPECT_EQ(RegHelpers::QueryValueHKCU(key, "number"), "42");
    EXPECT_EQ(RegHelpers::QueryValueHKCU(key, "text"), "yes");
    RegHelpers::SetKeyValueHKCU("Software\\NoSuchKey", "Print_Background", "yes", RegHelpers::REG_SZ);
    EXPECT_FALSE(env.settings->HasSetting(
        registryApplication(), registrySection(currentUserRoot(), "Software\\NoSuchKey"), "Print_Background"));
    // PDF files have a handler while the embedded viewer is on; with it off, the desktop decides.
    EXPECT_FALSE(RegHelpers::QueryValueHKCR(".pdf", "").isEmpty());
    tova::services().embeddedPdfViewerEnabled = [] { return false; };
    EXPECT_EQ(RegHelpers::QueryValueHKCR(".pdf", ""), defaultPdfApplication());
    tova::services().embeddedPdfViewerEnabled = nullptr;
    EXPECT_EQ(RegHelpers::QueryValueHKCR(".xyz", ""), "");
}

TEST(BrowserVersion, EngineVersionIsAtLeastSixAndUnreadableTextsGiveZero) {
    tova::test::TestEnvironment env;
    EXPECT_GE(IEVersionHelpers::GetIEMajorVersion(), 6);
    EXPECT_EQ(majorVersionFromText("102.0.5005.177"), 102);
    for (const char* text : {"", "abc", "99999.1.2"})
        EXPECT_EQ(majorVersionFromText(text), 0) << text;
    ASSERT_EQ(env.messages.asked().size(), 3);
    EXPECT_TRUE(env.messages.texts().last().endsWith("in procedure GetIEMajorVersion of Module IEVersionHelpers"));
}

TEST(StartingPrograms, WaitsWhileEventsRunAndReturnsAtOnceWhenItCannotStart) {
    tova::test::TestEnvironment env;
    const QString marker = env.scratch.filePath("done");
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    ShellHelpers::ExecCmd("/bin/sh", "-c \"sleep 0.4; touch '" + marker + "'\"", true);
    EXPECT_TRUE(QFileInfo::exists(marker)) << "returned before the program ended";
    EXPECT_GT(ticks, 3) << "events were not processed while waiting";
    QElapsedTimer clock;
    clock.start();
    ShellHelpers::ExecCmd(env.scratch.filePath("no-such-program"), "", true);
    ShellHelpers::ExecCmd("/bin/sh", "-c \"sleep 2\"", false);
    EXPECT_LT(clock.elapsed(), 1500);
}

TEST(DocumentsFolder, EndsInExactlyOneSeparator) {
    tova::test::TestEnvironment env;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(env.scratch.path()));
    for (const QString& written : {env.scratch.path() + "/Docs", env.scratch.path() + "/Docs/"}) {
        QFile dirs(env.scratch.filePath("user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(written) + "\"\n");
        dirs.close();
        EXPECT_EQ(SystemFolderHelpers::GetMyDocumentsFolder(), env.scratch.path() + "/Docs/");
    }
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

} // namespace
