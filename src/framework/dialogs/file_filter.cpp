#include "framework/dialogs/file_filter.h"

#include <cctype>

namespace {

char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Iterative wildcard match with one backtracking point for the last "*".
bool WildcardMatch(std::string_view name, std::string_view pattern) {
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

vFileFilter::vFileFilter(const char* const* patterns) {
    for (int i = 0; patterns && patterns[i] && *patterns[i]; ++i) {
        std::string pattern = patterns[i];
        if (text_.size() + 2 * pattern.size() >= kTextLimit) break;
        text_ += pattern + "|" + pattern + "|";
        entries_.push_back({pattern, pattern});
    }
    if (entries_.empty()) {
        default_ = true;
        text_ = "All files(*.*)|*.*|";
        entries_.push_back({"All files(*.*)", "*.*"});
    }
}

int vFileFilter::StartIndex(int callerIndex) const {
    if (default_ || callerIndex < 0 || callerIndex >= static_cast<int>(entries_.size())) return 0;
    return callerIndex;
}

bool vFileFilter::Matches(std::string_view name, std::string_view pattern) {
    size_t start = 0;
    while (start <= pattern.size()) {
        size_t end = pattern.find(';', start);
        if (end == std::string_view::npos) end = pattern.size();
        std::string_view one = pattern.substr(start, end - start);
        while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
        if (one == "*.*" || one == "*" || (!one.empty() && WildcardMatch(name, one))) return true;
        start = end + 1;
    }
    return false;
}
