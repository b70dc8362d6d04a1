#include "document/session_journal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/replacing_file.h"

namespace {

constexpr const char* kFirstLine = "knollwork journal 1";
// A journal holds text of steps; anything far larger is not one.
constexpr std::streamsize kLargestJournal = std::streamsize(64) << 20;

// The CRC-32 of zip files, going on from an earlier value.
uint32_t Checksum(uint32_t crc, std::string_view bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[i] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::string Hex32(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

// A path or a step on one line: backslashes and line breaks are escaped.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\') escaped += "\\\\";
        else if (c == '\n') escaped += "\\n";
        else escaped += c;
    }
    return escaped;
}

std::string Unescaped(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            plain += text[++i] == 'n' ? '\n' : text[i];
        } else {
            plain += text[i];
        }
    }
    return plain;
}

std::string PaletteHex(const Palette& palette) {
    std::string hex;
    char entry[7];
    for (const vColor& colour : palette) {
        std::snprintf(entry, sizeof entry, "%02x%02x%02x", colour.R(), colour.G(), colour.B());
        hex += entry;
    }
    return hex;
}

std::optional<Palette> PaletteFromHex(std::string_view hex) {
    if (hex.size() != 256 * 6) return std::nullopt;
    Palette palette{};
    for (size_t i = 0; i < 256; ++i) {
        unsigned r, g, b;
        std::string entry(hex.substr(i * 6, 6));
        if (entry.find_first_not_of("0123456789abcdef") != std::string::npos ||
            std::sscanf(entry.c_str(), "%2x%2x%2x", &r, &g, &b) != 3) {
            return std::nullopt;
        }
        palette[i] = vColor(uint8_t(r), uint8_t(g), uint8_t(b));
    }
    return palette;
}

// A number that reads back to the same double.
std::string ExactNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::optional<HeightRange> ReadRange(std::string_view text) {
    const std::string both(text);
    char* end = nullptr;
    const double low = std::strtod(both.c_str(), &end);
    if (end == both.c_str() || *end != ' ') return std::nullopt;
    const char* rest = end + 1;
    const double high = std::strtod(rest, &end);
    if (end == rest || *end != '\0' || !std::isfinite(low) || !std::isfinite(high) || !(low < high)) return std::nullopt;
    return HeightRange{low, high};
}

std::string IdentityLines(const FileIdentity& identity) {
    return "size " + std::to_string(identity.size) + "\nmodified " + std::to_string(identity.seconds) + "." +
           std::to_string(identity.nanoseconds) + "\n";
}

// The value after "key " on a line, or none.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
    if (line.size() < key.size() + 1 || line.substr(0, key.size()) != key || line[key.size()] != ' ') {
        return std::nullopt;
    }
    return line.substr(key.size() + 1);
}

bool ReadNumber(std::string_view text, int64_t& value) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    value = std::stoll(std::string(text));
    return true;
}

bool ReadIdentity(const std::vector<std::string_view>& lines, size_t at, FileIdentity& identity) {
    if (lines.size() < at + 2) return false;
    std::optional<std::string_view> size = ValueOf(lines[at], "size");
    std::optional<std::string_view> modified = ValueOf(lines[at + 1], "modified");
    if (!size || !modified) return false;
    const size_t dot = modified->find('.');
    return dot != std::string_view::npos && ReadNumber(*size, identity.size) &&
           ReadNumber(modified->substr(0, dot), identity.seconds) &&
           ReadNumber(modified->substr(dot + 1), identity.nanoseconds);
}

// Reads the records of a journal one by one as they are checked.
class JournalReader {
public:
    explicit JournalReader(JournalContents& contents) : contents_(contents) {}

