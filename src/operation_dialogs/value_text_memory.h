#pragma once

#include <string>

class vDialog;

// The VALUE text of a dialog's text entry as it survives between showings: what the
// entry held when the dialog closed, cut to what a buffer of 8 characters keeps.
class ValueTextMemory {
public:
    static constexpr int kSavedCapacity = 8;
    // The operations read the open entry through a larger buffer.
    static constexpr int kLiveCapacity = 12;

    ValueTextMemory(int entryId, const char* initial) : entryId_(entryId), saved_(initial) {}

    void Restore(vDialog& dialog) const;
    void Save(vDialog& dialog);
    std::string Live(vDialog& dialog) const;
    const std::string& Saved() const { return saved_; }

private:
    int entryId_;
    std::string saved_;
};
