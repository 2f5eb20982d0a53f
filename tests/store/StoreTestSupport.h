// Shared set-up of the store tests: test services, a fake main window, the small test questionnaire
// in gDataDoc and no project open; everything is put back afterwards.
#pragma once

#include "platform/Services.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/FakeMainWindow.h"
#include "support/ParsedXml.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

#include <iconv.h>

#include <memory>

namespace tova::test {

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The encodings a file may come in: the parser reads each, so each must meet the same guards.
struct FileEncoding {
    // Names the case, and the files written for it.
    const char* name;
    // The system converter that writes the text.
    const char* converter;
    QByteArray mark;
    // The encoding the XML declaration names; no declaration when null.
    const char* declared;
    // UTF-7 writes "<", "=" and quotes in its base64 form; the declaration the parser first reads
    // in ASCII stays in ASCII.
    bool declarationInAscii = false;
};

inline const FileEncoding kFileEncodings[] = {
    {"UTF-8", "UTF-8", QByteArray(), nullptr},
    {"UTF-8-with-mark", "UTF-8", QByteArray("\xEF\xBB\xBF"), "UTF-8"},
    {"UTF-16LE-with-mark", "UTF-16LE", QByteArray("\xFF\xFE"), "UTF-16"},
    {"UTF-16BE-declared", "UTF-16BE", QByteArray(), "UTF-16"},
    {"UTF-32LE-declared", "UTF-32LE", QByteArray(), "UTF-32"},
    {"UTF-32BE-with-mark", "UTF-32BE", QByteArray("\0\0\xFE\xFF", 4), "UTF-32"},
    {"UTF-7", "UTF-7", QByteArray(), "UTF-7", true},
    {"UTF-7-after-UTF-8-mark", "UTF-7", QByteArray("\xEF\xBB\xBF"), "UTF-7", true},
    {"EBCDIC", "IBM037", QByteArray(), "IBM037"},
    {"EBCDIC-international", "IBM500", QByteArray(), "IBM500"},
};

// Text that every encoding of the table holds, with characters that EBCDIC pages place apart.
inline const QString kTextInEveryEncoding = QStringLiteral("Ann Üïøé [|!^]");

// Text in the converter's encoding. A letter the encoding has no place for (EBCDIC pages have no
// U+3E00) becomes an "e", so names keep their number and stay distinct.
inline QByteArray convertedText(const QString& text, const char* converter) {
    std::unique_ptr<void, int (*)(iconv_t)> conversion(iconv_open(converter, "UTF-8"), iconv_close);
    EXPECT_NE(conversion.get(), reinterpret_cast<iconv_t>(-1)) << converter;
    QString writable = text;
    if (QByteArray(converter).startsWith("IBM"))
        writable.replace(QChar(0x3E00), QLatin1Char('e'));
    QByteArray in = writable.toUtf8();
    QByteArray out(in.size() * 8 + 16, '\0');
    char* from = in.data();
    char* to = out.data();
    size_t fromLeft = size_t(in.size());
    size_t toLeft = size_t(out.size());
    EXPECT_NE(iconv(conversion.get(), &from, &fromLeft, &to, &toLeft), size_t(-1)) << converter;
    // Ends a base64 run of UTF-7.
    iconv(conversion.get(), nullptr, nullptr, &to, &toLeft);
    out.resize(out.size() - qsizetype(toLeft));
    return out;
}

// An XML text (without declaration) as a file's bytes in that encoding.
inline QByteArray encodedXml(const QString& xml, const FileEncoding& encoding) {
    const QString declaration = encoding.declared
                                    ? QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>").arg(encoding.declared)
                                    : QString();
    if (encoding.declarationInAscii)
        return encoding.mark + declaration.toLatin1() + convertedText(xml, encoding.converter);
    return encoding.mark + convertedText(declaration + xml, encoding.converter);
}

// One element carrying the given number of attributes. Their names hold U+3E00, a letter whose
// UTF-16 form carries the byte of ">": a look at the bytes alone sees each tag end early.
inline QString elementWithAttributes(const QString& name, int count, const QString& content) {
    QString attributes;
    for (int i = 0; i < count; ++i)
        attributes += QStringLiteral(" a\u3E00%1=\"v\"").arg(i);
    return QStringLiteral("<%1%2>%3</%1>").arg(name, attributes, content);
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        Globals::ResetProjectState();
        services().mainWindow = &window;
        Globals::gDataDoc = Xml::XmlDocument::create();
        ASSERT_TRUE(Globals::gDataDoc.load(testDataPath("store/data.xml")));
    }
    void TearDown() override {
        services().mainWindow = nullptr;
        Globals::ResetProjectState();
        Globals::gDataDoc = Xml::XmlDocument();
    }
    // A new, never saved project with one review (id 1, phase 1).
    void openNewProjectWithReview() {
        Globals::CreateProject("R-1", "Bridge", "Deck", "Oslo", "City", "Kari");
        ASSERT_TRUE(Globals::CreateReview("May 06, 2003", 1));
    }

    TestEnvironment env;
    FakeMainWindow window;
};

} // namespace tova::test
