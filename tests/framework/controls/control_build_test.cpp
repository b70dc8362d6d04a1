#include <gtest/gtest.h>

#include <string>

#include "framework/controls/label_cmd.h"
#include "framework/platform/platform.h"
#include "recording_parent.h"

TEST(ControlBuild, UnknownTypesBecomeLabelsThatSayBadRecord) {
    constexpr CommandObject table[] = {{.type = 8, .id = 1, .title = "menu?"}, {.type = 99, .id = 2, .below = 1}, {}};
    RecordingParent parent;
    parent.Build(table);
    ASSERT_EQ(parent.Controls().size(), 2u);
    for (int id : {1, 2}) EXPECT_EQ(parent.FindControl(id)->Text(), "?? Bad CommandObject ??");
    EXPECT_NE(dynamic_cast<vLabelCmd*>(parent.FindControl(2)), nullptr);
}

TEST(ControlBuild, BoxedLabelsKeepAtMost79Characters) {
    static const std::string fits(79, 'a'), tooLong(80, 'b');
    const CommandObject table[] = {
        {.type = ctBoxedLabel, .id = 1, .title = fits.c_str()},
        {.type = ctBoxedLabel, .id = 2, .title = tooLong.c_str(), .rightOf = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.FindControl(1)->Text(), fits);
    EXPECT_EQ(parent.FindControl(2)->Text(), "????????");
    EXPECT_EQ(parent.FindControl(2)->Place().width, 8 * 4 + 4);  // sized to what it shows
    parent.PutText(1, tooLong.c_str());
    EXPECT_EQ(parent.FindControl(1)->Text(), "????????");
}

TEST(ControlBuild, AControlBeyondTheDescriptionFailsTheBuildOnce) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 1, .title = "ok"},
        {.type = ctTextIn, .id = 2, .title = "", .below = 1, .size = 9000},
        {.type = ctButton, .id = 3, .title = "never", .below = 2},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    EXPECT_TRUE(parent.BuildFailed());
    EXPECT_EQ(parent.failures, (std::vector<std::string>{"Can't build dialog template."}));
    EXPECT_EQ(parent.FindControl(3), nullptr);
}

TEST(ControlBuild, FocusGoesToTheEarliestDefaultOrTextEntry) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 1, .title = "a"},
        {.type = ctButton, .id = 2, .title = "b", .attributes = AttrDefault, .rightOf = 1},
        {.type = ctTextIn, .id = 3, .title = "", .below = 1},
        {.type = ctButton, .id = 4, .title = "c", .attributes = AttrDefault, .below = 3},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(2));
    EXPECT_EQ(parent.DefaultControl(), parent.FindControl(4));
    parent.ControlKeyDown(vKeyTab, 0);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(3));
    parent.ControlKeyDown(vKeyTab, 1);
    parent.ControlKeyDown(vKeyTab, 1);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(1));
    parent.ControlKeyDown(vKeyTab, 1);  // wraps round to the last
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(4));
}

TEST(ControlBuild, EnterEscapeAndMnemonicsClickTheirButtons) {
    constexpr CommandObject table[] = {
        {.type = ctTextIn, .id = 1, .title = ""},
        {.type = ctButton, .id = vOkId, .value = 5, .title = "OK", .attributes = AttrDefault, .below = 1},
        {.type = ctButton, .id = vCancelId, .title = "Cancel", .rightOf = vOkId, .below = 1},
        {.type = ctButton, .id = 7, .title = "&Apply", .rightOf = vCancelId, .below = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    parent.ControlKeyDown(vKeyReturn, 0);
    parent.ControlKeyDown(vKeyEscape, 0);
    parent.ControlKeyDown('a', vModAlt);
    using C = RecordingParent::Command;
    // The mnemonic moves the focus to its button, so the entry reports losing it first.
    EXPECT_EQ(parent.commands, (std::vector<C>{{vOkId, 5, ctButton}, {vCancelId, 0, ctButton},
                                               {1, vTextFocusLostValue, ctTextIn}, {7, 0, ctButton}}));
}

TEST(ControlBuild, FramesShowAndHideWhatTheyHold) {
    constexpr CommandObject table[] = {
        {.type = ctToggleFrame, .id = 1, .value = 1},
        {.type = ctButton, .id = 2, .title = "a", .frame = 1},
        {.type = ctFrame, .id = 3, .frame = 1, .below = 2},
        {.type = ctCheckBox, .id = 4, .title = "b", .frame = 3},
        {.type = ctButton, .id = 5, .title = "c", .below = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    parent.PutValue(1, 0, StateValue);
    for (int id : {1, 2, 3, 4}) EXPECT_TRUE(parent.FindControl(id)->IsHidden()) << id;
    EXPECT_FALSE(parent.FindControl(5)->IsHidden());
    EXPECT_EQ(parent.QueryValue(1), 0);
    parent.ShowFrameContents(1, 1);
    EXPECT_FALSE(parent.FindControl(4)->IsHidden());
    EXPECT_FALSE(parent.FindControl(1)->TakesInput());
}

TEST(ControlBuild, ALabelsMnemonicTakesTheKeyboardToTheControlAfterIt) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 1, .title = "Go", .attributes = AttrDefault},
        {.type = ctLabel, .id = 2, .title = "File &name:", .below = 1},
        {.type = ctTextIn, .id = 3, .title = "", .rightOf = 2, .below = 1},
        {.type = ctLabel, .id = 4, .title = "&Hidden", .attributes = AttrHidden, .below = 3},
        {.type = ctButton, .id = 5, .title = "Other", .below = 4},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    parent.SetFocusControl(parent.FindControl(1));
    parent.ControlKeyDown('n', vModAlt);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(3));
    // A hidden label's letter does nothing; nothing is clicked either way.
    parent.ControlKeyDown('h', vModAlt);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(3));
    EXPECT_TRUE(parent.commands.empty());
}
