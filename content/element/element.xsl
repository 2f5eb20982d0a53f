<?xml version="1.0" encoding="UTF-8"?>
<!--
  The dashboard element: one section on its own. Input: the scored copy of the review ("data";
  questions carry their "response"). Parameters sec_id (the section id) and score (the section on the
  scale of the review score), both numbers. The chart graph.png is drawn into this folder before the
  page is written; the table lists its questions in its order, then those answered not applicable.
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
<xsl:param name="sec_id" select="0"/>
<xsl:param name="score" select="100"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Dashboard element</title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="screen-nav">
    <a href="#BCK">Close</a>
    <span class="spacer"></span>
    <a href="#HLP">Instructions</a>
    <a href="#PRT">Print</a>
    <a href="#CPY">Copy</a>
</div>
<div class="banner">
    <img src="../images/logo.png" alt=""/>
    <div>
        <div class="title">Dashboard element</div>
        <div class="subtitle">One group of causes on its own</div>
    </div>
</div>
<xsl:variable name="section" select="/data/survey/section[section_id = $sec_id]"/>
<div class="overall"><span><xsl:value-of select="$section/section_desc"/></span><span class="value"><xsl:value-of select="$score"/></span><span>of 100</span></div>
<div class="report">
    <figure class="chart">
        <img src="graph.png" srcset="graph.png 4x" alt="Questions of this group"/>
        <figcaption>Questions of this group, heaviest first</figcaption>
    </figure>
    <!-- The chart comes first, so that the window's first view (and a copy of it) holds it whole. -->
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
    <xsl:variable name="questions" select="$section/category/question[normalize-space(phase_id) = normalize-space($phase_id)]"/>
    <!-- Printed, the table starts on the next sheet unless its head and first rows fit on this one. -->
    <div class="table-room"></div>
    <table class="scorecard">
        <!-- A head of its own, so that every printed page of the table repeats it. -->
        <thead>
            <tr><th>Bar</th><th>No.</th><th>Label</th><th>Question</th></tr>
        </thead>
        <tbody>
        <!-- The chart's questions in the chart's order: the priority ordering's choice and keys
             (dashboard2/sortbyqweight.xsl), heaviest weight first, then the higher rework risk. -->
        <xsl:for-each select="$questions[normalize-space(response[1]) != '5']
                              [*[name() = concat('answer', normalize-space(../response[1]), 'weight')]]">
            <xsl:sort select="number(weight)" data-type="number" order="descending"/>
            <xsl:sort select="number(*[name() = concat('answer', normalize-space(../response[1]), 'weight')])"
                      data-type="number" order="descending"/>
            <tr>
                <td class="num"><xsl:value-of select="position()"/></td>
                <td><xsl:value-of select="question_number"/></td>
                <td><xsl:value-of select="question_keyword"/></td>
                <td><xsl:value-of select="question_text"/></td>
            </tr>
        </xsl:for-each>
        <!-- Answered not applicable: no bar. -->
        <xsl:for-each select="$questions[normalize-space(response[1]) = '5']">
            <tr class="not-applicable">
                <td class="num">N/A</td>
                <td><xsl:value-of select="question_number"/></td>
                <td><xsl:value-of select="question_keyword"/></td>
                <td><xsl:value-of select="question_text"/></td>
            </tr>
        </xsl:for-each>
        </tbody>
    </table>
    <p class="muted">Bar: the question's place in the chart, from the left. N/A: answered not applicable, so not
    in the chart.</p>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
