#pragma once

#include "framework/draw/icon.h"

// The notice box's picture: 40 x 32 pixels, one bit each, a warning triangle holding
// an exclamation mark on a checkered background.
const vIcon& vNoticeImage();
