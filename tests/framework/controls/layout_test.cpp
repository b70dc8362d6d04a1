#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "framework/controls/control_size.h"
#include "framework/controls/layout.h"
#include "framework/controls/record_items.h"
#include "framework/draw/icon.h"
#include "framework/look/text_width.h"
#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"

namespace {

struct Box {
    int x, y, w, h;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.x << "," << b.y << " " << b.w << "x" << b.h << ")";
}

// Lays a table out the way a container does and keeps each control's box by id.
struct LaidOut {
    std::map<int, Box> boxes;
    int clientWidth = 0;
    int clientHeight = 0;
};

LaidOut Lay(const CommandObject* table, int kind = vParentDialog) {
    vDialogLayout layout(kind);
    std::deque<vControlPlace> places;
    for (const CommandObject* r = table; r->type != ctEnd; ++r) {
        const char* text = r->title ? r->title : "";
        if (r->type == ctText && r->items && *static_cast<const char*>(r->items)) {
            text = static_cast<const char*>(r->items);
        }
        layout.Place(places.emplace_back(), *r, MeasureControl(*r, text, kind));
    }
    LaidOut result;
    for (const vControlPlace& p : places) result.boxes[p.id] = {p.x, p.y, p.width, p.height};
    result.clientWidth = layout.ClientWidth();
    result.clientHeight = layout.ClientHeight();
    return result;
}

constexpr const char* k14 = "              ";
constexpr const char* k2 = "  ";

}  // namespace

TEST(TextWidth, AddsTableWidthsAndCountsOthersAsFour) {
    EXPECT_EQ(vDialogTextWidth(" X,Y Location : 000,000 "), 77);
    EXPECT_EQ(vDialogTextWidth("Wm@|"), 7 + 5 + 6 + 2);
    EXPECT_EQ(vDialogTextWidth("\t\x7f\xc3\xa9"), 16);
    EXPECT_EQ(vDialogTextWidth(""), 0);
}

TEST(Layout, RightOfAndBelowLeaveTwoUnitsFromTheEarlierControl) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 1, .title = "Go"},
        {.type = ctButton, .id = 2, .title = "On", .rightOf = 1},
        {.type = ctButton, .id = 3, .title = "Up", .below = 1},
        {},
    };
    LaidOut out = Lay(table);
    EXPECT_EQ(out.boxes[1], (Box{2, 2, 18, 14}));
    EXPECT_EQ(out.boxes[2], (Box{22, 2, 18, 14}));
    EXPECT_EQ(out.boxes[3], (Box{2, 18, 18, 14}));
    EXPECT_EQ(out.clientWidth, 42);
    EXPECT_EQ(out.clientHeight, 34);
}

TEST(Layout, OnlyEarlierControlsCountAndUnknownNamesAddNothing) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 1, .title = "Go", .rightOf = 2, .below = 99},
        {.type = ctButton, .id = 2, .title = "On"},
        {},
    };
    LaidOut out = Lay(table);
    EXPECT_EQ(out.boxes[1], (Box{2, 2, 18, 14}));
    EXPECT_EQ(out.boxes[2], (Box{2, 2, 18, 14}));
}

TEST(Layout, RoughDialogTable) {
    LaidOut out = Lay(kRoughDialogTable);
    EXPECT_EQ(out.boxes[1001], (Box{2, 2, 42, 14}));
    EXPECT_EQ(out.boxes[1002], (Box{46, 2, 42, 14}));
    EXPECT_EQ(out.boxes[1003], (Box{90, 2, 42, 14}));
    EXPECT_EQ(out.boxes[1006], (Box{2, 20, 44, 9}));
    EXPECT_EQ(out.boxes[1007], (Box{2, 34, 52, 11}));
    EXPECT_EQ(out.boxes[1008], (Box{48, 31, 38, 14}));
    EXPECT_EQ(out.boxes[1004], (Box{2, 49, 22, 9}));
    EXPECT_EQ(out.boxes[1005], (Box{2, 62, 44, 9}));
    EXPECT_EQ(out.boxes[32150], (Box{48, 60, 34, 14}));
    EXPECT_EQ(out.clientWidth, 134);
    EXPECT_EQ(out.clientHeight, 76);
}

TEST(Layout, SmoothDialogTable) {
    LaidOut out = Lay(kSmoDialogTable);
    EXPECT_EQ(out.boxes[1001], (Box{2, 2, 67, 12}));
    EXPECT_EQ(out.boxes[1002], (Box{71, 2, 24, 14}));
    EXPECT_EQ(out.boxes[1003], (Box{2, 20, 22, 9}));
    EXPECT_EQ(out.boxes[32150], (Box{26, 31, 34, 14}));
    EXPECT_EQ(out.clientWidth, 97);
    EXPECT_EQ(out.clientHeight, 47);
}

