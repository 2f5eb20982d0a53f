<?xml version="1.0" encoding="UTF-8"?>
<!--
  The tile chart. Input: the "survey" element of a scored copy (categories carry status and score,
  sections score, the survey its score). Parameter score: the survey score as a whole number.
  Category and section scores are rework risk (0 none, 100 high); tiles show 100 minus them, so that
  a higher figure is better everywhere, and take the colour of the risk band.
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
<title>Tile chart</title>
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
        <div class="title">Tile chart</div>
        <div class="subtitle">Every category of the review at a glance</div>
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
    <xsl:for-each select="/survey/section">
        <div class="tile-row">
            <div>
                <xsl:attribute name="class">
                    <xsl:text>row-title </xsl:text>
                    <xsl:call-template name="band"><xsl:with-param name="risk" select="score[1]"/></xsl:call-template>
                </xsl:attribute>
                <xsl:value-of select="section_desc"/>
                <span class="value"><xsl:call-template name="shown"><xsl:with-param name="risk" select="score[1]"/></xsl:call-template></span>
            </div>
            <xsl:for-each select="category">
                <div>
                    <xsl:attribute name="class">
                        <xsl:text>tile </xsl:text>
                        <xsl:call-template name="band"><xsl:with-param name="risk" select="score[1]"/></xsl:call-template>
                    </xsl:attribute>
                    <xsl:value-of select="small_cat_desc"/>
                    <span class="value"><xsl:call-template name="shown"><xsl:with-param name="risk" select="score[1]"/></xsl:call-template></span>
                </div>
            </xsl:for-each>
        </div>
    </xsl:for-each>
    <div class="band-legend">
        <span class="band-1">low rework risk</span>
        <span class="band-2">moderate</span>
        <span class="band-3">high</span>
        <span class="band-4">very high</span>
        <span class="band-na">N/A: nothing scored in this phase</span>
    </div>
</div>
</body>
</html>
</xsl:template>

<!-- The figure shown for a risk value: 100 minus it, taken to a whole number with a half going to
     the even neighbour, as every whole-number score the program shows; N/A when there is none. -->
<xsl:template name="shown">
    <xsl:param name="risk"/>
    <xsl:variable name="value" select="100 - number($risk)"/>
    <xsl:choose>
        <xsl:when test="string(number($risk)) = 'NaN'">N/A</xsl:when>
        <xsl:when test="$value - floor($value) = 0.5 and floor($value) mod 2 = 0">
            <xsl:value-of select="floor($value)"/>
        </xsl:when>
        <xsl:otherwise><xsl:value-of select="round($value)"/></xsl:otherwise>
    </xsl:choose>
</xsl:template>

<!-- Colour band of a rework risk value (0 no risk, 100 high risk), as on the charts. -->
<xsl:template name="band">
    <xsl:param name="risk"/>
    <xsl:choose>
        <xsl:when test="string(number($risk)) = 'NaN'">band-na</xsl:when>
        <xsl:when test="number($risk) &lt; 33">band-1</xsl:when>
        <xsl:when test="number($risk) &lt; 67">band-2</xsl:when>
        <xsl:when test="number($risk) &lt; 90">band-3</xsl:when>
        <xsl:otherwise>band-4</xsl:otherwise>
    </xsl:choose>
</xsl:template>

</xsl:stylesheet>
