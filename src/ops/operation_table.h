#pragma once

// The operation codes armed at a press on the canvas, with the status word written then
// and the message written after the run.
struct OperationEntry {
    int code;
    const char* statusWord;
    const char* doneMessage;
};

inline constexpr OperationEntry kOperationTable[] = {
    {0, "", ""},
    {1, "ROUGHING ", "Roughing DONE"},
    {2, "SMOOTHING", "Smoothing DONE"},
    {3, "Cuting", "Cuting DONE"},
    {4, "Cliping", "CLiping DONE"},
    {5, "INCing", "Incresing DONE"},
    {6, "DECing", "Decresing DONE"},
    {7, "Inversing", "Inversing DONE"},
    {8, "Mirrow LR", "Mirrow DONE"},
    {9, "Mirrow RL", "Mirrow DONE"},
    {10, "Mirrow UD", "Mirrow DONE"},
    {11, "Mirrow DU", "Mirrow DONE"},
    {12, "Flipping", "Flip DONE"},
    {13, "Flipping", "Flip DONE"},
    {14, "Flantening", "Flating DONE"},
};

inline constexpr int kOperationNone = 0;
inline constexpr int kOperationRough = 1;
inline constexpr int kOperationSmooth = 2;
inline constexpr int kOperationCut = 3;
inline constexpr int kOperationClip = 4;
inline constexpr int kOperationInc = 5;
inline constexpr int kOperationDec = 6;
inline constexpr int kOperationInverse = 7;
inline constexpr int kOperationMirrorLR = 8;
inline constexpr int kOperationMirrorRL = 9;
inline constexpr int kOperationMirrorUD = 10;
inline constexpr int kOperationMirrorDU = 11;
inline constexpr int kOperationFlipLR = 12;
inline constexpr int kOperationFlipUD = 13;
inline constexpr int kOperationFill = 14;

inline constexpr const char* kValueWrong = "Value Wrong!!";

inline const OperationEntry& OperationFor(int code) {
    return kOperationTable[code >= 0 && code <= kOperationFill ? code : kOperationNone];
}
