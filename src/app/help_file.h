#pragma once

#include <string>

// One topic of the help file "Knollwork.hlp". The file is plain text:
//   - a line starting with "#" is a comment;
//   - a line "@topic N Title" starts topic number N;
//   - every other line up to the next "@topic" (or the end) is the topic's text.
struct HelpTopic {
    std::string title;
    std::string text;
};

enum class HelpLookup { kFound, kNoFile, kNoTopic };

HelpLookup ReadHelpTopic(const char* path, int context, HelpTopic& topic);
