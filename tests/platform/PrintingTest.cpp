// Printing an HTML file: the background-printing setting switched for the job and put back, the
// job's orientation and backgrounds, the header picture in the loaded page only, and failures.
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "platform/SystemServicesSupport.h"
#include "platform/Wait.h"
#include "platform/printing/BackgroundPrinting.h"
#include "platform/printing/ui/frmPrinter.h"
#include "support/ModalDialogs.h"
#include "support/PdfPrintOutput.h"
#include "support/PrintedSheets.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace tova;
using namespace tova::test;

namespace {

constexpr char kPageText[] = "Rework summary for the second quarter";

// The value as the store keeps it: "(absent)" when it does not exist, else its text.
std::string storedBackgroundSetting(const SettingsStore& settings) {
    const QString section = system::registrySection(system::currentUserRoot(), printing::backgroundPrintingKey());
    if (!settings.HasSetting(system::registryApplication(), section, printing::backgroundPrintingValue()))
        return "(absent)";
    return RegHelpers::QueryValueHKCU(printing::backgroundPrintingKey(), printing::backgroundPrintingValue())
        .toStdString();
}

void createBackgroundKey(SettingsStore& settings, const std::optional<QString>& value) {
    const QString section = system::registrySection(system::currentUserRoot(), printing::backgroundPrintingKey());
    settings.SaveSetting(system::registryApplication(), section, system::keyMarker(), QString());
    if (value)
        RegHelpers::SetKeyValueHKCU(printing::backgroundPrintingKey(), printing::backgroundPrintingValue(), *value,
                                    RegHelpers::REG_SZ);
}

// Runs a page script in the view and gives its value (bounded).
QVariant evaluate(QWebEngineView& view, const QString& script) {
    QVariant result;
    bool done = false;
    QEventLoop loop;
    view.page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
        loop.quit();
    });
    if (!done) {
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return result;
}

bool noPrintWindowLeft() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmPrinter"))
            return false;
    return true;
}

TEST(BackgroundPrinting, SwitchedForTheJobAndPutBackAfterwards) {
    struct Case {
        const char* name;
        bool keyExists;
        std::optional<QString> before;
        bool landscape;
        const char* during;
        const char* after;
    };
    const Case cases[] = {
        {"landscape over no", true, QStringLiteral("no"), true, "yes", "no"},
        {"portrait over yes", true, QStringLiteral("yes"), false, "no", "yes"},
        {"own text kept", true, QStringLiteral("maybe"), true, "yes", "maybe"},
        // An absent value comes back as an empty one.
        {"absent value", true, std::nullopt, true, "yes", ""},
        // Without the key nothing is written at all.
        {"absent key", false, std::nullopt, true, "(absent)", "(absent)"},
    };
    for (const Case& c : cases) {
        TestEnvironment env;
        if (c.keyExists)
            createBackgroundKey(*env.settings, c.before);
        {
            printing::BackgroundPrintingScope scope(c.landscape);
            EXPECT_EQ(storedBackgroundSetting(*env.settings), c.during) << c.name;
        }
        EXPECT_EQ(storedBackgroundSetting(*env.settings), c.after) << c.name;
    }
}

class PrintHTMLDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A page one folder below an application folder that holds the header picture.
        QDir app(env.scratch.filePath(QStringLiteral("app")));
        app.mkpath(QStringLiteral("images"));
        app.mkpath(QStringLiteral("pages"));
        QFile::copy(QDir(builtAppFolder()).filePath(QStringLiteral("images/printheader.bmp")),
                    app.filePath(QStringLiteral("images/printheader.bmp")));
        page = app.filePath(QStringLiteral("pages/report.htm"));
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><head><title>report</title></head>"
                                  "<body style=\"background:#c0ffc0\"><h1 id=\"first\">%1</h1></body></html>")
                       .arg(QLatin1String(kPageText))
                       .toUtf8());
        file.close();
        createBackgroundKey(*env.settings, QStringLiteral("no"));
        output = env.printouts.get();
    }

    QByteArray pageBytes() const {
        QFile file(page);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestEnvironment env;
    QString page;
    PdfPrintOutput* output = nullptr;
};

