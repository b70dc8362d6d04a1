#pragma once

#include <string>

// Per-window information kept in the application's registry: a copy of a name and one
// value for the application's own use.
class vAppWinInfo {
public:
    explicit vAppWinInfo(const char* name = "", void* userValue = nullptr)
        : name_(name ? name : ""), userValue_(userValue) {}
    virtual ~vAppWinInfo() = default;

    const char* Name() const { return name_.c_str(); }
    void* UserValue() const { return userValue_; }

private:
    std::string name_;
    void* userValue_;
};
