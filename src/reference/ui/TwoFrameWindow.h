// What the definitions and acronym windows share: a browser showing a two-frame page (index in
// frame "side", entry in frame "main"), a Find button with its find bar below it, the resize rule,
// and the hand-over of links the window does not handle to the main window.
#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace tova {
class WebEngineBrowser;
}

namespace tova::reference {

class FindBar;

class TwoFrameWindow : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TwoFrameWindow)

public:
    WebEngineBrowser& browser() { return *WebBrowser1; }
    FindBar& findBar() { return *m_findBar; }
    QPushButton& findButton() { return *cmdFind; }

    // Puts the focus on the index and opens the find bar over it. Failures on the way are ignored.
    void cmdFind_Click();

protected:
    TwoFrameWindow(const QString& caption, const QString& browserName, int clientWidthTwips, int clientHeightTwips);
    ~TwoFrameWindow() override;

    void resizeEvent(QResizeEvent* event) override;

    // Runs action on a later turn of the event loop, while the window is still shown. Handlers of
    // navigations that a frame starts by itself run inside the engine's own call, where no page may
    // be waited for; every action that loads a page or closes the window goes through here.
    void later(std::function<void()> action);
    // Returns once the entry page just sent is up (with framesShown, in frame "main"). Nothing that
    // follows needs it, so a page that never comes is left to the browser after the bound.
    void awaitEntryPage(bool framesShown);
    // The main window's page command handler decides; without a main window the navigation goes on.
    static bool passOn(const QString& url);

    WebEngineBrowser* WebBrowser1 = nullptr;

private:
    void Form_Resize();

    QWidget* m_bottomRow = nullptr;
    QPushButton* cmdFind = nullptr;
    FindBar* m_findBar = nullptr;
};

} // namespace tova::reference
