#include "framework/platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "framework/draw/raster.h"
#include "framework/platform/sdl/end_signals.h"
#include "framework/platform/sdl/lost_display.h"

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;

SDL_SystemCursor SystemCursor(vCursorShape shape) {
    switch (shape) {
        case vCursorShape::Cross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case vCursorShape::Wait: return SDL_SYSTEM_CURSOR_WAIT;
        case vCursorShape::Text: return SDL_SYSTEM_CURSOR_IBEAM;
        case vCursorShape::SizeHorizontal: return SDL_SYSTEM_CURSOR_SIZEWE;
        case vCursorShape::SizeVertical: return SDL_SYSTEM_CURSOR_SIZENS;
        case vCursorShape::Move: return SDL_SYSTEM_CURSOR_SIZEALL;
        case vCursorShape::Hand: return SDL_SYSTEM_CURSOR_HAND;
        default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// Without a display SDL settles for a driver that shows nothing, and the program would
// run on unseen. Only a user who asks for such a driver by name gets one.
bool ShowsNothing(const char* driver) {
    if (!driver) return true;
    std::string name = driver;
    if (name != "offscreen" && name != "dummy") return false;
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !asked || name != asked;
}

}  // namespace

std::unique_ptr<vSdlPlatform> vSdlPlatform::Create(std::string& error) {
    uint32_t endEventType = vEndSignals::Start();
    // Frames are composed in our own rasters and only copied to the window. Left to
    // itself SDL would route that copy through an OpenGL texture, loading a GL driver
    // (tens of MiB, and a software one on machines without a GPU) for no gain.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot open the display: ") + SDL_GetError();
        return nullptr;
    }
    if (ShowsNothing(SDL_GetCurrentVideoDriver())) {
        error = "no display to open (neither DISPLAY nor WAYLAND_DISPLAY names one)";
        SDL_Quit();
        return nullptr;
    }
    vLostDisplay::EndWithIt(SDL_GetCurrentVideoDriver());
    if (TTF_Init() != 0) {
        error = std::string("cannot start the text renderer: ") + TTF_GetError();
        SDL_Quit();
        return nullptr;
    }
    std::unique_ptr<vSdlPlatform> platform(new vSdlPlatform());
    platform->endEventType_ = endEventType;
    if (!platform->text_.Open(error)) return nullptr;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0) {
        platform->frameInterval_ = std::max(1000 / mode.refresh_rate, 1);
    }
    return platform;
}

vSdlPlatform::~vSdlPlatform() {
    DestroyFrame();
    for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
    text_.Close();
    TTF_Quit();
    SDL_Quit();
}

std::string vSdlPlatform::ProgramPath(const char* argv0) const {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return argv0 ? argv0 : "";
    return std::string(path, size_t(length));
}

// ---- The frame ------------------------------------------------------------------------------

bool vSdlPlatform::CreateFrame(const std::string& title, int width, int height, std::string& error) {
    if (window_) DestroyFrame();
    SDL_Rect usable{0, 0, kDefaultWidth, kDefaultHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    int w = width > 0 ? width : std::min(kDefaultWidth, usable.w);
    int h = height > 0 ? height : std::min(kDefaultHeight, usable.h);
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, w, h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!window_) {
        error = std::string("cannot create the window: ") + SDL_GetError();
        return false;
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    quitFollowsClose_ = false;
    return true;
}

void vSdlPlatform::DestroyFrame() {
    if (!window_) return;
    SDL_CaptureMouse(SDL_FALSE);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
}

void vSdlPlatform::ShowFrame(vFrameShow how) {
    if (!window_) return;
    SDL_ShowWindow(window_);
    switch (how) {
        case vFrameShow::Maximized: Maximize(); break;
        case vFrameShow::Minimized: SDL_MinimizeWindow(window_); break;
        case vFrameShow::Normal: SDL_RestoreWindow(window_); break;
    }
}

// Without a window manager nothing maximizes the window, so it first takes the
// display's usable area itself.
void vSdlPlatform::Maximize() {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable) == 0) {
        SDL_SetWindowPosition(window_, usable.x, usable.y);
        SDL_SetWindowSize(window_, usable.w, usable.h);
    }
    SDL_MaximizeWindow(window_);
}

void vSdlPlatform::SetFrameTitle(const std::string& title) {
    if (window_) SDL_SetWindowTitle(window_, title.c_str());
}

void vSdlPlatform::SetFrameIcon(const Raster& icon) {
    if (!window_ || icon.IsEmpty()) return;
    // Our pixels are red | green << 8 | blue << 16: SDL's XBGR8888.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(icon.Data()), icon.Width(), icon.Height(), 32, icon.Width() * 4,
        SDL_PIXELFORMAT_XBGR8888);
    if (!surface) return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

void vSdlPlatform::Borders(int& left, int& top, int& right, int& bottom) const {
    left = top = right = bottom = 0;
    if (window_) SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
}

void vSdlPlatform::FrameOuterSize(int& width, int& height) const {
    FrameClientSize(width, height);
    int left, top, right, bottom;
    Borders(left, top, right, bottom);
    width += left + right;
    height += top + bottom;
}

void vSdlPlatform::FrameClientSize(int& width, int& height) const {
    width = height = 0;
    if (window_) SDL_GetWindowSize(window_, &width, &height);
}

void vSdlPlatform::ResizeFrame(int outerWidth, int outerHeight) {
    if (!window_) return;
    int left, top, right, bottom;
    Borders(left, top, right, bottom);
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) SDL_RestoreWindow(window_);
    SDL_SetWindowSize(window_, std::max(outerWidth - left - right, 1), std::max(outerHeight - top - bottom, 1));
}

// Our pixels are red | green << 8 | blue << 16, which SDL calls XBGR8888; SDL's blit
// converts them to whatever the window surface holds.
void vSdlPlatform::Present(const Raster& frame) {
    if (!window_ || frame.IsEmpty()) return;
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target) return;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(frame.Data()), frame.Width(), frame.Height(), 32, frame.Width() * 4,
        SDL_PIXELFORMAT_XBGR8888);
    if (!source) return;
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(window_);
}

// ---- Timers, pointer, clipboard -------------------------------------------------------------

int vSdlPlatform::StartTimer(int milliseconds) { return timers_.Add(milliseconds, NowMs()); }

void vSdlPlatform::StopTimer(int timerId) {
    timers_.Remove(timerId);
    dueTimers_.erase(std::remove(dueTimers_.begin(), dueTimers_.end(), timerId), dueTimers_.end());
}

uint64_t vSdlPlatform::NowMs() const { return SDL_GetTicks64(); }

void vSdlPlatform::WarpPointer(int dx, int dy) {
    if (!window_) return;
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    SDL_WarpMouseInWindow(window_, x + dx, y + dy);
}

void vSdlPlatform::SetCursor(vCursorShape shape) {
    SDL_Cursor*& cursor = cursors_[shape];
    if (!cursor) cursor = SDL_CreateSystemCursor(SystemCursor(shape));
    if (cursor) SDL_SetCursor(cursor);
}

void vSdlPlatform::CapturePointer(bool on) { SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE); }

bool vSdlPlatform::ClipboardHasText() const { return SDL_HasClipboardText() == SDL_TRUE; }

std::string vSdlPlatform::ClipboardText() const {
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

void vSdlPlatform::SetClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

// The user answers every question on this platform.
bool vSdlPlatform::AnswerModal(const vModalRequest& /*request*/, vModalAnswer& /*answer*/) { return false; }
