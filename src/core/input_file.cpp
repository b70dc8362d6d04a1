#include "core/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

// Small enough that block reads of rows bypass it and land straight in their buffer.
constexpr size_t kBufferSize = 1 << 16;

// Non-blocking, so that opening a pipe without a writer cannot wait forever.
int OpenRegularFile(const char* path) {
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

InputFile::InputFile(const char* path) {
    int fd = OpenRegularFile(path);
    if (fd < 0) return;
    file_ = fdopen(fd, "rb");
    if (!file_) {
        close(fd);
        return;
    }
    std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

InputFile::~InputFile() {
    if (file_) std::fclose(file_);
}

bool InputFile::Skip(uintmax_t bytes) {
    return bytes <= uintmax_t(INT64_MAX) && fseeko(file_, off_t(bytes), SEEK_CUR) == 0;
}

uintmax_t InputFile::BytesLeft() {
    struct stat status;
    long place = std::ftell(file_);
    if (place < 0 || fstat(fileno(file_), &status) != 0 || status.st_size < place) return 0;
    return uintmax_t(status.st_size - place);
}

bool ReadFileStart(const char* path, size_t limit, std::string& text) {
    InputFile file(path);
    if (!file.IsOpen()) return false;
    text.clear();
    std::string chunk(kBufferSize, '\0');
    while (text.size() < limit) {
        size_t got = file.Read(chunk.data(), std::min(chunk.size(), limit - text.size()));
        if (got == 0) break;
        text.append(chunk, 0, got);
    }
    return true;
}
