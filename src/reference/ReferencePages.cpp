#include "reference/ReferencePages.h"

#include "platform/AppFolder.h"
#include "platform/WholeFile.h"
#include "platform/xml/XmlDocument.h"
#include "store/Database.h"

namespace tova::reference {
namespace {

PageRoad bookRoad(const ReferenceBook& book, const QString& styleSheet, const QString& page) {
    PageRoad road;
    road.styleSheet = book.folder + QLatin1Char('/') + styleSheet;
    road.pageFile = book.folder + QLatin1Char('/') + page;
    road.styleSheetMissing = {QStringLiteral("Error loading XSL"), MsgIcon::None};
    road.transformFailed = {QStringLiteral("The page %1 could not be made from its style sheet.").arg(page),
                            MsgIcon::Critical};
    road.pageNotWritten = {
        QStringLiteral("The page %1 could not be written. Check that the program's folder is writable."),
        MsgIcon::Critical};
    return road;
}

} // namespace

const ReferenceBook& definitionsBook() {
    static const ReferenceBook book{QStringLiteral("definitions"), QStringLiteral("definitions.htm"),
                                    QStringLiteral("glossindex.xsl"), QStringLiteral("glossdefs.xsl"),
                                    QStringLiteral("data/glossary")};
    return book;
}

const ReferenceBook& acronymsBook() {
    static const ReferenceBook book{QStringLiteral("acronyms"), QStringLiteral("acronyms.htm"),
                                    QStringLiteral("acroindex.xsl"), QStringLiteral("acrodefs.xsl"),
                                    QStringLiteral("data/acronyms")};
    return book;
}

PageRoad indexRoad(const ReferenceBook& book, bool navigate) {
    PageRoad road = bookRoad(book, book.indexStyleSheet, QStringLiteral("side.htm"));
    road.shownPage = book.folder + QLatin1Char('/') + book.frameset;
    road.show = navigate;
    return road;
}

PageRoad entryRoad(const ReferenceBook& book, bool framesShown) {
    PageRoad road = bookRoad(book, book.entryStyleSheet, QStringLiteral("main.htm"));
    // With the frames up only the entry's frame is sent to the new page.
    road.shownPage = framesShown ? road.pageFile : book.folder + QLatin1Char('/') + book.frameset;
    road.frame = framesShown ? QStringLiteral("main") : QString();
    return road;
}

bool ShowIndexPage(const ReferenceBook& book, WebBrowser& browser, bool navigate) {
    return BuildPage(indexRoad(book, navigate), Globals::gDataDoc.selectSingleNode(book.bookPath), {}, browser);
}

bool ShowEntryPage(const ReferenceBook& book, const Xml::XmlNode& entry, const QString& emptyHtml, WebBrowser& browser,
                   bool framesShown) {
    const PageRoad road = entryRoad(book, framesShown);
    // An entry the book lacks is shown as the empty page.
    if (entry.isNull())
        return WritePageOnRoad(road, emptyHtml, browser);
    return BuildPage(road, entry, {}, browser);
}

bool WriteEmptyEntryPage(const ReferenceBook& book, const QString& emptyHtml, WebBrowser& browser) {
    PageRoad road = entryRoad(book, false);
    road.show = false;
    return WritePageOnRoad(road, emptyHtml, browser);
}

QString emptyPage() {
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title></title>\n"
                          "<link rel=\"stylesheet\" href=\"../css/tova.css\">\n</head>\n<body>\n</body>\n</html>");
}

QString readContentFile(const QString& relative) {
    QByteArray bytes;
    readFileWhole(appPath(relative), kMaxContentFileBytes, &bytes);
    return QString::fromUtf8(bytes);
}

} // namespace tova::reference
