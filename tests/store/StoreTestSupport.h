// Shared set-up of the store tests: test services, a fake main window, the small test questionnaire
// in gDataDoc and no project open; everything is put back afterwards.
#pragma once

#include "platform/Services.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/FakeMainWindow.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tova::test {

inline Xml::XmlDocument parseXml(const QString& text)
{
    Xml::XmlDocument document = Xml::XmlDocument::create();
    EXPECT_TRUE(document.loadXML(text)) << text.toStdString();
    return document;
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Globals::ResetProjectState();
        services().mainWindow = &window;
        Globals::gDataDoc = Xml::XmlDocument::create();
        ASSERT_TRUE(Globals::gDataDoc.load(testDataPath("store/data.xml")));
    }
    void TearDown() override
    {
        services().mainWindow = nullptr;
        Globals::ResetProjectState();
        Globals::gDataDoc = Xml::XmlDocument();
    }
    // A new, never saved project with one review (id 1, phase 1).
    void openNewProjectWithReview()
    {
        Globals::CreateProject("R-1", "Bridge", "Deck", "Oslo", "City", "Kari");
        ASSERT_TRUE(Globals::CreateReview("May 06, 2003", 1));
    }

    TestEnvironment env;
    FakeMainWindow window;
};

} // namespace tova::test