TEST(Layout, WacksDialogTable) {
    LaidOut out = Lay(kWarpDialogTable);
    EXPECT_EQ(out.boxes[1003], (Box{2, 2, 30, 14}));
    EXPECT_EQ(out.boxes[1004], (Box{34, 2, 38, 14}));
    EXPECT_EQ(out.boxes[1005], (Box{2, 18, 30, 14}));
    EXPECT_EQ(out.boxes[1006], (Box{34, 18, 38, 14}));
    EXPECT_EQ(out.boxes[1011], (Box{2, 36, 16, 9}));
    EXPECT_EQ(out.boxes[1008], (Box{20, 34, 42, 14}));
    EXPECT_EQ(out.boxes[1007], (Box{20, 50, 46, 14}));
    EXPECT_EQ(out.boxes[1009], (Box{2, 68, 26, 9}));
    EXPECT_EQ(out.boxes[1001], (Box{2, 82, 34, 11}));
    EXPECT_EQ(out.boxes[1002], (Box{30, 79, 38, 14}));
    EXPECT_EQ(out.boxes[1010], (Box{2, 97, 22, 9}));
    EXPECT_EQ(out.boxes[32150], (Box{26, 95, 34, 14}));
    EXPECT_EQ(out.clientWidth, 74);
    EXPECT_EQ(out.clientHeight, 111);
}

TEST(Layout, TilesDialogTable) {
    LaidOut out = Lay(kTileDialogTable);
    EXPECT_EQ(out.boxes[1000], (Box{38, 2, 34, 14}));
    EXPECT_EQ(out.boxes[1003], (Box{38, 18, 34, 14}));
    EXPECT_EQ(out.boxes[1006], (Box{2, 36, 14, 9}));
    EXPECT_EQ(out.boxes[1004], (Box{2, 47, 34, 14}));
    EXPECT_EQ(out.boxes[1005], (Box{38, 47, 38, 14}));
    EXPECT_EQ(out.boxes[1007], (Box{2, 65, 14, 9}));
    EXPECT_EQ(out.boxes[32150], (Box{18, 76, 34, 14}));
    EXPECT_EQ(out.clientWidth, 78);
    EXPECT_EQ(out.clientHeight, 92);
}

TEST(Layout, CommandBarStandsInOneRowIgnoringPlacementNames) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 114, .title = " Undo ", .sensitive = 0},
        {.type = ctButton, .id = 115, .title = " Keep ", .sensitive = 0},
        {.type = ctSpacer, .id = 121, .title = k14},
        {.type = ctToggleButton, .id = 116, .title = "Select", .below = 114},
        {.type = ctSpacer, .id = 122, .title = k2},
        {.type = ctToggleButton, .id = 117, .title = "Rough"},
        {.type = ctToggleButton, .id = 118, .title = "Smooth"},
        {.type = ctToggleButton, .id = 119, .title = "Wacks"},
        {.type = ctSpacer, .id = 123, .title = k14},
        {.type = ctToggleButton, .id = 120, .title = "Tiles"},
        {},
    };
    LaidOut out = Lay(table, vParentCommandBar);
    EXPECT_EQ(out.boxes[114], (Box{2, 2, 34, 14}));
    EXPECT_EQ(out.boxes[115], (Box{38, 2, 34, 14}));
    EXPECT_EQ(out.boxes[121], (Box{74, 4, 36, 9}));
    EXPECT_EQ(out.boxes[116], (Box{112, 2, 34, 14}));
    EXPECT_EQ(out.boxes[122], (Box{148, 4, 12, 9}));
    EXPECT_EQ(out.boxes[117], (Box{162, 2, 30, 14}));
    EXPECT_EQ(out.boxes[118], (Box{194, 2, 34, 14}));
    EXPECT_EQ(out.boxes[119], (Box{230, 2, 30, 14}));
    EXPECT_EQ(out.boxes[123], (Box{262, 4, 36, 9}));
    EXPECT_EQ(out.boxes[120], (Box{300, 2, 30, 14}));
    EXPECT_EQ(out.clientWidth, 332);
    EXPECT_EQ(out.clientHeight, 18);
}

