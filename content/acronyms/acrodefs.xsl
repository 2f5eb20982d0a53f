<?xml version="1.0" encoding="UTF-8"?>
<!-- One entry of the acronym window. Input: an "acronym" element. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title><xsl:value-of select="/acronym/abbreviation"/></title>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="content">
    <div class="actions">
        <a class="button secondary" href="#PRT">Print</a>
        <a class="button secondary" href="#BCK">Close</a>
    </div>
    <h1><xsl:value-of select="/acronym/abbreviation"/></h1>
    <p><strong><xsl:value-of select="/acronym/meaning"/></strong></p>
    <p><xsl:value-of select="/acronym/explanation"/></p>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
