#include "framework/window/app.h"

#include <algorithm>

#include "framework/look/system_colors.h"
#include "framework/window/cmd_window.h"
#include "framework/window/command_ids.h"
#include "framework/window/timer.h"

namespace {

vApp* theApp = nullptr;

}  // namespace

vApp::vApp(const char* name, int singleWindow, int frameWidth, int frameHeight)
    : vBaseItem(name),
      singleWindow_(singleWindow != 0),
      frameWidth_(frameWidth > 0 ? frameWidth + 20 : 0),
      frameHeight_(frameHeight > 0 ? frameHeight + 20 : 0),
      frame_(*this),
      registry_(frame_, layout_),
      layout_(frame_, registry_),
      loop_(*this) {
    theApp = this;
}

vApp::~vApp() {
    Finish();
    if (theApp == this) theApp = nullptr;
}

vApp* vApp::Instance() { return theApp; }

// ---- Default behaviour for applications to override -------------------------------------

void vApp::OnAppCommand(vWindow* /*window*/, int id, int /*value*/, int /*type*/) {
    if (id == vAppExitId) Quit();
}

void vApp::OnLastWindowClosed(vWindow* window) {
    registry_.AddToDeadList(window);
    if (!quitting_) EndEventLoop(0);
}

int vApp::DropWindow(vWindow* window) {
    if (!window) return 0;
    window->Teardown();
    registry_.Unregister(window);
    registry_.AddToDeadList(window);
    return 1;
}

int vApp::DropAdoptedWindow(vWindow* window) { return vApp::DropWindow(window); }

void vApp::Quit() {
    if (quitting_) return;
    StopWorkTimer();
    quitting_ = true;
    while (!registry_.Entries().empty()) {
        vWindowRegistry::Registration first = registry_.Entries().front();
        if (CloseRegistered(first) == 0) {
            quitting_ = false;
            return;
        }
        // An override that says it closed the window but kept it registered would
        // otherwise be asked again forever.
        const auto& entries = registry_.Entries();
        if (!entries.empty() && entries.front().window == first.window) registry_.Unregister(first.window);
    }
    quitting_ = false;
    EndEventLoop(0);
}

int vApp::CloseRegistered(const vWindowRegistry::Registration& entry) {
    return entry.info ? DropWindow(entry.window) : DropAdoptedWindow(entry.window);
}

void vApp::OnAppKey(vWindow* /*window*/, int /*key*/, int /*shift*/) {}

vWindow* vApp::OpenAppWindow(vWindow* window, const char* name, int width, int height,
                             vAppWinInfo* info) {
    if (!window) window = new vCmdWindow(name, width, height);
    if (!info) info = new vAppWinInfo(name, nullptr);
    registry_.Register(window, info);
    return window;
}

vWindow* vApp::AdoptWindow(vWindow* window) {
    if (window) registry_.Register(window, nullptr);
    return window;
}

void vApp::OnFileDropped(const vDropInfo& /*drop*/) {}

void vApp::OnIdleWork() {}

void vApp::ActivateWindow(vWindow* window) {
    if (!quitting_) registry_.Activate(window);
}

// ---- Frame services -------------------------------------------------------------------------

// The frame takes its new size at once: a notice shown next is centred on it, not on
// the size that the platform's resize event would report only later.
void vApp::ShowFrame(vFrameShow how) {
    if (!platform_ || !frame_.Exists()) return;
    platform_->ShowFrame(how);
    int width = 0, height = 0;
    platform_->FrameClientSize(width, height);
    frame_.Resized(width, height);
}

void vApp::ResizeFrameOuter(int width, int height) {
    if (platform_ && frame_.Exists()) platform_->ResizeFrame(width, height);
}

void vApp::FrameOuterSize(int& width, int& height) const {
    width = height = 0;
    if (platform_ && frame_.Exists()) platform_->FrameOuterSize(width, height);
}

void vApp::WarpPointer(int dx, int dy) {
    if (platform_ && frame_.Exists()) platform_->WarpPointer(dx, dy);
}

bool vApp::ClipboardHasText() const { return platform_ && frame_.Exists() && platform_->ClipboardHasText(); }

std::string vApp::ClipboardText() const {
    return platform_ && frame_.Exists() ? platform_->ClipboardText() : std::string();
}

void vApp::SetClipboardText(const std::string& text) {
    if (platform_ && frame_.Exists()) platform_->SetClipboardText(text);
}

void vApp::FrameMenuCommand(int id) {
    switch (id) {
        case vCascadeId: layout_.Cascade(); return;
        case vTileId: layout_.Tile(); return;
        case vArrangeId: return;  // windows are never minimized to icons here
        case vFrameNewId: OnAppCommand(nullptr, vAppNewId, 0, 0); return;
        case vFrameOpenId: OnAppCommand(nullptr, vAppOpenId, 0, 0); return;
        case vFrameExitId: OnAppCommand(nullptr, vAppExitId, 0, 0); return;
        default: break;
    }
    if (ActiveWindow() && id < vFirstWindowId) ActiveWindow()->OnMenuItem(id);
}

// A file dropped while Quit closes the windows would open into a closing program.
void vApp::FilesDropped(const std::vector<std::string>& paths, int x, int y) {
    if (!acceptingDrops_ || quitting_ || loop_.DeferDrop(paths, x, y)) return;
    for (const std::string& path : paths) {
        vDropInfo drop;
        drop.path = path.substr(0, vDropInfo::kMaxPath);
        drop.x = x;
        drop.y = y;
        OnFileDropped(drop);
        if (IsLoopEnded()) return;
    }
}

// Nobody may be there to answer: open notices and dialogs give way at once, then the
// program quits as on a close.
void vApp::TerminateRequested() {
    loop_.AbandonModalRuns();
    FrameCloseRequested();
}

// A close asked for while a notice or dialog runs waits for its loop to end, so Quit
// never runs inside the command that opened it.
void vApp::FrameCloseRequested() {
    if (loop_.DeferClose()) return;
    acceptingDrops_ = false;
    Quit();
    // A close that the application or a window declined leaves the program running.
    if (!IsLoopEnded()) acceptingDrops_ = frame_.Exists();
}
