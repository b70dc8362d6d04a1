#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"
#include "framework/window/command_ids.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

// Quit closes registered windows newest first, each through the close that fits how it
// was registered, and ignores what the user does while a closing window still asks
// something.

namespace {

class ClosingApp : public RecordingApp {
public:
    ClosingApp(const char* name, int singleWindow) : RecordingApp(name, singleWindow) {}

    int DropWindow(vWindow* window) override {
        closed.push_back(window->Name());
        if (askOnClose) ShowWarning("Settings could not be saved.");
        return RecordingApp::DropWindow(window);
    }
    int DropAdoptedWindow(vWindow* window) override {
        closed.push_back(std::string("adopted ") + window->Name());
        return vApp::DropAdoptedWindow(window);
    }

    bool askOnClose = false;
    std::vector<std::string> closed;
};

}  // namespace

TEST(AppRegistry, QuitClosesNewestFirstAdoptedWindowsThroughTheirOwnClose) {
    HeadlessSession<ClosingApp> session(0);
    session.app.OpenAppWindow(nullptr, "Map", 200, 100, nullptr);
    session.app.AdoptWindow(new vWindow("Help", 200, 100));
    session.app.AdoptWindow(nullptr);
    session.app.OpenAppWindow(nullptr, "Palette", 200, 100, nullptr);
    ASSERT_EQ(session.app.Registry().Entries().size(), 3u);
    EXPECT_EQ(session.app.Registry().Entries()[1].info, nullptr);
    session.app.Quit();
    EXPECT_EQ(session.app.closed, (std::vector<std::string>{"Palette", "adopted Help", "Map"}));
    EXPECT_EQ(session.app.lastClosed, 1);
    EXPECT_TRUE(session.app.IsLoopEnded());
    EXPECT_EQ(session.app.Finish(), 0);
}

TEST(AppQuit, WhatTheUserDoesWhileAClosingWindowAsksIsIgnored) {
    HeadlessSession<ClosingApp> session;
    auto* window = new RecordingWindow("Main", 300, 200);
    session.app.OpenAppWindow(window, "Main", 300, 200, nullptr);
    RecordingCanvas canvas;
    window->AddPane(&canvas);
    session.Pump();
    canvas.events.clear();
    session.app.askOnClose = true;
    vRect b = canvas.Bounds();
    session.platform.QueueClick(b.x + 10, b.y + 10);
    session.platform.QueueDrop({"/maps/late.tga"}, 10, 10);
    session.platform.QueueClose();
    session.platform.QueueKey(vKeyF1);
    session.platform.QueueResize(500, 400);
    session.platform.QueueKey(vKeyReturn);
    session.app.Quit();
    EXPECT_EQ(session.app.closed, std::vector<std::string>{"Main"});
    EXPECT_EQ(session.app.drops, 1);
    EXPECT_TRUE(session.app.dropped.empty());
    EXPECT_TRUE(window->keys.empty());
    EXPECT_TRUE(canvas.Of("down").empty());
    EXPECT_TRUE(session.app.IsLoopEnded());
    EXPECT_EQ(session.app.Finish(), 0);
}
