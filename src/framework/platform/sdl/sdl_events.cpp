#include <SDL.h>

#include <algorithm>

#include "framework/platform/sdl/sdl_platform.h"

namespace {

int KeyOf(SDL_Keycode key) {
    switch (key) {
        case SDLK_BACKSPACE: return vKeyBackSpace;
        case SDLK_TAB: return vKeyTab;
        case SDLK_RETURN: case SDLK_KP_ENTER: return vKeyReturn;
        case SDLK_ESCAPE: return vKeyEscape;
        case SDLK_DELETE: return vKeyDelete;
        case SDLK_HOME: return vKeyHome;
        case SDLK_LEFT: return vKeyLeft;
        case SDLK_UP: return vKeyUp;
        case SDLK_RIGHT: return vKeyRight;
        case SDLK_DOWN: return vKeyDown;
        case SDLK_PAGEUP: return vKeyPageUp;
        case SDLK_PAGEDOWN: return vKeyPageDown;
        case SDLK_END: return vKeyEnd;
        case SDLK_INSERT: return vKeyInsert;
        default: break;
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) return vKeyF1 + (key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F16) return vKeyF1 + 12 + (key - SDLK_F13);
    if (key >= 32 && key < 127) return int(key);
    return vKeyOther;
}

int ModifiersOf(Uint16 mod) {
    return ((mod & KMOD_SHIFT) ? vModShift : 0) | ((mod & KMOD_CTRL) ? vModControl : 0) |
           ((mod & KMOD_ALT) ? vModAlt : 0);
}

// SDL's button masks are ours: bit 0 left, bit 1 middle, bit 2 right.
int HeldButtons(Uint32 state) {
    return int(state & (SDL_BUTTON_LMASK | SDL_BUTTON_MMASK | SDL_BUTTON_RMASK));
}

int ButtonOf(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_MIDDLE: return 2;
        case SDL_BUTTON_RIGHT: return 3;
        default: return 0;
    }
}

}  // namespace

bool vSdlPlatform::NextTimerTick(vPlatformEvent& event) {
    if (dueTimers_.empty()) {
        std::vector<int> due;
        timers_.CollectDue(NowMs(), due);
        dueTimers_.insert(dueTimers_.end(), due.begin(), due.end());
    }
    if (dueTimers_.empty()) return false;
    event = vPlatformEvent{};
    event.kind = vEventKind::Timer;
    event.timerId = dueTimers_.front();
    dueTimers_.pop_front();
    return true;
}

vWaitResult vSdlPlatform::NextEvent(vPlatformEvent& event, int timeoutMs) {
    uint64_t deadline = timeoutMs < 0 ? UINT64_MAX : NowMs() + uint64_t(timeoutMs);
    for (;;) {
        if (NextTimerTick(event)) return vWaitResult::Event;
        SDL_Event sdl;
        while (SDL_PollEvent(&sdl) == 1) {
            if (Translate(sdl, event)) return vWaitResult::Event;
        }
        uint64_t now = NowMs();
        if (now >= deadline) return vWaitResult::Timeout;
        uint64_t until = std::min(deadline, timers_.NextDue());
        if (until <= now) continue;
        int wait = int(std::min<uint64_t>(until - now, INT32_MAX));
        if (SDL_WaitEventTimeout(&sdl, wait) == 1 && Translate(sdl, event)) return vWaitResult::Event;
    }
}

bool vSdlPlatform::Translate(const SDL_Event& sdl, vPlatformEvent& event) {
    event = vPlatformEvent{};
    if (endEventType_ != 0 && sdl.type == endEventType_) {
        event.kind = vEventKind::Terminate;
        return true;
    }
    switch (sdl.type) {
        case SDL_MOUSEMOTION:
            event.kind = vEventKind::PointerMove;
            event.x = sdl.motion.x;
            event.y = sdl.motion.y;
            event.buttons = HeldButtons(sdl.motion.state);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            event.kind = sdl.type == SDL_MOUSEBUTTONDOWN ? vEventKind::ButtonDown : vEventKind::ButtonUp;
            event.button = ButtonOf(sdl.button.button);
            if (event.button == 0) return false;
            event.x = sdl.button.x;
            event.y = sdl.button.y;
            event.buttons = HeldButtons(SDL_GetMouseState(nullptr, nullptr));
            break;
        case SDL_MOUSEWHEEL: {
            event.kind = vEventKind::Wheel;
            int flip = sdl.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
            event.wheelX = sdl.wheel.x * flip;
            event.wheelY = sdl.wheel.y * flip;
            SDL_GetMouseState(&event.x, &event.y);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            event.kind = sdl.type == SDL_KEYDOWN ? vEventKind::KeyDown : vEventKind::KeyUp;
            event.key = KeyOf(sdl.key.keysym.sym);
            if (event.key == vKeyOther) return false;
            break;
        case SDL_TEXTINPUT:
            event.kind = vEventKind::TextInput;
            event.text = sdl.text.text;
            break;
        case SDL_DROPFILE:
            event.kind = vEventKind::Drop;
            event.text = sdl.drop.file ? sdl.drop.file : "";
            SDL_free(sdl.drop.file);
            SDL_GetMouseState(&event.x, &event.y);
            break;
        case SDL_QUIT:
            // Closing the last window makes SDL add a quit of its own; a quit from
            // elsewhere closes the frame as the user would.
            if (quitFollowsClose_) {
                quitFollowsClose_ = false;
                return false;
            }
            event.kind = vEventKind::Close;
            break;
        case SDL_WINDOWEVENT: return TranslateWindowEvent(sdl, event);
        default: return false;
    }
    // A key carries the modifiers held when it was pressed: keys that queue up while the
    // program is busy would otherwise all take the state after the last of them.
    bool isKey = sdl.type == SDL_KEYDOWN || sdl.type == SDL_KEYUP;
    event.modifiers = ModifiersOf(isKey ? sdl.key.keysym.mod : Uint16(SDL_GetModState()));
    return true;
}

bool vSdlPlatform::TranslateWindowEvent(const SDL_Event& sdl, vPlatformEvent& event) {
    switch (sdl.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            event.kind = vEventKind::Resize;
            event.width = sdl.window.data1;
            event.height = sdl.window.data2;
            return true;
        case SDL_WINDOWEVENT_CLOSE:
            quitFollowsClose_ = true;
            event.kind = vEventKind::Close;
            return true;
        case SDL_WINDOWEVENT_EXPOSED: event.kind = vEventKind::Expose; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED: event.kind = vEventKind::FocusIn; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: event.kind = vEventKind::FocusOut; return true;
        case SDL_WINDOWEVENT_LEAVE: event.kind = vEventKind::PointerLeave; return true;
        default: return false;
    }
}