TEST(Layout, StatusBarFieldsSizeToTheirTextsThreeUnitsDown) {
    constexpr CommandObject table[] = {
        {.type = ctBoxedLabel, .id = 111, .title = " X,Y Location : 000,000 ", .attributes = AttrNoBorder},
        {.type = ctBoxedLabel, .id = 112, .title = "Height: 000000  ", .attributes = AttrNoBorder},
        {.type = ctBoxedLabel, .id = 113, .title = "  Something else  ", .attributes = AttrNoBorder},
        {},
    };
    LaidOut out = Lay(table, vParentStatusBar);
    EXPECT_EQ(out.boxes[111], (Box{2, 3, 81, 11}));
    EXPECT_EQ(out.boxes[112], (Box{85, 3, 57, 11}));
    EXPECT_EQ(out.boxes[113], (Box{144, 3, 62, 11}));
    EXPECT_EQ(out.clientWidth, 208);
    EXPECT_EQ(out.clientHeight, 16);
}

TEST(Layout, LabelsOfAStatusBarAreSpacerHigh) {
    constexpr CommandObject table[] = {{.type = ctLabel, .id = 1, .title = "ab"}, {}};
    EXPECT_EQ(Lay(table, vParentStatusBar).boxes[1], (Box{2, 5, 16, 9}));
    EXPECT_EQ(Lay(table, vParentDialog).boxes[1], (Box{2, 5, 16, 11}));
}

TEST(Layout, NoticeTableGrowsItsBorderlessFrameAroundIconAndMessage) {
    static const unsigned char bits[5 * 32] = {};
    static const vIcon image{bits, 32, 40, 1};
    const CommandObject table[] = {
        {.type = ctFrame, .id = 93, .title = "", .attributes = AttrNoBorder | AttrNoSpace},
        {.type = ctIcon, .id = 91, .title = "Notice", .items = &image, .frame = 93},
        {.type = ctText, .id = 92, .title = "Cann't do that\n Screen to small",
         .attributes = AttrMessage | AttrNoBorder, .frame = 93, .rightOf = 91},
        {.type = ctButton, .id = 32152, .value = 32152, .title = " OK ", .attributes = AttrDefault, .below = 93},
        {},
    };
    LaidOut out = Lay(table);
    EXPECT_EQ(out.boxes[91], (Box{3, 3, 34, 22}));
    EXPECT_EQ(out.boxes[92], (Box{37, 3, 67, 23}));
    EXPECT_EQ(out.boxes[93], (Box{2, 2, 103, 25}));
    EXPECT_EQ(out.boxes[32152], (Box{2, 29, 26, 14}));
    EXPECT_EQ(out.clientWidth, 107);
    EXPECT_EQ(out.clientHeight, 45);
}

TEST(Layout, NestedFramesGrowOutwardWithSpacing) {
    constexpr CommandObject table[] = {
        {.type = ctFrame, .id = 1},
        {.type = ctCheckBox, .id = 2, .title = "Alpha", .frame = 1},
        {.type = ctFrame, .id = 3, .frame = 1, .below = 2},
        {.type = ctButton, .id = 4, .title = "Go", .frame = 3},
        {},
    };
    LaidOut out = Lay(table);
    EXPECT_EQ(out.boxes[2], (Box{4, 6, 34, 11}));
    EXPECT_EQ(out.boxes[3], (Box{4, 19, 22, 18}));
    EXPECT_EQ(out.boxes[4], (Box{6, 21, 18, 14}));
    EXPECT_EQ(out.boxes[1], (Box{2, 2, 38, 37}));
    EXPECT_EQ(out.clientWidth, 42);
    EXPECT_EQ(out.clientHeight, 41);
}

TEST(Layout, AFrameNamingItselfOrALaterFrameDoesNotLoop) {
    constexpr CommandObject table[] = {
        {.type = ctFrame, .id = 1, .frame = 2},
        {.type = ctFrame, .id = 2, .frame = 1},
        {.type = ctButton, .id = 3, .title = "Go", .frame = 2},
        {.type = ctButton, .id = 4, .title = "Go", .frame = 4},
        {},
    };
    LaidOut out = Lay(table);
    EXPECT_EQ(out.boxes[2], (Box{4, 4, 22, 18}));
    EXPECT_EQ(out.boxes[1], (Box{2, 2, 26, 22}));
    EXPECT_EQ(out.boxes[4], (Box{2, 2, 18, 14}));
}

