#pragma once

// Command ids with a meaning in the framework. Applications use small numbers; the
// framework's own start at 32090.
inline constexpr int vMenuSeparatorId = 32090;  // a MenuItem with this id is a separator
inline constexpr int vAppNewId = 32100;         // to OnAppCommand by the frame's "&New"
inline constexpr int vAppOpenId = 32101;        // to OnAppCommand by the frame's "&Open"
inline constexpr int vAppExitId = 32108;        // to OnAppCommand by "E&xit"; the default quits
inline constexpr int vPasteId = 32112;          // sensitive while the clipboard holds text
inline constexpr int vCancelId = 32150;         // dialog cancel: revert and close (Escape)
inline constexpr int vDoneId = 32151;           // dialog close keeping the values
inline constexpr int vOkId = 32152;             // dialog close keeping the values (notice " OK ")
inline constexpr int vTextChangedValue = 32158;    // value sent by a text entry whose text changed
inline constexpr int vTextFocusLostValue = 32159;  // value sent by a text entry losing the focus
inline constexpr int vCascadeId = 32160;        // "&Window" menu: "&Cascade"
inline constexpr int vTileId = 32161;           // "&Tile"
inline constexpr int vArrangeId = 32162;        // "&Arrange icons"
inline constexpr int vFrameNewId = 32170;       // the frame menu's own "&New"
inline constexpr int vFrameOpenId = 32171;      // "&Open"
inline constexpr int vFrameExitId = 32172;      // "E&xit"
inline constexpr int vFirstWindowId = 32200;    // ids of command windows; never forwarded

// The third argument of OnCommand: a control's type code, or this for a menu choice.
inline constexpr int vMenuCommandType = 15;

// What PutValue sets.
enum ValueKind {
    StateChecked = 0,
    StateEnabled = 1,   // sensitivity
    StateValue = 2,
    StateHidden = 3,
    StateItems = 4,     // a list's items changed; the value is the selection
    StateNewItems = 5,  // the list pointer is taken anew from the control's record
};
