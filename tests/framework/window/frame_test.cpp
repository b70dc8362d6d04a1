#include <gtest/gtest.h>

#include <cstdio>

#include "framework/look/caption_box.h"
#include "framework/look/program_icon.h"
#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"
#include "framework/window/message_box.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

namespace {

// A floating view of one colour that writes down the events it gets.
class Patch : public vView {
public:
    explicit Patch(vColor color) : color_(color) {}
    void Paint() override { Surface().Fill(color_.Pixel()); }
    bool HandleInput(const vPlatformEvent& event) override {
        events.push_back(event);
        return true;
    }
    void OnFocusChange(bool hasFocus) override { focusChanges.push_back(hasFocus); }

    std::vector<vPlatformEvent> events;
    std::vector<bool> focusChanges;

private:
    vColor color_;
};

int CountOf(const std::vector<vPlatformEvent>& events, vEventKind kind) {
    int count = 0;
    for (const vPlatformEvent& event : events) count += event.kind == kind;
    return count;
}

vModalAnswer Answer(int id) {
    vModalAnswer answer;
    answer.id = id;
    return answer;
}

}  // namespace

TEST(FrameComposition, FloatingViewsAreOnTopInTheOrderTheyWereRaised) {
    HeadlessSession<> session;
    Patch red(vColor(255, 0, 0)), blue(vColor(0, 0, 255));
    red.SetBounds(10, 40, 50, 50);
    blue.SetBounds(30, 60, 50, 50);
    vFrame& frame = session.app.Frame();
    frame.AddFloating(&red);
    frame.AddFloating(&blue);
    session.Pump();
    EXPECT_EQ(session.platform.FramePixel(40, 70), vColor(0, 0, 255).Pixel());
    frame.RaiseFloating(&red);
    session.Pump();
    EXPECT_EQ(session.platform.FramePixel(40, 70), vColor(255, 0, 0).Pixel());
    EXPECT_EQ(session.platform.FramePixel(75, 100), vColor(0, 0, 255).Pixel());
}

TEST(FrameComposition, NothingIsPresentedWhenNothingChanged) {
    HeadlessSession<> session;
    session.Pump();
    int presented = session.platform.PresentCount();
    session.platform.QueueMove(5, 300);
    session.Pump();
    EXPECT_EQ(session.platform.PresentCount(), presented);
    Patch patch(vColor(1, 2, 3));
    patch.SetBounds(0, 100, 10, 10);
    session.app.Frame().AddFloating(&patch);
    session.Pump();
    EXPECT_EQ(session.platform.PresentCount(), presented + 1);
}

TEST(FrameComposition, EmptyWindowAreaShowsTheWorkspaceColour) {
    HeadlessSession<> session;
    session.Pump();
    EXPECT_EQ(session.platform.FramePixel(400, 300), vColorAppWorkspace.Pixel());
    EXPECT_EQ(session.platform.FramePixel(200, 10), vColorButtonFace.Pixel());
}

TEST(FrameComposition, WritesTheFrameAsPng) {
    HeadlessSession<> session;
    session.Pump();
    std::string path = testing::TempDir() + "frame_test.png";
    ASSERT_TRUE(session.platform.WriteFramePng(path));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    unsigned char signature[8] = {};
    EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
    std::fclose(file);
    std::remove(path.c_str());
    EXPECT_EQ(signature[1], 'P');
    EXPECT_FALSE(session.platform.WriteFramePng("/nonexistent-dir/x.png"));
}

TEST(FrameInput, PointerEventsGoToTheTopmostViewInItsOwnCoordinates) {
    HeadlessSession<> session;
    Patch under(vColor(1, 1, 1)), over(vColor(2, 2, 2));
    under.SetBounds(10, 40, 100, 100);
    over.SetBounds(50, 80, 100, 100);
    session.app.Frame().AddFloating(&under);
    session.app.Frame().AddFloating(&over);
    session.platform.QueueClick(60, 90);
    session.platform.QueueClick(20, 50);
    session.Pump();
    ASSERT_EQ(CountOf(over.events, vEventKind::ButtonDown), 1);
    EXPECT_EQ(over.events[1].x, 10);
    EXPECT_EQ(over.events[1].y, 10);
    EXPECT_EQ(CountOf(under.events, vEventKind::ButtonDown), 1);
}

