<?xml version="1.0" encoding="UTF-8"?>
<!--
  Orders the questions of one section for the priority charts. Input: a "section" element of a
  scored copy (questions carry "response"). Parameter phase_id: the phase, compared as text.
  Output: root "section" with one "question" per scored answer of the phase, heaviest weight first
  (ties: higher rework risk first), each with its "question_keyword" and its "score", the rework
  risk of the chosen answer. Answers "Not applicable" and unanswered questions are left out.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="xml" encoding="UTF-8" indent="no" omit-xml-declaration="yes"/>

<xsl:param name="phase_id" select="''"/>

<xsl:template match="/">
    <section>
        <xsl:for-each select="/section/category/question[normalize-space(phase_id) = normalize-space($phase_id)]
                              [normalize-space(response[1]) != '5']
                              [*[name() = concat('answer', normalize-space(../response[1]), 'weight')]]">
            <xsl:sort select="number(weight)" data-type="number" order="descending"/>
            <xsl:sort select="number(*[name() = concat('answer', normalize-space(../response[1]), 'weight')])"
                      data-type="number" order="descending"/>
            <question>
                <question_id><xsl:value-of select="question_id"/></question_id>
                <question_keyword><xsl:value-of select="question_keyword"/></question_keyword>
                <score><xsl:value-of select="*[name() = concat('answer', normalize-space(../response[1]), 'weight')]"/></score>
            </question>
        </xsl:for-each>
    </section>
</xsl:template>

</xsl:stylesheet>
