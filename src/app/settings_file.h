#pragma once

#include <string>

// The four paths the program remembers between runs, and where they are kept.
struct KnollSettings {
    // Each value is held as one line of the settings file.
    static constexpr size_t kLineLimit = 255;

    std::string filePath = "Knollwork.ini";  // not stored; fixed at start-up
    std::string mainDirectory;
    std::string lastMapPath;
    std::string paletteDirectory;
    std::string paletteFilePath = "/Std.pal";
};

// Reads lines 1 to 4 into the four paths; a missing line leaves its value empty and a
// longer line is cut to kLineLimit characters. False when it is not a regular file
// that opens; only its first 64 KiB are read.
bool ReadSettingsFile(KnollSettings& settings);

// Writes the four paths and the fixed trailer through a temporary file that replaces
// the old one only when complete. False when nothing could be written.
bool WriteSettingsFile(const KnollSettings& settings);

// The working directory, or "" when it cannot be told.
std::string WorkingDirectory();
// Makes the folder the working directory; a folder that has gone leaves it where it is.
void EnterFolder(const std::string& folder);

// Cuts text to kLineLimit characters.
std::string CutToLine(std::string text);
