<?xml version="1.0" encoding="UTF-8"?>
<!--
  The index of the acronym window. Input: the "acronyms" element. Every entry is a link "#acr" + id.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Acronyms</title>
<link rel="stylesheet" href="../css/tova.css"/>
<script src="../scripts/indexmark.js"></script>
<script>
function findAndHighlight(href) {
    var links = document.getElementsByTagName("a");
    var found = null;
    for (var i = 0; i &lt; links.length; i++) {
        links[i].className = links[i].className.replace(/\s*\bhighlight\b/g, "");
        if (!found &amp;&amp; links[i].getAttribute("href") === href) {
            found = links[i];
        }
    }
    if (found) {
        found.className += " highlight";
        keepMarkInSight(found);
    }
    return found !== null;
}
</script>
</head>
<body>
<div class="index">
    <div class="actions">
        <a class="button secondary" href="#BCK">Close</a>
    </div>
    <h2>Acronyms</h2>
    <ul>
        <xsl:for-each select="/acronyms/acronym">
            <xsl:sort select="abbreviation" data-type="text" order="ascending"/>
            <li>
                <a href="#acr{normalize-space(acronym_id)}" onclick="findAndHighlight(this.getAttribute('href'))">
                    <strong><xsl:value-of select="abbreviation"/></strong>
                    <span class="small muted"><xsl:text> </xsl:text><xsl:value-of select="meaning"/></span>
                </a>
            </li>
        </xsl:for-each>
    </ul>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
