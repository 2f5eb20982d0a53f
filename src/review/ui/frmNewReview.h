// The new review dialog: the phase and date of a review to add to the open project.
#pragma once

#include "platform/ui/SingleInstance.h"

#include <QDialog>

#include <optional>

namespace tova {
class WebEngineBrowser;
namespace review {
class Clock;
class ReviewDateBox;
} // namespace review
} // namespace tova

class frmNewReview final : public QDialog, public tova::SingleInstance<frmNewReview> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNewReview)

public:
    // Opened by the main window's command: closing without a phase simply closes.
    void AddReview();
    // Opened right after a project was created, or to create a review that must replace a lost
    // current one: closing without a phase asks whether to stop creating the project.
    void ShowDirect();

    // Where "now" comes from (tests fix it); the system clock by default.
    void setClock(const tova::review::Clock* clock);

    tova::WebEngineBrowser& browser() { return *WebBrowser1; }
    tova::review::ReviewDateBox& dateControl() { return *tdbRevDate; }

protected:
    // Every way of closing (close box, Escape, a "CLS" link) comes here.
    void reject() override;

private:
    friend class tova::SingleInstance<frmNewReview>;
    explicit frmNewReview(QWidget* parent = nullptr);

    void showDialog(bool openedThroughAddReview);
    void Form_Load();
    bool Form_QueryUnload();
    bool WebBrowser1_BeforeNavigate2(const QString& url);
    // Tells that the typed date could not be read and which date the box shows instead.
    void tellDateUnread(const QString& typed, const QString& shown);
    // Adds the review of a submitted phase and shows it; false when the project refused it.
    bool createSubmittedReview(qint16 phaseId);

    tova::review::ReviewDateBox* tdbRevDate = nullptr;
    tova::WebEngineBrowser* WebBrowser1 = nullptr;
    const tova::review::Clock* m_clock = nullptr;
    bool m_submitted = false;
    bool m_openedThroughAddReview = false;
    std::optional<qint16> m_pendingPhase;
};
