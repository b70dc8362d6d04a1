#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "cli/step.h"
#include "files/replacing_file.h"
#include "map/field_range.h"
#include "map/scaled_view.h"

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

// The map as the editor's canvas draws it at the preview's scale, the field's top-left
// corner at the picture's.
Raster DrawMap(const HeightField& field, const PreviewSettings& preview, const ShadeLight& light) {
    KnollViewScale scale;
    if (preview.fitWidth > 0) scale = KnollViewScale::Fit(field.width(), field.height(), preview.fitWidth, preview.fitHeight);
    KnollReducedField reduced;
    if (scale.IsReduced()) reduced.Update(field, -scale.level());
    MapChoices choices = preview.choices;
    choices.light = light;
    Raster picture(scale.ViewSpan(field.width()), scale.ViewSpan(field.height()));
    DrawScaledView(field, reduced, scale, vPoint{0, 0}, picture, ViewRows{}, MapColours(field, choices, RangeOf(field)));
    return picture;
}

// "-" writes the PNG to standard output, after any text earlier steps left there. The
// plain map at 1:1 is the working image itself.
StepResult Preview(Session& session, const std::string& path) {
    const HeightField& field = session.document.field();
    const PreviewSettings& preview = session.interchange.preview;
    Raster drawn;
    if (!preview.choices.IsPlain() || preview.fitWidth > 0) drawn = DrawMap(field, preview, session.interchange.light);
    return WritePicture(drawn.IsEmpty() ? std::as_const(field).working().raster() : drawn, path);
}

// "plain", or "heights", "relief" or both with a comma between.
std::optional<MapChoices> ParseMapChoices(const std::string& text) {
    MapChoices choices;
    if (text == "plain") return choices;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string word = text.substr(start, comma - start);
        if (word == "heights") choices.heightColours = true;
        else if (word == "relief") choices.relief = true;
        else return std::nullopt;
        start = comma + 1;
    }
    return choices;
}

std::optional<std::pair<int, int>> ParsePreviewSize(const std::string& text) {
    std::pair<int, int> size;
    if (!ParseFieldSize(text, size.first, size.second)) return std::nullopt;
    return size;
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
    Step view = ParsedStep<MapChoices>(
        "--view", "CHOICES", "how later --preview and --render show the field: plain, or heights,relief as the View menu's toggles",
        "plain, heights, relief or heights,relief", ParseMapChoices, [](Session& session, MapChoices choices) {
            session.interchange.preview.choices = choices;
            return StepResult::Done();
        });
    view.letsRowsPass = true;
    registry.Add(view);
    Step size = ParsedStep<std::pair<int, int>>(
        "--preview-size", "WxH", "fit later --preview into WxH as View > Fit Field does (1:1 unless given)",
        "a size like 800x600", ParsePreviewSize, [](Session& session, std::pair<int, int> size) {
            session.interchange.preview.fitWidth = size.first;
            session.interchange.preview.fitHeight = size.second;
            return StepResult::Done();
        });
    size.letsRowsPass = true;
    registry.Add(size);
}
