#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the editor's command line asks for: "knollwork [--seed S] [--] [FILE]", or
// "--version" or "--help" alone.
struct KnollStartArguments {
    std::optional<uint32_t> seed;  // fixes every roughen's seed
    // A field to open instead of the remembered one, made absolute here, since the
    // settings may move the working directory before it is opened.
    std::string file;
    bool showVersion = false;
    bool showHelp = false;
};

inline constexpr int kStartUsageError = 2;

// Reads the arguments after the program name; false with a message for a seed that is
// not a whole number from 0 to 4294967295, an unknown option or a second file.
bool ParseStartArguments(int argc, const char* const* argv, KnollStartArguments& arguments, std::string& error);

// The same, saying on standard error what is wrong.
bool TakeStartArguments(int argc, const char* const* argv, KnollStartArguments& arguments);

// Answers "--version", "--help" (whose text the manual page is made from) and usage
// errors on the standard streams, before any window exists. Returns true with the exit status in status when the program is done.
bool AnswerWithoutWindow(int argc, const char* const* argv, int& status);
