#include "app/knoll_cmd_window.h"

#include <algorithm>
#include <cstdio>

#include "framework/dialogs/notice_dialog.h"
#include "framework/look/text_width.h"
#include "framework/platform/platform.h"
#include "framework/window/app.h"
#include "framework/window/frame.h"
#include "core/file_name.h"

namespace {

constexpr const char* kTooSmallNotice = "Cann't do that\n Screen to small";
constexpr const char* kWayBackLostNotice =
    "Undo cannot go back: memory ran out while a step since the last Keep was recorded.";
constexpr int kPositionTextSize = 32;
// With the 3D view on, the map keeps a third of the window's width, at least this much.
constexpr int kNarrowestMap = 200;

}  // namespace

KnollCmdWindow::KnollCmdWindow(const char* name, int width, int height)
    : vCmdWindow(name, width, height),
      fileCaption_(name),
      menu_(kKnollMenuBar),
      canvas_(this, document_),
      terrain_(document_, canvas_),
      commandBar_(commandBarTable_.data()),
      statusBar_(kKnollStatusBar),
      dialogs_(this) {
    AddPane(&menu_);
    AddPane(&commandBar_);
    AddPane(&canvas_);
    AddPane(&statusBar_);
    for (int id : {cmdHeightField, cmdMessageField}) {
        if (vCmd* field = statusBar_.FindControl(id)) builtWidths_.push_back({id, field->Place().width});
    }
    terrain_.SetShown(false);
    View().AddChild(&terrain_);
    Show();
}

KnollCmdWindow::~KnollCmdWindow() = default;

void KnollCmdWindow::ShowNotice(const char* message) {
    vNoticeDialog notice(this, "Notice");
    notice.ShowNotice(message);
}

// ---- Keys ------------------------------------------------------------------------------------

// Ctrl+Shift+Z, the other key many editors step forward with besides Ctrl+Y.
bool KnollCmdWindow::IsStepForwardKey(int key, int shift) {
    if (!(shift & vModShift)) return false;
    return key == vControlCode('Z') || ((shift & vModControl) && (key == 'z' || key == 'Z'));
}

void KnollCmdWindow::OnKey(int key, int shift) {
    // Ctrl+Plus is typed with Shift on many keyboards, or as Ctrl with the "=" key.
    if ((shift & vModControl) && (key == '=' || key == '+')) {
        canvas_.ZoomIn();
        return;
    }
    if (IsStepForwardKey(key, shift)) {
        StepCommand(StepDirection::Forward);
        return;
    }
    vApp* app = App();
    switch (key) {
    case vKeyLeft: app->WarpPointer(-1, 0); break;
    case vKeyRight: app->WarpPointer(1, 0); break;
    case vKeyUp: app->WarpPointer(0, -1); break;
    case vKeyDown: app->WarpPointer(0, 1); break;
    default: break;
    }
    vCmdWindow::OnKey(key, shift);
}

// ---- Commands --------------------------------------------------------------------------------

const KnollCmdWindow::CommandHandler KnollCmdWindow::kCommandHandlers[] = {
    {cmdToTga, [](KnollCmdWindow& window) { window.ConvertCommand(kFileKindTga); }},
    {cmdToPpm, [](KnollCmdWindow& window) { window.ConvertCommand(kFileKindPpm); }},
    {cmdPalette, [](KnollCmdWindow& window) { window.PaletteCommand(); }},
    {cmdLegendLeft, [](KnollCmdWindow& window) { window.LegendCommand(LegendEdge::Left); }},
    {cmdLegendRight, [](KnollCmdWindow& window) { window.LegendCommand(LegendEdge::Right); }},
    {cmdLegendUp, [](KnollCmdWindow& window) { window.LegendCommand(LegendEdge::Up); }},
    {cmdLegendDown, [](KnollCmdWindow& window) { window.LegendCommand(LegendEdge::Down); }},
    {cmdUndo, [](KnollCmdWindow& window) { window.UndoCommand(); }},
    {cmdKeep, [](KnollCmdWindow& window) { window.KeepCommand(); }},
    {cmdSelect, [](KnollCmdWindow& window) { window.SelectCommand(); }},
    {cmdHelpContents, [](KnollCmdWindow& window) { window.ShowHelpContents(); }},
    {cmdAbout, [](KnollCmdWindow& window) { window.ShowAbout(); }},
    {cmdExpand, [](KnollCmdWindow& window) { window.ZoomCommand(ZoomMode::Expand); }},
    {cmdShrink, [](KnollCmdWindow& window) { window.ZoomCommand(ZoomMode::Shrink); }},
    {cmdZoomIn, [](KnollCmdWindow& window) { window.canvas_.ZoomIn(); }},
    {cmdZoomOut, [](KnollCmdWindow& window) { window.canvas_.ZoomOut(); }},
    {cmdFitField, [](KnollCmdWindow& window) { window.canvas_.FitField(); }},
    {cmdActualSize, [](KnollCmdWindow& window) { window.canvas_.ActualSize(); }},
    {cmdHeightColours, [](KnollCmdWindow& window) { window.MapChoiceCommand(&MapChoices::heightColours, cmdHeightColours); }},
    {cmdRelief, [](KnollCmdWindow& window) { window.MapChoiceCommand(&MapChoices::relief, cmdRelief); }},
    {cmdTerrainView, [](KnollCmdWindow& window) { window.TerrainViewCommand(); }},
    {cmdOpen, [](KnollCmdWindow& window) { window.OpenCommand(); }},
    {cmdSave, [](KnollCmdWindow& window) { window.SaveFile(); }},
    {cmdSaveSteps, [](KnollCmdWindow& window) { window.SaveStepsCommand(); }},
    {cmdStepBack, [](KnollCmdWindow& window) { window.StepCommand(StepDirection::Back); }},
    {cmdStepForward, [](KnollCmdWindow& window) { window.StepCommand(StepDirection::Forward); }},
    {cmdHistory, [](KnollCmdWindow& window) { window.HistoryCommand(); }},
    {cmdExit, [](KnollCmdWindow& window) { window.App()->Quit(); }},
};

