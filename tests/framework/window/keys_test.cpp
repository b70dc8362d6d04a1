#include <gtest/gtest.h>

#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"
#include "framework/window/key_translation.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

namespace {

vPlatformEvent KeyDown(int key, int modifiers = 0) {
    vPlatformEvent event;
    event.kind = vEventKind::KeyDown;
    event.key = key;
    event.modifiers = modifiers;
    return event;
}

vPlatformEvent Text(const std::string& text, int modifiers = 0) {
    vPlatformEvent event;
    event.kind = vEventKind::TextInput;
    event.text = text;
    event.modifiers = modifiers;
    return event;
}

std::vector<std::pair<int, int>> Strokes(const vPlatformEvent& event) {
    std::vector<std::pair<int, int>> strokes;
    for (const vKeyStroke& stroke : vTranslateKey(event)) strokes.emplace_back(stroke.code, stroke.shift);
    return strokes;
}

using Pairs = std::vector<std::pair<int, int>>;

struct KeyedWindow {
    explicit KeyedWindow(vApp& app) {
        window = new RecordingWindow("Main", 300, 200);
        app.OpenAppWindow(window, "Main", 300, 200, nullptr);
        window->AddPane(&menu);
    }
    RecordingWindow* window;
    TestMenuPane menu{vKeyLeft, vModControl, 42};
};

}  // namespace

TEST(KeyTranslation, TableKeysGiveTheirCodesWithTheShiftState) {
    EXPECT_EQ(Strokes(KeyDown(vKeyHome)), (Pairs{{vKeyHome, 0}}));
    EXPECT_EQ(Strokes(KeyDown(vKeyPageDown, vModShift | vModControl)),
              (Pairs{{vKeyPageDown, vModShift | vModControl}}));
    EXPECT_EQ(Strokes(KeyDown(vKeyDelete)), (Pairs{{vKeyDelete, 0}}));
    EXPECT_EQ(Strokes(KeyDown(vKeyF1 + 15)), (Pairs{{vKeyF16, 0}}));
}

TEST(KeyTranslation, KeysOutsideTheTableGiveNothingFromTheKeyDown) {
    EXPECT_TRUE(Strokes(KeyDown('a')).empty());
    EXPECT_TRUE(Strokes(KeyDown(vKeyOther)).empty());
    EXPECT_TRUE(Strokes(KeyDown('a', vModAlt | vModControl)).empty());
}

TEST(KeyTranslation, TypedTextArrivesCharacterByCharacter) {
    EXPECT_EQ(Strokes(Text("aB", vModShift)), (Pairs{{'a', vModShift}, {'B', vModShift}}));
    EXPECT_EQ(Strokes(Text("\xC3\xA9")), (Pairs{{0xE9, 0}}));
}

TEST(KeyTranslation, ControlCharactersDropTheControlBit) {
    EXPECT_EQ(Strokes(KeyDown('c', vModControl)), (Pairs{{3, 0}}));
    EXPECT_EQ(Strokes(KeyDown(vKeyReturn, vModControl | vModShift)), (Pairs{{vKeyReturn, vModShift}}));
    EXPECT_TRUE(Strokes(Text("c", vModControl)).empty());
}

TEST(KeyTranslation, ShiftTabBecomesBackTab) {
    EXPECT_EQ(Strokes(KeyDown(vKeyTab)), (Pairs{{vKeyTab, 0}}));
    EXPECT_EQ(Strokes(KeyDown(vKeyTab, vModShift | vModControl)), (Pairs{{vKeyBackTab, vModShift | vModControl}}));
}

TEST(MenuKeys, SensitiveItemIsChosenByItsKeyAndShift) {
    HeadlessSession<RecordingApp> session;
    KeyedWindow main(session.app);
    session.platform.QueueKey(vKeyLeft, vModControl);
    session.Pump();
    ASSERT_EQ(main.window->commands.size(), 1u);
    EXPECT_EQ(main.window->commands[0], (RecordingWindow::Command{42, 42, vMenuCommandType}));
    EXPECT_TRUE(main.window->keys.empty());
}

TEST(MenuKeys, SameKeyWithoutControlReachesOnKeyAndTheApplication) {
    HeadlessSession<RecordingApp> session;
    KeyedWindow main(session.app);
    session.platform.QueueKey(vKeyLeft);
    session.Pump();
    EXPECT_TRUE(main.window->commands.empty());
    EXPECT_EQ(main.window->keys, (Pairs{{vKeyLeft, 0}}));
    EXPECT_EQ(session.app.appKeys, (Pairs{{vKeyLeft, 0}}));
}

TEST(MenuKeys, InsensitiveItemsKeyNeverChoosesIt) {
    HeadlessSession<RecordingApp> session;
    KeyedWindow main(session.app);
    main.menu.sensitive = false;
    session.platform.QueueKey(vKeyLeft, vModControl);
    session.Pump();
    EXPECT_TRUE(main.window->commands.empty());
    EXPECT_EQ(main.window->keys, (Pairs{{vKeyLeft, vModControl}}));
}

TEST(MenuKeys, PrintableKeyArrivesOnceAsItsCharacter) {
    HeadlessSession<RecordingApp> session;
    KeyedWindow main(session.app);
    session.platform.QueueKey('q', vModShift);
    session.Pump();
    EXPECT_EQ(main.window->keys, (Pairs{{'Q', vModShift}}));
}
