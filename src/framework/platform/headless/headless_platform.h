#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/draw/raster.h"
#include "framework/platform/headless/headless_text.h"
#include "framework/platform/platform.h"
#include "framework/platform/timer_queue.h"

// A platform without an OS window, for tests. The test queues raw events, lets the
// application pump them, and reads the presented frame pixel by pixel. Time stands
// still until the test advances it; timers fire then. Modal boxes and choosers can be
// answered from a script, and every one offered is recorded. Text has fixed metrics.
class vHeadlessPlatform : public vPlatform {
public:
    // The size of the pretend screen: the size of a maximized frame.
    explicit vHeadlessPlatform(int screenWidth = 1024, int screenHeight = 768);

    std::string ProgramPath(const char* argv0) const override { return argv0 ? argv0 : ""; }
    bool CreateFrame(const std::string& title, int width, int height,
                     std::string& error) override;
    void DestroyFrame() override;
    void ShowFrame(vFrameShow how) override;
    void SetFrameTitle(const std::string& title) override { title_ = title; }
    void SetFrameIcon(const Raster& icon) override { icon_ = icon; }
    void FrameOuterSize(int& width, int& height) const override;
    void FrameClientSize(int& width, int& height) const override;
    void ResizeFrame(int outerWidth, int outerHeight) override;
    void Present(const Raster& frame) override;
    int FrameInterval() const override { return 0; }
    vWaitResult NextEvent(vPlatformEvent& event, int timeoutMs) override;
    int StartTimer(int milliseconds) override;
    void StopTimer(int timerId) override;
    uint64_t NowMs() const override { return now_; }
    void WarpPointer(int dx, int dy) override;
    void SetCursor(vCursorShape shape) override { cursor_ = shape; }
    void CapturePointer(bool on) override { captured_ = on; }
    bool ClipboardHasText() const override { return !clipboard_.empty(); }
    std::string ClipboardText() const override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    vTextRenderer& TextRenderer() override { return text_; }
    bool AnswerModal(const vModalRequest& request, vModalAnswer& answer) override;

    // ---- Input the test queues ------------------------------------------------------------
    // Pointer events carry the buttons held so far (press and release keep track).
    void QueueMove(int x, int y);
    void QueuePress(int x, int y, int button = 1);
    void QueueRelease(int x, int y, int button = 1);
    void QueueClick(int x, int y, int button = 1);  // move, press, release
    // Press at the start, moves in steps, release at the end.
    void QueueDrag(int fromX, int fromY, int toX, int toY, int button = 1, int steps = 4);
    void QueueWheel(int x, int y, int notchesX, int notchesY, int modifiers = 0);
    // A key press and release. A printable key without Control or Alt also types its
    // character (shifted letters in upper case), as a keyboard would.
    void QueueKey(int key, int modifiers = 0);
    void QueueKeyDown(int key, int modifiers = 0);
    void QueueText(const std::string& text, int modifiers = 0);
    void QueueResize(int clientWidth, int clientHeight);
    void QueueClose();
    void QueueExpose();
    void QueueFocus(bool gained);
    void QueueDrop(const std::vector<std::string>& paths, int x, int y);
    void QueueEvent(const vPlatformEvent& event) { queue_.push_back(event); }
    bool HasQueuedEvents() const { return !queue_.empty(); }
    // Runs act whenever the queue runs dry, before the application hears that nothing
    // more will come: a test acts on what is on screen then, a dialog inside its modal
    // run included. What act queues is delivered; null stops it.
    void WhenQueueEmpty(std::function<void()> act) { whenEmpty_ = std::move(act); }

    // Moves the clock on; every timer that came due queues its ticks.
    void AdvanceClock(int milliseconds);

    // ---- The frame as presented ----------------------------------------------------------
    bool FrameExists() const { return frameExists_; }
    const Raster& FrameRaster() const { return presented_; }
    uint32_t FramePixel(int x, int y) const { return presented_.At(x, y); }
    // Writes the last presented frame as a PNG; false when it could not be written.
    bool WriteFramePng(const std::string& path) const;
    int PresentCount() const { return presentCount_; }
    const std::string& FrameTitle() const { return title_; }
    const Raster& FrameIcon() const { return icon_; }
    vFrameShow LastShow() const { return shown_; }
    bool FrameShown() const { return frameShown_; }

    // ---- Scripted answers -----------------------------------------------------------------
    // Answers the next request of that kind (first in, first out).
    void ScriptAnswer(vModalRequest::Kind kind, const vModalAnswer& answer);
    // Answers every request of that kind that has no scripted answer.
    void AlwaysAnswer(vModalRequest::Kind kind, const vModalAnswer& answer);
    const std::vector<vModalRequest>& ModalRequests() const { return requests_; }

    // ---- Failures to pretend ----------------------------------------------------------------
    void RefuseFrame(const std::string& reason) { refuseFrame_ = reason; }
    void RefuseTimers(bool refuse) { refuseTimers_ = refuse; }

    // ---- Pointer as the test sees it --------------------------------------------------------
    int PointerX() const { return pointerX_; }
    int PointerY() const { return pointerY_; }
    const std::vector<std::pair<int, int>>& Warps() const { return warps_; }
    vCursorShape Cursor() const { return cursor_; }
    bool IsPointerCaptured() const { return captured_; }
    int ActiveTimerCount() const { return timers_.Count(); }

private:
    vPlatformEvent PointerEvent(vEventKind kind, int x, int y);
    void SetClientSize(int width, int height);
    void PostNewSize(int clientWidth, int clientHeight);

    int screenWidth_;
    int screenHeight_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool frameExists_ = false;
    bool frameShown_ = false;
    vFrameShow shown_ = vFrameShow::Normal;
    std::string title_;
    Raster icon_;
    Raster presented_;
    int presentCount_ = 0;
    std::deque<vPlatformEvent> queue_;
    std::function<void()> whenEmpty_;
    bool acting_ = false;
    uint64_t now_ = 0;
    vTimerQueue timers_;
    int buttons_ = 0;
    int pointerX_ = 0;
    int pointerY_ = 0;
    std::vector<std::pair<int, int>> warps_;
    vCursorShape cursor_ = vCursorShape::Arrow;
    bool captured_ = false;
    std::string clipboard_;
    vHeadlessText text_;
    std::map<vModalRequest::Kind, std::deque<vModalAnswer>> scripted_;
    std::map<vModalRequest::Kind, vModalAnswer> always_;
    std::vector<vModalRequest> requests_;
    std::string refuseFrame_;
    bool refuseTimers_ = false;
};
