<?xml version="1.0" encoding="UTF-8"?>
<!--
  The rework cause diagram. Input: the questionnaire (root "data") in which every category carries a
  "status" child for the current review: complete, incomplete or noquestions. The five sections are
  the bones; every category is a link that opens its questions. All project texts are written as
  text, never as markup.
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

<!-- Geometry of the diagram, in pixels. -->
<xsl:variable name="spineY" select="290"/>
<xsl:variable name="boneDx" select="170"/>
<xsl:variable name="boneDy" select="220"/>
<xsl:variable name="headX" select="905"/>
<xsl:variable name="ribLength" select="208"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Rework cause classification</title>
<link rel="stylesheet" href="../css/tova.css"/>
<script>
// The diagram is drawn for a page 1100 pixels wide; a narrower page shows it smaller, so that its
// head is never cut off behind a scroll bar.
function fitDiagram() {
    var fish = document.querySelector(".fish");
    if (!fish) {
        return;
    }
    var room = document.documentElement.clientWidth - 2;
    if (room &gt;= 1100) {
        fish.style.transform = "";
        fish.style.marginBottom = "";
        return;
    }
    // A transform keeps every link's box where a click lands; the space below the smaller diagram
    // is given back to the legend.
    var scale = Math.max(room, 400) / 1100;
    fish.style.transformOrigin = "0 0";
    fish.style.transform = "scale(" + scale + ")";
    fish.style.marginBottom = (6 - 580 * (1 - scale)) + "px";
}
window.addEventListener("resize", fitDiagram);
document.addEventListener("DOMContentLoaded", fitDiagram);
</script>
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
        <div class="title">Rework cause classification</div>
        <div class="subtitle no-print">Click a category to answer its questions for this phase review</div>
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
        <th>Progress</th>
        <td>
            <xsl:variable name="open" select="count(/data/survey/section/category[status = 'incomplete'])"/>
            <xsl:value-of select="count(/data/survey/section/category[status = 'complete'])"/>
            <xsl:text> complete, </xsl:text>
            <xsl:value-of select="$open"/>
            <xsl:text> open</xsl:text>
        </td>
    </tr>
</table>

