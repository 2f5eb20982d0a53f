#include "StoreTestSupport.h"

#include "platform/Services.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

#include <QFile>

namespace tova::test {

void StoreTest::SetUp()
{
    Globals::ResetProjectState();
    services().mainWindow = &window;
    Globals::gDataDoc = Xml::XmlDocument::create();
    ASSERT_TRUE(Globals::gDataDoc.load(testDataPath(QStringLiteral("store/data.xml"))));
}

void StoreTest::TearDown()
{
    services().mainWindow = nullptr;
    Globals::ResetProjectState();
    Globals::gDataDoc = Xml::XmlDocument();
}

void StoreTest::openNewProjectWithReview()
{
    Globals::CreateProject("R-1", "Bridge", "Deck", "Oslo", "City", "Kari");
    ASSERT_TRUE(Globals::CreateReview("May 06, 2003", 1));
}

Xml::XmlDocument parseXml(const QString& text)
{
    Xml::XmlDocument document = Xml::XmlDocument::create();
    QString error;
    EXPECT_TRUE(document.loadXML(text, &error)) << error.toStdString();
    return document;
}

QString canonicalXml(const QString& text) { return parseXml(text).xml(); }

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace tova::test
