#include "files/appending_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

bool AppendingFile::Start(const std::string& path) { return Take(path, true); }

bool AppendingFile::Continue(const std::string& path) { return Take(path, false); }

bool AppendingFile::Take(const std::string& path, bool empty) {
    Close();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || (empty && ftruncate(fd, 0) != 0)) {
        close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    return true;
}

bool AppendingFile::Append(std::string_view record) {
    if (fd_ < 0) return false;
    while (!record.empty()) {
        const ssize_t written = write(fd_, record.data(), record.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        record.remove_prefix(size_t(written));
    }
    return fdatasync(fd_) == 0;
}

bool AppendingFile::Empty() { return fd_ >= 0 && ftruncate(fd_, 0) == 0 && fdatasync(fd_) == 0; }

void AppendingFile::Remove() {
    if (fd_ < 0) return;
    unlink(path_.c_str());
    Close();
}

void AppendingFile::Close() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

bool AppendingFile::Held(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return held;
}