TEST_F(PrintHTMLDocTest, OrientationBackgroundsAndSettingFollowTheLandscapeSwitch) {
    struct Case {
        bool landscape;
        bool preview;
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}, Case{false, true}}) {
        const std::string name = std::string(c.landscape ? "landscape" : "portrait") + (c.preview ? " preview" : "");
        std::string settingDuring;
        bool backgroundsDuring = !c.landscape;
        output->duringJob = [&](QWebEngineView& view) {
            settingDuring = storedBackgroundSetting(*env.settings);
            backgroundsDuring = view.page()->settings()->testAttribute(QWebEngineSettings::PrintElementBackgrounds);
        };
        const qsizetype jobsBefore = output->jobs.size();
        frmPrinter::PrintHTMLDoc(page, false, c.preview, c.landscape);

        ASSERT_EQ(output->jobs.size(), jobsBefore + 1) << name;
        const PrintJob& job = output->jobs.last();
        EXPECT_EQ(job.preview, c.preview) << name;
        EXPECT_EQ(job.orientation, c.landscape ? QPageLayout::Landscape : QPageLayout::Portrait) << name;
        EXPECT_EQ(settingDuring, c.landscape ? "yes" : "no") << name;
        EXPECT_EQ(backgroundsDuring, c.landscape) << name;
        EXPECT_EQ(storedBackgroundSetting(*env.settings), "no") << name;

        const QSizeF size = pdfPageSize(job.pdfPath);
        ASSERT_FALSE(size.isEmpty()) << name;
        EXPECT_EQ(size.width() > size.height(), c.landscape) << name << " " << size.width() << "x" << size.height();
        EXPECT_TRUE(job.pageText.contains(QLatin1String(kPageText))) << name;
        EXPECT_TRUE(noPrintWindowLeft()) << name;
    }
    EXPECT_TRUE(env.messages.asked().isEmpty()) << env.messages.texts().join('\n').toStdString();
}

TEST_F(PrintHTMLDocTest, HeaderPictureGoesIntoTheLoadedPageOnly) {
    const QByteArray before = pageBytes();
    for (const bool header : {true, false}) {
        QString firstElement;
        bool pictureLoaded = false;
        output->duringJob = [&](QWebEngineView& view) {
            firstElement = evaluate(view, QStringLiteral("document.body.firstElementChild.outerHTML")).toString();
            pictureLoaded = evaluate(view, QStringLiteral("document.images.length > 0 && "
                                                          "document.images[0].naturalWidth === 1000"))
                                .toBool();
        };
        frmPrinter::PrintHTMLDoc(page, header, false, true);
        if (header) {
            EXPECT_EQ(firstElement.toStdString(),
                      R"(<p align="center"><img src="../images/printheader.bmp" align="center"></p>)");
            EXPECT_TRUE(pictureLoaded);
        } else {
            EXPECT_EQ(firstElement.toStdString(), std::string(R"(<h1 id="first">)") + kPageText + "</h1>");
        }
        EXPECT_EQ(pageBytes(), before);
    }
}

