// What the program asks of a web browser control. The real control wraps the embedded web engine
// (browser/ui); tests use a fake that records what was asked of it.
#pragma once

#include <QString>

#include <cstdint>
#include <deque>
#include <functional>

namespace tova {

class WebBrowser {
public:
    // Called before every navigation of the page and of its frames, with the absolute address;
    // returning true cancels the navigation. A handler may close the window that holds the control,
    // but the control itself is deleted later (deleteLater), never inside the handler.
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
    // When the line submits a form, the submission has been handed to the before-navigate handler
    // by the time the call returns. False when the frame cannot be reached, the script throws, or
    // the wait runs out.
    virtual bool ExecScript(const QString& script, const QString& frameName = QString()) = 0;

    void setBeforeNavigate(BeforeNavigateHandler handler) { m_beforeNavigate = std::move(handler); }
    bool hasBeforeNavigate() const { return static_cast<bool>(m_beforeNavigate); }
    // The handler's answer for an address; false (go on) when none is set. Each call is counted and
    // its address remembered once the handler has returned.
    bool fireBeforeNavigate(const QString& url);

    // How many navigations have been handed to the handler so far. A caller that triggers a
    // navigation indirectly (a form submitted by script) reads this first, then waits with
    // waitForBeforeNavigate for a navigation numbered after it.
    std::uint64_t beforeNavigateCount() const { return m_fired; }
    // Processes events until a navigation numbered after `since` whose address satisfies `matches`
    // has been handed to the handler (and the handler has returned), at most timeoutMs. True when
    // one was seen.
    bool waitForBeforeNavigate(std::uint64_t since, const std::function<bool(const QString&)>& matches, int timeoutMs);

private:
    BeforeNavigateHandler m_beforeNavigate;
    std::uint64_t m_fired = 0;
    // The latest addresses handed to the handler, oldest first, with their numbers.
    std::deque<std::pair<std::uint64_t, QString>> m_recent;
};

} // namespace tova
