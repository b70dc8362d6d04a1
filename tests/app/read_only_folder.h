#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

// Makes a folder refuse new files for as long as the object lives. Permission bits do
// not stop root, so root also marks the folder immutable. False when neither works.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
        chmod(path_.c_str(), 0555);
        if (geteuid() == 0) immutable_ = SetImmutable(true);
    }
    ~ReadOnlyFolder() {
        if (immutable_) SetImmutable(false);
        chmod(path_.c_str(), 0755);
    }
    bool Holds() const { return geteuid() != 0 || immutable_; }

private:
    bool SetImmutable(bool on) {
        int fd = open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return done;
    }

    std::string path_;
    bool immutable_ = false;
};
