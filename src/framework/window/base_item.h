#pragma once

#include <string>

// A named framework object with one platform handle (0: none).
class vBaseItem {
public:
    explicit vBaseItem(const char* name = "") : name_(name ? name : "") {}
    virtual ~vBaseItem() = default;

    const char* Name() const { return name_.c_str(); }
    void SetName(const char* name) { name_ = name ? name : ""; }
    int Handle() const { return handle_; }

protected:
    std::string name_;
    int handle_ = 0;
};
