#include "framework/dialogs/folder_listing.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "framework/dialogs/file_filter.h"

namespace fs = std::filesystem;

namespace {

bool NameLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

vFolderListing vFolderListing::Read(const std::string& folder, const std::string& pattern) {
    vFolderListing listing;
    listing.folder = folder;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    if (error) return listing;
    listing.readable = true;
    std::vector<Entry> folders, files;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        std::string name = it->path().filename().string();
        // Hidden entries stay hidden; typing their name still reaches them.
        if (name.empty() || name[0] == '.') continue;
        std::error_code statError;
        // Links are followed: a link to a folder is a folder.
        bool isFolder = it->is_directory(statError);
        if (statError) continue;
        if (isFolder) folders.push_back({name, true});
        else if (vFileFilter::Matches(name, pattern)) files.push_back({name, false});
    }
    auto byName = [](const Entry& a, const Entry& b) { return NameLess(a.name, b.name); };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    listing.entries = std::move(folders);
    listing.entries.insert(listing.entries.end(), files.begin(), files.end());
    return listing;
}

namespace vPath {

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string Parent(const std::string& path) {
    size_t cut = path.find_last_of('/');
    if (cut == std::string::npos) return path;
    return cut == 0 ? "/" : path.substr(0, cut);
}

std::string LastComponent(const std::string& path) {
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string Resolve(const std::string& folder, const std::string& typed) {
    std::string path = typed;
    if (!path.empty() && path[0] == '~' && (path.size() == 1 || path[1] == '/')) {
        const char* home = std::getenv("HOME");
        path = std::string(home ? home : "/") + path.substr(1);
    }
    fs::path resolved = path.empty() || path[0] != '/' ? fs::path(folder) / path : fs::path(path);
    std::string normal = resolved.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
    return normal;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error) && !fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

std::string CurrentFolder() {
    std::error_code error;
    std::string current = fs::current_path(error).string();
    return error || current.empty() ? "/" : current;
}

}  // namespace vPath
