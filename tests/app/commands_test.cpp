#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/help_file.h"
#include "app/help_text_view.h"
#include "framework/look/text_width.h"
#include "editor_session.h"

namespace {

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        editor.CopyDemo();
        ASSERT_EQ(editor.Start(), 0);
        editor.Pump();
    }
    EditorSession editor;
};

// The ids a menu sends, its submenus' included and the items that open them left out.
void CollectMenuCommands(const MenuItem* item, std::vector<int>& ids) {
    for (; item->label; ++item) {
        if (item->submenu) {
            CollectMenuCommands(item->submenu, ids);
        } else if (item->id != vMenuSeparatorId) {
            ids.push_back(item->id);
        }
    }
}

}  // namespace

TEST(CommandTables, IdsAreUniqueEveryCommandIsHandledAndEveryOperationHasOneRecord) {
    std::vector<int> ids;
    CollectMenuCommands(kKnollMenuBar, ids);
    for (const CommandObject* control = kKnollCommandBar; control->type != ctEnd; ++control) {
        if (control->type != ctSpacer) ids.push_back(control->id);
    }
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
    for (int id : ids) EXPECT_TRUE(KnollCmdWindow::HandlesCommand(id)) << "command " << id;

    EXPECT_EQ(FindOperation(Operation::None), nullptr);
    std::set<Operation> recorded;
    for (const OperationRecord& record : Operations()) {
        EXPECT_TRUE(recorded.insert(record.operation).second) << record.statusWord;
        EXPECT_NE(record.run, nullptr) << record.statusWord;
        EXPECT_EQ(FindOperation(record.operation), &record);
    }
    // Every operation after None up to the last one, Fill.
    EXPECT_EQ(recorded.size(), size_t(Operation::Fill));
}

TEST_F(Commands, UndoAndKeepSensitivityAfterEachCommand) {
    struct Case {
        int id;
        bool staysSensitive;
    };
    // Commands that commit make both insensitive; the rest leave them as they were.
    const Case cases[] = {
        {cmdUndo, false},       {cmdKeep, false},        {cmdExpand, false},      {cmdShrink, false},
        {cmdOpen, false},       {cmdToPpm, true},        {cmdToTga, true},        {cmdLegendLeft, true},
        {cmdLegendDown, true},  {cmdRough, true},        {cmdSmooth, true},       {cmdWacks, true},
        {cmdTiles, true},       {cmdSave, true},         {cmdAbout, true},        {cmdHelpContents, true},
    };
    // The zooms before it leave Open a changed field to ask about.
    editor.AnswerQuestion(vQuestionDialog::kNoBesideCancelId);
    for (const Case& each : cases) {
        editor.Window().SetUndoKeep(1);
        editor.Command(each.id);
        EXPECT_EQ(editor.IsSensitive(cmdUndo), each.staysSensitive) << "command " << each.id;
        EXPECT_EQ(editor.IsSensitive(cmdKeep), each.staysSensitive) << "command " << each.id;
    }
    // Select on leaves them; Select off takes them away.
    editor.Window().SetUndoKeep(1);
    editor.Command(cmdSelect);
    EXPECT_TRUE(editor.IsSensitive(cmdUndo));
    editor.Command(cmdSelect);
    EXPECT_FALSE(editor.IsSensitive(cmdUndo));
    EXPECT_FALSE(editor.IsToggledOn(cmdSelect));
}

TEST_F(Commands, ACanvasReleaseMakesUndoKeepSensitiveAndUndoRestoresTheCommit) {
    HeightField& field = editor.Window().Document().field();
    uint32_t before = field.working().ReadPixel(10, 10);
    vRect area = editor.Window().Canvas().Bounds();
    editor.platform.QueueClick(area.x + 10, area.y + 10);
    editor.Pump();
    EXPECT_TRUE(editor.IsSensitive(cmdUndo));
    EXPECT_TRUE(editor.IsSensitive(cmdKeep));

    field.working().MutableRowPixels(10)[10] = 0x123456;
    editor.Command(cmdUndo);
    EXPECT_EQ(field.working().ReadPixel(10, 10), before);
    EXPECT_FALSE(editor.IsSensitive(cmdUndo));
}

TEST_F(Commands, EachOperationButtonShowsItsOwnDialogAloneAndNamesIt) {
    std::set<DialogKind> kinds;
    for (const OperationButton& button : kOperationButtons) {
        EXPECT_TRUE(kinds.insert(button.dialogKind).second) << button.words;
        editor.Command(button.commandId);
        for (const OperationButton& other : kOperationButtons) {
            bool pressed = other.commandId == button.commandId;
            EXPECT_EQ(editor.IsToggledOn(other.commandId), pressed) << other.words;
            EXPECT_EQ(editor.Window().OperationDialogs().IsShown(other.dialogKind), pressed) << other.words;
        }
        EXPECT_EQ(editor.StatusText(cmdMessageField), button.words);
    }
}

TEST_F(Commands, ReadOutAndConvertItems) {
    editor.Window().ShowPosition(12, 345, 67);
    EXPECT_EQ(editor.StatusText(cmdPositionField), " X,Y Location: 12,345 ");
    EXPECT_GE(kKnollStatusBar[0].width, vDialogTextWidth(" X,Y Location: 65535,65535 ") + 4);
    EXPECT_EQ(editor.StatusText(cmdHeightField), "height:67");

    editor.Command(cmdToPpm);
    EXPECT_TRUE(editor.IsMenuSensitive(cmdToTga));
    EXPECT_FALSE(editor.IsMenuSensitive(cmdToPpm));
    EXPECT_EQ(editor.Window().Document().field().kind(), kSixteenBitField);
    editor.Command(cmdToTga);
    EXPECT_FALSE(editor.IsMenuSensitive(cmdToTga));
    EXPECT_EQ(editor.Window().Document().fileKind(), kFileKindTga);
}

