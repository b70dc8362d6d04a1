#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// A scratch folder tree that is removed afterwards; the working directory comes back.
class ScratchFolder {
public:
    ScratchFolder() : was_(std::filesystem::current_path()) {
        root_ = std::filesystem::temp_directory_path() / ("knoll_chooser_" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~ScratchFolder() {
        namespace fs = std::filesystem;
        fs::current_path(was_);
        std::error_code error;
        for (auto& entry : fs::recursive_directory_iterator(root_, error)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(root_, error);
    }
    std::string Path(const std::string& relative = "") const {
        return relative.empty() ? root_.string() : (root_ / relative).string();
    }
    void File(const std::string& relative) const { std::ofstream(root_ / relative) << "x"; }
    void Folder(const std::string& relative) const { std::filesystem::create_directories(root_ / relative); }

private:
    std::filesystem::path was_;
    std::filesystem::path root_;
};
