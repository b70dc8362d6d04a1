#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/platform/platform.h"
#include "framework/window/app_win_info.h"
#include "framework/window/argument_list.h"
#include "framework/window/base_item.h"
#include "framework/window/command_ids.h"
#include "framework/window/event_loop.h"
#include "framework/window/frame.h"
#include "framework/window/pane_layout.h"
#include "framework/window/window_registry.h"

class vWindow;
class vTimer;

// The application's start hook: runs once after start-up. A non-zero result is the
// program's exit code and no event loop runs.
using vAppMainHook = int (*)(int argc, char** argv);

// One dropped file: its full path and the drop point in the frame's client area.
struct vDropInfo {
    static constexpr size_t kMaxPath = 261;
    std::string path;
    int x = 0;
    int y = 0;
};

// The one application object. Applications derive from it, construct one object, and
// hand control to vRunProgram (or, in tests, to Start and PumpUntilIdle). It starts and
// ends the program and answers what the application overrides; its window registry,
// pane layout and event loop do the rest.
class vApp : public vBaseItem {
public:
    // frameWidth and frameHeight of 0 or less take the platform's default frame size.
    vApp(const char* name, int singleWindow = 0, int frameWidth = 0, int frameHeight = 0);
    ~vApp() override;

    // The application object, or null when none exists.
    static vApp* Instance();

    // ---- What applications override ----------------------------------------------------
    // A command no window consumed. The default quits on vAppExitId.
    virtual void OnAppCommand(vWindow* window, int id, int value, int type);
    // Puts the window on the dead list and ends the event loop with code 0 (unless
    // Quit is running).
    virtual void OnLastWindowClosed(vWindow* window);
    // Tears the window down, drops its registry entry, puts it on the dead list; 1.
    virtual int DropWindow(vWindow* window);
    virtual int DropAdoptedWindow(vWindow* window);
    // Closes every registered window, then ends the event loop with code 0. A close
    // that returns 0 stops the quit and the loop goes on.
    virtual void Quit();
    virtual void OnAppKey(vWindow* window, int key, int shift);
    // Creates a vCmdWindow when window is null and a vAppWinInfo when info is null,
    // registers the pair (newest first) and returns the window.
    virtual vWindow* OpenAppWindow(vWindow* window, const char* name, int width, int height,
                                   vAppWinInfo* info);
    // Registers a window without info; null is ignored.
    virtual vWindow* AdoptWindow(vWindow* window);
    virtual void OnFileDropped(const vDropInfo& drop);
    // Runs on each tick of the work timer, then every registered window's OnIdleWork.
    virtual void OnIdleWork();

    // ---- Running ---------------------------------------------------------------------------
    // Start-up: the argument list, the frame, then hook.
    // Returns 0 when the event loop is to run, else the exit code (the frame is then
    // already gone). Start-up failures print one line on stderr and return 1.
    int Start(vPlatform& platform, int argc, const char* const* argv, vAppMainHook hook);
    // The event loop until the quit, then the clean-up; returns the exit code.
    int Run();
    // Handles every queued event, repaints, composes and presents; returns when the
    // platform has nothing more to deliver or the loop has ended. For headless tests.
    void PumpUntilIdle() { loop_.PumpUntilIdle(); }
    // After the loop: stops the timers, deletes the dead (and any remaining) windows,
    // destroys the frame. Returns the exit code; safe to call twice.
    int Finish();
    // Ends the event loop (and any modal run inside it) with this exit code.
    void EndEventLoop(int exitCode) { loop_.End(exitCode); }
    bool IsLoopEnded() const { return loop_.IsEnded(); }
    int ExitCode() const { return loop_.ExitCode(); }
    bool IsInitialised() const { return initialised_; }

    // The framework's warning box (warning icon, caption "Warning", one OK button).
    void ShowWarning(const char* text);

    // ---- State ---------------------------------------------------------------------------
    bool IsSingleWindow() const { return singleWindow_; }
    bool IsQuitting() const { return quitting_; }
    int DefaultWidth() const { return defaultWidth_; }
    int DefaultHeight() const { return defaultHeight_; }
    // What a memory image asked for with no size takes.
    vSize DefaultWindowSize() const { return {defaultWidth_, defaultHeight_}; }
    vArgumentList& Arguments() { return arguments_; }
    vFrame& Frame() { return frame_; }
    vPlatform* Platform() const { return platform_; }

    // ---- The parts that do the work ------------------------------------------------------
    // The windows: opened, dead, existing, active.
    vWindowRegistry& Registry() { return registry_; }
    const vWindowRegistry& Registry() const { return registry_; }
    // The bars and the windows' places in the frame.
    vPaneLayout& Layout() { return layout_; }
    // The event loop and its modal runs.
    vEventLoop& Loop() { return loop_; }

    // The command window that takes keys and shows its panes; null when none.
    vWindow* ActiveWindow() const { return registry_.Active(); }
    // Makes the window the active one (not while Quit runs).
    void ActivateWindow(vWindow* window);

    // ---- Frame services -----------------------------------------------------------------
    void ShowFrame(vFrameShow how);
    void ResizeFrameOuter(int width, int height);
    void FrameOuterSize(int& width, int& height) const;
    // Moves the pointer by one relative movement.
    void WarpPointer(int dx, int dy);
    bool ClipboardHasText() const;
    std::string ClipboardText() const;
    void SetClipboardText(const std::string& text);
    // The frame menu's items and the menus of window menu panes end here.
    void FrameMenuCommand(int id);
    // Delivers dropped files, one call each.
    void FilesDropped(const std::vector<std::string>& paths, int x, int y);
    // The frame's close box: stop taking drops, then Quit.
    void FrameCloseRequested();
    // A signal or a logout: open notices and dialogs give way, then Quit.
    void TerminateRequested();

    // ---- Timers ---------------------------------------------------------------------------
    int StartPlatformTimer(vTimer* timer, int milliseconds);
    void StopPlatformTimer(int timerId);
    void TimerFired(int timerId);
    // Starts the work timer whose ticks run OnIdleWork; 0 when refused.
    int StartWorkTimer(int milliseconds);
    void StopWorkTimer();

private:
    void ComputeDefaultWindowSize();
    void DestroyFrame();
    int CloseRegistered(const vWindowRegistry::Registration& entry);
    void StopAllTimers();

    bool singleWindow_;
    int frameWidth_;
    int frameHeight_;
    int defaultWidth_ = 400;
    int defaultHeight_ = 400;
    bool initialised_ = false;
    bool quitting_ = false;
    bool finished_ = false;
    bool acceptingDrops_ = false;
    vPlatform* platform_ = nullptr;
    vArgumentList arguments_;
    vFrame frame_;
    vWindowRegistry registry_;
    vPaneLayout layout_;
    vEventLoop loop_;
    std::map<int, vTimer*> timers_;
    std::unique_ptr<vTimer> workTimer_;
};

// The program's entry: Start, then Run. The application object must exist.
int vRunProgram(vPlatform& platform, int argc, const char* const* argv, vAppMainHook hook);
