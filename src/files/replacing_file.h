#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "files/signal_cleanup.h"
#include "files/write_sink.h"

// Writes a file so that a failure never destroys what was there: the bytes go to a
// temporary file beside the target, which replaces the target only when every write,
// the flush to the disk and the close succeeded. Without Commit, or when SIGINT,
// SIGTERM or SIGHUP ends the program first, the temporary file is removed.
//
// A target that is a symbolic link is followed: the file it names is replaced and the
// link stays. A target that exists but is not a regular file is refused.
class ReplacingFile {
public:
    explicit ReplacingFile(const char* target, WriteSink& sink = SystemWrites());
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False once anything has failed; later writes are ignored.
    bool ok() const { return fd_ >= 0; }
    void Write(const void* data, size_t size);
    // Room for size bytes in the write buffer, for the caller to fill at once; this
    // spares a copy when whole rows are encoded straight into it. After a failure the
    // room is still valid memory, but what is put there is dropped.
    unsigned char* Reserve(size_t size);
    void Put(unsigned char byte) {
        if (used_ == buffer_.size()) Flush();
        buffer_[used_++] = byte;
    }
    // Has the disk start on what was written so far, the library's writes included,
    // without waiting, so that Commit waits for less.
    void StartWriteback();
    // Writes the rest, flushes it to the disk, closes and renames over the target;
    // false if any step failed.
    bool Commit();

    // For a library that writes the file by its name: it writes the temporary file,
    // which Commit then flushes and renames over the destination (the target with its
    // links followed).
    const std::string& TemporaryPath() const { return temporary_; }
    const std::string& DestinationPath() const { return destination_; }

private:
    void Flush();
    void Fail();

    std::string destination_;
    std::string temporary_;
    WriteSink& sink_;
    int fd_ = -1;
    std::optional<SignalCleanup> cleanup_;
    std::vector<unsigned char> buffer_;
    size_t used_ = 0;
};
