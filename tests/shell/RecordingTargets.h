// Fakes for the page command tests: the main window's screen operations and the windows of the
// registry, each recording its calls as text ("GoToScoreCard(2)").
#pragma once

#include "shell/PageCommandTarget.h"
#include "shell/WindowRegistry.h"

#include <QStringList>

namespace tova::test {

class RecordingTarget final : public PageCommandTarget {
public:
    void GoToFishbone() override { calls << QStringLiteral("GoToFishbone"); }
    void GoToTileChart() override { calls << QStringLiteral("GoToTileChart"); }
    void GoToDashboard1() override { calls << QStringLiteral("GoToDashboard1"); }
    void GoToDashboard2() override { calls << QStringLiteral("GoToDashboard2"); }
    void GoToScoreCard(qint16 id) override { calls << QStringLiteral("GoToScoreCard(%1)").arg(id); }
    void GoToProjectTrendGraph() override { calls << QStringLiteral("GoToProjectTrendGraph"); }
    void GoToProjectTrendDetail() override { calls << QStringLiteral("GoToProjectTrendDetail"); }
    void GotoDashboardElement(qint16 id) override { calls << QStringLiteral("GotoDashboardElement(%1)").arg(id); }
    void gotoGlossary(const QString& key) override { calls << QStringLiteral("gotoGlossary(%1)").arg(key); }
    void showHelp(const QString& name) override { calls << QStringLiteral("showHelp(%1)").arg(name); }
    void CallPrinter(bool preview) override { calls << QStringLiteral("CallPrinter(%1)").arg(preview); }
    void mnuCopyScreen_Click() override { calls << QStringLiteral("mnuCopyScreen_Click"); }
    void ShowMainWindow() override { calls << QStringLiteral("ShowMainWindow"); }
    void OpenPDF(const QString& url) override { calls << QStringLiteral("OpenPDF(%1)").arg(url); }

    QStringList calls;
};

class RecordingSurvey final : public SurveyWindowOps {
public:
    void LoadBottom() override { calls << QStringLiteral("LoadBottom"); }
    void LoadTree(bool navigate) override { calls << QStringLiteral("LoadTree(%1)").arg(navigate); }
    void LoadQuestions(qint16 category, qint16 phase, bool refresh) override {
        calls << QStringLiteral("LoadQuestions(%1,%2,%3)").arg(category).arg(phase).arg(refresh);
    }
    void LoadCheckBoxes() override { calls << QStringLiteral("LoadCheckBoxes"); }
    void HighlightTreeNode(const QString& key) override { calls << QStringLiteral("HighlightTreeNode(%1)").arg(key); }
    void ShowModal() override { calls << QStringLiteral("ShowModal"); }

    QStringList calls;
};

class RecordingDialogs final : public ReviewDialogOps {
public:
    void NewLoadDoModal(qint16 tab) override { calls << QStringLiteral("NewLoadDoModal(%1)").arg(tab); }
    void ViewDetails() override { calls << QStringLiteral("ViewDetails"); }
    void AddReview() override { calls << QStringLiteral("AddReview"); }
    void AskLoadReview(bool required) override { calls << QStringLiteral("AskLoadReview(%1)").arg(required); }
    void ShowDeleteReview() override { calls << QStringLiteral("ShowDeleteReview"); }

    QStringList calls;
};

// Installs the fakes in the window registry for one test and takes them out again.
class RegistryScope {
public:
    RegistryScope(SurveyWindowOps* survey, ReviewDialogOps* dialogs) {
        windowRegistry().survey = survey;
        windowRegistry().reviewDialogs = dialogs;
    }
    ~RegistryScope() {
        windowRegistry().survey = nullptr;
        windowRegistry().reviewDialogs = nullptr;
    }
    RegistryScope(const RegistryScope&) = delete;
    RegistryScope& operator=(const RegistryScope&) = delete;
};

} // namespace tova::test
