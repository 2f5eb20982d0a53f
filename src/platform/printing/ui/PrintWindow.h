// The print window: never shown, it holds the browser control that loads the page to be printed,
// so the page on the user's screen is never touched by a print job.
#pragma once

#include <QWidget>

namespace tova {

class WebEngineBrowser;

class PrintWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintWindow)
public:
    explicit PrintWindow(QWidget* parent = nullptr);
    ~PrintWindow() override;

    WebEngineBrowser& WebBrowser1() const { return *m_browser; }

    // Whether the page's background colours and pictures are printed (this window's page only).
    void setPrintBackgrounds(bool print);

    // Loads the address and waits (bounded) until the page has loaded. False when it failed to
    // load, did not load in time, or the job was ended meanwhile.
    bool load(const QString& url);
    // Puts the header picture at the start of the loaded page's body (the file is not changed) and
    // waits (bounded) for the picture. False when the page has no body or the job was ended.
    bool insertHeader();

    // Ends the job under way: waits stop early and report failure.
    void abort() { m_aborted = true; }
    bool aborted() const { return m_aborted; }

private:
    WebEngineBrowser* m_browser;
    bool m_loaded = false;
    bool m_aborted = false;
};

} // namespace tova
