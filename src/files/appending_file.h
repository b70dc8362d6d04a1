#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

// A file that grows by whole records. Each record is written before Append returns, so
// it outlives the program however the program ends; another thread then flushes it to
// the disk, so that it outlives a power cut too without the caller waiting for the disk.
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

    // Writes the record at the end; false when the write failed, or an earlier flush.
    bool Append(std::string_view record);
    // Waits until everything written is on the disk; false when a flush failed.
    bool Flush();
    // Closes and removes the file.
    void Remove();
    // Flushes and closes the file.
    void Close();

    // Whether a running program holds the file at path.
    static bool Held(const std::string& path);

private:
    bool Take(const std::string& path, bool empty);
    void FlushWhileOpen();

    std::string path_;
    int fd_ = -1;
    std::thread flusher_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool written_ = false;   // written since the last flush began
    bool flushing_ = false;
    bool closing_ = false;
    bool failed_ = false;
};
