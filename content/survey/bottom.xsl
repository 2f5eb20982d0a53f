<?xml version="1.0" encoding="UTF-8"?>
<!-- The bottom bar of the questionnaire window. Input: the "phase" element of the current review. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Phase</title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="bottom-bar">
    <span class="phase">
        <xsl:text>Phase review: </xsl:text>
        <xsl:value-of select="/phase/phase_desc"/>
    </span>
    <span class="hint">Answers are kept when you choose another category or close the questionnaire.</span>
    <a href="#Back">Close and return to the diagram</a>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
