#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>

#include "framework/platform/platform.h"
#include "framework/platform/sdl/sdl_text.h"
#include "framework/platform/timer_queue.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

// The real platform: one SDL window whose surface shows the composed raster; SDL2_ttf
// text; timers kept against SDL's clock.
class vSdlPlatform : public vPlatform {
public:
    // Initialises SDL's video and the text renderer. Null, with a one-line reason in
    // error, when there is no display or no font.
    static std::unique_ptr<vSdlPlatform> Create(std::string& error);
    ~vSdlPlatform() override;

    std::string ProgramPath(const char* argv0) const override;
    bool CreateFrame(const std::string& title, int width, int height,
                     std::string& error) override;
    void DestroyFrame() override;
    void ShowFrame(vFrameShow how) override;
    void SetFrameTitle(const std::string& title) override;
    void SetFrameIcon(const Raster& icon) override;
    void FrameOuterSize(int& width, int& height) const override;
    void FrameClientSize(int& width, int& height) const override;
    void ResizeFrame(int outerWidth, int outerHeight) override;
    void Present(const Raster& frame) override;
    int FrameInterval() const override { return frameInterval_; }
    vWaitResult NextEvent(vPlatformEvent& event, int timeoutMs) override;
    int StartTimer(int milliseconds) override;
    void StopTimer(int timerId) override;
    uint64_t NowMs() const override;
    void WarpPointer(int dx, int dy) override;
    void SetCursor(vCursorShape shape) override;
    void CapturePointer(bool on) override;
    bool ClipboardHasText() const override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& text) override;
    vTextRenderer& TextRenderer() override { return text_; }
    bool AnswerModal(const vModalRequest& request, vModalAnswer& answer) override;

private:
    vSdlPlatform() = default;
    void Borders(int& left, int& top, int& right, int& bottom) const;
    void Maximize();
    bool Translate(const SDL_Event& sdl, vPlatformEvent& event);
    bool TranslateWindowEvent(const SDL_Event& sdl, vPlatformEvent& event);
    bool NextTimerTick(vPlatformEvent& event);

    SDL_Window* window_ = nullptr;
    vSdlText text_;
    vTimerQueue timers_;
    std::deque<int> dueTimers_;
    std::map<vCursorShape, SDL_Cursor*> cursors_;
    int frameInterval_ = 16;
    bool quitFollowsClose_ = false;
    uint32_t endEventType_ = 0;
};
