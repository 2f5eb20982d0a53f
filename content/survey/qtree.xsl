<?xml version="1.0" encoding="UTF-8"?>
<!--
  The category tree of the questionnaire window. Input: the "survey" element. Every category is a
  link "#cat" + id with a status mark that the window sets through swapImageWithHref once it knows
  which categories are complete.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:output method="html" encoding="UTF-8" indent="no"/>

<xsl:template match="/">
<html>
<head>
<meta charset="utf-8"/>
<title>Categories</title>
<link rel="stylesheet" href="../css/tova.css"/>
<script src="../scripts/indexmark.js"></script>
<script>
var MARKS = { "c": "../images/mark_c.png", "i": "../images/mark_i.png", "nq": "../images/mark_nq.png" };
var MARK_TEXT = { "c": "all questions answered", "i": "questions still open", "nq": "no questions in this phase" };

function linkWithHref(href) {
    var links = document.getElementsByTagName("a");
    for (var i = 0; i &lt; links.length; i++) {
        if (links[i].getAttribute("href") === href) {
            return links[i];
        }
    }
    return null;
}

// Shows the status mark of one category: state "c" (complete), "i" (incomplete) or "nq" (no questions).
function swapImageWithHref(href, state) {
    var link = linkWithHref(href);
    if (!link || !MARKS[state]) {
        return false;
    }
    var images = link.getElementsByTagName("img");
    if (images.length &gt; 0) {
        images[0].src = MARKS[state];
        images[0].alt = MARK_TEXT[state];
        images[0].title = MARK_TEXT[state];
    }
    return true;
}

// Highlights the category shown in the question frame.
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
    <xsl:for-each select="/survey/section">
        <h2><xsl:value-of select="section_desc"/></h2>
        <ul>
            <xsl:for-each select="category">
                <li>
                    <a href="#cat{normalize-space(category_id)}">
                        <img class="mark" src="../images/mark_none.png" alt="not yet marked" width="16" height="16"/>
                        <xsl:value-of select="small_cat_desc"/>
                    </a>
                </li>
            </xsl:for-each>
        </ul>
    </xsl:for-each>
</div>
</body>
</html>
</xsl:template>

</xsl:stylesheet>
