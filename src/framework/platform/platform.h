#pragma once

// The platform interface: the only door between the window framework and the operating
// system. Everything above it is portable and draws every pixel itself; a backend only
// owns one frame window, shows finished rasters in it, reports raw input, and offers
// the few services the framework cannot make on its own (clipboard, pointer warp, clock,
// timers, text). Two backends implement it: platform/sdl (the real one) and
// platform/headless (an in-memory frame for tests).
//
// Coordinates in events are pixels of the frame's raster, (0, 0) its top-left corner.
// Pixels are packed red | green << 8 | blue << 16, as vColor packs them.

#include <cstdint>
#include <string>
#include <vector>

class Raster;
class vTextRenderer;

// Key codes. A raw key event reports a printable key as its unshifted character
// ('a', '1', '/'), the keys below as these codes, anything else as vKeyOther. OnKey and
// the menu key search see a character code or one of these, with vModShift and
// vModControl as its shift state.
enum vKey : int {
    vKeyBackSpace = 8, vKeyTab = 9, vKeyReturn = 13, vKeyEscape = 27, vKeyDelete = 0x7F,
    vKeyBackTab = 0xFF09,  // Tab with Shift, made by the key translation
    vKeyHome = 0xFF50, vKeyLeft, vKeyUp, vKeyRight, vKeyDown,
    vKeyPageUp, vKeyPageDown, vKeyEnd, vKeyInsert,
    vKeyF1 = 0xFFC1,  // F1 to F16 are consecutive
    vKeyF16 = 0xFFD0,
    vKeyOther = 0x10FFFF + 1
};

// Modifier bits carried by every input event: the state at the moment of the event.
enum vModifier : int { vModShift = 1, vModControl = 4, vModAlt = 8 };

// Buttons: 1 left, 2 middle, 3 right. The held-buttons mask has bit (button - 1) set.
inline constexpr int vButtonMask(int button) { return 1 << (button - 1); }

enum class vEventKind {
    PointerMove,   // x, y, buttons
    ButtonDown,    // x, y, button, buttons (after the press)
    ButtonUp,      // x, y, button, buttons (after the release)
    Wheel,         // x, y (pointer), wheelX, wheelY (notches; positive: right, away from the user)
    PointerLeave,  // the pointer left the frame
    KeyDown,       // key (vKey), modifiers
    KeyUp,         // key, modifiers
    TextInput,     // text: UTF-8 characters typed
    Resize,        // width, height: the frame's new client size (the raster size)
    Close,         // the user asked to close the frame
    Terminate,     // the system asks the program to end (a signal, a logout): no waiting
    Expose,        // the OS lost the frame's pixels: present the last frame again
    FocusIn,       // the frame became the keyboard target
    FocusOut,      // the frame stopped being the keyboard target
    Drop,          // text: full path of one dropped file; x, y: the drop point
    Timer,         // timerId: a periodic timer fired
};

struct vPlatformEvent {
    vEventKind kind = vEventKind::PointerMove;
    int x = 0;
    int y = 0;
    int button = 0;
    int buttons = 0;
    int wheelX = 0;
    int wheelY = 0;
    int key = 0;
    int modifiers = 0;
    int width = 0;
    int height = 0;
    int timerId = 0;
    std::string text;
};

enum class vWaitResult {
    Event,      // an event was delivered
    Timeout,    // nothing arrived within the time asked for
    Exhausted,  // nothing can ever arrive again (headless: the queue is empty)
};

enum class vFrameShow { Normal, Maximized, Minimized };

enum class vCursorShape { Arrow, Cross, Wait, Text, SizeHorizontal, SizeVertical, Move, Hand };

