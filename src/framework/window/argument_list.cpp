#include "framework/window/argument_list.h"

#include <algorithm>

namespace {

constexpr const char* kDebugOption = "-vDebug";

}  // namespace

vArgumentList vArgumentList::FromArguments(const std::string& programPath, int argc,
                                           const char* const* argv) {
    vArgumentList list;
    list.words_.push_back(programPath.substr(0, kMaxPathLength));
    for (int i = 1; i < argc && argv && argv[i]; ++i) list.words_.emplace_back(argv[i]);
    list.RemoveDebugOption();
    return list;
}

// The option takes the word after it along; given last, it goes alone.
void vArgumentList::RemoveDebugOption() {
    for (size_t i = 1; i < words_.size(); ++i) {
        if (words_[i] != kDebugOption) continue;
        size_t end = std::min(i + 2, words_.size());
        if (i + 1 < words_.size()) debugLetters_ = words_[i + 1];
        words_.erase(words_.begin() + long(i), words_.begin() + long(end));
        return;
    }
}

void vArgumentList::BuildPointers() {
    pointers_.clear();
    for (std::string& word : words_) pointers_.push_back(word.data());
    pointers_.push_back(nullptr);
}
