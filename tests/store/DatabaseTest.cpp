// Loading the questionnaire database from the application folder.
#include "StoreTestSupport.h"

#include <QDir>

#include <string>
#include <vector>

using namespace tova::test;

namespace {

class Database : public StoreTest {};

// In every encoding the parser reads, a small questionnaire loads and a flood of attributes is
// refused before the parser spends minutes on it.
TEST_F(Database, LoadsOrGivesOneMessageAndAnEmptyDocument) {
    const QString app = env.scratch.filePath("app");
    tova::services().appFolder = app;
    const QByteArray good = readBytes(testDataPath("store/data.xml"));
    const QString undeclared = QString::fromUtf8(good.mid(good.indexOf("?>") + 2));
    const QString flood = "<data>" + elementWithAttributes("survey", 40000, QString()) + "</data>";
    struct Case {
        std::string name;
        QByteArray bytes;
        bool loads;
    };
    std::vector<Case> cases = {
        {"as shipped", good, true},
        {"missing", QByteArray(), false},
        {"cut short", QByteArray("<data><survey>"), false},
        {"entity", "<!DOCTYPE data [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><data>&x;</data>", false}};
    for (const FileEncoding& encoding : kFileEncodings) {
        cases.push_back({std::string("small in ") + encoding.name, encodedXml(undeclared, encoding), true});
        cases.push_back({std::string("flood in ") + encoding.name, encodedXml(flood, encoding), false});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(app).removeRecursively();
        QDir().mkpath(app + "/DataBase");
        if (!c.bytes.isNull())
            writeBytes(app + "/DataBase/data.xml", c.bytes);
        env.messages.clear();
        Globals::LoadDatabase();
        EXPECT_EQ(Globals::gDataDoc.selectNodes("data/survey/section/category/question").size(), c.loads ? 6 : 0);
        EXPECT_EQ(env.messages.texts(), c.loads ? QStringList() : QStringList{"Error loading XML"});
        if (!c.loads && !env.messages.asked().isEmpty())
            EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::None);
    }
}

} // namespace
