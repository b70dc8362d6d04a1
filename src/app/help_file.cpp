#include "app/help_file.h"

#include <sstream>

#include "core/input_file.h"

namespace {

constexpr const char* kTopicMark = "@topic";

// The topic number and title of an "@topic N Title" line; false for any other line.
bool ParseTopicLine(const std::string& line, int& context, std::string& title) {
    if (line.rfind(kTopicMark, 0) != 0) return false;
    std::istringstream words(line.substr(std::char_traits<char>::length(kTopicMark)));
    if (!(words >> context)) return false;
    std::getline(words >> std::ws, title);
    return true;
}

// Blank lines around a topic's text are layout in the file, not part of the topic.
std::string TrimBlankLines(const std::string& text) {
    size_t first = text.find_first_not_of('\n');
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of('\n');
    return text.substr(first, last - first + 1);
}

}  // namespace

HelpLookup ReadHelpTopic(const char* path, int context, HelpTopic& topic) {
    std::string content;
    if (!ReadFileStart(path, kHelpFileLimit, content)) return HelpLookup::kNoFile;
    std::istringstream in(std::move(content));
    bool inTopic = false, found = false;
    std::string line, title, text;
    while (std::getline(in, line)) {
        // A file written with CR LF line ends reads as one written with LF.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        int number = 0;
        if (ParseTopicLine(line, number, title)) {
            if (found) break;
            inTopic = found = number == context;
            if (found) topic.title = title;
            continue;
        }
        if (inTopic && line.rfind('#', 0) != 0) text += line + "\n";
    }
    if (!found) return HelpLookup::kNoTopic;
    topic.text = TrimBlankLines(text);
    return HelpLookup::kFound;
}
