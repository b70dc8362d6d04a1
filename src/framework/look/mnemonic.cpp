#include "framework/look/mnemonic.h"

#include <algorithm>
#include <cctype>

vMnemonicLabel vParseMnemonic(std::string_view label) {
    vMnemonicLabel parsed;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i;
            if (label[i] != '&' && parsed.underlineAt < 0) parsed.underlineAt = int(parsed.shown.size());
        }
        parsed.shown.push_back(label[i]);
    }
    return parsed;
}

char vMnemonicLabel::Letter() const {
    if (underlineAt < 0) return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(shown[size_t(underlineAt)])));
}

int vCountNonAmpersands(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c != '&'; }));
}
