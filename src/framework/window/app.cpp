#include "framework/window/app.h"

#include <algorithm>

#include "framework/look/system_colors.h"
#include "framework/window/cmd_window.h"
#include "framework/window/command_ids.h"
#include "framework/window/timer.h"

namespace {

vApp* theApp = nullptr;

template <class T>
void EraseValue(std::vector<T>& list, const T& value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

}  // namespace

vApp::vApp(const char* name, int singleWindow, int frameWidth, int frameHeight)
    : vBaseItem(name),
      singleWindow_(singleWindow != 0),
      frameWidth_(frameWidth > 0 ? frameWidth + 20 : 0),
      frameHeight_(frameHeight > 0 ? frameHeight + 20 : 0),
      frame_(*this) {
    theApp = this;
}

vApp::~vApp() {
    Finish();
    // Windows that outlive the application (never opened, or owned elsewhere) keep no
    // link to it.
    for (vWindow* window : linked_) window->ForgetApp();
    if (theApp == this) theApp = nullptr;
}

vApp* vApp::Instance() { return theApp; }

// ---- Default behaviour for applications to override -------------------------------------

void vApp::OnAppCommand(vWindow* /*window*/, int id, int /*value*/, int /*type*/) {
    if (id == vAppExitId) Quit();
}

void vApp::OnLastWindowClosed(vWindow* window) {
    AddToDeadList(window);
    if (!quitting_) EndEventLoop(0);
}

int vApp::DropWindow(vWindow* window) {
    if (!window) return 0;
    window->Teardown();
    DropRegistration(window);
    AddToDeadList(window);
    return 1;
}

int vApp::DropAdoptedWindow(vWindow* window) { return vApp::DropWindow(window); }

void vApp::Quit() {
    if (quitting_) return;
    StopWorkTimer();
    quitting_ = true;
    while (!registry_.empty()) {
        Registration first = registry_.front();
        if (CloseRegistered(first) == 0) {
            quitting_ = false;
            acceptingDrops_ = frame_.Exists();
            return;
        }
        // An override that says it closed the window but kept it registered would
        // otherwise be asked again forever.
        if (!registry_.empty() && registry_.front().window == first.window) DropRegistration(first.window);
    }
    quitting_ = false;
    EndEventLoop(0);
}

int vApp::CloseRegistered(const Registration& entry) {
    return entry.info ? DropWindow(entry.window) : DropAdoptedWindow(entry.window);
}

void vApp::OnAppKey(vWindow* /*window*/, int /*key*/, int /*shift*/) {}

vWindow* vApp::OpenAppWindow(vWindow* window, const char* name, int width, int height,
                             vAppWinInfo* info) {
    if (!window) window = new vCmdWindow(name, width, height);
    if (!info) info = new vAppWinInfo(name, nullptr);
    registry_.insert(registry_.begin(), Registration{window, info});
    return window;
}

vWindow* vApp::AdoptWindow(vWindow* window) {
    if (window) registry_.insert(registry_.begin(), Registration{window, nullptr});
    return window;
}

void vApp::OnFileDropped(const vDropInfo& /*drop*/) {}

void vApp::OnIdleWork() {}

// ---- Registry and window lists ------------------------------------------------------------

vAppWinInfo* vApp::InfoOf(vWindow* window) const {
    for (const Registration& entry : registry_) {
        if (entry.window == window) return entry.info;
    }
    return nullptr;
}

void vApp::DropRegistration(vWindow* window) {
    auto found = std::find_if(registry_.begin(), registry_.end(),
                              [window](const Registration& entry) { return entry.window == window; });
    if (found == registry_.end()) return;
    delete found->info;
    registry_.erase(found);
}

void vApp::AddToDeadList(vWindow* window) {
    if (window && std::find(deadList_.begin(), deadList_.end(), window) == deadList_.end()) {
        deadList_.push_back(window);
    }
}

void vApp::LinkWindow(vWindow* window) {
    windows_.push_back(window);
    linked_.push_back(window);
}

void vApp::UnlinkWindow(vWindow* window) {
    EraseValue(windows_, window);
    if (activeWindow_ == window) activeWindow_ = nullptr;
    for (vWindow* other : windows_) {
        if (other->PreviousActive() == window) other->ForgetPrevious();
    }
}

void vApp::LinkCmdWindow(vCmdWindow* window) { cmdWindows_.push_back(window); }

void vApp::UnlinkCmdWindow(vCmdWindow* window) { EraseValue(cmdWindows_, window); }

// A window being deleted leaves every list that could still point at it.
void vApp::WindowDeleted(vWindow* window) {
    DropRegistration(window);
    EraseValue(deadList_, window);
    UnlinkWindow(window);
    EraseValue(linked_, window);
}

vWindow* vApp::WindowOfView(const vView* view) const {
    for (vWindow* window : windows_) {
        if (&window->View() == view) return window;
    }
    return nullptr;
}

// ---- Frame services -------------------------------------------------------------------------

void vApp::ShowFrame(vFrameShow how) {
    if (platform_ && frame_.Exists()) platform_->ShowFrame(how);
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
        case vCascadeId: CascadeWindows(); return;
        case vTileId: TileWindows(); return;
        case vArrangeId: return;  // windows are never minimized to icons here
        case vFrameNewId: OnAppCommand(nullptr, vAppNewId, 0, 0); return;
        case vFrameOpenId: OnAppCommand(nullptr, vAppOpenId, 0, 0); return;
        case vFrameExitId: OnAppCommand(nullptr, vAppExitId, 0, 0); return;
        default: break;
    }
    if (activeWindow_ && id < vFirstWindowId) activeWindow_->OnMenuItem(id);
}

// A file dropped while Quit closes the windows would open into a closing program.
void vApp::FilesDropped(const std::vector<std::string>& paths, int x, int y) {
    if (!acceptingDrops_ || quitting_) return;
    if (modalDepth_ > 0) {
        deferred_.drops.push_back({paths, x, y});
        return;
    }
    for (const std::string& path : paths) {
        vDropInfo drop;
        drop.path = path.substr(0, vDropInfo::kMaxPath);
        drop.x = x;
        drop.y = y;
        OnFileDropped(drop);
        if (loopEnded_) return;
    }
}

// A close asked for while a notice or dialog runs waits for its loop to end, so Quit
// never runs inside the command that opened it.
void vApp::FrameCloseRequested() {
    if (modalDepth_ > 0) {
        deferred_.close = true;
        return;
    }
    acceptingDrops_ = false;
    Quit();
}

void vApp::RunDeferredRequests() {
    std::vector<Deferred::Drop> drops = std::move(deferred_.drops);
    deferred_.drops.clear();
    for (const Deferred::Drop& drop : drops) FilesDropped(drop.paths, drop.x, drop.y);
    if (deferred_.close) {
        deferred_.close = false;
        FrameCloseRequested();
    }
}
