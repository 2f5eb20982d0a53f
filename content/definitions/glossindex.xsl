<?xml version="1.0" encoding="UTF-8"?>
<!--
  The index of the definitions window. Input: the "glossary" element. Every term is a link
  "#gls" + key; findAndHighlight marks the term whose link is given.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Terms</title>
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
        <a class="button secondary" href="#FND">Find</a>
        <a class="button secondary" href="#BCK">Close</a>
    </div>
    <h2>Terms</h2>
    <ul>
        <xsl:for-each select="/glossary/gloss_item">
            <xsl:sort select="small_term" data-type="text" order="ascending"/>
            <li>
                <a href="#gls{normalize-space(gloss_key)}" onclick="findAndHighlight(this.getAttribute('href'))">
                    <xsl:value-of select="small_term"/>
                    <span class="small muted"><xsl:text> (</xsl:text><xsl:value-of select="gloss_key"/><xsl:text>)</xsl:text></span>
                </a>
            </li>
        </xsl:for-each>
    </ul>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
