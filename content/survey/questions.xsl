<?xml version="1.0" encoding="UTF-8"?>
<!--
  Questions of one phase. Parameter phase_id: the phase, compared as text.
  Input "category": the question page of the questionnaire window. Its first form is "survey"; it
  submits itself (GET, no action) with one radio group "R" + question id per question whose values
  are "V" + option position, and nothing else.
  Input "data": the printable list of every question of the phase, grouped by section and category.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:param name="phase_id" select="''"/>

<xsl:template match="/">
    <xsl:choose>
        <xsl:when test="/data"><xsl:apply-templates select="/data" mode="printout"/></xsl:when>
        <xsl:otherwise><xsl:apply-templates select="/category" mode="page"/></xsl:otherwise>
    </xsl:choose>
</xsl:template>

<!-- The question page of one category. -->
<xsl:template match="category" mode="page">
<html>
<head>
<meta charset="utf-8"/>
<title><xsl:value-of select="small_cat_desc"/></title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="content wide">
    <h1 class="category-title"><xsl:value-of select="small_cat_desc"/></h1>
    <p class="muted"><xsl:value-of select="category_desc"/></p>
    <form name="survey" method="get">
        <xsl:choose>
            <xsl:when test="question[normalize-space(phase_id) = normalize-space($phase_id)]">
                <xsl:for-each select="question[normalize-space(phase_id) = normalize-space($phase_id)]">
                    <xsl:call-template name="question"/>
                </xsl:for-each>
                <div class="actions"><input type="submit" value="Save answers"/></div>
            </xsl:when>
            <xsl:otherwise>
                <div class="note">This category has no questions in this phase. Choose another category on
                the left, or close the questionnaire with the link at the bottom.</div>
            </xsl:otherwise>
        </xsl:choose>
    </form>
</div>
</body>
</html>
</xsl:template>

<xsl:template name="question">
    <xsl:variable name="id" select="normalize-space(question_id)"/>
    <xsl:variable name="key" select="substring-after(question_number, '.')"/>
    <div class="question">
        <div class="q-head">
            <span class="q-number"><xsl:value-of select="question_number"/></span>
            <span class="q-text"><xsl:value-of select="question_text"/></span>
            <a class="q-gls" href="#gls{$key}" title="Definition and suggestion">definition</a>
        </div>
        <ul class="options">
            <xsl:call-template name="option"><xsl:with-param name="id" select="$id"/><xsl:with-param name="n" select="1"/><xsl:with-param name="text" select="answer1"/></xsl:call-template>
            <xsl:call-template name="option"><xsl:with-param name="id" select="$id"/><xsl:with-param name="n" select="2"/><xsl:with-param name="text" select="answer2"/></xsl:call-template>
            <xsl:call-template name="option"><xsl:with-param name="id" select="$id"/><xsl:with-param name="n" select="3"/><xsl:with-param name="text" select="answer3"/></xsl:call-template>
            <xsl:call-template name="option"><xsl:with-param name="id" select="$id"/><xsl:with-param name="n" select="4"/><xsl:with-param name="text" select="answer4"/></xsl:call-template>
            <xsl:call-template name="option"><xsl:with-param name="id" select="$id"/><xsl:with-param name="n" select="5"/><xsl:with-param name="text" select="answer5"/></xsl:call-template>
        </ul>
    </div>
</xsl:template>

<!-- One radio button with its option text; an option that has no text is left out. -->
<xsl:template name="option">
    <xsl:param name="id"/>
    <xsl:param name="n"/>
    <xsl:param name="text"/>
    <xsl:if test="$text">
        <li>
            <label>
                <xsl:if test="$n = 5"><xsl:attribute name="class">na</xsl:attribute></xsl:if>
                <input type="radio" name="R{$id}" value="V{$n}"/>
                <xsl:text> </xsl:text>
                <xsl:value-of select="$text"/>
            </label>
        </li>
    </xsl:if>
</xsl:template>

<!-- The printable question list of one phase. -->
<xsl:template match="data" mode="printout">
<html>
<head>
<meta charset="utf-8"/>
<title>Questions</title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="content wide">
    <h1>
        <xsl:text>Phase review questions: </xsl:text>
        <xsl:value-of select="phases/phase[normalize-space(phase_id) = normalize-space($phase_id)]/phase_desc"/>
    </h1>
    <p class="muted">Tick one answer per question. "Not applicable" counts as answered but is not scored.</p>
    <xsl:for-each select="survey/section[category/question[normalize-space(phase_id) = normalize-space($phase_id)]]">
        <xsl:variable name="section" select="section_desc"/>
        <xsl:for-each select="category[question[normalize-space(phase_id) = normalize-space($phase_id)]]">
            <!-- A category stays whole on its sheet, and the section's heading goes with its first one. -->
            <div class="kept-together">
            <xsl:if test="position() = 1"><h2><xsl:value-of select="$section"/></h2></xsl:if>
            <h3><xsl:value-of select="small_cat_desc"/></h3>
            <table class="grid">
                <xsl:for-each select="question[normalize-space(phase_id) = normalize-space($phase_id)]">
                    <tr>
                        <td><xsl:value-of select="question_number"/></td>
                        <td>
                            <xsl:value-of select="question_text"/>
                            <div class="small muted">
                                <xsl:for-each select="answer1 | answer2 | answer3 | answer4 | answer5">
                                    <xsl:text>&#9744; </xsl:text>
                                    <xsl:value-of select="."/>
                                    <xsl:if test="position() != last()"><xsl:text>&#160;&#160;&#160; </xsl:text></xsl:if>
                                </xsl:for-each>
                            </div>
                        </td>
                    </tr>
                </xsl:for-each>
            </table>
            </div>
        </xsl:for-each>
    </xsl:for-each>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
