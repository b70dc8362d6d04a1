#include "files/appending_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

bool AppendingFile::Start(const std::string& path) { return Take(path, true); }

bool AppendingFile::Continue(const std::string& path) { return Take(path, false); }

bool AppendingFile::Take(const std::string& path, bool empty) {
    Close();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || (empty && (ftruncate(fd, 0) != 0 || fdatasync(fd) != 0))) {
        close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    failed_ = false;
    closing_ = false;
    // The flusher takes no signal, so the program's own handlers run on its main thread.
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    flusher_ = std::thread(&AppendingFile::FlushWhileOpen, this);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
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
    std::lock_guard<std::mutex> lock(mutex_);
    written_ = true;
    changed_.notify_all();
    return !failed_;
}

void AppendingFile::FlushWhileOpen() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return written_ || closing_; });
        if (!written_) return;
        written_ = false;
        flushing_ = true;
        lock.unlock();
        const bool flushed = fdatasync(fd_) == 0;
        lock.lock();
        flushing_ = false;
        failed_ = failed_ || !flushed;
        changed_.notify_all();
    }
}

bool AppendingFile::Flush() {
    if (fd_ < 0) return false;
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !written_ && !flushing_; });
    return !failed_;
}

void AppendingFile::Remove() {
    if (fd_ < 0) return;
    unlink(path_.c_str());
    Close();
}

void AppendingFile::Close() {
    if (fd_ < 0) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
        changed_.notify_all();
    }
    flusher_.join();
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
