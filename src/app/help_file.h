#pragma once

#include <string>

// One topic of the help file "Knollwork.hlp". The file is plain text:
//   - a line starting with "#" is a comment;
//   - a line "@topic N Title" starts topic number N;
//   - every other line up to the next "@topic" (or the end) is the topic's text.
// Only a regular file is read, and only its first kHelpFileLimit bytes.
struct HelpTopic {
    std::string title;
    std::string text;
};

inline constexpr size_t kHelpFileLimit = size_t(4) << 20;

enum class HelpLookup { kFound, kNoFile, kNoTopic };

HelpLookup ReadHelpTopic(const char* path, int context, HelpTopic& topic);
