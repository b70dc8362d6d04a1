#pragma once

#include "framework/window/app.h"

// The program's entry on SDL: makes the platform and runs the application object with
// hook as its start hook. Without a display or a font it says why on stderr and
// returns 1.
int vSdlMain(int argc, char** argv, vAppMainHook hook);
