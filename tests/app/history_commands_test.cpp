// The Edit menu steps through the session, File > Save Steps writes it out, and the
// journal beside the settings brings unsaved work back at the next start.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/history_dialog.h"
#include "document/journal_replay.h"
#include "document/session_journal.h"
#include "editor_session.h"

namespace {

std::vector<uint32_t> Pixels(const HeightField& field) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < field.height(); ++y) {
        pixels.insert(pixels.end(), field.working().RowPixels(y), field.working().RowPixels(y) + field.width());
    }
    return pixels;
}

class HistoryCommands : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", editor.Folder().c_str(), 1);
        editor.CopyDemo();
        ASSERT_EQ(editor.Start({"--seed", "3"}), 0);
        editor.Pump();
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    FieldDocument& Document() { return editor.Window().Document(); }
    // An operation as a click with a dialog open runs it.
    void Run(Operation operation, const char* value, int area = kAreaWhole) {
        ASSERT_TRUE(Document().Run(operation, {.area = area, .valueText = value, .seed = 3}).ran);
        editor.Window().SetUndoKeep(1);
        editor.Pump();
    }
    void Key(int key, int modifiers) {
        editor.platform.QueueKey(key, modifiers);
        editor.Pump();
    }
    std::string Journal() const { return editor.Path("Knollwork.journal"); }

    EditorSession editor;
};

}  // namespace

// Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and the menu: the field, the Select toggle and Undo follow
// each state; the view keeps its scale; a new step drops the steps ahead.
TEST_F(HistoryCommands, StepBackAndForwardByKeysAndMenu) {
    editor.Command(cmdZoomIn);
    const std::vector<uint32_t> opened = Pixels(Document().field());
    Run(Operation::Inc, "40");
    const std::vector<uint32_t> raised = Pixels(Document().field());
    editor.Command(cmdSelect);
    Document().selection().AddClickedVertex(10, 10, 400, 400);
    Document().selection().AddClickedVertex(200, 20, 400, 400);
    Document().selection().AddClickedVertex(100, 200, 400, 400);
    ASSERT_TRUE(Document().CloseSelection());
    Run(Operation::Inverse, "", kAreaInside);
    const std::vector<uint32_t> inverted = Pixels(Document().field());
    const int level = editor.Window().Canvas().Scale().level();

    Key('z', vModControl);
    EXPECT_TRUE(Pixels(Document().field()) == raised);
    EXPECT_TRUE(editor.IsToggledOn(cmdSelect)) << "the polygon is still chosen";
    EXPECT_EQ(editor.StatusText(cmdMessageField), "Stepped back");
    editor.Command(cmdStepBack);
    editor.Command(cmdStepBack);
    EXPECT_FALSE(editor.IsToggledOn(cmdSelect));
    EXPECT_TRUE(editor.IsSensitive(cmdUndo)) << "the raise is not committed here";
    editor.Command(cmdStepBack);
    EXPECT_TRUE(Pixels(Document().field()) == opened);
    EXPECT_EQ(editor.Window().Name(), editor.Path("Intro.tga")) << "back where it was opened: no change";
    EXPECT_FALSE(editor.IsSensitive(cmdUndo));

    Key('y', vModControl);
    EXPECT_TRUE(Pixels(Document().field()) == raised);
    Key('z', vModControl | vModShift);
    editor.Command(cmdStepForward);
    editor.Command(cmdStepForward);
    EXPECT_TRUE(Pixels(Document().field()) == inverted);
    editor.Command(cmdStepForward);
    EXPECT_EQ(editor.StatusText(cmdMessageField), "No step forward");
    EXPECT_EQ(editor.Window().Canvas().Scale().level(), level);

    editor.Command(cmdStepBack);
    Run(Operation::Dec, "5");
    EXPECT_EQ(Document().history()->size(), Document().history()->position());
}

TEST_F(HistoryCommands, TheHistoryListGoesToTheStepChosenAndSaysHowFarBackItReaches) {
    Run(Operation::Inc, "40");
    editor.Command(cmdKeep);
    Run(Operation::Dec, "15");
    const std::vector<std::string> lines = KnollHistoryDialog::Lines(*Document().history(), "Opened Intro.tga");
    EXPECT_EQ(lines, (std::vector<std::string>{"Opened Intro.tga", "1  --area whole --inc 40", "2  --keep",
                                               "3  --area whole --dec 15"}));
    vModalAnswer pick;
    pick.id = KnollHistoryDialog::kStepsListId;
    pick.value = 1;
    editor.platform.ScriptAnswer(vModalRequest::Kind::Dialog, pick);
    editor.Command(cmdHistory);
    EXPECT_EQ(Document().history()->position(), 1);
    EXPECT_EQ(KnollHistoryDialog::Lines(*Document().history(), "x").back(), "3  --area whole --dec 15  (stepped back over)");
    EXPECT_EQ(KnollHistoryDialog::ReachText(*Document().history()), "Reaches back to the start: every step can be gone back to.");
}

TEST_F(HistoryCommands, SaveStepsWritesTheStepsSinceTheOpenForTheBatchTool) {
    Run(Operation::Rough, "30");
    Run(Operation::Inc, "9");
    editor.AnswerSave(editor.Path("session.txt"));
    editor.Command(cmdSaveSteps);
    const std::vector<std::string> lines = ReadLines(editor.Path("session.txt"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "# Repeat them with: knollwork-cli --open " + editor.Path("Intro.tga") +
                            " --steps THIS_FILE --save OUT")
        << "Std.pal holds the batch tool's own palette";
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()),
              (std::vector<std::string>{"--seed 3", "--area whole", "--rough middle:30", "--inc 9"}));
}