// A print to file gets the engine's own pages (text a reader can search) in the dialog's page range;
// a range with no page of the printout prints nothing, says why and leaves an earlier file of the
// name as it was.
TEST_F(PrintHTMLDocTest, PrintToFileWritesTheEnginesPagesInThePrintersRange) {
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1>Page one</h1><p style=\"break-before: page\">Page two</p>"
               "<p style=\"break-before: page\">Page three</p></body></html>");
    file.close();
    struct Case {
        const char* name;
        int from, to;
        int copies;
        bool collate;
        const char* sheets; // the sheets' page numbers in order; "": the print fails
    };
    const Case cases[] = {
        {"all pages", 0, 0, 1, true, "123"},
        {"pages 2 to 3", 2, 3, 1, true, "23"},
        {"range past the end", 3, 9, 1, true, "3"},
        {"no page in the range", 5, 9, 1, true, ""},
        {"two copies collated", 2, 3, 2, true, "2323"},
        {"two copies uncollated", 2, 3, 2, false, "2233"},
    };
    const QStringList pageTexts = {QString(), QStringLiteral("Page one"), QStringLiteral("Page two"),
                                   QStringLiteral("Page three")};
    const QString pdf = env.scratch.filePath(QStringLiteral("printout.pdf"));
    output->answer = PrintOutcome::Cancelled;
    output->duringJob = [&](QWebEngineView& view) {
        for (const Case& c : cases) {
            QFile earlier(pdf);
            ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
            earlier.close();
            const std::unique_ptr<QPrinter> printer = printerForJob(QPageLayout::Portrait);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setFromTo(c.from, c.to);
            printer->setCopyCount(c.copies);
            printer->setCollateCopies(c.collate);
            const QString expected = QString::fromLatin1(c.sheets);
            EXPECT_EQ(printOnPrinter(view, *printer), expected.isEmpty() ? PrintOutcome::Told : PrintOutcome::Done)
                << c.name;
            if (expected.isEmpty()) {
                EXPECT_EQ(QFileInfo(pdf).size(), 7) << c.name;
                continue;
            }
            const QList<PrintedSheet> sheets = printedSheets(pdf);
            ASSERT_EQ(sheets.size(), expected.size()) << c.name;
            for (qsizetype i = 0; i < sheets.size(); ++i)
                EXPECT_TRUE(sheets[i].text.startsWith(pageTexts[expected[i].digitValue()])) << c.name << " sheet " << i;
        }
    };
    frmPrinter::PrintHTMLDoc(page, false, false, false);
    EXPECT_EQ(env.messages.texts(), QStringList{"Nothing was printed: the page range 5 to 9 holds no page of this "
                                                "printout, which has 3 pages."});
}

// The printout checks measure the report, not the header picture above it: a page whose body is
// empty prints the header alone and counts as blank.
TEST_F(PrintHTMLDocTest, HeaderAboveAnEmptyBodyIsNoContent) {
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body></body></html>");
    file.close();
    frmPrinter::PrintHTMLDoc(page, true, false, true);
    ASSERT_FALSE(output->jobs.isEmpty());
    const QList<PrintedSheet> sheets = printedSheets(output->jobs.last().pdfPath);
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_FALSE(sheets.first().inked.isEmpty()) << "the header picture is on the sheet";
    EXPECT_TRUE(sheets.first().content.isEmpty());
    EXPECT_EQ(widthShare(sheets, QPageLayout::Landscape, &PrintedSheet::content), 0.0);
}

TEST_F(PrintHTMLDocTest, BusyCursorWhileThePageLoadsAndPrintsButNotWhileTheDialogIsUp) {
    for (const bool preview : {false, true}) {
        // Where the job is when the cursor is looked at: loading, in the dialog, printing.
        enum class Stage { Loading, Dialog, Printing } stage = Stage::Loading;
        bool busyWhileLoading = false;
        bool busyWhilePrinting = false;
        bool busyInDialog = true;
        QTimer sampler;
        sampler.setInterval(1);
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            const bool busy =
                QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            if (stage == Stage::Loading)
                busyWhileLoading |= busy;
            else if (stage == Stage::Printing)
                busyWhilePrinting |= busy;
        });
        output->duringJob = [&](QWebEngineView&) {
            stage = Stage::Dialog;
            busyInDialog = QGuiApplication::overrideCursor() != nullptr;
            stage = Stage::Printing;
        };
        sampler.start();
        frmPrinter::PrintHTMLDoc(page, true, preview, true);
        sampler.stop();
        EXPECT_TRUE(busyWhileLoading) << preview;
        EXPECT_FALSE(busyInDialog) << preview;
        EXPECT_TRUE(busyWhilePrinting) << preview;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << preview;
    }
    EXPECT_TRUE(env.messages.asked().isEmpty()) << env.messages.texts().join('\n').toStdString();
}