    bool Header(const std::vector<std::string_view>& lines) {
        if (lines.empty() || lines[0] != kFirstLine) return Fail("it is not a journal of unsaved work");
        std::optional<std::string_view> file = lines.size() > 1 ? ValueOf(lines[1], "file") : std::nullopt;
        if (!file && lines.size() > 1 && lines[1] == "file") file = std::string_view();
        if (!file || !ReadIdentity(lines, 2, contents_.identity)) return Fail("its start is damaged");
        contents_.start.path = Unescaped(*file);
        size_t at = 4;
        if (at < lines.size()) {
            if (std::optional<std::string_view> raw = ValueOf(lines[at], "raw")) {
                const size_t cross = raw->find('x');
                int64_t width = 0, height = 0;
                if (cross == std::string_view::npos || !ReadNumber(raw->substr(0, cross), width) ||
                    !ReadNumber(raw->substr(cross + 1), height) || width > 65535 || height > 65535) {
                    return Fail("its start is damaged");
                }
                contents_.start.rawWidth = int(width);
                contents_.start.rawHeight = int(height);
                ++at;
            }
        }
        if (at < lines.size()) {
            if (std::optional<std::string_view> range = ValueOf(lines[at], "range")) {
                std::optional<HeightRange> read = ReadRange(*range);
                if (!read) return Fail("its start is damaged");
                contents_.start.range = read;
                ++at;
            }
        }
        std::optional<std::string_view> hex = at + 1 == lines.size() ? ValueOf(lines[at], "palette") : std::nullopt;
        std::optional<Palette> palette = hex ? PaletteFromHex(*hex) : std::nullopt;
        if (!palette) return Fail("its start is damaged");
        contents_.start.palette = *palette;
        return true;
    }

    bool Record(const std::vector<std::string_view>& lines) {
        if (lines[0] == "step" || lines[0] == "step commit") return Step(lines);
        if (std::optional<std::string_view> position = ValueOf(lines[0], "move")) {
            int64_t value = 0;
            if (lines.size() != 1 || !ReadNumber(*position, value) || value > int64_t(contents_.steps.size())) {
                return Fail("a step back or forward in it is damaged");
            }
            contents_.position = int(value);
            return true;
        }
        if (std::optional<std::string_view> saved = ValueOf(lines[0], "saved")) {
            if (lines.size() != 1) return Fail("it is damaged");
            contents_.savedFile = Unescaped(*saved);
            return true;
        }
        if (std::optional<std::string_view> kept = ValueOf(lines[0], "kept")) {
            if (lines.size() != 3 || !ReadIdentity(lines, 1, contents_.keptIdentity)) return Fail("it is damaged");
            contents_.keptFile = Unescaped(*kept);
            return true;
        }
        return Fail("it holds a record this program does not know");
    }

    bool Fail(std::string why) {
        contents_.damage = std::move(why);
        return false;
    }

private:
    bool Step(const std::vector<std::string_view>& lines) {
        JournalStep step;
        step.commits = lines[0] == "step commit";
        for (size_t i = 1; i < lines.size(); ++i) {
            if (std::optional<std::string_view> hex = ValueOf(lines[i], "colours")) {
                step.palette = PaletteFromHex(*hex);
                if (!step.palette) return Fail("a step in it is damaged");
            } else if (lines[i].substr(0, 2) == "--") {
                step.text.lines.push_back(Unescaped(lines[i]));
            } else {
                return Fail("a step in it is damaged");
            }
        }
        if (step.text.lines.empty()) return Fail("a step in it is damaged");
        // A new step drops the steps ahead of the position, as it did in the session.
        contents_.steps.resize(size_t(contents_.position));
        contents_.steps.push_back(std::move(step));
        contents_.position = int(contents_.steps.size());
        return true;
    }

    JournalContents& contents_;
};

// A copy on the disk before it is used, by the writer that never leaves half a file.
bool CopyFile(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    ReplacingFile out(to.c_str());
    std::vector<char> buffer(size_t(1) << 20);
    while (in) {
        in.read(buffer.data(), std::streamsize(buffer.size()));
        out.Write(buffer.data(), size_t(in.gcount()));
    }
    return in.eof() && out.Commit();
}

}  // namespace

FileIdentity FileIdentity::Of(const std::string& path) {
    struct stat status {};
    if (path.empty() || stat(path.c_str(), &status) != 0) return {};
    return {int64_t(status.st_size), int64_t(status.st_mtim.tv_sec), int64_t(status.st_mtim.tv_nsec)};
}

bool JournalContents::SourceUnchanged() const {
    if (start.path.empty()) return true;
    return FileIdentity::Of(SourceFile()) == (keptFile.empty() ? identity : keptIdentity);
}

