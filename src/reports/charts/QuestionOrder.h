// The questions of one section in the order the priority charts plot them, as the style sheet
// "dashboard2/sortbyqweight.xsl" of the application folder gives them. The dashboard element window
// and the priority dashboard share this one ordering.
#pragma once

#include "platform/xml/XmlDocument.h"

namespace Reports {

// A document with root "section" and its ordered "question" children (each may carry
// "question_keyword" and "score"). When the style sheet cannot be loaded the user is told "Error
// loading sort by weight xsl" and a null document is returned; when the section is missing or the
// transformation fails, an empty document (no questions).
Xml::XmlDocument SortQuestionsByWeight(const Xml::XmlDocument& scoredCopy, qint16 sectionId);

} // namespace Reports
