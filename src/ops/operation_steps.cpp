#include "ops/operation_steps.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "ops/value_text.h"

namespace {

std::vector<std::string> SplitWords(std::string_view words) {
    std::vector<std::string> split;
    while (!words.empty()) {
        size_t bar = words.find('|');
        split.emplace_back(words.substr(0, bar));
        words = bar == std::string_view::npos ? std::string_view{} : words.substr(bar + 1);
    }
    return split;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
    std::string joined;
    for (const std::string& part : parts) joined += (joined.empty() ? "" : between) + part;
    return joined;
}

// A radius of any size: a window wider than the field takes the whole field, so a
// number too long for int reads as the largest int.
std::optional<int> ReadRadius(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    long long value = text.size() > 10 ? 0x7FFFFFFF : std::atoll(text.c_str());
    return int(std::min<long long>(value, 0x7FFFFFFF));
}

// The word of a record's argument for the mode: one word names the operation, several
// choose the mode.
std::string WordOf(const OperationRecord& record, int mode) {
    std::vector<std::string> words = SplitWords(record.words);
    if (words.size() == 1) return words.front();
    return words.at(size_t(mode));
}

}  // namespace

std::vector<std::string> OperationStep::Words() const {
    std::vector<std::string> words;
    for (const OperationRecord* record : records_) {
        for (std::string& word : SplitWords(record->words)) words.push_back(std::move(word));
    }
    return words;
}

std::string OperationStep::ArgumentName() const {
    switch (step().argument) {
        case StepArgument::None: return "";
        case StepArgument::Value: return "V";
        case StepArgument::Radius: return "R";
        case StepArgument::Word: return Joined(Words(), "|");
        case StepArgument::WordValue: return Joined(Words(), "|") + ":VALUE";
    }
    return "";
}

std::string OperationStep::Expected() const {
    switch (step().argument) {
        case StepArgument::Radius: return "a radius of 0 or more";
        case StepArgument::Word: return "one of " + ArgumentName();
        case StepArgument::WordValue: {
            std::vector<std::string> forms = Words();
            for (std::string& form : forms) form += ":VALUE";
            std::string last = forms.back();
            forms.pop_back();
            return forms.empty() ? last : Joined(forms, ", ") + " or " + last;
        }
        default: return "";
    }
}

std::optional<StepCall> OperationStep::Read(const std::string& argument) const {
    StepCall call;
    call.operation = records_.front()->operation;
    switch (step().argument) {
        case StepArgument::None: return call;
        case StepArgument::Value: call.valueText = argument; return call;
        case StepArgument::Radius: {
            std::optional<int> radius = ReadRadius(argument);
            if (!radius) return std::nullopt;
            call.radius = *radius;
            return call;
        }
        case StepArgument::Word:
        case StepArgument::WordValue: break;
    }
    const bool withValue = step().argument == StepArgument::WordValue;
    const size_t colon = argument.find(':');
    if (withValue && colon == std::string::npos) return std::nullopt;
    const std::string word = withValue ? argument.substr(0, colon) : argument;
    for (const OperationRecord* record : records_) {
        std::vector<std::string> words = SplitWords(record->words);
        auto found = std::find(words.begin(), words.end(), word);
        if (found == words.end()) continue;
        call.operation = record->operation;
        if (words.size() > 1) call.mode = int(found - words.begin());
        if (withValue) call.valueText = argument.substr(colon + 1);
        return call;
    }
    return std::nullopt;
}

bool OperationStep::ReadsArea() const {
    return std::any_of(records_.begin(), records_.end(), [](const OperationRecord* r) { return !r->wholeField; });
}

std::vector<OperationStep> OperationSteps() {
    std::vector<OperationStep> steps;
    for (const OperationRecord& record : Operations()) {
        auto same = std::find_if(steps.begin(), steps.end(), [&](const OperationStep& step) {
            return std::string_view(step.step().name) == record.step.name;
        });
        if (same == steps.end()) {
            steps.emplace_back(record);
        } else {
            same->Add(record);
        }
    }
    return steps;
}

std::vector<std::string> BatchStepWords(Operation operation, const OperationInputs& inputs) {
    const OperationRecord* record = FindOperation(operation);
    if (!record) return {};
    const std::string value = std::to_string(ReadValueText(inputs.valueText));
    std::vector<std::string> words{record->step.name};
    switch (record->step.argument) {
        case StepArgument::None: break;
        case StepArgument::Value: words.push_back(value); break;
        case StepArgument::Radius: words.push_back(std::to_string(inputs.radius)); break;
        case StepArgument::Word: words.push_back(WordOf(*record, inputs.mode)); break;
        case StepArgument::WordValue: words.push_back(WordOf(*record, inputs.mode) + ":" + value); break;
    }
    return words;
}
