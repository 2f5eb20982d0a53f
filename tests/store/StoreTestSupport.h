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
#include <QStringEncoder>

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

// The encodings a file may come in: the parser reads each, so each must meet the same guards.
enum class FileEncoding { Utf8, Utf16LittleEndianWithMark, Utf16BigEndianDeclared };

inline const char* encodingName(FileEncoding encoding)
{
    return encoding == FileEncoding::Utf8 ? "UTF-8" : encoding == FileEncoding::Utf16LittleEndianWithMark ? "UTF-16LE" : "UTF-16BE";
}

// An XML text (without declaration) as a file's bytes in that encoding; the UTF-16 ones carry the
// declaration the parser recognises them by.
inline QByteArray encodedXml(const QString& xml, FileEncoding encoding)
{
    if (encoding == FileEncoding::Utf8)
        return xml.toUtf8();
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") + xml;
    if (encoding == FileEncoding::Utf16LittleEndianWithMark)
        return QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(text);
    return QStringEncoder(QStringConverter::Utf16BE).encode(text);
}

inline const FileEncoding kFileEncodings[] = {FileEncoding::Utf8, FileEncoding::Utf16LittleEndianWithMark,
                                              FileEncoding::Utf16BigEndianDeclared};

// One element carrying the given number of attributes. Their names hold U+3E00, a letter whose
// UTF-16 form carries the byte of ">": a look at the bytes alone sees each tag end early.
inline QString elementWithAttributes(const QString& name, int count, const QString& content)
{
    QString attributes;
    for (int i = 0; i < count; ++i)
        attributes += QStringLiteral(" a\u3E00%1=\"v\"").arg(i);
    return QStringLiteral("<%1%2>%3</%1>").arg(name, attributes, content);
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
