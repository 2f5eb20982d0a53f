// Loading the questionnaire database from the application folder.
#include "StoreTestSupport.h"

#include "platform/Services.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

using namespace tova::test;

namespace {

class Database : public StoreTest {
protected:
    QString appWith(const QByteArray& database, const QString& folderName = "database")
    {
        const QString app = env.scratch.filePath("app");
        QDir().mkpath(app + "/" + folderName);
        if (!database.isNull())
            writeBytes(app + "/" + folderName + "/data.xml", database);
        tova::services().appFolder = app;
        return app;
    }
};

TEST_F(Database, LoadsTheWholeFile)
{
    appWith(readBytes(testDataPath("store/data.xml")), "DataBase");
    Globals::gDataDoc = Xml::XmlDocument();
    Globals::LoadDatabase();
    EXPECT_TRUE(env.messages.asked().isEmpty());
    EXPECT_EQ(Globals::gDataDoc.selectNodes("data/survey/section/category/question").size(), 6);
}

TEST_F(Database, UnloadableFileGivesOneMessageAndAnEmptyDocument)
{
    const QByteArray cases[] = {QByteArray(), QByteArray("<data><survey>"), QByteArray("not xml"),
                                QByteArray("<!DOCTYPE data [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><data>&x;</data>")};
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toStdString());
        QDir(env.scratch.filePath("app")).removeRecursively();
        appWith(bytes);
        env.messages.clear();
        Globals::LoadDatabase();
        ASSERT_EQ(env.messages.asked().size(), 1);
        EXPECT_EQ(env.messages.asked().first().text, "Error loading XML");
        EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::None);
        EXPECT_EQ(env.messages.asked().first().buttons, tova::MsgButtons::Ok);
        EXPECT_EQ(env.messages.asked().first().title, "TOVA2");
        EXPECT_FALSE(Globals::gDataDoc.isNull());
        EXPECT_TRUE(Globals::gDataDoc.documentElement().isNull());
    }
}

} // namespace