JournalContents ReadJournal(const std::string& path) {
    JournalContents contents;
    JournalReader reader(contents);
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (in) {
        in.seekg(0, std::ios::end);
        const std::streamsize size = in.tellg();
        if (size > kLargestJournal) {
            reader.Fail("it is far too large to be one");
            return contents;
        }
        in.seekg(0);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // A journal emptied to start afresh, caught before its first record, holds nothing.
    if (text.empty() && in) {
        contents.state = JournalContents::State::Readable;
        return contents;
    }
    if (text.rfind(kFirstLine, 0) != 0) {
        reader.Fail("it is not a journal of unsaved work");
        return contents;
    }
    uint32_t checksum = 0;
    size_t recordStart = 0;
    std::vector<std::string_view> lines;
    bool header = true;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) break;
        std::string_view line(text.data() + at, end - at);
        if (std::optional<std::string_view> stated = ValueOf(line, "=")) {
            checksum = Checksum(checksum, std::string_view(text).substr(recordStart, at - recordStart));
            if (*stated != Hex32(checksum) || lines.empty()) {
                reader.Fail("it is damaged");
                return contents;
            }
            checksum = Checksum(checksum, std::string_view(text).substr(at, end + 1 - at));
            if (!(header ? reader.Header(lines) : reader.Record(lines))) return contents;
            header = false;
            lines.clear();
            recordStart = end + 1;
        } else {
            lines.push_back(line);
        }
        at = end + 1;
    }
    if (recordStart != text.size()) {
        reader.Fail("it is cut short");
        return contents;
    }
    contents.checksum = checksum;
    contents.state = JournalContents::State::Readable;
    return contents;
}

void SessionJournal::Started(const SessionStart& start) {
    if (!keptPath_.empty()) std::remove(keptPath_.c_str());
    keptPath_.clear();
    startPath_ = start.path;
    checksum_ = 0;
    ok_ = file_.Start(path_);
    std::string record = std::string(kFirstLine) + "\n";
    record += start.path.empty() ? std::string("file\n") : "file " + Escaped(start.path) + "\n";
    record += IdentityLines(FileIdentity::Of(start.path));
    if (start.rawWidth > 0) record += "raw " + std::to_string(start.rawWidth) + "x" + std::to_string(start.rawHeight) + "\n";
    if (start.range) record += "range " + ExactNumber(start.range->low) + " " + ExactNumber(start.range->high) + "\n";
    record += "palette " + PaletteHex(start.palette) + "\n";
    Write(std::move(record));
}

void SessionJournal::StepEnded(const HistoryStep& step) {
    std::string record = step.commits ? "step commit\n" : "step\n";
    for (const std::string& line : step.text.lines) record += Escaped(line) + "\n";
    if (step.text.lines.front().rfind("--palette ", 0) == 0) record += "colours " + PaletteHex(step.after.palette) + "\n";
    Write(std::move(record));
}

void SessionJournal::MovedTo(int position) { Write("move " + std::to_string(position) + "\n"); }

// Linked where the file system allows, copied where it does not; the session is then
// made from what was set aside.
void SessionJournal::FileWillBeReplaced() {
    if (!keptPath_.empty() || startPath_.empty() || !file_.IsOpen()) return;
    // The file's own name ends the copy's, so it is read as the same format.
    const size_t slash = startPath_.rfind('/');
    const std::string kept = path_ + "-" + startPath_.substr(slash == std::string::npos ? 0 : slash + 1);
    std::remove(kept.c_str());
    if (link(startPath_.c_str(), kept.c_str()) != 0 && !CopyFile(startPath_, kept)) {
        ok_ = false;
        return;
    }
    keptPath_ = kept;
    Write("kept " + Escaped(kept) + "\n" + IdentityLines(FileIdentity::Of(kept)));
}

void SessionJournal::Saved(const std::string& path) { Write("saved " + Escaped(path) + "\n"); }

void SessionJournal::Discard() {
    file_.Remove();
    if (!keptPath_.empty()) std::remove(keptPath_.c_str());
}

bool SessionJournal::Continue(const JournalContents& contents) {
    ok_ = file_.Continue(path_);
    checksum_ = contents.checksum;
    startPath_ = contents.start.path;
    keptPath_ = contents.keptFile;
    return ok_;
}

void SessionJournal::Write(std::string record) {
    checksum_ = Checksum(checksum_, record);
    const std::string check = "= " + Hex32(checksum_) + "\n";
    checksum_ = Checksum(checksum_, check);
    ok_ = file_.Append(record + check) && ok_;
}
