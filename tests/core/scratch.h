#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/height_field.h"
#include "files/write_sink.h"

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "knoll-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
    size_t EntryCount() const {
        return size_t(std::distance(std::filesystem::directory_iterator(path_),
                                    std::filesystem::directory_iterator()));
    }

private:
    std::string path_;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline void AppendText(std::vector<uint8_t>& bytes, const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// Writes value rows into a field of the given size and kind; -1 leaves no value.
inline void FillField(HeightField& field, const std::vector<std::vector<int>>& rows, int kind) {
    field.ReplaceField(int(rows[0].size()), int(rows.size()));
    field.SetKind(kind);
    for (size_t y = 0; y < rows.size(); ++y) {
        std::vector<vColor> row;
        for (int value : rows[y]) {
            row.push_back(value < 0 ? vColor::FromPixel(kNoValuePixel) : field.ValueColor(value));
        }
        field.WriteRow(int(y), row.data());
    }
}

inline std::vector<std::vector<int>> Values(const HeightField& field) {
    std::vector<std::vector<int>> rows(field.height(), std::vector<int>(field.width()));
    for (int y = 0; y < field.height(); ++y)
        for (int x = 0; x < field.width(); ++x) rows[y][x] = field.FieldValue(x, y);
    return rows;
}

// Saves through a buffer of the writers' kind and gives back the name written.
template <typename Save>
std::string SaveAs(HeightField& field, const std::string& path, Save save, int* result = nullptr) {
    std::vector<char> buffer(path.begin(), path.end());
    buffer.resize(path.size() + 8, '\0');
    int outcome = save(field, buffer.data(), buffer.size(), SystemWrites());
    if (result) *result = outcome;
    return buffer.data();
}
