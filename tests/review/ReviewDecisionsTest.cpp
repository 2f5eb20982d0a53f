// The dialogs' decisions on the open project, answered through the scripted message box: deleting
// a review, the stop question of the new review dialog and the required choice of a review.
#include "review/NewReviewRules.h"
#include "review/ReviewList.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::review;

namespace {

class ReviewDecisions : public ::testing::Test {
protected:
    void SetUp() override {
        Globals::ResetProjectState();
        Globals::CreateProject(QStringLiteral("R-1"), QStringLiteral("Bridge"), QString(), QString(), QString(),
                               QString());
        ASSERT_TRUE(Globals::CreateReview(QStringLiteral("May 06, 2003"), 1));
        ASSERT_TRUE(Globals::CreateReview(QStringLiteral("Jun 07, 2004"), 2));
        ASSERT_TRUE(Globals::CreateReview(QStringLiteral("Jul 08, 2005"), 3));
        Globals::SetCurrentReview(2);
    }
    void TearDown() override { Globals::ResetProjectState(); }

    QStringList reviewIds() const {
        QStringList ids;
        for (const Xml::XmlNode& review : Globals::GetReviews())
            ids << review.attribute(QStringLiteral("id"));
        return ids;
    }

    // Runs the deletion of a row with recording steps; the required choice picks `choose` (0: none).
    void deleteRow(const QString& key, MsgAnswer answer, qint16 choose = 1) {
        env.messages.queue(answer);
        DeleteReviewSteps steps;
        steps.hide = [this] { events << QStringLiteral("hide"); };
        steps.askLoadReviewRequired = [this, choose] {
            events << QStringLiteral("choose");
            if (choose > 0)
                Globals::SetCurrentReview(choose);
        };
        steps.save = [this] { events << QStringLiteral("save:") + reviewIds().join(QLatin1Char(',')); };
        deleteReviewOfRow(key, steps);
    }

    test::TestEnvironment env;
    QStringList events;
};

} // namespace

// Deleting a row: Yes removes the review and saves before and after the window closes (with a new
// required choice between them when the current review went); No, or a row naming no review,
// removes nothing and saves once.
TEST_F(ReviewDecisions, DeletingARowRemovesOnlyWhatYesConfirmsAndSavesAroundIt) {
    struct Case {
        const char* row;
        MsgAnswer answer;
        qint16 choose;
        QStringList ids;
        QStringList events;
        qint16 current;
    };
    const Case cases[] = {
        {"review3", MsgAnswer::Yes, 1, {"1", "2"}, {"save:1,2", "hide", "save:1,2"}, 2},
        {"review2", MsgAnswer::Yes, 3, {"1", "3"}, {"save:1,3", "hide", "choose", "save:1,3"}, 3},
        {"review2", MsgAnswer::No, 2, {"1", "2", "3"}, {"hide", "choose", "save:1,2,3"}, 2},
        {"review1", MsgAnswer::No, 1, {"1", "2", "3"}, {"hide", "save:1,2,3"}, 2},
        {"review9", MsgAnswer::Yes, 1, {"1", "2", "3"}, {"hide", "save:1,2,3"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.row) + (c.answer == MsgAnswer::Yes ? " Yes" : " No"));
        SetUp();
        env.messages.clear();
        events.clear();
        Globals::gProjectSaved = true;
        deleteRow(QString::fromLatin1(c.row), c.answer, c.choose);
        ASSERT_EQ(env.messages.asked().size(), 1);
        const test::AskedMessage& question = env.messages.asked().first();
        EXPECT_EQ(question.text, QStringLiteral("Are you sure you want to delete this review?"));
        EXPECT_EQ(question.buttons, MsgButtons::YesNo);
        EXPECT_EQ(question.icon, MsgIcon::None);
        EXPECT_EQ(question.title, QStringLiteral("Delete Review?"));
        EXPECT_EQ(reviewIds(), c.ids);
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(Globals::GetCurrentReviewID(), c.current);
        EXPECT_TRUE(
            Globals::GetProjectXML().contains(QStringLiteral("<currentreview>%1</currentreview>").arg(c.current)));
        // The saves here only record; a removal itself is an unsaved change.
        if (c.ids.size() < 3)
            EXPECT_FALSE(Globals::gProjectSaved);
    }
}

TEST_F(ReviewDecisions, ClosingTheProjectDuringTheRequiredChoiceSkipsTheSecondSave) {
    env.messages.queue(MsgAnswer::Yes);
    DeleteReviewSteps steps;
    int saves = 0;
    steps.save = [&] { ++saves; };
    steps.askLoadReviewRequired = [] { Globals::ResetProjectState(); };
    deleteReviewOfRow(QStringLiteral("review2"), steps);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(Globals::IsProjectLoaded());
}

TEST_F(ReviewDecisions, StopQuestionOnlyWithoutSubmissionAndOutsideAddReview) {
    EXPECT_TRUE(newReviewMayClose(true, false));
    EXPECT_TRUE(newReviewMayClose(false, true));
    EXPECT_TRUE(env.messages.asked().isEmpty());

    env.messages.queue(MsgAnswer::No);
    EXPECT_FALSE(newReviewMayClose(false, false));
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_EQ(env.messages.asked().first().text, QStringLiteral("Stop creating new project?"));
    EXPECT_EQ(env.messages.asked().first().buttons, MsgButtons::YesNo);
    EXPECT_EQ(env.messages.asked().first().icon, MsgIcon::Exclamation);
    EXPECT_EQ(env.messages.asked().first().title, QStringLiteral("Quit New Project..."));
    EXPECT_TRUE(Globals::IsProjectLoaded());

    // Yes closes the project through the close command, which offers to save first.
    env.messages.clear();
    env.messages.queue(MsgAnswer::Yes);
    env.messages.queue(MsgAnswer::No);
    EXPECT_TRUE(newReviewMayClose(false, false));
    EXPECT_FALSE(Globals::IsProjectLoaded());
    EXPECT_EQ(env.messages.texts(), QStringList({QStringLiteral("Stop creating new project?"),
                                                 QStringLiteral("Save Project before closing?")}));
}

TEST_F(ReviewDecisions, RequiredChoiceRefusesTheCloseBoxWithAMessage) {
    EXPECT_TRUE(loadReviewMayClose(false));
    EXPECT_TRUE(env.messages.asked().isEmpty());
    EXPECT_FALSE(loadReviewMayClose(true));
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_EQ(env.messages.asked().first().text, QStringLiteral("A review must be selected in order to continue."));
    EXPECT_EQ(env.messages.asked().first().icon, MsgIcon::Exclamation);
    EXPECT_EQ(env.messages.asked().first().title, QStringLiteral("Review selection required..."));
}

TEST_F(ReviewDecisions, ReviewRowsShowPhaseAndDateUnderTheirIdKeys) {
    const QList<ReviewRow> rows = reviewRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].key, QStringLiteral("review1"));
    EXPECT_EQ(rows[2].date, QStringLiteral("Jul 08, 2005"));
    EXPECT_FALSE(rows[1].phase.isEmpty());
    EXPECT_EQ(reviewIdFromKey(QStringLiteral("review12")), std::optional<qint16>(12));
    EXPECT_FALSE(reviewIdFromKey(QStringLiteral("New")));
}
