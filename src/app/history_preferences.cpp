#include "app/history_preferences.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "core/input_file.h"
#include "files/replacing_file.h"

namespace {

constexpr const char* kFileName = "/history.conf";
constexpr size_t kReadLimit = 4096;
// Far more than a field of 8192 x 8192 could use, and still a sane allocation limit.
constexpr double kMostImages = 1000;

struct Unit {
    const char* name;
    double bytes;
};
constexpr Unit kUnits[] = {{"KiB", 1024.0}, {"MiB", 1024.0 * 1024}, {"GiB", 1024.0 * 1024 * 1024}};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string PreferencesFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::string(config) + "/knollwork";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/knollwork";
    return "";
}

std::string HistoryPreferencesPath() {
    const std::string folder = PreferencesFolder();
    return folder.empty() ? "" : folder + kFileName;
}

std::optional<HistoryBudget> ReadBudgetText(std::string_view text) {
    std::istringstream words{std::string(Trimmed(text))};
    double amount = 0;
    std::string unit, rest;
    if (!(words >> amount >> unit) || (words >> rest) || !std::isfinite(amount) || amount < 0) return std::nullopt;
    if (unit == "image" || unit == "images") {
        if (amount > kMostImages) return std::nullopt;
        return HistoryBudget{amount, 0};
    }
    for (const Unit& known : kUnits) {
        if (unit == known.name && amount * known.bytes >= 1 && amount * known.bytes < 1e15) {
            return HistoryBudget{0, size_t(amount * known.bytes)};
        }
    }
    return std::nullopt;
}

std::string BudgetText(const HistoryBudget& budget) {
    if (budget.bytes == 0) return Number(budget.images) + (budget.images == 1 ? " image" : " images");
    const Unit* unit = &kUnits[0];
    for (const Unit& known : kUnits) {
        if (double(budget.bytes) >= known.bytes) unit = &known;
    }
    return Number(std::round(double(budget.bytes) / unit->bytes * 10) / 10) + " " + unit->name;
}

HistoryBudget ReadHistoryBudget(const std::string& path) {
    std::string text;
    if (path.empty() || !ReadFileStart(path.c_str(), kReadLimit, text)) return {};
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::string_view content = Trimmed(line);
        if (content.rfind("budget", 0) != 0) continue;
        content = Trimmed(content.substr(6));
        if (content.empty() || content.front() != '=') continue;
        if (std::optional<HistoryBudget> budget = ReadBudgetText(content.substr(1))) return *budget;
    }
    return {};
}

bool WriteHistoryBudget(const HistoryBudget& budget, const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const std::string text =
        "# How much memory Knollwork's history of steps may keep: so many images of the\n"
        "# field (four bytes a position), or a size in KiB, MiB or GiB. The oldest steps\n"
        "# give way first.\n"
        "budget = " + BudgetText(budget) + "\n";
    ReplacingFile file(path.c_str());
    file.Write(text.data(), text.size());
    return file.Commit();
}