TEST(FrameInput, CaptureSendsEveryPointerEventToTheCapturingView) {
    HeadlessSession<> session;
    Patch patch(vColor(1, 1, 1));
    patch.SetBounds(10, 40, 20, 20);
    session.app.Frame().AddFloating(&patch);
    session.app.Frame().CapturePointer(&patch);
    session.platform.QueueMove(500, 500);
    session.Pump();
    ASSERT_EQ(patch.events.size(), 1u);
    EXPECT_EQ(patch.events[0].x, 490);
    EXPECT_TRUE(session.platform.IsPointerCaptured());
    session.app.Frame().ReleasePointer(&patch);
    session.platform.QueueMove(500, 500);
    session.Pump();
    EXPECT_EQ(patch.events.size(), 1u);
}

TEST(FrameInput, ModalViewBlocksInputToEverythingUnderIt) {
    HeadlessSession<> session;
    Patch below(vColor(1, 1, 1)), box(vColor(2, 2, 2)), popup(vColor(3, 3, 3));
    below.SetBounds(0, 30, 400, 400);
    box.SetBounds(100, 100, 100, 100);
    popup.SetBounds(300, 300, 50, 50);
    vFrame& frame = session.app.Frame();
    frame.AddFloating(&below);
    frame.AddFloating(&box);
    bool done = false;
    session.platform.QueueClick(20, 50);
    session.platform.QueueClick(150, 150);
    session.platform.QueueKey('x');
    bool ended = session.app.Loop().RunModal(&box, [&] {
        if (box.events.size() >= 3 && !frame.IsFloating(&popup)) {
            frame.AddFloating(&popup);
            session.platform.QueueClick(310, 310);
        }
        done = CountOf(popup.events, vEventKind::ButtonUp) > 0;
        return done;
    });
    EXPECT_TRUE(ended);
    EXPECT_TRUE(below.events.empty());
    EXPECT_GE(CountOf(box.events, vEventKind::KeyDown), 1);
    EXPECT_EQ(frame.TopModal(), nullptr);
}

TEST(FrameInput, ModalRunIsAbandonedWhenTheScriptRunsOut) {
    HeadlessSession<> session;
    Patch box(vColor(2, 2, 2));
    box.SetBounds(100, 100, 100, 100);
    session.app.Frame().AddFloating(&box);
    EXPECT_FALSE(session.app.Loop().RunModal(&box, [] { return false; }));
    EXPECT_EQ(session.app.Loop().ModalDepth(), 0);
}

// The close waits for the modal run to end, so a quit never runs inside it.
TEST(FrameInput, ACloseDuringAModalRunWaitsForTheRunToEnd) {
    HeadlessSession<> session;
    Patch box(vColor(2, 2, 2));
    box.SetBounds(100, 100, 100, 100);
    session.app.Frame().AddFloating(&box);
    session.platform.QueueClose();
    session.platform.QueueClick(150, 150);
    EXPECT_FALSE(session.app.Loop().RunModal(&box, [] { return false; }));
    EXPECT_FALSE(session.app.IsLoopEnded());
    EXPECT_FALSE(box.events.empty());
    session.Pump();
    EXPECT_TRUE(session.app.IsLoopEnded());
}

TEST(FrameInput, FocusedViewTakesKeysAndTheWindowLosesTheFocus) {
    HeadlessSession<> session;
    auto* window = new RecordingWindow("Main", 300, 200);
    session.app.OpenAppWindow(window, "Main", 300, 200, nullptr);
    Patch dialog(vColor(1, 1, 1));
    dialog.SetBounds(10, 40, 50, 50);
    session.app.Frame().AddFloating(&dialog);
    EXPECT_TRUE(window->HasFocus());
    session.platform.QueueClick(20, 50);
    session.platform.QueueKey(vKeyHome);
    session.Pump();
    EXPECT_FALSE(window->HasFocus());
    EXPECT_EQ(dialog.focusChanges, std::vector<bool>{true});
    EXPECT_EQ(CountOf(dialog.events, vEventKind::KeyDown), 1);
    EXPECT_TRUE(window->keys.empty());
    session.app.Frame().RemoveFloating(&dialog);
    EXPECT_TRUE(window->HasFocus());
}

TEST(FrameMenu, WindowMenuPaneReplacesTheFramesMenuWhileActive) {
    HeadlessSession<> session;
    auto* window = new RecordingWindow("Main", 300, 200);
    session.app.OpenAppWindow(window, "Main", 300, 200, nullptr);
    TestMenuPane menu(0, 0, 1);
    window->AddPane(&menu);
    session.Pump();
    EXPECT_EQ(session.app.Frame().MenuStrip(), &menu);
    EXPECT_EQ(session.platform.FramePixel(300, 5), vColor(0, 200, 0).Pixel());
    session.app.DropWindow(window);
    EXPECT_EQ(session.app.Frame().MenuStrip(), nullptr);
}

