#pragma once

#include <memory>
#include <string>

#include "framework/dialogs/dialog.h"
#include "framework/dialogs/dialog_view.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/platform/platform.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "operation_dialogs/operation_dialogs.h"

// The operation dialogs on the headless backend, owned by a plain test window.
struct DialogsSession {
    DialogsSession() : app("Knollwork", 1) {
        const char* argv[] = {"test"};
        app.Start(platform, 1, argv, nullptr);
        owner = new vCmdWindow("Knollwork", 800, 600);
        app.OpenAppWindow(owner, "Knollwork", 800, 600, nullptr);
        dialogs = std::make_unique<KnollOperationDialogs>(owner);
    }
    ~DialogsSession() {
        dialogs.reset();
        app.Finish();
    }

    void Pump() { app.PumpUntilIdle(); }

    vPoint CenterOf(vDialog& dialog, int id) {
        vRect view = dialog.View().Bounds();
        vRect r = dialog.FindControl(id)->PixelRect();
        return {view.x + vDialogView::ClientLeft() + r.x + r.w / 2,
                view.y + vDialogView::ClientTop() + r.y + r.h / 2};
    }
    void Click(vDialog& dialog, int id) {
        vPoint p = CenterOf(dialog, id);
        platform.QueueClick(p.x, p.y);
        Pump();
    }
    // Replaces the text of a text entry as a user would: click, select all, type.
    void Type(vDialog& dialog, int id, const std::string& text) {
        Click(dialog, id);
        platform.QueueKey('a', vModControl);
        platform.QueueText(text);
        Pump();
    }
    void Present(DialogKind kind) {
        dialogs->Present(kind, "");
        Pump();
    }

    vHeadlessPlatform platform;
    vApp app;
    vCmdWindow* owner = nullptr;
    std::unique_ptr<KnollOperationDialogs> dialogs;
};
