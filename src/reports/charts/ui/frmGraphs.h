// The chart window of the dashboards, never shown: one call draws the chart of every section of a
// scored copy into the screen's folder ("dashboard1/graph<id>.png" or "dashboard2/graph<id>.png").
#pragma once

#include "platform/chart/ChartControl.h"
#include "platform/xml/XmlDocument.h"

#include <QStringList>

class frmGraphs final {
public:
    // The dashboard: one point per category of each section.
    static void GenerateSectionGraphs(const Xml::XmlDocument& scoredCopy);
    // The priority dashboard: the first eight questions of each section in weight order.
    static void GeneratePriorityGraphs(const Xml::XmlDocument& scoredCopy);

private:
    frmGraphs();
    void saveGraph(const QString& path, bool flag);
    void reportFailedSaves() const;

    // One chart for all sections: what a fill does not set stays from the section before.
    tova::ChartControl Graph;
    QStringList m_failedSaves;
};
