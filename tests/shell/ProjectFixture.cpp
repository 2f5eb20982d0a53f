#include "ProjectFixture.h"

#include "platform/Services.h"
#include "shell/SaveCommands.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

#include <gtest/gtest.h>

namespace tova::test {

QString smallDatabaseXml() {
    return QStringLiteral(R"(<data>
  <phases><phase><phase_id>3</phase_id><phase_desc>Design</phase_desc></phase>
          <phase><phase_id>4</phase_id><phase_desc>Build</phase_desc></phase></phases>
  <survey>
    <section><section_id>2</section_id><section_desc>People</section_desc><section_weight>1</section_weight>
      <category><category_id>7</category_id><small_cat_desc>Staffing</small_cat_desc>
        <question><question_id>101</question_id><question_number>1</question_number><phase_id>3</phase_id>
          <weight>1</weight><answer1>Yes</answer1><answer1weight>1</answer1weight></question>
        <question><question_id>102</question_id><question_number>2</question_number><phase_id>4</phase_id>
          <weight>1</weight><answer1>Yes</answer1><answer1weight>1</answer1weight></question>
      </category>
      <category><category_id>8</category_id><small_cat_desc>Skills</small_cat_desc>
        <question><question_id>103</question_id><question_number>3</question_number><phase_id>3</phase_id>
          <weight>1</weight><answer1>Yes</answer1><answer1weight>1</answer1weight></question>
      </category>
    </section>
  </survey>
  <glossary/><acronyms/>
</data>)");
}

ProjectFixture::ProjectFixture(bool withDatabase) {
    Globals::ResetProjectState();
    mainWindow.onSaveAs = [] { return showSaveAsDialog(); };
    services().mainWindow = &mainWindow;
    Globals::gDataDoc = Xml::XmlDocument::create();
    if (withDatabase)
        EXPECT_TRUE(Globals::gDataDoc.loadXML(smallDatabaseXml()));
}

ProjectFixture::~ProjectFixture() {
    if (services().mainWindow == &mainWindow)
        services().mainWindow = nullptr;
    Globals::ResetProjectState();
    Globals::gDataDoc = Xml::XmlDocument();
}

void ProjectFixture::openProject(const QString& projectName, qint16 phase) {
    Globals::CreateProject(QStringLiteral("R-17"), projectName, QStringLiteral("Deck"), QStringLiteral("Leeds"),
                           QStringLiteral("Ann"), QStringLiteral("Bob"));
    ASSERT_TRUE(Globals::CreateReview(QStringLiteral("May 06, 2003"), phase));
}

void ProjectFixture::answerAll() {
    Globals::SaveAnswers(QStringLiteral("file:///survey/main.htm?R101=V1&R103=V1"));
}

} // namespace tova::test
