#include "files/replacing_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kBufferSize = 1 << 20;
constexpr int kMostLinksFollowed = 40;

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The file a save replaces: the target with its symbolic links followed, so that a
// link keeps pointing at the saved file. A dangling link names the file to create.
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        struct stat status;
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        char link[PATH_MAX];
        ssize_t length = readlink(path.c_str(), link, sizeof link);
        if (length <= 0 || size_t(length) == sizeof link) return path;
        std::string named(link, size_t(length));
        path = named[0] == '/' ? named : FolderOf(path) + named;
    }
    return path;
}

// The mode of the file being replaced, or the one an ordinary create would give. Only a
// regular file may be replaced (a loop of links, a device or a folder may not); false
// refuses the save.
bool ModeFor(const std::string& destination, mode_t& mode) {
    struct stat status;
    if (lstat(destination.c_str(), &status) == 0) {
        mode = status.st_mode & 07777;
        return S_ISREG(status.st_mode);
    }
    if (errno != ENOENT) return false;
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
    return true;
}

// A short hidden name in the destination's folder, so the rename stays on one file
// system and a long name cannot make the temporary name too long.
std::string TemporaryNameBeside(const std::string& destination) {
    return FolderOf(destination) + ".knollwork-XXXXXX";
}

// Makes the rename itself survive a power cut. Some file systems cannot flush a folder;
// the file is in place either way, so that is not a failed save.
void FlushFolder(const std::string& destination) {
    std::string folder = FolderOf(destination);
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

ReplacingFile::ReplacingFile(const char* target, WriteSink& sink)
    : destination_(FollowLinks(target)), temporary_(TemporaryNameBeside(destination_)), sink_(sink),
      buffer_(kBufferSize) {
    mode_t mode = 0;
    if (!ModeFor(destination_, mode)) return;
    {
        SignalsHeld held;
        fd_ = mkostemp(temporary_.data(), O_CLOEXEC);
        if (fd_ < 0) return;
        cleanup_.emplace(temporary_.c_str());
    }
    if (fchmod(fd_, mode) != 0) Fail();
}

ReplacingFile::~ReplacingFile() { Fail(); }

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

// The buffer is emptied whatever the outcome: callers go on filling it after a failure.
void ReplacingFile::Flush() {
    if (ok() && !WriteAll(sink_, fd_, buffer_.data(), used_)) Fail();
    used_ = 0;
    StartWriteback();
}

// The disk then writes while the program goes on, and the flush at the end waits for
// the last of it only.
void ReplacingFile::StartWriteback() {
    if (ok()) sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

bool ReplacingFile::Commit() {
    Flush();
    if (!ok()) return false;
    bool synced = fsync(fd_) == 0;
    bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed || std::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        unlink(temporary_.c_str());
        cleanup_.reset();
        return false;
    }
    cleanup_.reset();
    FlushFolder(destination_);
    return true;
}

void ReplacingFile::Fail() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
    cleanup_.reset();
}
