#pragma once

#include <string>
#include <string_view>

// A file that grows by whole records, each on the disk before Append returns, so that a
// crash, a kill or a power cut leaves every record appended before it.
//
// It is held locked while open: a program that finds it can tell the file of one still
// running (Held) from one left behind.
class AppendingFile {
public:
    AppendingFile() = default;
    ~AppendingFile() { Close(); }
    AppendingFile(const AppendingFile&) = delete;
    AppendingFile& operator=(const AppendingFile&) = delete;

    // Creates the file empty, or empties it, and takes its lock; false when it cannot be
    // made or another program holds it.
    bool Start(const std::string& path);
    // Takes the lock of the file as it is, to append to it.
    bool Continue(const std::string& path);
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

    // One write and a flush to the disk; false when either failed.
    bool Append(std::string_view record);
    // Empties the file, for a record that starts it over.
    bool Empty();
    // Closes and removes the file.
    void Remove();
    void Close();

    // Whether a running program holds the file at path.
    static bool Held(const std::string& path);

private:
    bool Take(const std::string& path, bool empty);

    std::string path_;
    int fd_ = -1;
};
