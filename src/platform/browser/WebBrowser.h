// What the program asks of a web browser control. The real control wraps the embedded web engine
// (browser/ui); tests use a fake that records what was asked of it.
#pragma once

#include <QString>

#include <functional>

namespace tova {

class WebBrowser {
public:
    // Called before every navigation of the page and of its frames, with the absolute address;
    // returning true cancels the navigation.
    using BeforeNavigateHandler = std::function<bool(const QString& url)>;

    virtual ~WebBrowser() = default;

    // The control's name (a page written for it without a file name is named after it).
    virtual QString Name() const = 0;
    // Navigates to an address. A target frame name sends it to that frame; "_blank" opens a new
    // top-level browser window.
    virtual void Navigate2(const QString& url, const QString& targetFrame = QString()) = 0;
    // True while the top page is loading.
    virtual bool Busy() const = 0;
    // 4 once the top page has loaded, lower before.
    virtual int ReadyState() const = 0;
    // True once the named frame of the page exists and its document has loaded.
    virtual bool IsFrameComplete(const QString& frameName) const = 0;
    // The top page's title, or its file name when it has none.
    virtual QString LocationName() const = 0;
    // The address of the top page.
    virtual QString LocationURL() const = 0;
    // Runs one line of page script in the named frame (empty: the top window) and waits for it.
    // False when the frame cannot be reached, the script throws, or the wait runs out.
    virtual bool ExecScript(const QString& script, const QString& frameName = QString()) = 0;

    void setBeforeNavigate(BeforeNavigateHandler handler) { m_beforeNavigate = std::move(handler); }
    // The handler's answer for an address; false (go on) when none is set.
    bool fireBeforeNavigate(const QString& url) { return m_beforeNavigate ? m_beforeNavigate(url) : false; }

private:
    BeforeNavigateHandler m_beforeNavigate;
};

} // namespace tova
