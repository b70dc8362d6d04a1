#include "app/start_arguments.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* kProgram = "knollwork";

bool ParseSeed(const char* text, uint32_t& seed) {
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 10);
    if (!*text || *end || *text == '-' || value > 0xFFFFFFFFull) return false;
    seed = uint32_t(value);
    return true;
}

std::string StartUsage() {
    return "Usage: knollwork [--seed S] [--] [FILE]\n"
           "Edits a terrain height field seen in false colour through a palette: 8-bit TGA and\n"
           "16-bit PPM elevation images, greyscale PNG and PGM, and 16-bit RAW. Opens FILE, or\n"
           "else the field that was open last. The settings file Knollwork.ini lives in the\n"
           "folder the editor starts in.\n\n"
           "  FILE       the field to open instead of the remembered one\n"
           "  --         what follows is FILE, even a name that starts with -\n"
           "  --seed S   seed every roughen with S (0 to 4294967295) instead of the clock\n"
           "  --help     show this text\n"
           "  --version  show the version\n";
}

bool TakeFile(std::string_view word, KnollStartArguments& arguments, std::string& error) {
    if (!arguments.file.empty()) {
        error = std::string("one file at a time, and '").append(word).append("' is a second one");
        return false;
    }
    std::error_code pathError;
    arguments.file = std::filesystem::absolute(word, pathError).lexically_normal().string();
    return true;
}

std::string VersionLine() { return std::string(kProgram) + " " + KNOLL_VERSION + "\n"; }

}  // namespace

bool ParseStartArguments(int argc, const char* const* argv, KnollStartArguments& arguments, std::string& error) {
    bool options = true;
    for (int i = 1; i < argc && argv[i]; ++i) {
        std::string_view word = argv[i];
        if (options && word == "--") {
            // The words after it are file names, whatever they start with.
            options = false;
        } else if (!options) {
            if (!TakeFile(word, arguments, error)) return false;
        } else if (word == "--seed") {
            const char* text = i + 1 < argc && argv[i + 1] ? argv[++i] : "";
            uint32_t seed = 0;
            if (!ParseSeed(text, seed)) {
                error = std::string("'").append(text).append("' is not a seed from 0 to 4294967295");
                return false;
            }
            arguments.seed = seed;
        } else if (word == "--version") {
            arguments.showVersion = true;
        } else if (word == "--help") {
            arguments.showHelp = true;
        } else if (word.size() > 1 && word[0] == '-') {
            error = std::string("unknown option '").append(word).append("' (see --help)");
            return false;
        } else if (!TakeFile(word, arguments, error)) {
            return false;
        }
    }
    return true;
}


bool TakeStartArguments(int argc, const char* const* argv, KnollStartArguments& arguments) {
    std::string error;
    if (ParseStartArguments(argc, argv, arguments, error)) return true;
    std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
    return false;
}

bool AnswerWithoutWindow(int argc, const char* const* argv, int& status) {
    KnollStartArguments arguments;
    if (!TakeStartArguments(argc, argv, arguments)) {
        status = kStartUsageError;
        return true;
    }
    if (!arguments.showHelp && !arguments.showVersion) return false;
    std::string text = arguments.showHelp ? StartUsage() : VersionLine();
    std::fputs(text.c_str(), stdout);
    status = std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    return true;
}