<div class="fish">
    <svg width="1060" height="580" viewBox="0 0 1060 580">
        <!-- tail, spine and head -->
        <polygon points="55,{$spineY} 15,{$spineY - 45} 15,{$spineY + 45}" fill="#1f3a5a"/>
        <line x1="55" y1="{$spineY}" x2="{$headX}" y2="{$spineY}" stroke="#1f3a5a" stroke-width="6"/>
        <path d="M {$headX} {$spineY - 62} Q 1055 {$spineY - 40} 1055 {$spineY} Q 1055 {$spineY + 40} {$headX} {$spineY + 62} Z"
              fill="#1f3a5a"/>
        <xsl:for-each select="/data/survey/section">
            <xsl:variable name="jointX">
                <xsl:call-template name="joint-x"><xsl:with-param name="pos" select="position()"/></xsl:call-template>
            </xsl:variable>
            <xsl:variable name="dir">
                <xsl:choose><xsl:when test="position() &lt;= 3">-1</xsl:when><xsl:otherwise>1</xsl:otherwise></xsl:choose>
            </xsl:variable>
            <line x1="{$jointX - $boneDx}" y1="{$spineY + $dir * $boneDy}" x2="{$jointX}" y2="{$spineY}"
                  stroke="#1f7a7a" stroke-width="4"/>
            <xsl:variable name="n" select="count(category)"/>
            <xsl:for-each select="category">
                <xsl:variable name="t" select="position() div ($n + 1)"/>
                <xsl:variable name="x" select="$jointX - $boneDx + $boneDx * $t"/>
                <xsl:variable name="y" select="$spineY + $dir * $boneDy - $dir * $boneDy * $t"/>
                <line x1="{$x - $ribLength}" y1="{$y}" x2="{$x}" y2="{$y}" stroke="#c9d1db" stroke-width="1.5"/>
            </xsl:for-each>
        </xsl:for-each>
    </svg>
    <div class="head-label">Rework</div>

    <xsl:for-each select="/data/survey/section">
        <xsl:variable name="jointX">
            <xsl:call-template name="joint-x"><xsl:with-param name="pos" select="position()"/></xsl:call-template>
        </xsl:variable>
        <xsl:variable name="dir">
            <xsl:choose><xsl:when test="position() &lt;= 3">-1</xsl:when><xsl:otherwise>1</xsl:otherwise></xsl:choose>
        </xsl:variable>
        <div class="bone-title">
            <xsl:attribute name="style">
                <xsl:text>left:</xsl:text><xsl:value-of select="$jointX - $boneDx"/><xsl:text>px;top:</xsl:text>
                <xsl:choose>
                    <xsl:when test="$dir = -1"><xsl:value-of select="$spineY - $boneDy - 40"/></xsl:when>
                    <xsl:otherwise><xsl:value-of select="$spineY + $boneDy + 4"/></xsl:otherwise>
                </xsl:choose>
                <xsl:text>px</xsl:text>
            </xsl:attribute>
            <xsl:value-of select="section_desc"/>
        </div>
        <xsl:variable name="n" select="count(category)"/>
        <xsl:for-each select="category">
            <xsl:variable name="t" select="position() div ($n + 1)"/>
            <xsl:variable name="x" select="$jointX - $boneDx + $boneDx * $t"/>
            <xsl:variable name="y" select="$spineY + $dir * $boneDy - $dir * $boneDy * $t"/>
            <xsl:variable name="state" select="normalize-space(status[1])"/>
            <div class="cat status-{$state}" style="left:{round($x - $ribLength - 10)}px;top:{round($y - 18)}px">
                <a href="#CAT{normalize-space(category_id)}">
                    <xsl:attribute name="title">
                        <xsl:value-of select="small_cat_desc"/>
                        <xsl:text> - </xsl:text>
                        <xsl:call-template name="status-text"><xsl:with-param name="state" select="$state"/></xsl:call-template>
                    </xsl:attribute>
                    <xsl:call-template name="status-mark"><xsl:with-param name="state" select="$state"/></xsl:call-template>
                    <xsl:value-of select="small_cat_desc"/>
                </a>
            </div>
        </xsl:for-each>
    </xsl:for-each>
</div>

<div class="legend">
    <span><img class="mark" src="../images/mark_c.png" alt="" width="16" height="16"/> All questions answered</span>
    <span><img class="mark" src="../images/mark_i.png" alt="" width="16" height="16"/> Questions still open</span>
    <span><img class="mark" src="../images/mark_nq.png" alt="" width="16" height="16"/> No questions in this phase</span>
</div>
</body>
</html>
</xsl:template>

<!-- Where a bone meets the spine: three bones above it, two below. -->
<xsl:template name="joint-x">
    <xsl:param name="pos"/>
    <xsl:choose>
        <xsl:when test="$pos &lt;= 3"><xsl:value-of select="365 + 265 * ($pos - 1)"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="497 + 265 * ($pos - 4)"/></xsl:otherwise>
    </xsl:choose>
</xsl:template>

<xsl:template name="status-mark">
    <xsl:param name="state"/>
    <xsl:variable name="file">
        <xsl:choose>
            <xsl:when test="$state = 'complete'">mark_c.png</xsl:when>
            <xsl:when test="$state = 'incomplete'">mark_i.png</xsl:when>
            <xsl:when test="$state = 'noquestions'">mark_nq.png</xsl:when>
            <xsl:otherwise>mark_none.png</xsl:otherwise>
        </xsl:choose>
    </xsl:variable>
    <img class="mark" src="../images/{$file}" alt="" width="16" height="16"/>
</xsl:template>

<xsl:template name="status-text">
    <xsl:param name="state"/>
    <xsl:choose>
        <xsl:when test="$state = 'complete'">all questions answered</xsl:when>
        <xsl:when test="$state = 'incomplete'">questions still open</xsl:when>
        <xsl:when test="$state = 'noquestions'">no questions in this phase</xsl:when>
        <xsl:otherwise>not yet marked</xsl:otherwise>
    </xsl:choose>
</xsl:template>

</xsl:stylesheet>
