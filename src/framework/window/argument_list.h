#pragma once

#include <string>
#include <vector>

// The argument list AppMain sees: entry 0 is the program's full path, then the
// process's arguments exactly as the system handed them over (blanks, quotes and line
// breaks inside a word stay), ended by a null entry. The first "-vDebug" and the word
// after it are taken out.
class vArgumentList {
public:
    static constexpr int kMaxPathLength = 198;

    static vArgumentList FromArguments(const std::string& programPath, int argc,
                                       const char* const* argv);

    int Count() const { return int(words_.size()); }
    // A null-ended array of Count() entries plus the null; valid until the list
    // changes or is copied.
    char** Argv() {
        BuildPointers();
        return pointers_.data();
    }
    const std::string& operator[](int i) const { return words_[size_t(i)]; }
    // The diagnostic letters that followed "-vDebug"; nothing depends on them.
    const std::string& DebugLetters() const { return debugLetters_; }

private:
    void RemoveDebugOption();
    void BuildPointers();

    std::vector<std::string> words_;
    std::vector<char*> pointers_;
    std::string debugLetters_;
};
