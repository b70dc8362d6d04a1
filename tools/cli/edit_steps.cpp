#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/step.h"
#include "ops/operation_table.h"
#include "ops/row_traversal.h"
#include "ops/zoom.h"

namespace {

// ---- argument parsing -------------------------------------------------------------

// A plain decimal number of at most `digits` digits, with an optional leading minus.
bool ParseWhole(const std::string& text, long long& value, size_t digits = 10) {
    size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == start || text.size() - start > digits) return false;
    for (size_t i = start; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    value = std::atoll(text.c_str());
    return true;
}

// One of the words, each given with what it stands for.
template <class Meaning>
std::optional<Meaning> ParseWord(const std::string& text, const std::vector<std::pair<std::string, Meaning>>& words) {
    for (const auto& [word, meaning] : words) {
        if (text == word) return meaning;
    }
    return std::nullopt;
}

// "X,Y X,Y X,Y ...": three or more positions.
std::optional<std::vector<vPoint>> ParsePolygon(const std::string& text) {
    std::vector<vPoint> points;
    std::istringstream pairs(text);
    std::string pair;
    while (pairs >> pair) {
        size_t comma = pair.find(',');
        long long x = 0, y = 0;
        if (comma == std::string::npos || !ParseWhole(pair.substr(0, comma), x, 6) ||
            !ParseWhole(pair.substr(comma + 1), y, 6)) {
            return std::nullopt;
        }
        points.push_back({int(x), int(y)});
    }
    if (points.size() < 3) return std::nullopt;
    return points;
}

std::optional<uint32_t> ParseSeed(const std::string& text) {
    long long seed = 0;
    if (!ParseWhole(text, seed) || seed < 0 || seed > 0xFFFFFFFFLL) return std::nullopt;
    return uint32_t(seed);
}

// The noise's direction and its VALUE text, which the operation reads as the dialog's box.
struct RoughArgument {
    RoughMode mode;
    std::string value;
};

std::optional<RoughArgument> ParseRough(const std::string& text) {
    size_t colon = text.find(':');
    std::optional<RoughMode> mode = ParseWord<RoughMode>(
        text.substr(0, colon), {{"up", RoughMode::Up}, {"middle", RoughMode::Middle}, {"down", RoughMode::Down}});
    if (colon == std::string::npos || !mode) return std::nullopt;
    return RoughArgument{*mode, text.substr(colon + 1)};
}

// A radius of any size: a window wider than the field takes the whole field, so a
// number too long for int reads as the largest int.
std::optional<int> ParseRadius(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    long long value = text.size() > 10 ? 0x7FFFFFFF : std::atoll(text.c_str());
    return int(std::min<long long>(value, 0x7FFFFFFF));
}

// ---- building steps ---------------------------------------------------------------

// Runs the operation on the document's area, as a click on the canvas would, or hands
// the rows it changes on to the closing write.
StepResult RunOn(Session& session, Operation operation, OperationInputs inputs = {}) {
    FieldDocument& document = session.document;
    inputs.area = document.area();
    inputs.seed = document.RoughenSeed();
    if (!session.handRows) {
        DriverReport report = RunOperation(operation, document.field(), inputs);
        return report.ran ? StepResult::Done() : StepResult::Failed(report.message);
    }
    FieldRows& rows = session.RowsSoFar();
    RowEdit edit;
    DriverReport report = EditOfRows(operation, rows, inputs, edit);
    if (!report.ran) return StepResult::Failed(report.message);
    session.Hand(std::make_unique<EditedRows>(rows, std::move(edit)));
    return StepResult::Done();
}

// A flip hands its rows on when it works row by row.
const std::vector<std::pair<std::string, Operation>> kFlips = {{"lr", Operation::FlipLR}, {"ud", Operation::FlipUD}};

bool FlipHandsRows(const std::string& word) {
    std::optional<Operation> flip = ParseWord(word, kFlips);
    return flip && WorksRowByRow(*flip);
}

// An edit that works row by row on the area.
Step HandingEdit(Step step) {
    step.handsRows = Always;
    step.readsArea = true;
    return step;
}

Step ChoosingArea(Step step) {
    step.choosesArea = true;
    return step;
}

// The value operations take their text as the Wacks dialog's VALUE box holds it.
Step ValueStep(std::string name, std::string summary, Operation operation) {
    return HandingEdit(ArgumentStep(std::move(name), "V", std::move(summary),
                        [operation](const std::string& text, std::string&) -> std::optional<StepAction> {
                            return [operation, text](Session& session) {
                                return RunOn(session, operation, {.valueText = text});
                            };
                        }));
}

// ---- the steps --------------------------------------------------------------------

// The vertices go in as the editor's clicks would: one beyond the right or bottom edge
// is moved onto it, a repeated one is dropped, and fewer than three drop the selection.
// The canvas cannot be clicked left of or above the field, so such a vertex is refused.
StepResult Select(Session& session, const std::vector<vPoint>& points) {
    FieldDocument& document = session.document;
    HeightField& field = document.field();
    FieldSelection& selection = document.selection();
    for (const vPoint& point : points) {
        if (point.x < 0 || point.y < 0) {
            return StepResult::Failed("Selection point " + std::to_string(point.x) + "," +
                                      std::to_string(point.y) + " lies left of or above the field");
        }
    }
    selection.Begin();
    for (const vPoint& point : points) selection.AddClickedVertex(point.x, point.y, field.width(), field.height());
    if (!selection.Close(field)) document.DropSelection();
    return StepResult::Done();
}

// A step whose argument is one of a few words, each giving its meaning to the action.
template <class Meaning>
Step WordStep(std::string name, std::string summary, std::vector<std::pair<std::string, Meaning>> words,
              std::function<StepResult(Session&, Meaning)> run) {
    std::string list;
    for (const auto& [word, meaning] : words) list += (list.empty() ? "" : "|") + word;
    return ParsedStep<Meaning>(std::move(name), list, std::move(summary), "one of " + list,
                               [words](const std::string& text) { return ParseWord(text, words); }, run);
}

// The Convert commands: convert, set the kind, commit; refused on the target kind.
StepResult Convert(Session& session, int targetKind) {
    if (session.document.ConvertTo(targetKind)) return StepResult::Done();
    return StepResult::Failed(targetKind == kSixteenBitField ? "The field is 16-bit already"
                                                             : "The field is 8-bit already");
}

StepResult ZoomStep(Session& session, ZoomMode mode) {
    ZoomOutcome outcome = session.document.Zoom(mode);
    if (outcome != ZoomOutcome::kDone) return StepResult::Failed(ZoomMessage(outcome, session.document.field()));
    return StepResult::Done();
}

StepResult ExpandStep(Session& session) {
    if (!session.handRows) return ZoomStep(session, ZoomMode::Expand);
    FieldRows& rows = session.RowsSoFar();
    if (!ExpandFits(rows.width, rows.height)) {
        return StepResult::Failed(ZoomMessage(ZoomOutcome::kTooLarge, session.document.field()));
    }
    session.Hand(std::make_unique<ExpandedRows>(rows));
    session.document.ZoomHandedOn(ZoomMode::Expand);
    return StepResult::Done();
}

}  // namespace

