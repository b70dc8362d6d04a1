#pragma once

#include <string>
#include <vector>

#include "framework/canvas/canvas_pane.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "window/app_fixture.h"

// A canvas pane that writes down every event as a line of text.
class RecordingCanvas : public vCanvasPane {
public:
    void OnMouseDown(int x, int y, int button) override { Note("down", x, y, button); }
    void OnMouseUp(int x, int y, int button) override { Note("up", x, y, button); }
    void OnMouseDrag(int x, int y, int button) override { Note("drag", x, y, button); }
    void OnMouseHover(int x, int y) override { Note("hover", x, y); }
    void OnFocusIn() override { events.push_back("focus in"); }
    void OnFocusOut() override { events.push_back("focus out"); }
    void OnRedraw(int x, int y, int w, int h) override { Note("redraw", x, y, w, h); }
    void OnResize(int w, int h) override { Note("resize", w, h); }
    void OnHPage(int shown, int top) override {
        Note("hpage", shown, top);
        vCanvasPane::OnHPage(shown, top);
    }
    void OnVPage(int shown, int top) override {
        Note("vpage", shown, top);
        vCanvasPane::OnVPage(shown, top);
    }
    void OnHStep(int step) override {
        Note("hstep", step);
        vCanvasPane::OnHStep(step);
    }
    void OnVStep(int step) override {
        Note("vstep", step);
        vCanvasPane::OnVStep(step);
    }
    void OnFontChanged(const vFont& font) override { Note("font", font.GetPointSize()); }

    // Events of one kind, e.g. all "down" lines.
    std::vector<std::string> Of(const std::string& kind) const {
        std::vector<std::string> found;
        for (const std::string& event : events) {
            if (event.rfind(kind + " ", 0) == 0 || event == kind) found.push_back(event);
        }
        return found;
    }

    std::vector<std::string> events;

private:
    template <class... Ints>
    void Note(const char* kind, Ints... values) {
        std::string line = kind;
        ((line += ' ', line += std::to_string(values)), ...);
        events.push_back(line);
    }
};

// A started single-window application whose window carries a RecordingCanvas.
class CanvasSession {
public:
    explicit CanvasSession(int width = 500, int height = 400, int singleWindow = 1)
        : session(singleWindow) {
        window = new vCmdWindow("Canvas", width, height);
        session.app.OpenAppWindow(window, "Canvas", width, height, nullptr);
        window->AddPane(&canvas);
        session.Pump();
    }

    // The canvas's top-left corner in the frame raster.
    int X(int x) const { return canvas.Bounds().x + x; }
    int Y(int y) const { return canvas.Bounds().y + y; }
    vHeadlessPlatform& platform() { return session.platform; }
    void Pump() { session.Pump(); }

    HeadlessSession<> session;
    vCmdWindow* window;
    RecordingCanvas canvas;
};
