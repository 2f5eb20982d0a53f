<?xml version="1.0" encoding="UTF-8"?>
<!-- Prints what a report style sheet receives: every parameter and the input it starts from. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8"/>
  <xsl:param name="phase_id"/>
  <xsl:param name="projname"/>
  <xsl:param name="subprojname"/>
  <xsl:param name="refnum"/>
  <xsl:param name="loc"/>
  <xsl:param name="pm"/>
  <xsl:param name="owner"/>
  <xsl:param name="reviewdate"/>
  <xsl:param name="phase"/>
  <xsl:param name="score" select="-1"/>
  <xsl:template match="/">
    <html><body>
      <p id="root"><xsl:value-of select="name(*)"/></p>
      <p id="outside"><xsl:value-of select="count(//phases)"/></p>
      <p id="params"><xsl:value-of select="concat($phase_id, '|', $projname, '|', $subprojname, '|', $refnum, '|', $loc, '|', $pm, '|', $owner, '|', $reviewdate, '|', $phase)"/></p>
      <p id="phase-is-text"><xsl:value-of select="$phase_id = '3'"/></p>
      <p id="score"><xsl:value-of select="$score + 1"/></p>
      <p id="status"><xsl:for-each select="//category"><xsl:value-of select="concat(category_id, '=', status, ';')"/></xsl:for-each></p>
    </body></html>
  </xsl:template>
</xsl:stylesheet>
