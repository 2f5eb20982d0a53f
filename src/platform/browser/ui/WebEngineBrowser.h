// The browser control of every window: a view on the embedded web engine that answers the
// program's browser questions (WebBrowser) and hands every navigation of its page and of the page's
// frames to one before-navigate handler.
#pragma once

#include "platform/browser/WebBrowser.h"

#include <QDeadlineTimer>
#include <QList>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <optional>

namespace tova {

class BrowserPage;

class WebEngineBrowser final : public QWebEngineView, public WebBrowser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebEngineBrowser)
public:
    // How long a script call may take before it counts as failed.
    static constexpr int kScriptWaitMs = 10000;

    explicit WebEngineBrowser(const QString& name, QWidget* parent = nullptr);
    ~WebEngineBrowser() override;

    QString Name() const override { return m_name; }
    void Navigate2(const QString& url, const QString& targetFrame = QString()) override;
    bool Busy() const override;
    int ReadyState() const override;
    bool IsFrameComplete(const QString& frameName) const override;
    QString LocationName() const override;
    QString LocationURL() const override;
    bool ExecScript(const QString& script, const QString& frameName = QString()) override;

protected:
    // A closed window's clicks are dropped: nobody can click a page that is not on the screen, so a
    // click still waiting (or handed over late by the page) belongs to a showing that is over.
    void hideEvent(QHideEvent* event) override;

private:
    bool onNavigationRequest(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
    void onLinkClicked(const QString& href, const QString& token);
    // Hands the waiting clicks to the handler one after another.
    void followClicks();
    // Hands a clicked link to the handler and, unless it cancels, follows it in the window whose
    // document carries the token.
    void followClick(const QString& href, const QString& token);
    void loadTop(const QUrl& url);
    // Runs a script in the top window and waits for its value, at most timeoutMs; nothing when
    // the wait ran out.
    std::optional<QVariant> evaluate(const QString& script, int timeoutMs = kScriptWaitMs) const;
    QUrl resolve(const QString& address) const;

    // A navigation that was already handed to the handler and is now carried out: when the engine
    // asks about it, it goes on without asking the handler again.
    struct Pass {
        QString address;
        QDeadlineTimer expiry;
    };
    void allowOnce(const QUrl& url);
    bool takePass(const QUrl& url);

    QString m_name;
    BrowserPage* m_page;
    QList<Pass> m_passes;
    // Link clicks not yet handed to the handler, oldest first, and whether they are being handed.
    struct Click {
        QString href;
        QString token;
    };
    QList<Click> m_clicks;
    bool m_followingClicks = false;
    // A top-level load was asked for or started and has not finished.
    bool m_loading = false;
};

// An address as the before-navigate handler and LocationURL give it: absolute and fully encoded.
QString addressText(const QUrl& url);

} // namespace tova
