#pragma once

#include "framework/controls/command_object.h"
#include "framework/menus/menu_item.h"
#include "framework/menus/status_item.h"

// Command ids of the example.
enum DemoCommand : int {
    cmdOpen = 201,
    cmdSave,
    cmdExit,
    cmdShowcase,
    cmdNotice,
    cmdGrid,
    cmdSnap,
    cmdLevelOne,
    cmdLevelTwo,
    cmdAbout,
    cmdDialogButton = 301,
    cmdNoticeButton,
    cmdOpenButton,
    cmdGridToggle,
    cmdSpacer,
    statusReady = 401,
    statusLast,
    statusGrid,
};

extern const MenuItem kDemoMenuBar[];
extern const CommandObject kDemoCommandBar[];
extern const StatusItem kDemoStatusBar[];
// One dialog with a control of every type, and a record of a type that does not exist.
extern const CommandObject kShowcaseTable[];
