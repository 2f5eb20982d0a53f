// A document read from XML text in a test; text that does not parse fails the test that gave it.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QString>

#include <gtest/gtest.h>

namespace tova::test {

inline Xml::XmlDocument parseXml(const QString& text) {
    Xml::XmlDocument document = Xml::XmlDocument::create();
    EXPECT_TRUE(document.loadXML(text)) << text.toStdString();
    return document;
}

} // namespace tova::test
