<?xml version="1.0" encoding="UTF-8"?>
<!-- Prints what a report screen's style sheet receives: its number parameters and what its input holds. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8"/>
  <xsl:param name="phase_id"/>
  <xsl:param name="score" select="'none'"/>
  <xsl:param name="sec_id" select="'none'"/>
  <xsl:template match="/">
    <html><body>
      <p id="root"><xsl:value-of select="name(*)"/></p>
      <p id="score"><xsl:value-of select="$score"/></p>
      <p id="sec_id"><xsl:value-of select="$sec_id"/></p>
      <p id="phase_id"><xsl:value-of select="$phase_id"/></p>
      <p id="sections"><xsl:for-each select="//section"><xsl:value-of select="concat(section_id, ';')"/></xsl:for-each></p>
      <p id="marks"><xsl:value-of select="concat(count(//response), '/', count(//score), '/', count(//status))"/></p>
      <p id="items"><xsl:for-each select="//item"><xsl:value-of select="concat(., '|')"/></xsl:for-each></p>
    </body></html>
  </xsl:template>
</xsl:stylesheet>
