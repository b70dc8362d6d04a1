// The history steps back and forward through a session exactly, and its Undo, without
// a copy of the field, does what the undo image does.
#include <gtest/gtest.h>

#include <map>

#include "document/field_document.h"
#include "document_snapshot.h"
#include "scratch.h"
#include "session_actions.h"

// A polygon chosen after an edit takes two steps (the commit of Select, then the polygon):
// the states are compared at the position each action ended at.
TEST(History, StepsBackAndForwardThroughEverySortOfStepExactly) {
    ScratchDir folder;
    const std::vector<Action> session = Session(WritePalette(folder));
    for (int kind : {kEightBitField, kSixteenBitField}) {
        FieldDocument document;
        MakeTerrain(document, 160, 100, kind);
        document.KeepHistory({.images = 50});
        const FieldHistory& history = *document.history();
        std::map<int, DocumentSnapshot> states{{0, DocumentSnapshot::Of(document)}};
        for (const Action& action : session) {
            action(document);
            states[history.position()] = DocumentSnapshot::Of(document);
        }
        const int end = history.position();
        ASSERT_GT(end, int(session.size()));

        while (document.StepBack()) {
            auto state = states.find(history.position());
            if (state == states.end()) continue;
            EXPECT_EQ(DocumentSnapshot::Of(document).Difference(state->second), "")
                << "back over " << history.StepAt(history.position()).text.Name();
        }
        EXPECT_EQ(history.position(), 0) << "reach " << history.reach() << ", " << history.bytes() << " bytes";
        while (document.StepForward()) {
            auto state = states.find(history.position());
            if (state == states.end()) continue;
            EXPECT_EQ(DocumentSnapshot::Of(document).Difference(state->second), "")
                << "forward over " << history.StepAt(history.position() - 1).text.Name();
        }
        EXPECT_EQ(history.position(), end);
        const int middle = states.lower_bound(end / 2)->first;
        ASSERT_TRUE(document.GoTo(middle));
        EXPECT_EQ(DocumentSnapshot::Of(document).Difference(states[middle]), "");
    }
}

// The editor keeps no undo image; the batch tool does. Both give the same field after
// every step, Undo after a Keep and a zoom included.
TEST(History, UndoThroughTheHistoryEqualsUndoToTheUndoImage) {
    ScratchDir folder;
    const std::vector<Action> session = Session(WritePalette(folder));
    FieldDocument withHistory, withUndoImage;
    MakeTerrain(withHistory, 160, 100, kEightBitField);
    MakeTerrain(withUndoImage, 160, 100, kEightBitField);
    withHistory.KeepHistory({});
    std::vector<Action> actions = session;
    // Undo right after steps of every kind, and twice in a row.
    for (size_t at : {size_t(18), size_t(15), size_t(12), size_t(10), size_t(3), size_t(1)}) {
        actions.insert(actions.begin() + std::ptrdiff_t(at), [](FieldDocument& document) { ASSERT_TRUE(document.Undo()); });
    }
    actions.push_back([](FieldDocument& document) { ASSERT_TRUE(document.Undo()); });
    actions.push_back([](FieldDocument& document) { ASSERT_TRUE(document.Undo()); });
    for (size_t i = 0; i < actions.size(); ++i) {
        actions[i](withHistory);
        actions[i](withUndoImage);
        ASSERT_EQ(DocumentSnapshot::Of(withHistory).Difference(DocumentSnapshot::Of(withUndoImage)), "") << "after action " << i;
    }
}

TEST(History, ANewStepAfterSteppingBackDropsTheStepsAhead) {
    FieldDocument document;
    MakeTerrain(document, 64, 40, kSixteenBitField);
    document.KeepHistory({});
    for (const char* value : {"100", "200", "300"}) document.Run(Operation::Inc, Inputs(kAreaWhole, value));
    ASSERT_TRUE(document.StepBack());
    ASSERT_TRUE(document.StepBack());
    const DocumentSnapshot afterFirst = DocumentSnapshot::Of(document);
    document.Run(Operation::Dec, Inputs(kAreaWhole, "7"));
    const FieldHistory& history = *document.history();
    EXPECT_EQ(history.size(), 2);
    EXPECT_EQ(history.StepAt(1).text.Name(), "--area whole --dec 7");
    EXPECT_FALSE(document.StepForward());
    ASSERT_TRUE(document.StepBack());
    EXPECT_EQ(DocumentSnapshot::Of(document).Difference(afterFirst), "");
}

// An outline being drawn is no step: a step back drops it and goes no further.
TEST(History, AStepBackWhileOutliningDropsTheOutlineFirst) {
    FieldDocument document;
    MakeTerrain(document, 64, 40, kEightBitField);
    document.KeepHistory({});
    document.Run(Operation::Inverse, Inputs(kAreaWhole));
    const DocumentSnapshot inverted = DocumentSnapshot::Of(document);
    document.BeginSelection();
    document.selection().AddClickedVertex(5, 5, 64, 40);
    document.selection().AddClickedVertex(30, 5, 64, 40);
    const int position = document.history()->position();
    ASSERT_TRUE(document.StepBack());
    EXPECT_EQ(document.history()->position(), position);
    EXPECT_EQ(DocumentSnapshot::Of(document).Difference(inverted), "");
    EXPECT_EQ(document.history()->StepAt(position - 1).text.Name(), "--keep") << "Select committed the edit";
    ASSERT_TRUE(document.StepBack());
    EXPECT_EQ(document.history()->position(), position - 1);
}

// Old steps give their data up to the budget from commit to commit; the steps since the
// commit are kept whatever they cost, so Undo works at every position still reachable.
TEST(History, KeepsToItsBudgetWithoutLosingTheWayBackToTheCommit) {
    FieldDocument document;
    MakeTerrain(document, 200, 120, kSixteenBitField);
    document.KeepHistory({.images = 0.25});
    for (int round = 0; round < 6; ++round) {
        document.Run(Operation::Rough, Inputs(kAreaWhole, "500"));
        document.Run(Operation::Smooth, Inputs(kAreaWhole));
        document.Keep();
    }
    const DocumentSnapshot committed = DocumentSnapshot::Of(document);
    for (int round = 0; round < 4; ++round) document.Run(Operation::Rough, Inputs(kAreaWhole, "500"));
    const FieldHistory& history = *document.history();
    const size_t image = 200 * 120 * 4;
    EXPECT_GT(history.reach(), 0);
    EXPECT_TRUE(history.StepAt(history.reach() - 1).commits) << "the reach stops at a commit";
    EXPECT_LE(history.reach(), history.CommitPointAt(history.position()));
    EXPECT_GT(history.bytes(), image / 4) << "the steps since the commit outweigh the budget and stay";
    EXPECT_EQ(history.size(), 22) << "every step's text stays";

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DocumentSnapshot::Of(document).Difference(committed), "");
    document.Keep();
    EXPECT_LE(history.bytes(), image / 4);
    while (document.StepBack()) {
    }
    EXPECT_EQ(history.position(), history.reach());
}
