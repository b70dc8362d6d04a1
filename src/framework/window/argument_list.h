#pragma once

#include <string>
#include <vector>

// The argument list AppMain sees: entry 0 is the program's full path, then the words
// of the command line, ended by a null entry; at most kMaxEntries entries in all.
class vArgumentList {
public:
    static constexpr int kMaxEntries = 50;
    static constexpr int kMaxPathLength = 198;

    // Splits commandLine into words at blanks. A word that begins with a double quote
    // runs to the next double quote and loses both quotes. Splitting stops at the end,
    // at a carriage return or at a line feed. Then the first "-vDebug" and the word
    // after it are removed.
    static vArgumentList FromCommandLine(const std::string& programPath,
                                         const std::string& commandLine);
    // The process's arguments (argv[1] on) joined into a command line, words holding
    // blanks quoted, then split as above.
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
    void Add(const std::string& word);
    void RemoveDebugOption();
    void BuildPointers();

    std::vector<std::string> words_;
    std::vector<char*> pointers_;
    std::string debugLetters_;
};
