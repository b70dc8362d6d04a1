#pragma once

// Results of the height-field readers.
inline constexpr int kLoadDone = 0;
inline constexpr int kLoadCannotOpen = 1;    // "Unable to LOAD File !!"
inline constexpr int kLoadNotAccepted = 2;   // "File Inconpatable!!"
inline constexpr int kLoadDataEnded = 3;     // "ERROR in File Data!!"

// Results of the writers.
inline constexpr int kSaveFailed = 0;        // "File Save Error!!!"
inline constexpr int kSaveDone = 1;