TEST(ControlSize, TextEntryWidthFollowsSizeAttributesAndInitialText) {
    auto width = [](const char* title, int size, int attributes = 0) {
        CommandObject r{.type = ctTextIn, .title = title, .attributes = attributes, .size = size};
        return MeasureControl(r, title, vParentDialog).width;
    };
    EXPECT_EQ(width("16", 8), 38);
    EXPECT_EQ(width("123456789012", 8), 78);
    EXPECT_EQ(width("", 0), 86);
    EXPECT_EQ(width("", 0, AttrSmall), 46);
    EXPECT_EQ(width("", 0, AttrLarge), 146);
}

TEST(ControlSize, ButtonsCountCharactersButNotAmpersands) {
    CommandObject button{.type = ctButton, .title = "&Open"};
    EXPECT_EQ(MeasureControl(button, "&Open", vParentDialog).width, 26);
    button.size = 60;
    EXPECT_EQ(MeasureControl(button, "&Open", vParentDialog).width, 60);
    button.size = 3;
    EXPECT_EQ(MeasureControl(button, "&Open", vParentDialog).width, 26);
    CommandObject colour{.type = ctColorButton, .title = "", .size = 12};
    vControlSize size = MeasureControl(colour, "", vParentDialog);
    EXPECT_EQ(size.width, 12);
    EXPECT_EQ(size.layoutHeight, 12);
}

TEST(ControlSize, IconsHalveTheirImage) {
    static const unsigned char bits[4 * 20] = {};
    static const vIcon image{bits, 20, 31, 1};
    CommandObject icon{.type = ctIcon, .items = &image};
    EXPECT_EQ(MeasureControl(icon, "", vParentDialog).width, 29);
    EXPECT_EQ(MeasureControl(icon, "", vParentDialog).layoutHeight, 16);
    CommandObject button{.type = ctIconButton, .items = &image};
    EXPECT_EQ(MeasureControl(button, "", vParentDialog).width, 20);
    EXPECT_EQ(MeasureControl(button, "", vParentDialog).layoutHeight, 15);
    CommandObject bare{.type = ctIcon, .title = "ab"};
    EXPECT_EQ(MeasureControl(bare, "ab", vParentDialog).width, 16);
}

TEST(ControlSize, MessageLabelsAreEightyEightWideUnlessLong) {
    CommandObject label{.type = ctLabel, .attributes = AttrMessage};
    EXPECT_EQ(MeasureControl(label, "X", vParentDialog).width, 88);
    EXPECT_EQ(MeasureControl(label, "12345678901234567890", vParentDialog).width, 80 + 8);
    EXPECT_EQ(MeasureControl(label, "abcdefghijklmnopqrst", vParentDialog).width,
              vDialogTextWidth("abcdefghijklmnopqrst") + 8);
    label.size = 30;
    EXPECT_EQ(MeasureControl(label, "X", vParentDialog).width, 30);
}

TEST(ControlSize, SpinnerFieldFitsRangeOrItems) {
    static constexpr int range[] = {-100, 5, 1};
    static constexpr const char* items[] = {"low", "medium", nullptr};
    CommandObject spinner{.type = ctSpinner, .items = range};
    EXPECT_EQ(MeasureControl(spinner, "", vParentDialog).width, 5 * 4 + 2 + 10);
    spinner.attributes = AttrLarge;
    EXPECT_EQ(MeasureControl(spinner, "", vParentDialog).width, 33 + 10);
    spinner.size = 50;
    EXPECT_EQ(MeasureControl(spinner, "", vParentDialog).width, 60);
    spinner.size = 2048;
    EXPECT_EQ(MeasureControl(spinner, "", vParentDialog).width, 43);
    CommandObject texts{.type = ctSpinner, .items = items, .attributes = AttrTextItems};
    EXPECT_EQ(MeasureControl(texts, "", vParentDialog).width, 6 * 4 + 2 + 10);
    CommandObject bare{.type = ctSpinner};
    EXPECT_EQ(MeasureControl(bare, "", vParentDialog).width, 36);
}

TEST(ControlSize, TextControlCountsLinesAndLongestLine) {
    CommandObject text{.type = ctText};
    vControlSize size = MeasureControl(text, "ab\nabcde\n", vParentDialog);
    EXPECT_EQ(size.width, 23);
    EXPECT_EQ(size.layoutHeight, 34);
    EXPECT_EQ(MeasureControl(text, "", vParentDialog).layoutHeight, 12);
}

TEST(ControlSize, BadTypesMeasureAsLabels) {
    for (int type : {1, 8, 18, 20, 27, -3}) {
        CommandObject bad{.type = type};
        EXPECT_FALSE(IsKnownControlType(type));
        EXPECT_EQ(MeasureControl(bad, "?? Bad CommandObject ??", vParentDialog).layoutHeight, 14);
    }
}