TEST_F(PrintHTMLDocTest, FailuresAreReportedAndTheSettingPutBack) {
    struct Case {
        const char* name;
        bool missingFile;
        PrintOutcome answer;
        bool reported;
    };
    const Case cases[] = {
        {"missing file", true, PrintOutcome::Done, true},
        {"output failed", false, PrintOutcome::Failed, true},
        // Cancelling the print dialog is the user's choice, not a failure.
        {"dialog cancelled", false, PrintOutcome::Cancelled, false},
    };
    for (const Case& c : cases) {
        env.messages.clear();
        output->answer = c.answer;
        output->jobs.clear();
        frmPrinter::PrintHTMLDoc(c.missingFile ? page + QStringLiteral(".gone") : page, true, false, true);
        EXPECT_EQ(output->jobs.size(), c.missingFile ? 0 : 1) << c.name;
        if (c.reported) {
            ASSERT_EQ(env.messages.asked().size(), 1) << c.name;
            const AskedMessage& message = env.messages.asked().first();
            EXPECT_EQ(message.text, "Error: Unable to perform action.");
            EXPECT_EQ(message.title, "Error");
            EXPECT_EQ(message.icon, MsgIcon::Critical);
        } else {
            EXPECT_TRUE(env.messages.asked().isEmpty()) << c.name;
        }
        EXPECT_EQ(storedBackgroundSetting(*env.settings), "no") << c.name;
        EXPECT_TRUE(noPrintWindowLeft()) << c.name;
    }
}

TEST_F(PrintHTMLDocTest, SecondJobDuringTheFirstIsRefusedWithoutTouchingItsSetting) {
    std::string settingAfterSecond;
    output->duringJob = [&](QWebEngineView&) {
        output->duringJob = nullptr;
        frmPrinter::PrintHTMLDoc(page, false, false, false);
        settingAfterSecond = storedBackgroundSetting(*env.settings);
    };
    frmPrinter::PrintHTMLDoc(page, false, false, true);
    EXPECT_EQ(output->jobs.size(), 1);
    EXPECT_EQ(settingAfterSecond, "yes");
    EXPECT_EQ(env.messages.texts(), QStringList{"Error: Unable to perform action."});
    EXPECT_EQ(storedBackgroundSetting(*env.settings), "no");
}

// The print dialogs instead of the test output, for one scope.
class QtDialogsScope {
public:
    QtDialogsScope() : m_installed(services().printOutput) { services().printOutput = nullptr; }
    ~QtDialogsScope() { services().printOutput = m_installed; }
    QtDialogsScope(const QtDialogsScope&) = delete;
    QtDialogsScope& operator=(const QtDialogsScope&) = delete;

private:
    PrintOutput* m_installed;
};

// Chooses the dialog's print to file and prints; the file name the dialog proposed.
QString printToFile(QPrintDialog& dialog) {
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (printers)
        printers->setCurrentIndex(printers->count() - 1);
    const QString shown = fileName ? fileName->text() : QString();
    dialog.accept();
    return shown;
}

