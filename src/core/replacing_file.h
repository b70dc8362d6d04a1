#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Writes a file so that a failure never destroys what was there: the bytes go to a
// temporary file beside the target, which replaces the target only when every write
// and the close succeeded. Without Commit the temporary file is removed.
class ReplacingFile {
public:
    explicit ReplacingFile(const char* target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False once anything has failed; later writes are ignored.
    bool ok() const { return fd_ >= 0; }
    void Write(const void* data, size_t size);
    // Room for size bytes in the write buffer, for the caller to fill at once; this
    // spares a copy when whole rows are encoded straight into it.
    unsigned char* Reserve(size_t size);
    void Put(unsigned char byte) {
        if (used_ == buffer_.size()) Flush();
        buffer_[used_++] = byte;
    }
    // Writes the rest, closes and renames over the target; false if any step failed.
    bool Commit();

private:
    void Flush();
    void Fail();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    std::vector<unsigned char> buffer_;
    size_t used_ = 0;
};
