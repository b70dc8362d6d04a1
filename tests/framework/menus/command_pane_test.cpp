#include <gtest/gtest.h>

#include "framework/look/system_colors.h"
#include "framework/menus/command_pane.h"
#include "framework/platform/platform.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

using Command = RecordingWindow::Command;

namespace {

constexpr const char* k14 = "              ";

constexpr CommandObject kCommandBar[] = {
    {.type = ctButton, .id = 114, .title = " Undo ", .sensitive = 0},
    {.type = ctButton, .id = 115, .title = " Keep ", .sensitive = 0},
    {.type = ctSpacer, .id = 121, .title = k14},
    {.type = ctToggleButton, .id = 116, .title = "Select", .tip = "select area"},
    {.type = ctToggleButton, .id = 117, .title = "Rough", .tip = "Roughs up map"},
    {},
};

constexpr StatusItem kStatusBar[] = {
    {" X,Y Location : 000,000 ", 111, AttrNoBorder, 1, 0},
    {"Height: 000000  ", 112, AttrNoBorder, 1, 0},
    {"  Something else  ", 113, AttrNoBorder, 1, 0},
    {},
};

// A window with a command bar at the top and a status bar at the bottom.
struct BarSession {
    BarSession() {
        window = new RecordingWindow("Bars", 400, 300);
        session.app.OpenAppWindow(window, "Bars", 400, 300, nullptr);
        window->AddPane(&commandBar);
        window->AddPane(&statusBar);
        session.Pump();
    }

    vPoint Center(vCommandPane& bar, int id) {
        vRect b = bar.Bounds(), r = bar.FindControl(id)->PixelRect();
        return {b.x + r.x + r.w / 2, b.y + r.y + r.h / 2};
    }
    void Click(vCommandPane& bar, int id) {
        vPoint p = Center(bar, id);
        session.platform.QueueClick(p.x, p.y);
        session.Pump();
    }

    HeadlessSession<> session;
    RecordingWindow* window = nullptr;
    vCommandPane commandBar{kCommandBar};
    vCommandPane statusBar{kStatusBar};
};

}  // namespace

TEST(CommandPane, BarsAreMeasuredInDialogUnitsAndLaidOutTopAndBottom) {
    BarSession s;
    EXPECT_EQ(s.commandBar.BarHeight(), 18 * 13 / 8);
    EXPECT_EQ(s.statusBar.BarHeight(), 16 * 13 / 8);
    vRect client = s.session.app.Frame().ClientArea();
    EXPECT_EQ(s.commandBar.Bounds().y, client.y);
    EXPECT_EQ(s.statusBar.Bounds().y + s.statusBar.Bounds().h, client.y + client.h);
    EXPECT_EQ(s.commandBar.FindControl(117)->Place().x, 148);
}

TEST(CommandPane, ControlsSendToTheWindowAndGiveTheKeyboardBack) {
    BarSession s;
    s.Click(s.commandBar, 114);
    s.Click(s.commandBar, 117);
    s.Click(s.commandBar, 117);
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{117, 1, ctToggleButton}, {117, 0, ctToggleButton}}));
    EXPECT_EQ(s.session.app.Frame().Focus(), nullptr);
    s.window->PutValue(114, 1, StateEnabled);
    s.Click(s.commandBar, 114);
    EXPECT_EQ(s.window->commands.back(), (Command{114, 0, ctButton}));
}

TEST(CommandPane, StatusFieldsAnswerThroughTheWindow) {
    BarSession s;
    s.window->PutText(113, "Roughs");
    EXPECT_EQ(s.statusBar.FindControl(113)->Text(), "Roughs");
    char text[8] = "junk";
    EXPECT_EQ(s.window->QueryText(113, text, sizeof text), 1);
    EXPECT_EQ(s.window->QueryValue(999), 0);
    s.window->PutValue(116, 1, StateValue);
    EXPECT_EQ(s.window->QueryValue(116), 1);
}

TEST(CommandPane, ALongReadOutStaysInsideItsStatusField) {
    BarSession s;
    vRect bar = s.statusBar.Bounds(), next = s.statusBar.FindControl(112)->PixelRect();
    auto nextField = [&] {
        std::vector<uint32_t> pixels;
        for (int y = bar.y + next.y; y < bar.y + next.y + next.h; ++y)
            for (int x = bar.x + next.x; x < bar.x + next.x + next.w; ++x) pixels.push_back(s.session.platform.FramePixel(x, y));
        return pixels;
    };
    std::vector<uint32_t> before = nextField();
    s.window->PutText(111, "X,Y Location : 123456789,123456789 and then some more text");
    s.session.Pump();
    EXPECT_EQ(nextField(), before);
}

TEST(CommandPane, AWidenedStatusFieldMovesTheFieldsAfterItAndNarrowsBack) {
    BarSession s;
    auto place = [&](int id) { return s.statusBar.FindControl(id)->Place(); };
    const vControlPlace location = place(111), height = place(112), message = place(113);
    s.statusBar.SetControlWidth(112, height.width + 30);
    EXPECT_EQ(place(111).x, location.x);
    EXPECT_EQ(place(112).width, height.width + 30);
    EXPECT_EQ(place(113).x, message.x + 30);
    vRect widened = s.statusBar.FindControl(112)->PixelRect();
    EXPECT_GE(s.statusBar.FindControl(113)->PixelRect().x, widened.x + widened.w);
    s.statusBar.SetControlWidth(112, height.width);
    EXPECT_EQ(place(112).width, height.width);
    EXPECT_EQ(place(113).x, message.x);
}

TEST(CommandPane, BarsDrawTheirHighlightAndShadowLines) {
    BarSession s;
    vRect top = s.commandBar.Bounds(), bottom = s.statusBar.Bounds();
    const vHeadlessPlatform& p = s.session.platform;
    int x = top.w - 5;  // right of every control
    EXPECT_EQ(p.FramePixel(x, top.y), vColorButtonHighlight.Pixel());
    EXPECT_EQ(p.FramePixel(x, top.y + top.h - 1), vColorButtonShadow.Pixel());
    EXPECT_EQ(p.FramePixel(x, bottom.y), vColorButtonShadow.Pixel());
    EXPECT_EQ(p.FramePixel(x, bottom.y + 1), vColorButtonHighlight.Pixel());
    EXPECT_EQ(p.FramePixel(bottom.w - 11, bottom.y + 10), vColorButtonHighlight.Pixel());
    EXPECT_EQ(p.FramePixel(bottom.w - 8, bottom.y + 10), vColorButtonFace.Pixel());
}

TEST(CommandPane, AHeldToggleIsLetGoWithoutItsCommandWhenAModalBoxOpens) {
    BarSession s;
    vPoint p = s.Center(s.commandBar, 117);
    s.session.platform.QueuePress(p.x, p.y);
    s.session.Pump();
    // The user lets go while the box is up, then presses and lets go again.
    s.session.platform.QueueRelease(p.x, p.y);
    s.session.platform.QueueKey(vKeyReturn);
    s.session.app.ShowWarning("Look");
    s.session.platform.QueueRelease(p.x, p.y);
    s.session.Pump();
    EXPECT_TRUE(s.window->commands.empty());
    EXPECT_EQ(s.window->QueryValue(117), 0);
}