TEST_F(PrintHTMLDocTest, QtPreviewShowsThePageInTheJobsOrientationAndACancelledPrintIsQuiet) {
    // The program's own dialogs this time, each closed by the test once it is up.
    const QtDialogsScope dialogs;
    int previewPages = 0;
    QPageLayout::Orientation previewOrientation = QPageLayout::Portrait;
    std::string settingDuringPreview;
    whenModal<QPrintPreviewDialog>(
        [](QPrintPreviewDialog& dialog) {
            auto* pages = dialog.findChild<QPrintPreviewWidget*>();
            return pages && pages->pageCount() > 0;
        },
        [&](QPrintPreviewDialog& dialog) {
            auto* pages = dialog.findChild<QPrintPreviewWidget*>();
            previewPages = pages->pageCount();
            previewOrientation = pages->orientation();
            settingDuringPreview = storedBackgroundSetting(*env.settings);
            dialog.reject();
        });
    frmPrinter::PrintHTMLDoc(page, true, true, true);
    EXPECT_GE(previewPages, 1);
    EXPECT_EQ(previewOrientation, QPageLayout::Landscape);
    // The setting holds the job's value until the preview is closed.
    EXPECT_EQ(settingDuringPreview, "yes");

    bool dialogSeen = false;
    whenModal<QPrintDialog>([&](QPrintDialog& dialog) {
        dialogSeen = true;
        dialog.reject();
    });
    frmPrinter::PrintHTMLDoc(page, false, false, false);
    EXPECT_TRUE(dialogSeen);

    // The dialog's print to file proposes the job's file and writes the engine's pages there.
    const QString proposed = env.scratch.filePath(QStringLiteral("R-17 Report.pdf"));
    QString shownName;
    whenModal<QPrintDialog>([&](QPrintDialog& dialog) { shownName = printToFile(dialog); });
    frmPrinter::PrintHTMLDoc(page, false, false, false, proposed);
    EXPECT_EQ(shownName, proposed);
    const QList<PrintedSheet> sheets = printedSheets(proposed);
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_TRUE(sheets.first().text.contains(QLatin1String(kPageText))) << sheets.first().text.toStdString();

    // The preview's print button takes the same road: the dialog proposes the job's file, and the
    // file keeps the page's text.
    const QString fromPreview = env.scratch.filePath(QStringLiteral("R-17 Preview.pdf"));
    shownName.clear();
    whenModal<QPrintPreviewDialog>(
        [](QPrintPreviewDialog& dialog) {
            auto* pages = dialog.findChild<QPrintPreviewWidget*>();
            return pages && pages->pageCount() > 0;
        },
        [&](QPrintPreviewDialog& dialog) {
            whenModal<QPrintDialog>([&](QPrintDialog& print) { shownName = printToFile(print); });
            QToolButton* printButton = nullptr;
            for (QToolBar* toolbar : dialog.findChildren<QToolBar*>()) {
                for (QAction* action : toolbar->actions()) {
                    if (action->text() == QLatin1String("Print"))
                        printButton = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
                }
            }
            if (!printButton) {
                ADD_FAILURE() << "the preview has no print button";
                dialog.reject();
                return;
            }
            QTest::mouseClick(printButton, Qt::LeftButton);
        });
    frmPrinter::PrintHTMLDoc(page, true, true, false, fromPreview);
    EXPECT_EQ(shownName, fromPreview);
    const QList<PrintedSheet> previewSheets = printedSheets(fromPreview);
    ASSERT_EQ(previewSheets.size(), 1);
    EXPECT_TRUE(previewSheets.first().text.contains(QLatin1String(kPageText)))
        << previewSheets.first().text.toStdString();

    // Pages the one-page printout does not have, asked for in the dialog: the user learns why nothing came.
    whenModal<QPrintDialog>([&](QPrintDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* range = dialog.findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = dialog.findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = dialog.findChild<QSpinBox*>(QStringLiteral("to"));
        if (printers && range && from && to) {
            printers->setCurrentIndex(printers->count() - 1);
            range->setChecked(true);
            to->setValue(9);
            from->setValue(5);
        }
        dialog.accept();
    });
    frmPrinter::PrintHTMLDoc(page, false, false, false, proposed);
    EXPECT_EQ(env.messages.texts(), QStringList{"Nothing was printed: the page range 5 to 9 holds no page of this "
                                                "printout, which has 1 page."});
    env.messages.clear();

    // Ending the job from outside (the program exits) closes the open preview.
    whenModal<QPrintPreviewDialog>([](QPrintPreviewDialog&) { frmPrinter::Unload(); });
    frmPrinter::PrintHTMLDoc(page, false, true, false);
    EXPECT_TRUE(env.messages.asked().isEmpty()) << env.messages.texts().join('\n').toStdString();
    EXPECT_EQ(storedBackgroundSetting(*env.settings), "no");
    EXPECT_TRUE(noPrintWindowLeft());
}

} // namespace