void RegisterEditSteps(StepRegistry& registry) {
    Step seed = ParsedStep<uint32_t>("--seed", "S", "seed every later roughen with S instead of the clock",
                                     "a seed from 0 to 4294967295", ParseSeed, [](Session& session, uint32_t seed) {
                                         session.document.SetFixedSeed(seed);
                                         return StepResult::Done();
                                     });
    seed.letsRowsPass = true;
    registry.Add(seed);
    registry.Add(ChoosingArea(ParsedStep<std::vector<vPoint>>("--select", "\"X,Y X,Y X,Y ...\"",
                                                 "choose the polygon; a vertex past the right or bottom edge moves onto it",
                                                 "a list of three or more positions X,Y", ParsePolygon, Select)));
    registry.Add(ChoosingArea(WordStep<int>("--area", "where the following operations work",
                               {{"whole", kAreaWhole}, {"inside", kAreaInside}, {"outside", kAreaOutside}},
                               [](Session& session, int area) {
                                   session.document.SetArea(area);
                                   return StepResult::Done();
                               })));
    registry.Add(HandingEdit(ParsedStep<RoughArgument>("--rough", "up|middle|down:VALUE", "add random noise of up to VALUE",
                                           "up:VALUE, middle:VALUE or down:VALUE", ParseRough,
                                           [](Session& session, const RoughArgument& rough) {
                                               return RunOn(session, Operation::Rough,
                                                            {.valueText = rough.value, .roughMode = rough.mode});
                                           })));
    registry.Add(ParsedStep<int>("--smooth", "R", "replace each height by the mean of its (2R+1)^2 window",
                                 "a radius of 0 or more", ParseRadius, [](Session& session, int radius) {
                                     return RunOn(session, Operation::Smooth, {.radius = radius});
                                 }));
    registry.Add(ValueStep("--cut", "set heights below V to 0", Operation::Cut));
    registry.Add(ValueStep("--clip", "bring heights above V down to V", Operation::Clip));
    registry.Add(ValueStep("--inc", "add V, up to the kind's top", Operation::Inc));
    registry.Add(ValueStep("--dec", "subtract V, down to 0", Operation::Dec));
    registry.Add(ValueStep("--fill", "set every height to V", Operation::Fill));
    registry.Add(HandingEdit(SimpleStep("--inverse", "turn heights upside down",
                                        [](Session& session) { return RunOn(session, Operation::Inverse); })));
    registry.Add(WordStep<Operation>("--mirror", "copy one half onto the other, reversed",
                                     {{"lr", Operation::MirrorLR}, {"rl", Operation::MirrorRL},
                                      {"ud", Operation::MirrorUD}, {"du", Operation::MirrorDU}},
                                     [](Session& session, Operation mirror) { return RunOn(session, mirror); }));
    Step flip = WordStep<Operation>("--flip", "exchange the halves, reversed", kFlips,
                                    [](Session& session, Operation flip) { return RunOn(session, flip); });
    flip.handsRows = FlipHandsRows;
    registry.Add(flip);
    registry.Add(SimpleStep("--to-ppm", "convert an 8-bit field to 16-bit and commit",
                            [](Session& session) { return Convert(session, kSixteenBitField); }));
    registry.Add(SimpleStep("--to-tga", "convert a 16-bit field to 8-bit and commit",
                            [](Session& session) { return Convert(session, kEightBitField); }));
    Step expand = SimpleStep("--expand", "double the field by interpolation and commit", ExpandStep);
    expand.handsRows = Always;
    registry.Add(expand);
    registry.Add(SimpleStep("--shrink", "halve the field and commit",
                            [](Session& session) { return ZoomStep(session, ZoomMode::Shrink); }));
}
