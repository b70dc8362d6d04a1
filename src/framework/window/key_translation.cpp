#include "framework/window/key_translation.h"

#include "framework/platform/platform.h"

namespace {

// Alt is not part of the shift state that OnKey and the menu keys see.
int ShiftState(int modifiers) { return modifiers & (vModShift | vModControl); }

bool InTable(int key) {
    return (key >= vKeyHome && key <= vKeyInsert) || key == vKeyDelete ||
           (key >= vKeyF1 && key <= vKeyF16);
}

// A key that the keyboard turns into a character of its own on key-down.
int CharacterOfKey(int key, int modifiers) {
    switch (key) {
        case vKeyTab: case vKeyReturn: case vKeyBackSpace: case vKeyEscape: return key;
        default: break;
    }
    if (!(modifiers & vModControl) || (modifiers & vModAlt)) return 0;
    if (key >= 'a' && key <= 'z') return key - 'a' + 1;
    // Control with a digit or a sign gives no text, so the key-down carries it to the
    // menu keys (Ctrl+0, Ctrl+Minus).
    return key > ' ' && key < 0x7F ? key : 0;
}

vKeyStroke Stroke(int code, int shift) {
    if (code == vKeyTab && (shift & vModShift)) return {vKeyBackTab, shift};
    if (code < 32) shift &= ~vModControl;
    return {code, shift};
}

// Decodes one UTF-8 character starting at text[i]; advances i. Broken bytes stand
// for themselves.
int NextCharacter(const std::string& text, size_t& i) {
    auto byte = static_cast<unsigned char>(text[i++]);
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + size_t(extra) > text.size()) return byte;
    int code = byte & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        auto next = static_cast<unsigned char>(text[i + size_t(k)]);
        if ((next & 0xC0) != 0x80) return byte;
        code = (code << 6) | (next & 0x3F);
    }
    i += size_t(extra);
    return code;
}

}  // namespace

std::vector<vKeyStroke> vTranslateKey(const vPlatformEvent& event) {
    std::vector<vKeyStroke> strokes;
    int shift = ShiftState(event.modifiers);
    if (event.kind == vEventKind::KeyDown) {
        if (InTable(event.key)) {
            strokes.push_back({event.key, shift});
        } else if (int c = CharacterOfKey(event.key, event.modifiers)) {
            strokes.push_back(Stroke(c, shift));
        }
    } else if (event.kind == vEventKind::TextInput) {
        // With Control or Alt held, the key-down already said everything.
        if (event.modifiers & (vModControl | vModAlt)) return strokes;
        for (size_t i = 0; i < event.text.size();) strokes.push_back(Stroke(NextCharacter(event.text, i), shift));
    }
    return strokes;
}