const KnollCmdWindow::CommandHandler* KnollCmdWindow::FindCommandHandler(int id) {
    for (const CommandHandler& handler : kCommandHandlers) {
        if (handler.id == id) return &handler;
    }
    return nullptr;
}

void KnollCmdWindow::OnCommand(int id, int value, int type) {
    if (const OperationDialogRecord* dialog = FindDialogOfToggle(id)) OperationToggleCommand(*dialog);
    else if (const CommandHandler* handler = FindCommandHandler(id)) handler->run(*this);
    else vCmdWindow::OnCommand(id, value, type);
    ShowTitle();
}

void KnollCmdWindow::ConvertCommand(int kind) {
    if (kind == kFileKindTga) canvas_.ConvertToTga();
    else canvas_.ConvertToPpm();
    heightFilterIndex_ = kind;
    UpdateConvertItems();
    FitStatusBar();
}

void KnollCmdWindow::LegendCommand(LegendEdge edge) {
    if (canvas_.ShowPaletteLegend(edge) == 1) ShowNotice(kTooSmallNotice);
}

void KnollCmdWindow::UndoCommand() {
    PutValue(cmdSelect, 0, StateValue);
    if (!document_.Undo()) ShowNotice(kWayBackLostNotice);
    SetUndoKeep(0);
    canvas_.RefreshView();
    canvas_.SetSelectMode(0);
    selectFlag_ = 0;
}

void KnollCmdWindow::KeepCommand() {
    document_.Keep();
    canvas_.RefreshView();
    SetUndoKeep(0);
    canvas_.OnRedraw(0, 1, 1, 1);
}

void KnollCmdWindow::SelectCommand() {
    selectFlag_ = 1 - selectFlag_;
    PutValue(cmdSelect, selectFlag_, StateValue);
    canvas_.SetSelectMode(selectFlag_);
    if (selectFlag_ == 0) {
        PutValue(cmdUndo, 0, StateEnabled);
        PutValue(cmdKeep, 0, StateEnabled);
    }
}

void KnollCmdWindow::OperationToggleCommand(const OperationDialogRecord& dialog) {
    ShowOperationDialog(dialog.kind);
    SetMessage(dialog.words);
    if (!dialogs_.IsShown(dialog.kind)) dialogs_.Present(dialog.kind, dialog.words);
}

void KnollCmdWindow::ZoomCommand(ZoomMode mode) {
    ZoomOutcome outcome = canvas_.Zoom(mode);
    if (outcome != ZoomOutcome::kDone) ShowNotice(ZoomMessage(outcome, document_.field()).c_str());
    SetUndoKeep(0);
    canvas_.OnRedraw(0, 1, 1, 1);
}

// A View toggle: its check mark and the map follow the choice.
void KnollCmdWindow::MapChoiceCommand(bool MapChoices::*choice, int id) {
    MapChoices choices = canvas_.MapChoicesShown();
    choices.*choice = !(choices.*choice);
    PutValue(id, choices.*choice, StateChecked);
    canvas_.SetMapChoices(choices);
}

