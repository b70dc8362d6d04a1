#pragma once

#include <vector>

class vAppWinInfo;
class vCmdWindow;
class vFrame;
class vPaneLayout;
class vView;
class vWindow;

// The application's windows: those it opened (newest first, with their info), those
// closed and waiting to be deleted, every window and command window that exists, and
// which one is active.
class vWindowRegistry {
public:
    static constexpr int kCascadeSteps = 8;

    struct Registration {
        vWindow* window;
        vAppWinInfo* info;  // null for an adopted window
    };

    vWindowRegistry(vFrame& frame, vPaneLayout& layout);
    vWindowRegistry(const vWindowRegistry&) = delete;
    vWindowRegistry& operator=(const vWindowRegistry&) = delete;
    // Windows that outlive the application keep no link to it.
    ~vWindowRegistry();

    // ---- Opened windows --------------------------------------------------------------------
    void Register(vWindow* window, vAppWinInfo* info);
    // Forgets the window's registration and deletes its info.
    void Unregister(vWindow* window);
    const std::vector<Registration>& Entries() const { return entries_; }
    vAppWinInfo* InfoOf(vWindow* window) const;
    const std::vector<vWindow*>& DeadList() const { return deadList_; }
    // Each window at most once.
    void AddToDeadList(vWindow* window);
    // The dead windows first, then any window still registered.
    void DeleteAll();

    // ---- Every window that exists, oldest first ------------------------------------------
    const std::vector<vWindow*>& Windows() const { return windows_; }
    const std::vector<vCmdWindow*>& CmdWindows() const { return cmdWindows_; }
    void LinkWindow(vWindow* window);
    // A torn-down window leaves the list; windows that remembered it as their
    // predecessor forget it.
    void UnlinkWindow(vWindow* window);
    void LinkCmdWindow(vCmdWindow* window);
    void UnlinkCmdWindow(vCmdWindow* window);
    // A window object is being deleted: it leaves every list.
    void WindowDeleted(vWindow* window);
    // The window whose outer view this is; null for any other view.
    vWindow* WindowOfView(const vView* view) const;

    // ---- Activation ----------------------------------------------------------------------
    vWindow* Active() const { return active_; }
    // The window takes the keyboard, shows its bars and comes to the front.
    void Activate(vWindow* window);

    // ---- What a window made on the frame takes ---------------------------------------------
    int TakeWindowId() { return nextWindowId_++; }
    // How many steps down and right of the window area's corner a new window of a
    // multi-window frame goes: one more than the last, starting over after eight.
    int TakeCascadeStep();

private:
    vFrame& frame_;
    vPaneLayout& layout_;
    std::vector<Registration> entries_;
    std::vector<vWindow*> deadList_;
    std::vector<vWindow*> windows_;
    std::vector<vCmdWindow*> cmdWindows_;
    std::vector<vWindow*> linked_;  // every window object that holds a link to the application
    vWindow* active_ = nullptr;
    int nextWindowId_;
    int cascadeStep_ = 0;
};
