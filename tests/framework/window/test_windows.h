#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/look/system_colors.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "framework/window/pane.h"

// A command window that writes down what reaches it.
class RecordingWindow : public vCmdWindow {
public:
    using vCmdWindow::vCmdWindow;

    struct Command {
        int id, value, type;
        bool operator==(const Command&) const = default;
    };

    void OnKey(int key, int shift) override { keys.emplace_back(key, shift); vCmdWindow::OnKey(key, shift); }
    void OnCommand(int id, int value, int type) override {
        commands.push_back({id, value, type});
        vCmdWindow::OnCommand(id, value, type);
    }

    std::vector<std::pair<int, int>> keys;
    std::vector<Command> commands;
};

// An application that writes down what reaches it and can refuse to close windows.
class RecordingApp : public vApp {
public:
    RecordingApp(const char* name, int singleWindow) : vApp(name, singleWindow) {}

    int DropWindow(vWindow* window) override {
        ++drops;
        if (refuseDrop) return 0;
        return vApp::DropWindow(window);
    }
    void OnAppCommand(vWindow* window, int id, int value, int type) override {
        appCommands.push_back(id);
        vApp::OnAppCommand(window, id, value, type);
    }
    void OnAppKey(vWindow* /*window*/, int key, int shift) override { appKeys.emplace_back(key, shift); }
    void OnFileDropped(const vDropInfo& drop) override { dropped.push_back(drop); }
    void OnLastWindowClosed(vWindow* window) override {
        ++lastClosed;
        vApp::OnLastWindowClosed(window);
    }

    int drops = 0;
    int lastClosed = 0;
    bool refuseDrop = false;
    std::vector<int> appCommands;
    std::vector<std::pair<int, int>> appKeys;
    std::vector<vDropInfo> dropped;
};

// A bar of a fixed height painted in one colour, laid out as command or status bar.
class TestBar : public vPane {
public:
    TestBar(int kind, int height, vColor color) : vPane(kind), height_(height), color_(color) {}
    ~TestBar() override {
        if (vApp* app = vApp::Instance()) app->Layout().RemoveBar(this);
    }

    void Attach(vWindow* window) override {
        vPane::Attach(window);
        SetBarHeight(height_);
        vApp* app = vApp::Instance();
        app->Layout().AddBar(this);
        app->Layout().ShowActiveBars();
        app->Layout().Arrange();
    }
    void Paint() override { Surface().Fill(color_.Pixel()); }
    bool QueryValue(int id, int& value) override {
        if (id != kId) return false;
        value = stored;
        return true;
    }
    void PutValue(int id, int value, int kind) override {
        if (id == kId || id == 32112) puts.push_back({id, value, kind});
        if (id == kId) stored = value;
    }

    static constexpr int kId = 77;
    struct Put {
        int id, value, kind;
    };
    int stored = 5;
    std::vector<Put> puts;

private:
    int height_;
    vColor color_;
};

// A menu pane whose only item is chosen by (key, shift) while sensitive.
class TestMenuPane : public vPane {
public:
    TestMenuPane(int key, int shift, int id) : vPane(vPaneMenuBar), key_(key), shift_(shift), id_(id) {}

    void Attach(vWindow* window) override {
        vPane::Attach(window);
        window->SetMenuPane(this);
        vApp::Instance()->Layout().ShowActiveBars();
    }
    bool FindKeyItem(int key, int shift, int& id) override {
        if (!sensitive || key != key_ || shift != shift_) return false;
        id = id_;
        return true;
    }
    void Paint() override { Surface().Fill(vColor(0, 200, 0).Pixel()); }

    bool sensitive = true;

private:
    int key_, shift_, id_;
};