void KnollCmdWindow::ResetAfterOpen(OpenOutcome outcome) {
    if (outcome == OpenOutcome::Failed) return;
    canvas_.UpdateScrollBars();
    PutValue(cmdSelect, 0, StateValue);
    SetUndoKeep(0);
    canvas_.SetSelectMode(0);
    selectFlag_ = 0;
}

// Hidden, the view gives the keys back to the window.
void KnollCmdWindow::TerrainViewCommand() {
    const bool on = !terrain_.IsShown();
    terrain_.SetShown(on);
    if (vFrame* frame = terrain_.Frame(); frame && !on && frame->Focus() == &terrain_) frame->SetFocus(nullptr);
    PutValue(cmdTerrainView, on, StateChecked);
    LayoutClient();
}

void KnollCmdWindow::PlaceClient(const vRect& client) {
    if (!terrain_.IsShown()) {
        canvas_.PlaceIn(client);
        return;
    }
    const int map = std::min(std::max(client.w / 3, kNarrowestMap), client.w);
    canvas_.PlaceIn({client.x, client.y, map, client.h});
    terrain_.SetBounds(client.x + map, client.y, client.w - map, client.h);
}

// ---- The window's state shown in its bars ---------------------------------------------------

void KnollCmdWindow::ShowPosition(int x, int y, int height, bool hasValue) {
    char text[kPositionTextSize];
    std::snprintf(text, sizeof text, " X,Y Location: %i,%i ", x, y);
    PutText(cmdPositionField, text);
    std::string shown = "height:" + std::to_string(height);
    // A field of real heights says the height each value stands for.
    const HeightSource* source = document_.heightSource();
    if (source && source->SaysMoreThanValues()) shown += " (" + (hasValue ? source->HeightText(height) : "none") + ")";
    PutText(cmdHeightField, shown.c_str());
}

// A field of real heights widens the read-out and message fields to what they will
// say; any other field keeps the bar as it was made.
void KnollCmdWindow::FitStatusBar() {
    const HeightSource* source = document_.heightSource();
    for (const FieldWidth& built : builtWidths_) {
        int width = built.width;
        if (source && built.id == cmdHeightField && source->SaysMoreThanValues()) {
            int top = document_.field().MaxValue();
            std::string lowest = source->HeightText(0), highest = source->HeightText(top);
            std::string widest = lowest.size() > highest.size() ? lowest : highest;
            width = std::max(width, vDialogTextWidth("height:" + std::to_string(top) + " (" + widest + ")") + 4);
        }
        if (source && built.id == cmdMessageField) {
            width = std::max(width, vDialogTextWidth(source->MappingText()) + 4);
        }
        statusBar_.SetControlWidth(built.id, width);
    }
}

void KnollCmdWindow::ShowScale(const char* label) {
    char text[kPositionTextSize];
    std::snprintf(text, sizeof text, "  %s  ", label);
    PutText(cmdScaleField, text);
}

// The buttons only: every command that makes them insensitive also commits, through the
// document (Undo, Keep, a zoom, a palette) or the selection mode (Open).
void KnollCmdWindow::SetUndoKeep(int flag) {
    PutValue(cmdUndo, flag, StateEnabled);
    PutValue(cmdKeep, flag, StateEnabled);
}

void KnollCmdWindow::UpdateConvertItems() {
    bool ppm = document_.fileKind() == kFileKindPpm;
    PutValue(cmdToTga, ppm, StateEnabled);
    PutValue(cmdToPpm, !ppm, StateEnabled);
}

// ---- Operations ------------------------------------------------------------------------------

void KnollCmdWindow::ShowOperationDialog(DialogKind kind) {
    for (const OperationDialogRecord& dialog : OperationDialogRecords()) {
        PutValue(dialog.toggleId, dialog.kind == kind, StateValue);
    }
    dialogs_.CloseOpenDialog();
}

void KnollCmdWindow::ArmOperation() {
    std::string word = dialogs_.ArmOperation();
    if (!word.empty()) SetMessage(word.c_str());
}

// "ERODING 40%": the armed operation's status word and the share done.
void KnollCmdWindow::ShowWorkDone(int percent) {
    SetMessage((StatusWordOf(dialogs_.ArmedOperation()) + std::to_string(percent) + "%").c_str());
}

void KnollCmdWindow::RunArmedOperation(int area) {
    DriverReport report = dialogs_.RunArmedOperation(document_, area, document_.RoughenSeed());
    if (report.outOfMemory) {
        ShowNotice(report.message.c_str());
    } else if (!report.message.empty()) {
        SetMessage(report.message.c_str());
    }
    ShowTitle();
}
