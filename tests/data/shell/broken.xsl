<?xml version="1.0" encoding="UTF-8"?>
<!-- Well-formed, but no valid style sheet: it cannot be compiled. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:template match="/"><xsl:value-of select="((("/></xsl:template>
</xsl:stylesheet>
