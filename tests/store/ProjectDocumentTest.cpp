// The project document: the shape of a new project, header texts, the element helper and the
// project state the header operations leave behind.
#include "StoreTestSupport.h"

#include "store/ProjectDocument.h"

using namespace tova::test;

namespace {

class ProjectDocument : public StoreTest {};

TEST_F(ProjectDocument, NewProjectHasTheFixedShapeAndState)
{
    Globals::gProjectPath = "/old/file.tova";
    Globals::gProjectSaved = true;
    Globals::CreateProject("R-1", "Bridge", "Deck", "Oslo", "City", "Kari");
    EXPECT_EQ(Globals::GetProjectXML(),
              "<project ver=\"2.0\"><reference_num>R-1</reference_num><projectname>Bridge</projectname>"
              "<subprojectname>Deck</subprojectname><location>Oslo</location><owner>City</owner>"
              "<projectmanager>Kari</projectmanager><currentreview/></project>");
    EXPECT_TRUE(Globals::IsProjectLoaded());
    EXPECT_TRUE(Globals::gCurrentReview.isNull());
    EXPECT_EQ(Globals::gProjectPath, "");
    EXPECT_FALSE(Globals::gProjectSaved);
    EXPECT_EQ(window.titleUpdates, 1);
}

TEST_F(ProjectDocument, HeaderTextsAreStoredUnchanged)
{
    const QStringList texts = {"", "<b>Bold & \"quoted\"</b>", "  blanks  ", "Ærøy – 東京", "a\nb", "&amp;"};
    Globals::CreateProject(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]);
    const QStringList read = {Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                              Globals::GetLocation(),     Globals::GetOwner(),       Globals::GetProjectManager()};
    EXPECT_EQ(read, texts);
    EXPECT_EQ(Globals::gProjectDoc.selectNodes("project/*").size(), 7);
    EXPECT_TRUE(Globals::gProjectDoc.selectNodes("project/projectname/*").isEmpty()) << "markup stored as markup";
    EXPECT_TRUE(env.messages.asked().isEmpty());
}

TEST_F(ProjectDocument, ProjectNameWithoutProjectWarnsAndStaysClosed)
{
    EXPECT_EQ(Globals::GetProjectName(), "");
    ASSERT_EQ(env.messages.asked().size(), 1);
    const AskedMessage& message = env.messages.asked().first();
    EXPECT_EQ(message.text, "No project to save, no project is loaded.");
    EXPECT_EQ(message.icon, tova::MsgIcon::Exclamation);
    EXPECT_EQ(message.buttons, tova::MsgButtons::Ok);
    EXPECT_EQ(message.title, "No Project Loaded....");
    EXPECT_FALSE(Globals::IsProjectLoaded());
    // The other getters answer quietly.
    EXPECT_EQ(Globals::GetOwner(), "");
    EXPECT_EQ(env.messages.asked().size(), 1);
}

TEST_F(ProjectDocument, ChangingDetailsKeepsTheSavedFlagAndRefreshesTheTitle)
{
    for (const bool saved : {true, false}) {
        Globals::CreateProject("1", "2", "3", "4", "5", "6");
        Globals::gProjectSaved = saved;
        const int titles = window.titleUpdates;
        Globals::SetProjectDetails("a", "b", "c", "d", "e", "f");
        EXPECT_EQ(Globals::gProjectSaved, saved);
        EXPECT_EQ(window.titleUpdates, titles + 1);
        EXPECT_EQ(Globals::GetProjectXML(),
                  "<project ver=\"2.0\"><reference_num>a</reference_num><projectname>b</projectname>"
                  "<subprojectname>c</subprojectname><location>d</location><owner>e</owner>"
                  "<projectmanager>f</projectmanager><currentreview/></project>");
    }
}

TEST_F(ProjectDocument, DetailsOfAFieldMissingFromTheFileAreKept)
{
    Globals::gProjectDoc = parseXml("<project><projectname>P</projectname><currentreview>1</currentreview></project>");
    EXPECT_EQ(Globals::GetOwner(), "");
    Globals::SetProjectDetails("a", "b", "c", "d", "e", "f");
    EXPECT_EQ(Globals::GetProjectName(), "b");
    EXPECT_EQ(Globals::GetOwner(), "e");
    EXPECT_EQ(Globals::GetReferenceNum(), "a");
}

TEST(AddElement, MakesTheRootOrAppendsAfterExistingChildren)
{
    Xml::XmlDocument document = Xml::XmlDocument::create();
    Xml::XmlNode root = XMLhelpers::AddElement(document, "root", "");
    EXPECT_EQ(document.documentElement(), root);
    XMLhelpers::AddElement(document, "first", "1", root);
    const Xml::XmlNode second = XMLhelpers::AddElement(document, "second", "", root);
    EXPECT_EQ(second.parentNode(), root);
    EXPECT_EQ(document.xml(), "<root><first>1</first><second/></root>");
    // A document takes one root only; the second stays outside it.
    const Xml::XmlNode stray = XMLhelpers::AddElement(document, "other", "x");
    EXPECT_EQ(stray.name(), "other");
    EXPECT_EQ(document.xml(), "<root><first>1</first><second/></root>");
}

} // namespace
