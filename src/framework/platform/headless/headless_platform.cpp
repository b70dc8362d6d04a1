#include "framework/platform/headless/headless_platform.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// The frame a headless program gets when it asks for the default size.
constexpr int kDefaultFrameWidth = 800;
constexpr int kDefaultFrameHeight = 600;

bool IsPrintableKey(int key) { return key >= 32 && key < 127; }

char TypedCharacter(int key, int modifiers) {
    char c = char(key);
    if (modifiers & vModShift) c = char(std::toupper(static_cast<unsigned char>(c)));
    return c;
}

}  // namespace

vHeadlessPlatform::vHeadlessPlatform(int screenWidth, int screenHeight)
    : screenWidth_(std::max(screenWidth, 1)), screenHeight_(std::max(screenHeight, 1)) {}

// ---- The frame ------------------------------------------------------------------------------

bool vHeadlessPlatform::CreateFrame(const std::string& title, int width, int height,
                                    std::string& error) {
    if (!refuseFrame_.empty()) {
        error = refuseFrame_;
        return false;
    }
    title_ = title;
    frameExists_ = true;
    SetClientSize(width > 0 ? width : kDefaultFrameWidth, height > 0 ? height : kDefaultFrameHeight);
    return true;
}

void vHeadlessPlatform::DestroyFrame() {
    frameExists_ = false;
    frameShown_ = false;
    captured_ = false;
}

void vHeadlessPlatform::ShowFrame(vFrameShow how) {
    if (!frameExists_) return;
    frameShown_ = true;
    shown_ = how;
    if (how != vFrameShow::Maximized) return;
    // As on a display without a window manager: the size holds at once, its event follows.
    SetClientSize(screenWidth_, screenHeight_);
    PostNewSize(screenWidth_, screenHeight_);
}

// No decorations: the outer size is the client size.
void vHeadlessPlatform::FrameOuterSize(int& width, int& height) const {
    width = clientWidth_;
    height = clientHeight_;
}

void vHeadlessPlatform::FrameClientSize(int& width, int& height) const {
    width = clientWidth_;
    height = clientHeight_;
}

void vHeadlessPlatform::ResizeFrame(int outerWidth, int outerHeight) {
    if (!frameExists_) return;
    shown_ = vFrameShow::Normal;
    PostNewSize(std::clamp(outerWidth, 1, screenWidth_), std::clamp(outerHeight, 1, screenHeight_));
}

// As a window system does, a new size of the frame replaces a size event still waiting,
// so a resize asked for just before a maximize never shrinks the frame after it.
void vHeadlessPlatform::PostNewSize(int clientWidth, int clientHeight) {
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                [](const vPlatformEvent& event) { return event.kind == vEventKind::Resize; }),
                 queue_.end());
    QueueResize(clientWidth, clientHeight);
}

void vHeadlessPlatform::SetClientSize(int width, int height) {
    clientWidth_ = std::clamp(width, 1, screenWidth_);
    clientHeight_ = std::clamp(height, 1, screenHeight_);
}

void vHeadlessPlatform::Present(const Raster& frame) {
    if (!frameExists_) return;
    if (presented_.Width() != frame.Width() || presented_.Height() != frame.Height()) {
        presented_.Resize(frame.Width(), frame.Height());
    }
    std::copy(frame.Data(), frame.Data() + size_t(frame.Width()) * size_t(frame.Height()),
              presented_.Data());
    ++presentCount_;
}

