#include "framework/window/argument_list.h"

#include <algorithm>

namespace {

constexpr const char* kDebugOption = "-vDebug";

bool EndsList(char c) { return c == '\0' || c == '\r' || c == '\n'; }

}  // namespace

vArgumentList vArgumentList::FromCommandLine(const std::string& programPath,
                                             const std::string& commandLine) {
    vArgumentList list;
    list.Add(programPath.substr(0, kMaxPathLength));
    const char* at = commandLine.c_str();
    for (;;) {
        while (*at == ' ') ++at;
        if (EndsList(*at)) break;
        std::string word;
        if (*at == '"') {
            for (++at; *at != '"' && !EndsList(*at); ++at) word += *at;
            if (*at == '"') ++at;
        } else {
            for (; *at != ' ' && !EndsList(*at); ++at) word += *at;
        }
        list.Add(word);
    }
    list.RemoveDebugOption();
    return list;
}

vArgumentList vArgumentList::FromArguments(const std::string& programPath, int argc,
                                           const char* const* argv) {
    std::string commandLine;
    for (int i = 1; i < argc && argv; ++i) {
        std::string word = argv[i] ? argv[i] : "";
        bool quote = word.empty() || word.find(' ') != std::string::npos;
        if (!commandLine.empty()) commandLine += ' ';
        if (quote) commandLine += '"';
        commandLine += word;
        if (quote) commandLine += '"';
    }
    return FromCommandLine(programPath, commandLine);
}

// The null entry that ends the list counts as one of the kMaxEntries.
void vArgumentList::Add(const std::string& word) {
    if (int(words_.size()) < kMaxEntries - 1) words_.push_back(word);
}

// The option takes the word after it along; given last, it goes alone.
void vArgumentList::RemoveDebugOption() {
    for (size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != kDebugOption) continue;
        size_t end = std::min(i + 2, words_.size());
        if (i + 1 < words_.size()) debugLetters_ = words_[i + 1];
        words_.erase(words_.begin() + long(i), words_.begin() + long(end));
        return;
    }
}

void vArgumentList::BuildPointers() {
    pointers_.clear();
    for (std::string& word : words_) pointers_.push_back(word.data());
    pointers_.push_back(nullptr);
}
