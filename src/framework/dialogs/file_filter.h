#pragma once

#include <string>
#include <string_view>
#include <vector>

// The filter list of a file chooser, built from a null-ended list of patterns
// ("*.Pal"): each pattern up to a null or empty one is its own description, as long
// as twice its length plus the text built so far stays under 256 characters. Without
// patterns the one filter is "All files(*.*)" with "*.*".
class vFileFilter {
public:
    static constexpr size_t kTextLimit = 256;

    struct Entry {
        std::string description;
        std::string pattern;
    };

    explicit vFileFilter(const char* const* patterns);

    // "description|pattern|" for each entry.
    const std::string& Text() const { return text_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    bool UsesDefault() const { return default_; }
    // The entry the chooser starts with for the caller's 0-based index.
    int StartIndex(int callerIndex) const;

    // Whether a file name matches a pattern: "*" and "?" wildcards, letters in either
    // case, several patterns separated by ";". "*.*" and "*" match every name.
    static bool Matches(std::string_view name, std::string_view pattern);

private:
    std::string text_;
    std::vector<Entry> entries_;
    bool default_ = false;
};
