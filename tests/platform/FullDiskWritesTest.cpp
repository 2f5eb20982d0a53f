// Generated pages, chart pictures and the settings store on a disk that is full: the write fails,
// says so where it can, and the previous file stays byte for byte.
#include "platform/PageServices.h"
#include "platform/SettingsStore.h"
#include "platform/chart/ChartControl.h"
#include "support/FakeBrowser.h"
#include "support/SmallDisk.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        disk = std::make_unique<SmallDisk>(environment.scratch.filePath(QStringLiteral("disk")));
        if (!disk->mounted())
            GTEST_SKIP() << "full-disk case not run: " << disk->whyNot().toStdString();
    }
    // Only the named file and the filler are on the disk: no temporary file was left behind.
    void expectOnlyFileLeft(const QString& name) {
        QStringList expected{name, QStringLiteral("filler")};
        expected.sort();
        EXPECT_EQ(QDir(disk->filePath(QString())).entryList(QDir::Files | QDir::Hidden), expected);
    }

    TestEnvironment environment;
    std::unique_ptr<SmallDisk> disk;
};

TEST_F(FullDisk, GeneratedPageKeepsThePreviousPageAndTheBrowserStays) {
    const QString page = disk->filePath(QStringLiteral("main.htm"));
    FakeBrowser browser(QStringLiteral("webMain"));
    ASSERT_TRUE(Globals::WriteHTMLAndShow(QStringLiteral("<p>before</p>"), browser, page, QString(), true));
    const QByteArray before = contents(page);
    ASSERT_TRUE(disk->fill());

    EXPECT_FALSE(
        Globals::WriteHTMLAndShow(QStringLiteral("<p>%1</p>").arg(QString(4000, 'x')), browser, page, QString(), true));
    EXPECT_EQ(contents(page), before);
    EXPECT_EQ(browser.navigations.size(), 1) << "only the first page was shown";
    expectOnlyFileLeft(QStringLiteral("main.htm"));
}

TEST_F(FullDisk, ChartPictureKeepsThePreviousPicture) {
    const QString picture = disk->filePath(QStringLiteral("graph.png"));
    ChartDesign design;
    design.seriesColours = {ChartRgb{255, 0, 0}};
    ASSERT_TRUE(ChartControl(200, 100, design).Save(picture, false));
    const QByteArray before = contents(picture);
    ASSERT_TRUE(disk->fill());

    EXPECT_FALSE(ChartControl(375, 107, design).Save(picture, false));
    EXPECT_EQ(contents(picture), before);
    expectOnlyFileLeft(QStringLiteral("graph.png"));
}

TEST_F(FullDisk, SettingsKeepTheirPreviousValues) {
    SettingsStore settings(disk->filePath(QStringLiteral("settings.ini")));
    settings.SaveSetting(QStringLiteral("TOVA2v2.0"), QStringLiteral("Recent"), QStringLiteral("File0"),
                         QStringLiteral("/p/a.tova"));
    const QByteArray before = contents(settings.fileName());
    ASSERT_TRUE(disk->fill());

    settings.SaveSetting(QStringLiteral("TOVA2v2.0"), QStringLiteral("Recent"), QStringLiteral("File1"),
                         QString(4000, 'x'));
    EXPECT_EQ(contents(settings.fileName()), before);
    EXPECT_EQ(settings.GetSetting(QStringLiteral("TOVA2v2.0"), QStringLiteral("Recent"), QStringLiteral("File0")),
              QStringLiteral("/p/a.tova"));
}

} // namespace
