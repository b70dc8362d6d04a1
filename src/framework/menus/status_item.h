#pragma once

// One field of a status bar; an array of them ends with a record whose label is null.
// Each becomes a boxed label.
struct StatusItem {
    const char* label = nullptr;
    int id = 0;
    int attributes = 0;  // control attribute bits
    int sensitive = 1;   // bit 0
    int width = 0;       // dialog units; 0 sizes the field to its text
};