TEST(FrameMenu, CommandsBelowTheWindowIdsGoToTheActiveWindow) {
    HeadlessSession<> session;
    auto* window = new RecordingWindow("Main", 300, 200);
    session.app.OpenAppWindow(window, "Main", 300, 200, nullptr);
    session.app.FrameMenuCommand(120);
    session.app.FrameMenuCommand(vFirstWindowId + 3);
    ASSERT_EQ(window->commands.size(), 1u);
    EXPECT_EQ(window->commands[0], (RecordingWindow::Command{120, 120, vMenuCommandType}));
}

TEST(WarningBox, IsOfferedToTheScriptWithItsCaption) {
    HeadlessSession<> session;
    session.platform.ScriptAnswer(vModalRequest::Kind::Warning, Answer(vOkId));
    session.app.ShowWarning("Something odd");
    ASSERT_EQ(session.platform.ModalRequests().size(), 1u);
    EXPECT_EQ(session.platform.ModalRequests()[0].title, vWarningBox::kCaption);
    EXPECT_EQ(session.platform.ModalRequests()[0].text, "Something odd");
}

TEST(WarningBox, ClosesWithEnterAndBlocksTheWindowMeanwhile) {
    HeadlessSession<> session;
    auto* window = new RecordingWindow("Main", 300, 200);
    session.app.OpenAppWindow(window, "Main", 300, 200, nullptr);
    session.platform.QueueKey(vKeyHome);
    session.platform.QueueKey(vKeyReturn);
    session.platform.QueueKey(vKeyEnd);
    session.app.ShowWarning("Line one\nLine two");
    EXPECT_TRUE(window->keys.empty());
    session.Pump();
    EXPECT_EQ(window->keys, (std::vector<std::pair<int, int>>{{vKeyEnd, 0}}));
    EXPECT_TRUE(window->HasFocus());
}

TEST(FrameIcon, TheFrameAndARestoredWindowShowTheProgramIcon) {
    HeadlessSession<> session(0);
    ASSERT_EQ(session.platform.FrameIcon().Width(), vProgramIconSize);
    auto* window = new RecordingWindow("Restored", 200, 150);
    session.app.OpenAppWindow(window, "Restored", 200, 150, nullptr);
    session.Pump();
    vRect caption = vCaptionBox::Caption(window->View().Bounds().w);
    int x0 = window->View().Bounds().x + caption.x + 2;
    int y0 = window->View().Bounds().y + caption.y + (caption.h - vProgramIconSize) / 2;
    const Raster& icon = vProgramIcon();
    for (int y = 0; y < icon.Height(); ++y) {
        for (int x = 0; x < icon.Width(); ++x) ASSERT_EQ(session.platform.FramePixel(x0 + x, y0 + y), icon.At(x, y));
    }
}

TEST(WindowCaption, CloseBoxActsOnReleaseAndADraggedWindowStaysReachable) {
    HeadlessSession<RecordingApp> session(0);
    auto* window = new RecordingWindow("Restored", 200, 150);
    session.app.OpenAppWindow(window, "Restored", 200, 150, nullptr);
    session.Pump();
    vRect b = window->View().Bounds();
    vRect close = vCaptionBox::CloseBox(b.w);
    int cx = b.x + close.x + close.w / 2, cy = b.y + close.y + close.h / 2;
    session.platform.QueuePress(cx, cy);
    session.Pump();
    EXPECT_EQ(session.app.drops, 0);
    // Let go outside the close box: nothing is closed.
    session.platform.QueueRelease(cx - 40, cy);
    session.Pump();
    EXPECT_EQ(session.app.drops, 0);
    // Dragged far past the frame's corners, the caption stays inside the window area.
    session.platform.QueueDrag(b.x + 20, b.y + 10, 5000, 5000);
    session.Pump();
    vRect area = session.app.Frame().WindowArea(), moved = window->View().Bounds();
    EXPECT_EQ(moved.x, area.x + area.w - vCaptionBox::kReachable);
    EXPECT_EQ(moved.y, area.y + area.h - vCaptionBox::kCaptionHeight);
    session.platform.QueueDrag(moved.x + 20, moved.y + 10, -5000, -5000);
    session.Pump();
    moved = window->View().Bounds();
    EXPECT_EQ(moved.x + moved.w, area.x + vCaptionBox::kReachable);
    EXPECT_EQ(moved.y, area.y);
    b = moved;
    session.platform.QueueClick(b.x + close.x + close.w / 2, b.y + close.y + close.h / 2);
    session.Pump();
    EXPECT_EQ(session.app.drops, 1);
}
