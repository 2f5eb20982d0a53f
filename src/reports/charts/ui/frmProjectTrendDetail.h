// The per-section project trend chart, never shown: one call draws the rework risk of each section
// for every complete review of the open project into "projecttrenddetail/graph.png".
#pragma once

#include "platform/xml/XmlDocument.h"

class frmProjectTrendDetail final {
public:
    // The copy is accepted for the builders' sake and not read: the chart comes from the open
    // project's own reviews.
    static void GenerateProjectTrendDetail(const Xml::XmlDocument& plainCopy);

private:
    frmProjectTrendDetail() = delete;
};