// A question that a modal box or chooser is about to ask the user. A backend may answer
// it from a script instead (headless tests); the real backend never does. Every
// request is offered, so a backend can also record what was shown.
struct vModalRequest {
    enum class Kind { Notice, Warning, Dialog, OpenFile, SaveFile };
    Kind kind = Kind::Notice;
    std::string title;
    std::string text;              // message of a notice or warning
    std::string initialName;       // choosers: the name offered first
    std::string initialDirectory;  // choosers: where browsing starts (empty: current)
    std::vector<std::string> filters;
    int filterIndex = 0;
    bool directoryOnly = false;
};

struct vModalAnswer {
    int id = 0;              // notices and dialogs: the command that closed them
    int value = 0;           // dialogs: that command's value
    bool confirmed = false;  // choosers: the user confirmed a choice
    std::string path;        // choosers: the chosen full path
    int filterIndex = 0;     // choosers: the chosen pattern, 0-based
};

class vPlatform {
public:
    vPlatform() = default;
    vPlatform(const vPlatform&) = delete;
    vPlatform& operator=(const vPlatform&) = delete;
    virtual ~vPlatform() = default;

    // The running program's full path; argv0 is what the process was started with.
    virtual std::string ProgramPath(const char* argv0) const = 0;

    // ---- The frame window -------------------------------------------------------------
    // Creates the one frame window, not yet shown. width and height are the outer size;
    // 0 or less takes the platform's default. On failure returns false and puts a
    // one-line reason in error.
    virtual bool CreateFrame(const std::string& title, int width, int height,
                             std::string& error) = 0;
    virtual void DestroyFrame() = 0;
    virtual void ShowFrame(vFrameShow how) = 0;
    virtual void SetFrameTitle(const std::string& title) = 0;
    // The picture the OS shows for the frame (title bar, task list); a backend without
    // such a place ignores it.
    virtual void SetFrameIcon(const Raster& icon) = 0;
    // The outer size includes what the OS draws around the frame (title bar, borders).
    virtual void FrameOuterSize(int& width, int& height) const = 0;
    // The client size is the size of the raster the framework composes.
    virtual void FrameClientSize(int& width, int& height) const = 0;
    // Asks for a new outer size; the backend reports the outcome as a Resize event.
    virtual void ResizeFrame(int outerWidth, int outerHeight) = 0;

    // Shows a finished raster of exactly the client size. Called at most once per
    // display frame, and only when something changed.
    virtual void Present(const Raster& frame) = 0;
    // Milliseconds between two presentations (the display frame). 0 means the backend
    // wants a raster only when the event loop falls idle.
    virtual int FrameInterval() const = 0;

    // ---- Events -----------------------------------------------------------------------
    // Waits at most timeoutMs (negative: as long as it takes) for the next event.
    virtual vWaitResult NextEvent(vPlatformEvent& event, int timeoutMs) = 0;

    // ---- Timers (periodic, not bound to a window) ---------------------------------------
    // Returns a non-zero id, or 0 when the timer is refused. Ticks arrive as Timer events.
    virtual int StartTimer(int milliseconds) = 0;
    virtual void StopTimer(int timerId) = 0;
    // A monotonic clock in milliseconds.
    virtual uint64_t NowMs() const = 0;

    // ---- Pointer ----------------------------------------------------------------------
    // Moves the pointer by (dx, dy) pixels, as one relative movement.
    virtual void WarpPointer(int dx, int dy) = 0;
    virtual void SetCursor(vCursorShape shape) = 0;
    // While captured, pointer events keep coming when the pointer leaves the frame.
    virtual void CapturePointer(bool on) = 0;

    // ---- Clipboard --------------------------------------------------------------------
    virtual bool ClipboardHasText() const = 0;
    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;

    // ---- Text ---------------------------------------------------------------------------
    // The renderer behind every drawing context while the frame exists.
    virtual vTextRenderer& TextRenderer() = 0;

    // ---- Scripted answers -----------------------------------------------------------------
    // Offered before every modal box or chooser is shown. Returning true answers it
    // without showing anything.
    virtual bool AnswerModal(const vModalRequest& request, vModalAnswer& answer) = 0;
};
