// The questionnaire window: the current review's questions of one category at a time, a category
// tree with completion marks, and a bottom bar, all as pages generated from the questionnaire.
#pragma once

#include "shell/WindowRegistry.h"

#include "platform/ui/SingleInstance.h"
#include "store/Reviews.h"

#include <QDialog>

#include <optional>

namespace tova {
class WebBrowser;
class WebEngineBrowser;
} // namespace tova

class frmSurvey final : public QDialog, public tova::SingleInstance<frmSurvey>, public tova::SurveyWindowOps {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSurvey)

public:
    void LoadQuestions(qint16 categoryId, qint16 phaseId, bool refresh) override;
    void LoadTree(bool navigate) override;
    static qint32 getCat(const QString& url);
    void HighlightTreeNode(const QString& key) override;
    void LoadBottom() override;
    void LoadCheckBoxes() override;
    void ShowModal() override;

    tova::WebBrowser& browser();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Every way of closing (close box, Escape, a "#Back" link) comes here.
    void reject() override;

private:
    friend class tova::SingleInstance<frmSurvey>;
    explicit frmSurvey(QWidget* parent = nullptr);

    bool WebBrowser2_BeforeNavigate2(const QString& url);
    void Form_Resize();
    void Form_QueryUnload();
    // Moves to another category: the answers on display are stored first.
    void changeCategory(qint16 categoryId);
    // Opens the definitions window on the entry a definition link names.
    void openDefinition(const QString& url);
    // Waits (bounded) for the tree frame of the frameset on display; false when it did not come.
    bool treeArrived();
    // Submits the question form and waits (bounded) until its submission has stored the answers.
    // False when the page has a form whose submission did not arrive in time.
    bool storeAnswersOnDisplay();

    tova::WebEngineBrowser* WebBrowser2 = nullptr;
    // The review this window was opened for: its submissions go there, even one that arrives after
    // the window closed and another review became current; never into another review.
    Globals::ReviewRef m_review;
    quint64 m_submissions = 0;
    bool m_closing = false;
    // The user chose to keep the window because the answers on display were not stored.
    bool m_stayOpen = false;
    bool m_changingCategory = false;
    // The category to show next, clicked while another was being shown.
    std::optional<qint16> m_nextCategory;
    // Counts the window's showings: a category link taken in one showing never acts in a later one.
    quint64 m_showing = 0;
};
