#pragma once

class vBaseWindow;

// Asks the user for a file to open or to save. name is an in/out buffer of capacity
// characters (the initial name in, the chosen full path out); filters is a null-ended
// list of patterns such as "*.Pal", or null; filterIndex is the in/out 0-based index
// of the chosen pattern. Both return 1 when the user confirmed and 0 when cancelled.
// The chooser starts in the folder of a name that has one, else in initialDirectory,
// else in the working directory, which it never changes.
class vFileSelect {
public:
    explicit vFileSelect(vBaseWindow* window) : owner_(window) {}

    int PickFileToOpen(const char* title, char* name, int capacity, const char* const* filters, int& filterIndex,
                       const char* initialDirectory = nullptr);
    // directoryOnly leaves the chosen folder in name (no trailing "/"); cancelling
    // empties name.
    int PickFileToSave(const char* title, char* name, int capacity, const char* const* filters, int& filterIndex,
                       int directoryOnly, const char* initialDirectory);

private:
    vBaseWindow* owner_;
};
