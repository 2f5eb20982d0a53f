#include "ScreensFixture.h"

#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tova::test {

QString screensDatabaseXml() {
    return QStringLiteral(R"(<data>
  <phases><phase><phase_id>3</phase_id><phase_desc>Design</phase_desc></phase>
          <phase><phase_id>4</phase_id><phase_desc>Build</phase_desc></phase></phases>
  <survey>
    <section><section_id>2</section_id><section_desc>People</section_desc><section_weight>1</section_weight>
      <category><category_id>7</category_id><small_cat_desc>Staffing</small_cat_desc>
        <question><question_id>101</question_id><question_number>12.1A3</question_number>
          <question_keyword>Plan</question_keyword><phase_id>3</phase_id><weight>0.05</weight>
          <answer1>Yes</answer1><answer1weight>0</answer1weight>
          <answer2>Partly</answer2><answer2weight>33.3</answer2weight>
          <answer5>Not applicable</answer5></question>
        <question><question_id>102</question_id><question_number>4.2B1.7</question_number>
          <question_keyword>Risks</question_keyword><phase_id>3</phase_id><weight>0.07</weight>
          <answer1>Yes</answer1><answer1weight>0</answer1weight>
          <answer2>No</answer2><answer2weight>100</answer2weight></question>
      </category>
      <category><category_id>8</category_id><small_cat_desc>Skills</small_cat_desc>
        <question><question_id>103</question_id><question_number>1.9Z9</question_number>
          <phase_id>4</phase_id><weight>1</weight><answer1>Yes</answer1><answer1weight>0</answer1weight></question>
      </category>
    </section>
    <section><section_id>0</section_id><section_desc>Process</section_desc><section_weight>1</section_weight>
      <category><category_id>9</category_id><small_cat_desc>Methods</small_cat_desc>
        <question><question_id>104</question_id><question_number>7</question_number>
          <phase_id>3</phase_id><answer1>Yes</answer1><answer1weight>0</answer1weight></question>
        <question><question_id>105</question_id><question_number>3.9Q9</question_number>
          <phase_id>3</phase_id><weight>0.1</weight><answer1>Yes</answer1><answer1weight>0</answer1weight></question>
      </category>
    </section>
  </survey>
  <glossary>
    <gloss_item><gloss_key>1A3</gloss_key><small_term>Staffing plan</small_term></gloss_item>
    <gloss_item><gloss_key>1A3</gloss_key><small_term>Later entry</small_term></gloss_item>
    <gloss_item><gloss_key>2B1</gloss_key><small_term>Risk register</small_term></gloss_item>
  </glossary>
  <acronyms/>
</data>)");
}

ScreensScene::ScreensScene() {
    // Only the report folders, copied from the built application folder.
    app = environment.scratch.filePath(QStringLiteral("app"));
    const QString built = builtAppFolder();
    for (const QString& folder : {"tilechart", "dashboard1", "dashboard2", "scorecard", "projecttrendgraph",
                                  "ProjectTrendDetail", "element", "misc", "css", "images"}) {
        QDir source(built + QLatin1Char('/') + folder);
        QDir().mkpath(app + QLatin1Char('/') + folder);
        for (const QString& file : source.entryList(QDir::Files))
            QFile::copy(source.filePath(file), app + QLatin1Char('/') + folder + QLatin1Char('/') + file);
    }
    services().appFolder = app;

    Globals::ResetProjectState();
    services().mainWindow = &mainWindow;
    Globals::gDataDoc = Xml::XmlDocument::create();
    EXPECT_TRUE(Globals::gDataDoc.loadXML(screensDatabaseXml()));
    Globals::CreateProject(QStringLiteral("R-17"), QStringLiteral("Bridge"), QStringLiteral("Deck"),
                           QStringLiteral("Leeds"), QStringLiteral("Ann"), QStringLiteral("Bob"));
    EXPECT_TRUE(Globals::CreateReview(QStringLiteral("May 06, 2003"), 3));
}

ScreensScene::~ScreensScene() {
    if (services().mainWindow == &mainWindow)
        services().mainWindow = nullptr;
    Globals::ResetProjectState();
    Globals::gDataDoc = Xml::XmlDocument();
}

void ScreensScene::answer(const QString& pairs) {
    Globals::SaveAnswers(QStringLiteral("file:///survey/main.htm?") + pairs);
}

void ScreensScene::answerAll() {
    answer(QStringLiteral("R101=V2&R102=V5&R104=V1&R105=V1"));
}

void ScreensScene::printParametersIn(const QString& styleSheet) {
    const QString target = appPath(styleSheet);
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(testDataPath(QStringLiteral("screens/params.xsl")), target)) << target.toStdString();
}

QString ScreensScene::page(const QString& relative) const {
    QFile file(appPath(relative));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void ScreensScene::writePage(const QString& relative, const QString& text) {
    QFile file(appPath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

QString printed(const QString& page, const QString& id) {
    const QRegularExpression pattern(QStringLiteral("<p id=\"%1\">([^<]*)</p>").arg(QRegularExpression::escape(id)));
    const QRegularExpressionMatch match = pattern.match(page);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("<absent>");
}

} // namespace tova::test
