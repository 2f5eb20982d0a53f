<?xml version="1.0" encoding="UTF-8"?>
<!--
  The dashboard. Input: the questionnaire ("data"). Parameter score: the survey score as a whole
  number. The charts graph<section id>.png are drawn into this folder before the page is written.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:param name="phase_id" select="''"/>
<xsl:param name="projname" select="''"/>
<xsl:param name="subprojname" select="''"/>
<xsl:param name="refnum" select="''"/>
<xsl:param name="loc" select="''"/>
<xsl:param name="pm" select="''"/>
<xsl:param name="owner" select="''"/>
<xsl:param name="reviewdate" select="''"/>
<xsl:param name="phase" select="''"/>
<xsl:param name="score" select="100"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Dashboard</title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="screen-nav">
    <a href="#BCK">&#9664; Back</a>
    <a href="#NXT">Next &#9654;</a>
    <span class="spacer"></span>
    <a href="#HLP">Instructions</a>
    <a href="#PRT">Print</a>
    <a href="#CPY">Copy</a>
</div>
<div class="banner">
    <img src="../images/logo.png" alt=""/>
    <div>
        <div class="title">Dashboard</div>
        <div class="subtitle">Rework risk of every category, one chart per group of causes</div>
    </div>
</div>
<table class="project-header">
    <tr>
        <th>Project</th><td><xsl:value-of select="$projname"/></td>
        <th>Reference</th><td><xsl:value-of select="$refnum"/></td>
        <th>Phase</th><td><xsl:value-of select="$phase"/></td>
    </tr>
    <tr>
        <th>Sub-project</th><td><xsl:value-of select="$subprojname"/></td>
        <th>Location</th><td><xsl:value-of select="$loc"/></td>
        <th>Review date</th><td><xsl:value-of select="$reviewdate"/></td>
    </tr>
    <tr>
        <th>Owner</th><td><xsl:value-of select="$owner"/></td>
        <th>Project manager</th><td><xsl:value-of select="$pm"/></td>
        <th></th><td></td>
    </tr>
</table>
<div class="overall"><span>Review score</span><span class="value"><xsl:value-of select="$score"/></span><span>of 100</span></div>
<div class="report">
    <p class="muted">Each chart shows the categories of one group, coloured by rework risk. <span class="no-print">Click a chart to open its group on its own.</span></p>
    <div class="charts">
        <xsl:for-each select="/data/survey/section">
            <!-- The chart carries the section's name as its own title. -->
            <figure class="chart">
                <a href="#DSH{normalize-space(section_id)}" title="Open this section on its own">
                    <img src="graph{normalize-space(section_id)}.png" srcset="graph{normalize-space(section_id)}.png 4x" alt="{section_desc}"/>
                </a>
            </figure>
        </xsl:for-each>
    </div>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
