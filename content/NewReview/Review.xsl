<?xml version="1.0" encoding="UTF-8"?>
<!--
  The phase choice of the new review dialog. Input: the "phases" element. The form submits itself
  (GET, no action); its first and only field is the chosen phase id.
  The page may be written to the application folder itself or to this folder, so the style sheet is
  linked from both places.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>New review</title>
<link rel="stylesheet" href="css/tova.css"/>
<link rel="stylesheet" href="../css/tova.css"/>
</head>
<body>
<div class="content">
    <h1>New phase review</h1>
    <p>Choose the project phase that this review covers. Set the review date in the date box of this
    window.</p>
    <form method="get">
        <table class="form">
            <tr>
                <th><label for="phase">Phase</label></th>
                <td>
                    <select id="phase" name="phase" size="1">
                        <xsl:for-each select="/phases/phase">
                            <option value="{normalize-space(phase_id)}">
                                <xsl:if test="position() = 1"><xsl:attribute name="selected">selected</xsl:attribute></xsl:if>
                                <xsl:value-of select="phase_desc"/>
                            </option>
                        </xsl:for-each>
                    </select>
                </td>
            </tr>
        </table>
        <xsl:for-each select="/phases/phase[phase_summary]">
            <p class="small muted"><strong><xsl:value-of select="phase_desc"/>:</strong><xsl:text> </xsl:text><xsl:value-of select="phase_summary"/></p>
        </xsl:for-each>
        <div class="actions">
            <input type="submit" value="Create review"/>
            <a class="button secondary" href="#CLS">Cancel</a>
        </div>
    </form>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
