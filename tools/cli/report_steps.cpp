#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "cli/step.h"
#include "files/replacing_file.h"

namespace {

std::string InfoLine(const HeightField& field) {
    int lowest = INT_MAX, highest = INT_MIN;
    long long noValue = 0;
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            int value = field.FieldValue(x, y);
            if (value < 0) {
                ++noValue;
                continue;
            }
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
    }
    bool anyValue = highest >= 0;
    return "width=" + std::to_string(field.width()) + " height=" + std::to_string(field.height()) +
           " kind=" + (field.kind() == kSixteenBitField ? "16" : "8") +
           " min=" + (anyValue ? std::to_string(lowest) : "-") +
           " max=" + (anyValue ? std::to_string(highest) : "-") +
           " novalue=" + std::to_string(noValue) + "\n";
}

// For a field read from a raster of real heights: the heights its values stand for and
// whether it knows where it lies.
std::string SourceLine(const FieldDocument& document) {
    const HeightSource* source = document.heightSource();
    if (!source) return {};
    int top = document.field().MaxValue();
    std::string line = "heights: 0=" + source->HeightText(0) + " " + std::to_string(top) + "=" +
                       source->HeightText(top) + " step=" + std::to_string(source->HeightStep());
    line += source->georeference.IsEmpty() ? " georeferenced=no" : " georeferenced=yes";
    return line + "\n";
}

// Writes to standard output for "-", else to the named file.
class DumpOutput {
public:
    explicit DumpOutput(const std::string& path)
        : toStdout_(path == "-") {
        if (!toStdout_) file_ = std::make_unique<ReplacingFile>(path.c_str());
    }

    void Write(const std::string& text) {
        if (toStdout_) std::fwrite(text.data(), 1, text.size(), stdout);
        else file_->Write(text.data(), text.size());
    }
    bool Finish() { return toStdout_ ? FlushStandardOutput().ok : file_->Commit(); }

private:
    bool toStdout_;
    std::unique_ptr<ReplacingFile> file_;
};

// The layout of --dump: "W H K", then one line of numbers per row.
template <typename Cell>
StepResult Dump(const HeightField& field, const std::string& path, Cell cell) {
    DumpOutput output(path);
    output.Write(std::to_string(field.width()) + " " + std::to_string(field.height()) + " " +
                 (field.kind() == kSixteenBitField ? "16" : "8") + "\n");
    std::string line;
    char text[16];
    for (int y = 0; y < field.height(); ++y) {
        line.clear();
        for (int x = 0; x < field.width(); ++x) {
            if (x > 0) line += ' ';
            line.append(text, size_t(cell(x, y, text, sizeof text)));
        }
        line += '\n';
        output.Write(line);
    }
    if (!output.Finish()) return StepResult::Failed("Unable to write " + path);
    return StepResult::Done();
}

StepResult DumpValues(Session& session, const std::string& path) {
    const HeightField& field = session.document.field();
    return Dump(field, path, [&field](int x, int y, char* text, size_t size) {
        return std::snprintf(text, size, "%d", field.FieldValue(x, y));
    });
}

StepResult DumpPixels(Session& session, const std::string& path) {
    const TarnMemoryDC& working = std::as_const(session.document.field()).working();
    return Dump(session.document.field(), path, [&working](int x, int y, char* text, size_t size) {
        return std::snprintf(text, size, "%06x", unsigned(working.ReadPixel(x, y)));
    });
}

// "-" writes the PNG to standard output, after any text earlier steps left there.
StepResult Preview(Session& session, const std::string& path) {
    return WritePicture(std::as_const(session.document.field()).working().raster(), path);
}

}  // namespace

void RegisterReportSteps(StepRegistry& registry) {
    registry.Add(SimpleStep("--info", "print size, kind, lowest and highest value, positions without value (and heights "
                            "for an elevation raster)",
                            [](Session& session) {
                                return PrintToStandardOutput(InfoLine(session.document.field()) +
                                                             SourceLine(session.document));
                            }));
    registry.Add(FileStep("--dump", "FILE", "write every value, -1 for none ('-': standard output)",
                            DumpValues));
    registry.Add(FileStep("--dump-pixels", "FILE", "write every stored colour as six hex digits",
                            DumpPixels));
    registry.Add(FileStep("--preview", "FILE.png", "write the field as the editor shows it, as PNG ('-': standard output)",
                            Preview));
}