bool vHeadlessPlatform::WriteFramePng(const std::string& path) const {
    if (presented_.IsEmpty()) return false;
    std::vector<png_byte> rgb;
    rgb.reserve(size_t(presented_.Width()) * size_t(presented_.Height()) * 3);
    for (int y = 0; y < presented_.Height(); ++y) {
        const uint32_t* row = presented_.Row(y);
        for (int x = 0; x < presented_.Width(); ++x) {
            rgb.insert(rgb.end(), {png_byte(row[x]), png_byte(row[x] >> 8), png_byte(row[x] >> 16)});
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(presented_.Width());
    image.height = png_uint_32(presented_.Height());
    image.format = PNG_FORMAT_RGB;
    bool written = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}

// ---- Events ---------------------------------------------------------------------------------

vWaitResult vHeadlessPlatform::NextEvent(vPlatformEvent& event, int /*timeoutMs*/) {
    if (queue_.empty() && whenEmpty_ && !acting_) {
        // The act may pump the application itself; it is not asked again meanwhile.
        std::function<void()> act = whenEmpty_;
        acting_ = true;
        act();
        acting_ = false;
    }
    if (queue_.empty()) return vWaitResult::Exhausted;
    event = std::move(queue_.front());
    queue_.pop_front();
    // The frame takes its new size when the application sees the resize.
    if (event.kind == vEventKind::Resize) {
        SetClientSize(event.width, event.height);
        event.width = clientWidth_;
        event.height = clientHeight_;
    }
    return vWaitResult::Event;
}

vPlatformEvent vHeadlessPlatform::PointerEvent(vEventKind kind, int x, int y) {
    pointerX_ = x;
    pointerY_ = y;
    vPlatformEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    event.buttons = buttons_;
    return event;
}

void vHeadlessPlatform::QueueMove(int x, int y) { queue_.push_back(PointerEvent(vEventKind::PointerMove, x, y)); }

void vHeadlessPlatform::QueuePress(int x, int y, int button) {
    buttons_ |= vButtonMask(button);
    vPlatformEvent event = PointerEvent(vEventKind::ButtonDown, x, y);
    event.button = button;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueRelease(int x, int y, int button) {
    buttons_ &= ~vButtonMask(button);
    vPlatformEvent event = PointerEvent(vEventKind::ButtonUp, x, y);
    event.button = button;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueClick(int x, int y, int button) {
    QueueMove(x, y);
    QueuePress(x, y, button);
    QueueRelease(x, y, button);
}

void vHeadlessPlatform::QueueDrag(int fromX, int fromY, int toX, int toY, int button, int steps) {
    QueueMove(fromX, fromY);
    QueuePress(fromX, fromY, button);
    steps = std::max(steps, 1);
    for (int i = 1; i <= steps; ++i) {
        QueueMove(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    }
    QueueRelease(toX, toY, button);
}

void vHeadlessPlatform::QueueWheel(int x, int y, int notchesX, int notchesY, int modifiers) {
    vPlatformEvent event = PointerEvent(vEventKind::Wheel, x, y);
    event.wheelX = notchesX;
    event.wheelY = notchesY;
    event.modifiers = modifiers;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueKeyDown(int key, int modifiers) {
    vPlatformEvent event;
    event.kind = vEventKind::KeyDown;
    event.key = key;
    event.modifiers = modifiers;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueKey(int key, int modifiers) {
    QueueKeyDown(key, modifiers);
    if (IsPrintableKey(key) && !(modifiers & (vModControl | vModAlt))) {
        QueueText(std::string(1, TypedCharacter(key, modifiers)), modifiers);
    }
    vPlatformEvent up;
    up.kind = vEventKind::KeyUp;
    up.key = key;
    up.modifiers = modifiers;
    queue_.push_back(up);
}

void vHeadlessPlatform::QueueText(const std::string& text, int modifiers) {
    vPlatformEvent event;
    event.kind = vEventKind::TextInput;
    event.text = text;
    event.modifiers = modifiers;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueResize(int clientWidth, int clientHeight) {
    vPlatformEvent event;
    event.kind = vEventKind::Resize;
    event.width = clientWidth;
    event.height = clientHeight;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueClose() {
    vPlatformEvent event;
    event.kind = vEventKind::Close;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueExpose() {
    vPlatformEvent event;
    event.kind = vEventKind::Expose;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueFocus(bool gained) {
    vPlatformEvent event;
    event.kind = gained ? vEventKind::FocusIn : vEventKind::FocusOut;
    queue_.push_back(event);
}

void vHeadlessPlatform::QueueDrop(const std::vector<std::string>& paths, int x, int y) {
    for (const std::string& path : paths) {
        vPlatformEvent event;
        event.kind = vEventKind::Drop;
        event.x = x;
        event.y = y;
        event.text = path;
        queue_.push_back(event);
    }
}

// ---- Timers and time ------------------------------------------------------------------------

int vHeadlessPlatform::StartTimer(int milliseconds) {
    if (refuseTimers_) return 0;
    return timers_.Add(milliseconds, now_);
}

void vHeadlessPlatform::StopTimer(int timerId) { timers_.Remove(timerId); }

// Steps through every due time in order, so a long advance gives every tick.
void vHeadlessPlatform::AdvanceClock(int milliseconds) {
    uint64_t end = now_ + uint64_t(std::max(milliseconds, 0));
    for (uint64_t next = timers_.NextDue(); next <= end; next = timers_.NextDue()) {
        now_ = next;
        std::vector<int> due;
        timers_.CollectDue(now_, due);
        for (int id : due) {
            vPlatformEvent event;
            event.kind = vEventKind::Timer;
            event.timerId = id;
            queue_.push_back(event);
        }
    }
    now_ = end;
}

// ---- Pointer --------------------------------------------------------------------------------

void vHeadlessPlatform::WarpPointer(int dx, int dy) {
    warps_.emplace_back(dx, dy);
    queue_.push_back(PointerEvent(vEventKind::PointerMove, pointerX_ + dx, pointerY_ + dy));
}

// ---- Scripted answers -----------------------------------------------------------------------

void vHeadlessPlatform::ScriptAnswer(vModalRequest::Kind kind, const vModalAnswer& answer) {
    scripted_[kind].push_back(answer);
}

void vHeadlessPlatform::AlwaysAnswer(vModalRequest::Kind kind, const vModalAnswer& answer) {
    always_[kind] = answer;
}

bool vHeadlessPlatform::AnswerModal(const vModalRequest& request, vModalAnswer& answer) {
    requests_.push_back(request);
    auto scripted = scripted_.find(request.kind);
    if (scripted != scripted_.end() && !scripted->second.empty()) {
        answer = scripted->second.front();
        scripted->second.pop_front();
        return true;
    }
    auto always = always_.find(request.kind);
    if (always == always_.end()) return false;
    answer = always->second;
    return true;
}
