#include "files/write_sink.h"

#include <unistd.h>

#include <cerrno>

namespace {

class DescriptorWrites : public WriteSink {
public:
    ssize_t Write(int fd, const void* data, size_t size) override { return write(fd, data, size); }
};

}  // namespace

WriteSink& SystemWrites() {
    static DescriptorWrites writes;
    return writes;
}

bool WriteAll(WriteSink& sink, int fd, const void* data, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t written = sink.Write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= size_t(written);
    }
    return true;
}
