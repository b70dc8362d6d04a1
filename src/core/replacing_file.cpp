#include "core/replacing_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kBufferSize = 1 << 20;

// A new file gets the mode an ordinary create would give; a replaced one keeps its own.
mode_t ModeFor(const std::string& target) {
    struct stat status;
    if (stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A short hidden name in the target's folder, so the rename stays on one file system
// and a long target name cannot make the temporary name too long.
std::string TemporaryNameBeside(const std::string& target) {
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    return folder + ".knollwork-XXXXXX";
}

}  // namespace

ReplacingFile::ReplacingFile(const char* target)
    : target_(target), temporary_(TemporaryNameBeside(target_)), buffer_(kBufferSize) {
    fd_ = mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) return;
    if (fchmod(fd_, ModeFor(target_)) != 0) {
        Fail();
    }
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) Fail();
}

void ReplacingFile::Write(const void* data, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    while (size > 0 && ok()) {
        if (used_ == buffer_.size()) Flush();
        size_t chunk = std::min(size, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes, chunk);
        used_ += chunk;
        bytes += chunk;
        size -= chunk;
    }
}

unsigned char* ReplacingFile::Reserve(size_t size) {
    if (used_ + size > buffer_.size()) Flush();
    if (size > buffer_.size()) buffer_.resize(size);
    unsigned char* room = buffer_.data() + used_;
    used_ += size;
    return room;
}

void ReplacingFile::Flush() {
    size_t done = 0;
    while (ok() && done < used_) {
        ssize_t written = write(fd_, buffer_.data() + done, used_ - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            Fail();
            return;
        }
        done += size_t(written);
    }
    used_ = 0;
}

bool ReplacingFile::Commit() {
    Flush();
    if (!ok()) return false;
    int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        unlink(temporary_.c_str());
        return false;
    }
    return true;
}

void ReplacingFile::Fail() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
}
