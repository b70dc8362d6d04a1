#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/platform/headless/headless_platform.h"
#include "framework/window/cmd_window.h"
#include "view/knoll_canvas_pane.h"
#include "window/app_fixture.h"

// The owner's side of the canvas, written down call by call; an operation run at a
// release can be supplied.
class RecordingOwner : public KnollCanvasOwner {
public:
    void ArmOperation() override { calls.push_back("arm"); }
    void SetUndoKeep(int flag) override { calls.push_back("undo keep " + std::to_string(flag)); }
    void RunArmedOperation(int area) override {
        calls.push_back("run " + std::to_string(area));
        if (operation) operation(area);
    }
    // The two texts the main window writes into its status bar.
    void ShowPosition(int x, int y, int height, bool /*hasValue*/) override {
        readOuts.push_back(" X,Y Location: " + std::to_string(x) + "," + std::to_string(y) + " height:" +
                           std::to_string(height));
    }

    std::vector<std::string> calls;
    std::vector<std::string> readOuts;
    std::function<void(int)> operation;
};

// A small maximized frame whose only window carries the canvas, on the headless backend.
class CanvasFixture {
public:
    explicit CanvasFixture(int screenWidth = 360, int screenHeight = 300)
        : session(1, nullptr, screenWidth, screenHeight), canvas(&owner, document) {
        window = new vCmdWindow("Canvas", screenWidth, screenHeight);
        session.app.OpenAppWindow(window, "Canvas", screenWidth, screenHeight, nullptr);
        window->AddPane(&canvas);
        session.app.ShowFrame(vFrameShow::Maximized);
        Pump();
    }

    void Pump() { session.Pump(); }
    vHeadlessPlatform& platform() { return session.platform; }

    // A field of the kind whose value at (x, y) is value(x, y), committed and shown.
    void Load(int width, int height, int kind, const std::function<int(int, int)>& value) {
        HeightField& field = document.field();
        field.ReplaceField(width, height);
        field.SetKind(kind);
        std::vector<vColor> row(static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int v = value(x, y);
                row[size_t(x)] = v < 0 ? vColor::FromPixel(kNoValuePixel) : field.ValueColor(v);
            }
            field.WriteRow(y, row.data());
        }
        field.SnapshotField();
        canvas.RefreshView();
        canvas.UpdateScrollBars();
        Pump();
    }

    // Pointer input in pane coordinates, pumped through the frame.
    void Click(int x, int y, int button = 1) {
        platform().QueueClick(X(x), Y(y), button);
        Pump();
    }
    void Press(int x, int y) {
        platform().QueueMove(X(x), Y(y));
        platform().QueuePress(X(x), Y(y));
        Pump();
    }
    void MoveTo(int x, int y) {
        platform().QueueMove(X(x), Y(y));
        Pump();
    }
    void Release(int x, int y) {
        platform().QueueRelease(X(x), Y(y));
        Pump();
    }

    uint32_t Shown(int x, int y) { return canvas.Surface().At(x, y) & 0xFFFFFF; }
    uint32_t Working(int x, int y) { return document.field().working().ReadPixel(x, y); }
    // True when the pane shows the working image at the scroll offsets, pixel for pixel.
    bool ShowsTheField() {
        const HeightField& field = document.field();
        const vRect view = canvas.ShownArea();
        for (int y = 0; y < view.h && y + view.y < field.height(); ++y) {
            for (int x = 0; x < view.w && x + view.x < field.width(); ++x) {
                if (Shown(x, y) != Working(x + view.x, y + view.y)) {
                    return false;
                }
            }
        }
        return true;
    }

    int X(int x) const { return canvas.Bounds().x + x; }
    int Y(int y) const { return canvas.Bounds().y + y; }

    HeadlessSession<> session;
    vCmdWindow* window = nullptr;
    RecordingOwner owner;
    FieldDocument document;
    KnollCanvasPane canvas;
};