TEST_F(Commands, ArrowKeysMoveThePointerOneStep) {
    for (int key : {vKeyLeft, vKeyRight, vKeyUp, vKeyDown}) editor.Window().OnKey(key, 0);
    EXPECT_EQ(editor.platform.Warps(),
              (std::vector<std::pair<int, int>>{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}));
}

TEST(Legend, AViewTooSmallForTheLegendGivesTheNotice) {
    EditorSession editor(320, 240);
    editor.CopyDemo();
    editor.Start();
    size_t before = editor.NoticeCount();
    editor.Command(cmdLegendLeft);
    ASSERT_EQ(editor.NoticeCount(), before + 1);
    EXPECT_EQ(editor.Notices().back(), "Cann't do that\n Screen to small");
}

TEST(Help, ContentsShowsTheTopicAndAMissingFileGivesANotice) {
    EditorSession editor;
    editor.Start();
    editor.Command(cmdHelpContents);
    EXPECT_EQ(editor.Window().HelpWindow(), nullptr);
    EXPECT_NE(editor.Notices().back().find("Knollwork.hlp"), std::string::npos);

    editor.CopyDemo();
    editor.Command(cmdHelpContents);
    KnollHelpWindow* help = editor.Window().HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->IsShown());
    // Every command of the menus and the command bar is explained.
    for (const char* label : {"Open...", "Save", "Exit", "Palette", "Show Pal", "Covert to Tga", "Covert to PPM",
                              "Expand 2X", "Srink 2X", "Undo", "Keep", "Select", "Rough", "Smooth", "Wacks",
                              "Tiles", "Contents", "About"}) {
        EXPECT_NE(help->Text().find(label), std::string::npos) << label;
    }
}

TEST(Help, AFileWithCarriageReturnsReadsAsOneWithout) {
    EditorSession editor;
    std::ofstream(editor.Path("Knollwork.hlp")) << "# comment\r\n@topic 20 Contents\r\n\r\nOne\r\nTwo\r\n\r\n@topic 21 Next\r\n";
    HelpTopic topic;
    ASSERT_EQ(ReadHelpTopic(editor.Path("Knollwork.hlp").c_str(), 20, topic), HelpLookup::kFound);
    EXPECT_EQ(topic.title, "Contents");
    EXPECT_EQ(topic.text, "One\nTwo");
}

TEST_F(Commands, ViewScaleKeysAndTheirStatusField) {
    KnollCanvasPane& canvas = editor.Window().Canvas();
    EXPECT_EQ(editor.StatusText(cmdScaleField), "  1:1  ");
    const struct {
        int key;
        int shift;
        const char* shows;
    } strokes[] = {
        {'=', vModControl | vModShift, "  2:1  "},  // Ctrl+Plus typed with Shift
        {'+', vModControl, "  4:1  "},
        {'=', vModControl, "  8:1  "},
        {'-', vModControl, "  4:1  "},
        {'1', vModControl, "  1:1  "},
        {'-', vModControl, "  1:2  "},
    };
    for (const auto& stroke : strokes) {
        editor.platform.QueueKey(stroke.key, stroke.shift);
        editor.Pump();
        EXPECT_EQ(editor.StatusText(cmdScaleField), stroke.shows);
    }
    // The demo field fits the editor's view whole at 1:1.
    editor.platform.QueueKey('0', vModControl);
    editor.Pump();
    EXPECT_EQ(canvas.Scale().Label(), KnollViewScale::Fit(400, 400, canvas.PaneWidth(), canvas.PaneHeight()).Label());
    editor.Command(cmdZoomOut);
    editor.Command(cmdActualSize);
    EXPECT_TRUE(canvas.Scale().IsActualSize());
}

TEST(Help, AnyTopicFitsTheFrameAndScrollsByWheelBarAndKeys) {
    EditorSession editor;
    editor.Start();
    std::string topic;
    for (int i = 0; i < 3000; ++i) topic += "line " + std::to_string(i) + "\n";
    topic += std::string(12000, 'w') + "\n" + "last line\n";
    std::ofstream(editor.Path("Knollwork.hlp")) << "@topic 20 Long\n" << topic;
    editor.Command(cmdHelpContents);
    ASSERT_FALSE(editor.app.IsLoopEnded());
    KnollHelpWindow* help = editor.Window().HelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->IsShown());
    int left = 0, top = 0, width = 0, height = 0;
    help->QueryPlacement(left, top, width, height);
    vRect client = editor.app.Frame().ClientArea();
    EXPECT_LE(left + width, client.w);
    EXPECT_LE(top + height, client.h);

    HelpTextView& view = *help->TextView();
    EXPECT_TRUE(view.HasFocus());
    const std::vector<std::string>& lines = view.Lines();
    EXPECT_EQ(lines.back(), "last line");
    EXPECT_GT(lines.size(), 3000u + 12000 / 100);  // the long line wraps
    view.OnWheel(-2);
    EXPECT_EQ(view.TopRow(), 6);
    view.OnKeyDown(vKeyEnd, 0);
    EXPECT_EQ(view.TopRow() + view.Rows(), int(lines.size()));
    view.OnKeyDown(vKeyHome, 0);
    view.OnKeyDown(vKeyPageDown, 0);
    EXPECT_EQ(view.TopRow(), view.Rows());
    vRect box = view.PixelRect();
    view.OnPointerDown(box.x + box.w - 4, box.y + box.h - 30, 1);  // the bar below its thumb
    view.OnPointerUp(box.x + box.w - 4, box.y + box.h - 30);
    EXPECT_EQ(view.TopRow(), 2 * view.Rows());
}
