#pragma once

#include <cstdint>

// What the canvas asks of the window that owns it: arming and running the armed
// operation, the Undo and Keep buttons, and the read-out and scale in the status bar.
class KnollCanvasOwner {
public:
    virtual ~KnollCanvasOwner() = default;

    // At a left-button press in the idle or chosen selection state.
    virtual void ArmOperation() = 0;
    // 1 at every left-button release: Undo and Keep become sensitive.
    virtual void SetUndoKeep(int flag) = 0;
    // The driver of the armed operation, with the area code (0 whole, 1 inside, 2 outside).
    virtual void RunArmedOperation(int area) = 0;
    // While it runs, long work has done this share of itself, in percent.
    virtual void ShowWorkDone(int /*percent*/) {}
    // The read-out; height is 0 where the position has no value.
    virtual void ShowPosition(int x, int y, int height, bool hasValue = true) = 0;
    // The view's scale changed, e.g. to "1:4".
    virtual void ShowScale(const char* /*label*/) {}
    // Long work on the field (a load) has finished done of its total steps.
    virtual void ShowProgress(int64_t /*done*/, int64_t /*total*/) {}
};
