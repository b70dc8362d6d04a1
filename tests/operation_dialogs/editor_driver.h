#pragma once

#include <string>

#include "app/cmd_window_tables.h"
#include "editor_session.h"
#include "framework/dialogs/dialog_view.h"
#include "framework/platform/platform.h"
#include "operation_dialogs/operation_dialog.h"
#include "operation_dialogs/operation_dialogs.h"

// Drives the in-process editor as a user does: clicks on the command bar, on the
// canvas at field positions, and on the controls of the open dialogs.
class EditorDriver {
public:
    explicit EditorDriver(EditorSession& session) : session_(session) {}

    KnollOperationDialogs& Dialogs() { return session_.Window().OperationDialogs(); }
    HeightField& Field() { return session_.Window().Document().field(); }
    vHeadlessPlatform& Platform() { return session_.platform; }

    void ClickBar(int id) {
        vCommandPane& bar = session_.Window().CommandBar();
        vRect pane = bar.Bounds(), r = bar.FindControl(id)->PixelRect();
        Click(pane.x + r.x + r.w / 2, pane.y + r.y + r.h / 2);
    }
    // A press and release at field position (x, y), at whatever scale the view has;
    // it may lie beyond the field. The view is first scrolled, with the bars' arrows,
    // until the position shows.
    void ClickField(int x, int y, int button = 1) {
        ScrollToShow(true, x);
        ScrollToShow(false, y);
        vPoint p = OnScreen(x, y);
        Click(p.x, p.y, button);
    }
    vPoint OnScreen(int x, int y) {
        KnollCanvasPane& canvas = session_.Window().Canvas();
        const KnollViewScale& scale = canvas.Scale();
        vRect pane = canvas.Bounds();
        return {pane.x + scale.ToView(x, canvas.ShownArea().x), pane.y + scale.ToView(y, canvas.ShownArea().y)};
    }
    void ScrollToShow(bool horizontal, int position) {
        KnollCanvasPane& canvas = session_.Window().Canvas();
        for (int i = 0; i < 1000; ++i) {
            const vRect view = canvas.ShownArea();
            int offset = horizontal ? view.x : view.y;
            int span = horizontal ? view.w : view.h;
            int fieldSize = horizontal ? Field().width() : Field().height();
            if (position < offset) {
                canvas.ScrollAction(horizontal, vScrollAction::StepBack, 0);
            } else if (position >= offset + span && offset + span < fieldSize) {
                canvas.ScrollAction(horizontal, vScrollAction::StepForward, 0);
            } else {
                return;
            }
        }
    }
    // Select on, the vertices clicked, closed with the right button.
    void ChoosePolygon(std::initializer_list<vPoint> vertices) {
        ClickBar(cmdSelect);
        for (const vPoint& vertex : vertices) ClickField(vertex.x, vertex.y);
        const vPoint& last = *(vertices.end() - 1);
        ClickField(last.x, last.y, 3);
    }

    // Opens the dialog of that kind from its command-bar toggle.
    void OpenDialog(DialogKind kind) { ClickBar(DialogRecordOf(kind).toggleId); }
    void ClickDialog(DialogKind kind, int id) {
        vPoint p = ControlCenter(Dialogs().Dialog(kind), id);
        Click(p.x, p.y);
    }
    void TypeIntoDialog(DialogKind kind, int id, const std::string& text) {
        ClickDialog(kind, id);
        Platform().QueueKey('a', vModControl);
        Platform().QueueText(text);
        session_.Pump();
    }
    // Spinner arrows sit at the right end of the control, up above down.
    void ClickSpinner(DialogKind kind, int id, bool up, int times) {
        vDialog& dialog = Dialogs().Dialog(kind);
        vRect view = dialog.View().Bounds(), r = dialog.FindControl(id)->PixelRect();
        int x = view.x + vDialogView::ClientLeft() + r.x + r.w - 2;
        int y = view.y + vDialogView::ClientTop() + r.y + (up ? 2 : r.h - 2);
        for (int i = 0; i < times; ++i) Platform().QueueClick(x, y);
        session_.Pump();
    }
    void SaveAs(const std::string& path) {
        session_.AnswerSave(path);
        session_.Command(cmdSave);
    }

    std::string Message() { return session_.StatusText(cmdMessageField); }

private:
    void Click(int x, int y, int button = 1) {
        Platform().QueueClick(x, y, button);
        session_.Pump();
    }
    static vPoint ControlCenter(vDialog& dialog, int id) {
        vRect view = dialog.View().Bounds(), r = dialog.FindControl(id)->PixelRect();
        return {view.x + vDialogView::ClientLeft() + r.x + r.w / 2, view.y + vDialogView::ClientTop() + r.y + r.h / 2};
    }

    EditorSession& session_;
};
