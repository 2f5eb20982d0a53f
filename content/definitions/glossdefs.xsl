<?xml version="1.0" encoding="UTF-8"?>
<!-- One definition of the definitions window. Input: a "gloss_item" element. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title><xsl:value-of select="/gloss_item/small_term"/></title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="content">
    <div class="actions">
        <a class="button secondary" href="#PRT">Print</a>
        <a class="button secondary" href="#BCK">Close</a>
    </div>
    <h1><xsl:value-of select="/gloss_item/small_term"/></h1>
    <p class="small muted">
        <xsl:text>Questions with the key </xsl:text>
        <xsl:value-of select="/gloss_item/gloss_key"/>
    </p>
    <h2>Definition</h2>
    <p><xsl:value-of select="/gloss_item/definition"/></p>
    <xsl:if test="normalize-space(/gloss_item/suggestion)">
        <h2>Suggestion</h2>
        <div class="note"><xsl:value-of select="/gloss_item/suggestion"/></div>
    </xsl:if>
    <p class="small muted no-print">More background: <a href="../Library/ReworkPrimer.pdf">Where rework begins (PDF)</a></p>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
