#include "app/data_files.h"

#include <filesystem>
#include <system_error>

std::string InstalledDataFolder() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "";
    return (program.parent_path() / KNOLL_DATA_FROM_BIN).lexically_normal().string();
}

std::string FindDataFile(const std::string& name, const std::string& installedFolder) {
    std::error_code error;
    if (std::filesystem::exists(name, error) || installedFolder.empty()) return name;
    std::filesystem::path installed = std::filesystem::path(installedFolder) / std::filesystem::path(name).filename();
    return std::filesystem::is_regular_file(installed, error) ? installed.string() : name;
}
