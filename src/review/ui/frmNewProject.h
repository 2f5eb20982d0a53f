// The project details dialog: the six header texts of a new project, or of the open one, typed
// into a page form.
#pragma once

#include "review/ProjectDetailsForm.h"

#include "platform/ui/SingleInstance.h"

#include <QDialog>

#include <optional>

namespace tova {
class WebEngineBrowser;
}

class frmNewProject final : public QDialog, public tova::SingleInstance<frmNewProject> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNewProject)

public:
    // The empty form for a new project; after a submission the first review is asked for.
    void NewProject();
    // The form filled with the open project's texts; a submission replaces them.
    void ViewDetails();

    static QString FormatGetString(const QString& value) { return tova::review::FormatGetString(value); }

    tova::WebEngineBrowser& browser() { return *WebBrowser1; }

private:
    friend class tova::SingleInstance<frmNewProject>;
    explicit frmNewProject(QWidget* parent = nullptr);

    bool WebBrowser1_BeforeNavigate2(const QString& url);
    void showAndHandle();
    // Sends the browser to the form page, marking the page on display as the one being replaced.
    void navigateToFormPage();

    tova::WebEngineBrowser* WebBrowser1 = nullptr;
    std::optional<tova::review::ProjectFields> m_submitted;
    // The stored texts the form was filled with, when it shows an open project's details.
    std::optional<tova::review::ProjectFields> m_filledWith;
};
