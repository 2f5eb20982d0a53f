// The questions of one section in the order the priority charts plot them, as the style sheet
// "dashboard2/sortbyqweight.xsl" of the application folder gives them. The dashboard element window
// and the priority dashboard share this one ordering.
#pragma once

#include "platform/PageRoad.h"
#include "platform/xml/XmlDocument.h"

namespace Reports {

// The ordering's road: a style sheet transformed, its output read, no page written.
tova::PageRoad QuestionOrderRoad();

// A document with root "section" and its ordered "question" children (each may carry
// "question_keyword" and "score"). When the style sheet cannot be loaded ("Error loading sort by
// weight xsl") or the transformation fails, the user is told and a null document is returned; when
// the section is missing, an empty document (no questions).
Xml::XmlDocument SortQuestionsByWeight(const Xml::XmlDocument& scoredCopy, qint16 sectionId);

} // namespace Reports