namespace {

// A journal left as a session in the editor leaves one, in the folder an editor will
// start in, and the field that session ended with.
struct LeftJournal {
    std::string text;
    std::vector<uint32_t> pixels;
};

LeftJournal LeaveJournal(EditorSession& editor) {
    FieldDocument document;
    document.KeepHistory({});
    SessionJournal journal(editor.Path("Knollwork.journal"));
    document.SetStepLog(&journal);
    EXPECT_TRUE(document.Load(editor.Path("Intro.tga")).loaded);
    document.Run(Operation::Rough, {.valueText = "30", .seed = 3});
    document.BeginSelection();
    for (vPoint p : {vPoint{10, 10}, vPoint{300, 40}, vPoint{100, 300}}) document.selection().AddClickedVertex(p.x, p.y, 400, 400);
    document.CloseSelection();
    document.Run(Operation::Smooth, {.area = kAreaOutside});
    document.StepBack();
    document.Run(Operation::Rain, {.area = kAreaInside, .valueText = "60", .seed = 5});
    journal.Leave();
    return {ReadFileText(journal.path()), Pixels(document.field())};
}

// An editor started in a folder with a journal, the recovery question answered.
void StartAfterCrash(EditorSession& editor, const std::string& journal, int answer) {
    std::ofstream(editor.Path("Knollwork.journal"), std::ios::binary) << journal;
    editor.AnswerQuestion(answer);
    ASSERT_EQ(editor.Start(), 0);
    editor.Pump();
}

}  // namespace

// Yes makes the session again to the byte and goes on with its journal; No drops it;
// a journal that cannot be used is kept aside with a notice; one of a file changed
// since is offered as a file of steps.
TEST(Recovery, AtTheNextStartYesNoDamagedOrChanged) {
    {
        EditorSession editor;
        editor.CopyDemo();
        const LeftJournal left = LeaveJournal(editor);
        StartAfterCrash(editor, left.text, vQuestionDialog::kYesId);
        FieldDocument& document = editor.Window().Document();
        EXPECT_TRUE(Pixels(document.field()) == left.pixels);
        EXPECT_EQ(document.selection().state(), FieldSelection::kChosen);
        EXPECT_EQ(editor.Window().Name(), "* " + editor.Path("Intro.tga"));
        EXPECT_TRUE(editor.IsSensitive(cmdUndo)) << "the rain since the commit can be undone";
        ASSERT_TRUE(document.Run(Operation::Inverse, {}).ran);
        EXPECT_EQ(ReadJournal(editor.Path("Knollwork.journal")).Done().back().text.Name(), "--area whole --inverse")
            << "the journal goes on";
    }
    {
        EditorSession editor;
        editor.CopyDemo();
        StartAfterCrash(editor, LeaveJournal(editor).text, vQuestionDialog::kNoId);
        EXPECT_EQ(editor.Window().Document().history()->size(), 0);
        EXPECT_EQ(editor.Window().Name(), editor.Path("Intro.tga"));
    }
    {
        EditorSession editor;
        editor.CopyDemo();
        const std::string text = LeaveJournal(editor).text;
        StartAfterCrash(editor, text.substr(0, text.size() - 5), vQuestionDialog::kYesId);
        ASSERT_FALSE(editor.Notices().empty());
        EXPECT_NE(editor.Notices().back().find("it is cut short"), std::string::npos);
        EXPECT_EQ(ReadFileText(editor.Path("Knollwork.journal.damaged")), text.substr(0, text.size() - 5));
        EXPECT_EQ(editor.Window().Document().history()->size(), 0);
    }
    {
        EditorSession editor;
        editor.CopyDemo();
        const std::string text = LeaveJournal(editor).text;
        std::ofstream(editor.Path("Intro.tga"), std::ios::app) << "x";
        editor.AnswerSave(editor.Path("rescued.txt"));
        StartAfterCrash(editor, text, vQuestionDialog::kYesId);
        const std::vector<std::string> rescued = ReadLines(editor.Path("rescued.txt"));
        ASSERT_GE(rescued.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(rescued.end() - 4, rescued.end()),
                  (std::vector<std::string>{"--select 10,10 300,40 100,300", "--seed 5", "--area inside", "--erode rain:60"}));
        EXPECT_EQ(editor.Window().Document().history()->size(), 0);
    }
}

// A signal with work unsaved leaves the journal; with nothing unsaved it leaves none.
TEST(Recovery, OnlyASignalWithWorkUnsavedLeavesTheJournal) {
    for (bool edited : {true, false}) {
        EditorSession editor;
        editor.CopyDemo();
        ASSERT_EQ(editor.Start(), 0);
        editor.Pump();
        EXPECT_TRUE(std::filesystem::exists(editor.Path("Knollwork.journal"))) << "kept from the start";
        if (edited) {
            ASSERT_TRUE(editor.Window().Document().Run(Operation::Inc, {.valueText = "40"}).ran);
        }
        vPlatformEvent terminate;
        terminate.kind = vEventKind::Terminate;
        editor.platform.QueueEvent(terminate);
        editor.Pump();
        EXPECT_EQ(std::filesystem::exists(editor.Path("Knollwork.journal")), edited);
    }
}
