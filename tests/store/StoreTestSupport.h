// Shared set-up of the store tests: test services, a fake main window, the small test questionnaire
// in gDataDoc and no project open; everything is put back afterwards.
#pragma once

#include "platform/xml/XmlDocument.h"
#include "support/FakeMainWindow.h"
#include "support/TestEnvironment.h"

#include <QString>

#include <gtest/gtest.h>

namespace tova::test {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A project with one review (id 1, phase 1) open, never saved.
    void openNewProjectWithReview();

    TestEnvironment env;
    FakeMainWindow window;
};

// A document parsed from text; the test fails when it is not well-formed.
Xml::XmlDocument parseXml(const QString& text);
// XML text in one canonical form (no blanks between elements), for comparing whole documents.
QString canonicalXml(const QString& text);
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace tova::test
