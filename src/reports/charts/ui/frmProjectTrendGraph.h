// The overall project trend chart, never shown: one call draws the review index of every complete
// review of the open project into "projecttrendgraph/graph.png".
#pragma once

#include "platform/xml/XmlDocument.h"

class frmProjectTrendGraph final {
public:
    // The copy is accepted for the builders' sake and not read: the chart comes from the open
    // project's own reviews.
    static void GenerateProjectTrendGraph(const Xml::XmlDocument& plainCopy);

private:
    frmProjectTrendGraph() = delete;
};
