#include <gtest/gtest.h>

#include <string>

#include "framework/menus/menu_model.h"
#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"

namespace {

constexpr MenuItem kShowPal[] = {{"Left", 106, vMenuSensitive}, {"Right", 107, vMenuSensitive}, {}};
constexpr MenuItem kView[] = {
    {"Palette", 104, vMenuSensitive},
    {"Show Pal", 105, vMenuSensitive, nullptr, 0, kShowPal},
    {"-", vMenuSeparatorId},
    {"Back", 110, vMenuSensitive | vMenuChecked, "Ctrl+Left", vKeyLeft, nullptr, vModControl},
    {"Gone", 111, 0, "F5", vKeyF1 + 4},
    {},
};
constexpr MenuItem kFile[] = {{"&Save", 103, vMenuSensitive}, {"Back too", 110, vMenuSensitive}, {}};
constexpr MenuItem kBar[] = {{"&File", 0, 0, nullptr, 0, kFile}, {"View", 0, 0, nullptr, 0, kView}, {}};

vMenuModel Built(const MenuItem* bar, bool multiWindow = false) {
    vMenuModel model(bar, multiWindow);
    model.Build();
    return model;
}

}  // namespace

TEST(MenuModel, BuildsMenusSubmenusAndSeparatorsInOrder) {
    vMenuModel model = Built(kBar);
    ASSERT_EQ(model.TopMenus().size(), 2u);
    EXPECT_EQ(model.SlotCount(), 3);
    const vMenuSlot& view = model.Slot(model.TopMenus()[1]);
    EXPECT_EQ(view.title, "View");
    ASSERT_EQ(view.entries.size(), 5u);
    EXPECT_TRUE(view.entries[2].separator);
    EXPECT_EQ(model.Slot(view.entries[1].submenu).entries[1].label, "Right");
    EXPECT_TRUE(view.entries[3].checked);
    EXPECT_EQ(view.entries[3].keyLabel, "Ctrl+Left");
    EXPECT_EQ(model.WindowMenuIndex(), 1);
}

TEST(MenuModel, KeysChooseOnlySensitiveItemsWithTheirShiftState) {
    vMenuModel model = Built(kBar);
    int id = 0;
    EXPECT_TRUE(model.FindKeyItem(vKeyLeft, vModControl, id));
    EXPECT_EQ(id, 110);
    EXPECT_FALSE(model.FindKeyItem(vKeyLeft, 0, id));
    EXPECT_FALSE(model.FindKeyItem(vKeyF1 + 4, 0, id));
    EXPECT_FALSE(model.FindKeyItem(0, 0, id));
    model.PutValue(110, 0, StateEnabled);
    EXPECT_FALSE(model.FindKeyItem(vKeyLeft, vModControl, id));
}

TEST(MenuModel, ValuesAndTextsReachEveryItemWithTheId) {
    vMenuModel model = Built(kBar);
    model.PutValue(110, 0, StateEnabled);
    EXPECT_FALSE(model.Slot(model.TopMenus()[0]).entries[1].sensitive);
    EXPECT_FALSE(model.Slot(model.TopMenus()[1]).entries[3].sensitive);
    int value = -1;
    EXPECT_TRUE(model.QueryValue(110, value));
    EXPECT_EQ(value, 0);  // the first item with the id is the unchecked one under "&File"
    model.PutValue(110, 3, StateValue);
    model.QueryValue(110, value);
    EXPECT_EQ(value, 1);
    model.PutValue(110, 2, StateChecked);  // only bit 0 counts
    model.QueryValue(110, value);
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(model.QueryValue(999, value));
    model.PutText(110, "Backwards");
    EXPECT_EQ(model.Slot(model.TopMenus()[1]).entries[3].label, "Backwards");
    EXPECT_EQ(model.Slot(model.TopMenus()[1]).entries[3].keyLabel, "");
}

TEST(MenuModel, LabelsAndKeyLabelsShareNinetyNineCharacters) {
    static const std::string label(95, 'a'), keys(10, 'k'), huge(500, 'z');
    const MenuItem items[] = {{label.c_str(), 1, vMenuSensitive, keys.c_str()}, {huge.c_str(), 2, 1}, {}};
    const MenuItem bar[] = {{"M", 0, 0, nullptr, 0, items}, {}};
    vMenuModel model = Built(bar);
    const auto& entries = model.Slot(0).entries;
    EXPECT_EQ(entries[0].label.size() + entries[0].keyLabel.size(), 99u);
    EXPECT_EQ(entries[1].label.size(), 99u);
    model.PutText(1, huge.c_str());
    EXPECT_EQ(entries[0].label.size(), 99u);
}

TEST(MenuModel, TwentyMenusAtMostCountingSubmenus) {
    static MenuItem chain[30][2];
    for (int i = 0; i < 30; ++i) {
        chain[i][0] = {"deeper", 500 + i, vMenuSensitive, nullptr, 0, i + 1 < 30 ? chain[i + 1] : nullptr};
        chain[i][1] = {};
    }
    MenuItem bar[26];
    for (int i = 0; i < 25; ++i) bar[i] = {"Top", 0, 0, nullptr, 0, i == 0 ? chain[0] : nullptr};
    bar[25] = {};
    vMenuModel model = Built(bar, true);
    EXPECT_EQ(model.SlotCount(), 20);
    EXPECT_EQ(model.TopMenus().size(), 1u);  // the chain used every slot
    vMenuModel flat = Built(bar + 1, true);
    EXPECT_EQ(flat.TopMenus().size(), 20u);  // no room for "&Window"
}

TEST(MenuModel, MultiWindowModeAddsTheWindowMenu) {
    vMenuModel model = Built(kBar, true);
    ASSERT_EQ(model.TopMenus().size(), 3u);
    const vMenuSlot& window = model.Slot(model.TopMenus()[2]);
    EXPECT_EQ(window.title, "&Window");
    EXPECT_EQ(window.entries[0].id, vCascadeId);
    EXPECT_EQ(window.entries[2].id, vArrangeId);
    EXPECT_EQ(model.WindowMenuIndex(), 2);
}
