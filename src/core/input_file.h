#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// A file opened for reading in binary. Only regular files open:
// a folder, a pipe or a device would fail to read or never end.
class InputFile {
public:
    explicit InputFile(const char* path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // Bytes actually read; fewer than size at the end of the file or on an error.
    size_t Read(void* buffer, size_t size) { return std::fread(buffer, 1, size, file_); }
    // The next byte, or EOF.
    int Get() { return std::getc(file_); }
    void Unget(int byte) { std::ungetc(byte, file_); }
    // Moves past bytes without reading them; a place beyond the end shows as reads that
    // find nothing.
    bool Skip(uintmax_t bytes);
    // The bytes between the place reached and the end of the file.
    uintmax_t BytesLeft();

private:
    FILE* file_ = nullptr;
};

// Up to limit bytes from the start of the regular file at path; false when it does not
// open. A larger file is cut at limit, so no file can hold the reader up or fill memory.
bool ReadFileStart(const char* path, size_t limit, std::string& text);
