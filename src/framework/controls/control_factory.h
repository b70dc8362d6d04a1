#pragma once

#include "framework/controls/command_object.h"

class vCmd;
class vCmdParent;

// The control class for a record's type; unknown types make a label that reads
// "?? Bad CommandObject ??".
vCmd* vMakeControlFor(vCmdParent* parent, const CommandObject& record);
