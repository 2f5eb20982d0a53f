// Loading the questionnaire database from the application folder.
#include "StoreTestSupport.h"

#include <QDir>

using namespace tova::test;

namespace {

class Database : public StoreTest {};

TEST_F(Database, LoadsOrGivesOneMessageAndAnEmptyDocument)
{
    const QString app = env.scratch.filePath("app");
    tova::services().appFolder = app;
    const QString flood = "<data>" + elementWithAttributes("survey", 40000, QString()) + "</data>";
    const QByteArray cases[] = {readBytes(testDataPath("store/data.xml")),
                                QByteArray(),
                                QByteArray("<data><survey>"),
                                "<!DOCTYPE data [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><data>&x;</data>",
                                encodedXml(flood, FileEncoding::Utf8),
                                encodedXml(flood, FileEncoding::Utf16LittleEndianWithMark),
                                encodedXml(flood, FileEncoding::Utf16BigEndianDeclared)};
    for (const QByteArray& bytes : cases) {
        QDir(app).removeRecursively();
        QDir().mkpath(app + "/DataBase");
        if (!bytes.isNull())
            writeBytes(app + "/DataBase/data.xml", bytes);
        env.messages.clear();
        Globals::LoadDatabase();
        const bool good = &bytes == &cases[0];
        EXPECT_EQ(Globals::gDataDoc.selectNodes("data/survey/section/category/question").size(), good ? 6 : 0);
        EXPECT_EQ(env.messages.texts(), good ? QStringList() : QStringList{"Error loading XML"});
        if (!good)
            EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::None);
    }
}

} // namespace
