#pragma once

#include <string>
#include <vector>

// What a file chooser shows of one folder: its sub-folders first, then the files that
// match the pattern, each group sorted by name without regard to case. Hidden entries
// and entries that cannot be examined are left out; a folder that cannot be read says so.
struct vFolderListing {
    struct Entry {
        std::string name;
        bool isFolder = false;
    };

    std::string folder;  // absolute, without a trailing "/" (except the root)
    std::vector<Entry> entries;
    bool readable = false;

    static vFolderListing Read(const std::string& folder, const std::string& pattern);
};

// Path helpers for the chooser; "/" separates components.
namespace vPath {
std::string Join(const std::string& folder, const std::string& name);
std::string Parent(const std::string& path);
std::string LastComponent(const std::string& path);
// An absolute, lexically normal form of path as typed (relative to folder; "~" is home).
std::string Resolve(const std::string& folder, const std::string& typed);
bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
bool Exists(const std::string& path);
std::string CurrentFolder();
}  // namespace vPath
