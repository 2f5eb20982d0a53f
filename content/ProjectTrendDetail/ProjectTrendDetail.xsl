<?xml version="1.0" encoding="UTF-8"?>
<!--
  The project trend per section. Input: the questionnaire ("data"). The chart graph.png is drawn into
  this folder before the page is written.
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

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Project trend graph</title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="screen-nav">
    <a href="#BCK">&#9664; Back</a>
    <a href="#NXT">Next &#9654;</a>
    <span class="spacer"></span>
    <a href="#PRT">Print</a>
    <a href="#CPY">Copy</a>
</div>
<div class="banner">
    <img src="../images/logo.png" alt=""/>
    <div>
        <div class="title">Project trend graph</div>
        <div class="subtitle">The score of every group of causes over the complete reviews of the project</div>
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
<div class="report">
    <figure class="chart">
        <figcaption>Group scores by review date</figcaption>
        <img src="graph.png" srcset="graph.png 4x" alt="Group scores by review date"/>
    </figure>
    <p class="muted">One line per group of causes, one point per complete review, placed at its review date with the oldest on the left. A higher point means less rework risk; a group whose line falls needs attention in the next phase.</p>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
