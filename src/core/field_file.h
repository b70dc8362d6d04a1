#pragma once

#include <cstdint>
#include <string>

// Results of the height-field readers.
inline constexpr int kLoadDone = 0;
inline constexpr int kLoadCannotOpen = 1;    // "Unable to LOAD File !!"
inline constexpr int kLoadNotAccepted = 2;   // "File Inconpatable!!"
inline constexpr int kLoadDataEnded = 3;     // "ERROR in File Data!!"
inline constexpr int kLoadNoMemory = 4;      // NoMemoryMessage, the field unchanged

// The size a reader found in a file's header, for the message of kLoadNoMemory.
struct FileSize {
    int width = 0;
    int height = 0;
};

// What a user is told when a field of this size cannot be held.
inline std::string NoMemoryMessage(int64_t width, int64_t height) {
    return "Not enough memory for a " + std::to_string(width) + " x " + std::to_string(height) + " field";
}

// Results of the writers.
inline constexpr int kSaveFailed = 0;        // "File Save Error!!!"
inline constexpr int kSaveDone = 1;
