<?xml version="1.0" encoding="UTF-8"?>
<!--
  The scorecard of one section. Input: the "section" element of a scored copy whose categories each
  carry a "scorecard" with four "item"s per question of the phase (term, answer, remaining percentage,
  weight percentage). Parameter score: the survey score as a whole number.
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
<title>Phase review scorecard</title>
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
        <div class="title">Phase review scorecard</div>
        <div class="subtitle">Every question of one group of causes with its answer and score</div>
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
    <h1>
        <xsl:value-of select="/section/section_desc"/>
        <xsl:text>: </xsl:text>
        <xsl:call-template name="shown"><xsl:with-param name="risk" select="/section/score[1]"/></xsl:call-template>
    </h1>
    <p class="muted">The score column shows how much of each answer is free of rework risk; the weight column shows
    how much the question counts within its category.</p>
    <!-- Printed, the table starts on the next sheet unless its head and first rows fit on this one. -->
    <div class="table-room"></div>
    <table class="scorecard fixed-columns">
        <xsl:call-template name="columns"/>
        <!-- A head of its own, so that every printed page of the table repeats it. -->
        <thead>
            <tr><th>No.</th><th>Question</th><th>Term</th><th>Answer</th><th>Score</th><th>Weight</th></tr>
        </thead>
        <tbody>
        <xsl:for-each select="/section/category">
            <xsl:variable name="items" select="scorecard[1]/item"/>
            <xsl:variable name="questions" select="question[normalize-space(phase_id) = normalize-space($phase_id)]"/>
            <!-- The category row and its first two questions: one row of the table on paper, so that a
                 printed page never ends with a category's name; on screen its rows are the table's own. -->
            <tr class="lead">
                <td colspan="6">
                    <table class="scorecard fixed-columns">
                        <xsl:call-template name="columns"/>
                        <tbody>
                            <tr class="category">
                                <td colspan="4"><xsl:value-of select="small_cat_desc"/></td>
                                <td class="num"><xsl:call-template name="shown"><xsl:with-param name="risk" select="score[1]"/></xsl:call-template></td>
                                <td></td>
                            </tr>
                            <xsl:for-each select="$questions[position() &lt;= 2]">
                                <xsl:call-template name="question-row">
                                    <xsl:with-param name="items" select="$items"/>
                                    <xsl:with-param name="k" select="position()"/>
                                </xsl:call-template>
                            </xsl:for-each>
                        </tbody>
                    </table>
                </td>
            </tr>
            <xsl:for-each select="$questions[position() &gt; 2]">
                <xsl:call-template name="question-row">
                    <xsl:with-param name="items" select="$items"/>
                    <xsl:with-param name="k" select="position() + 2"/>
                </xsl:call-template>
            </xsl:for-each>
        </xsl:for-each>
        </tbody>
    </table>
</div>
</body>
</html>
</xsl:template>

<!-- The table's columns; their widths are set for paper only. -->
<xsl:template name="columns">
    <colgroup><col class="number"/><col class="question"/><col class="term"/><col class="answer"/><col class="score"/><col class="weight"/></colgroup>
</xsl:template>

<!-- A question's row: its number and text, then its four scorecard items ($k is its place among
     the category's questions of the phase). -->
<xsl:template name="question-row">
    <xsl:param name="items"/>
    <xsl:param name="k"/>
    <tr>
        <td><xsl:value-of select="question_number"/></td>
        <td><xsl:value-of select="question_text"/></td>
        <td><xsl:value-of select="$items[4 * ($k - 1) + 1]"/></td>
        <td><xsl:value-of select="$items[4 * ($k - 1) + 2]"/></td>
        <td class="num"><xsl:value-of select="$items[4 * ($k - 1) + 3]"/></td>
        <td class="num"><xsl:value-of select="$items[4 * ($k - 1) + 4]"/></td>
    </tr>
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

</xsl:stylesheet>
