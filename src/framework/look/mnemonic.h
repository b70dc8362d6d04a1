#pragma once

#include <string>
#include <string_view>

// A label's "&" notation, read the same way by every control, menu and caption: "&x"
// shows x underlined as the mnemonic, "&&" shows one "&", and a "&" that ends the label
// is shown as it is. The first marked letter is the mnemonic.
struct vMnemonicLabel {
    std::string shown;     // the label as drawn
    int underlineAt = -1;  // index in shown of the mnemonic letter; -1 when there is none
    // The mnemonic letter in lower case; 0 when there is none.
    char Letter() const;
};

vMnemonicLabel vParseMnemonic(std::string_view label);

// The control layout's width rule counts every character other than "&".
int vCountNonAmpersands(std::string_view text);
