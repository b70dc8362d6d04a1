#pragma once

// What PutValue sets on a control or a menu item.
enum ValueKind {
    StateChecked = 0,
    StateEnabled = 1,
    StateValue = 2,
    StateHidden = 3,
    StateItems = 4,
    StateNewItems = 5,
};
