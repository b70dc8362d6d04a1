#pragma once

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "app/cmd_window_tables.h"
#include "app/help_window.h"
#include "app/settings_file.h"
#include "app/work_progress.h"
#include "document/field_document.h"
#include "document/session_journal.h"
#include "framework/menus/command_pane.h"
#include "framework/menus/menu_pane.h"
#include "framework/window/cmd_window.h"
#include "operation_dialogs/operation_dialogs.h"
#include "view/canvas_owner.h"
#include "view/knoll_canvas_pane.h"
#include "view/terrain_view.h"

// How Open ended. A failed load leaves the field and all that goes with it untouched.
enum class OpenOutcome { Cancelled, Loaded, Failed };

// The program's one window: menu bar, command bar, the canvas showing the document and
// the status bar. It owns the document the user edits, routes every command to it,
// keeps the Select flag, and owns the operation dialogs and the help viewer.
class KnollCmdWindow : public vCmdWindow, public KnollCanvasOwner {
public:
    // The choosers take any path the system allows.
    static constexpr size_t kPathCapacity = PATH_MAX;

    KnollCmdWindow(const char* name, int width, int height);
    ~KnollCmdWindow() override;

    void OnKey(int key, int shift) override;
    void OnCommand(int id, int value, int type) override;
    // The map, and the 3D view at its right while View > "3D View" is on.
    void PlaceClient(const vRect& client) override;
    // Whether OnCommand does something of its own for the command.
    static bool HandlesCommand(int id) { return FindDialogOfToggle(id) || FindCommandHandler(id); }

    // ---- What the canvas asks of its window ------------------------------------------------
    void ArmOperation() override;
    void SetUndoKeep(int flag) override;
    void RunArmedOperation(int area) override;
    void ShowWorkDone(int percent) override;
    void ShowPosition(int x, int y, int height, bool hasValue = true) override;
    void ShowScale(const char* label) override;
    void ShowProgress(int64_t done, int64_t total) override { progress_.Show(done, total); }

    void UpdateConvertItems();
    void FitStatusBar();
    void ShowOperationDialog(DialogKind kind);

    // ---- Settings (settings_commands.cpp) ----------------------------------------------------
    // The application's settings.
    KnollSettings& Settings();
    // True when there was no settings file and a new one was made.
    bool ReadSettings();
    void WriteSettings();
    // A data file (help, palette, field) by the name given, or its installed copy when
    // that name finds nothing.
    std::string DataFile(const std::string& name);

    // ---- Files (file_commands.cpp) -----------------------------------------------------------
    // Loads the field at start-up; once it has loaded, it is the one remembered.
    void FirstLoad(const std::string& name);
    OpenOutcome OpenFile();
    // A file dropped on the window opens as Open opens that name, after SaveChangesFirst.
    void OpenDropped(const std::string& path);
    // Save As; true when the field was written.
    bool SaveFile();
    // Before a field with unsaved changes is set aside: asks whether to save it. True
    // when the caller may go on (nothing to save, saved, or the user said No).
    bool SaveChangesFirst();
    // The caption: the name of the file the next Save writes, marked "* " while the
    // field has changes not saved.
    void ShowTitle();

    // ---- History and journal (history_commands.cpp, session_journal_commands.cpp) -------------
    // Back or forward one step (Edit > Step Back, Step Forward).
    void StepCommand(StepDirection direction);
    // Edit > History...: the list of steps; choosing one goes there.
    void HistoryCommand();
    // File > Save Steps...: the steps since the last Open as a file of batch steps.
    void SaveStepsCommand();
    // The history and its journal from the start: a journal left by a session that did
    // not end cleanly is offered first. True when that session was made again, so there
    // is no field to load.
    bool StartSession();
    // At the end: the journal goes, unless a signal or a logout ends the program with
    // work unsaved, when it stays for the next start.
    void EndSession(bool endedBySignal);

    // ---- Palette (palette_commands.cpp) ------------------------------------------------------
    int LoadPalette(const std::string& path, const std::string& folder);
    void LoadStartPalette();
    int ChoosePalette();
    int ChangePalette(const std::string& path, const std::string& folder);
    void PaletteCommand();

    // ---- Help (help_commands.cpp) ------------------------------------------------------------
    void ShowHelpContents();
    void ShowAbout();

    FieldDocument& Document() { return document_; }
    KnollCanvasPane& Canvas() { return canvas_; }
    KnollTerrainView& TerrainView() { return terrain_; }
    vMenuPane& Menu() { return menu_; }
    vCommandPane& CommandBar() { return commandBar_; }
    vCommandPane& StatusBar() { return statusBar_; }
    KnollOperationDialogs& OperationDialogs() { return dialogs_; }
    int SelectFlag() const { return selectFlag_; }
    KnollHelpWindow* HelpWindow() const { return help_.get(); }

private:
    struct CommandHandler {
        int id;
        void (*run)(KnollCmdWindow& window);
    };
    // The commands the window handles itself, the operation toggles aside.
    static const CommandHandler kCommandHandlers[];
    static const CommandHandler* FindCommandHandler(int id);

    void ShowNotice(const char* message);
    void SetMessage(const char* text) { PutText(cmdMessageField, text); }
    static bool IsStepForwardKey(int key, int shift);
    void RememberPalette(const std::string& path, const std::string& folder);
    // The bars, the toggles and the view after the document stepped to another state.
    void ShowStepped(const std::string& message);
    // Writes the steps of a session to a file the user picks; false when cancelled or
    // not written (after a notice).
    bool SaveSteps(const SessionStart& start, const std::vector<StepText>& steps);
    // Recovery (session_journal_commands.cpp).
    bool OfferRecovery(const std::string& journalPath);
    void KeepDamagedJournal(const std::string& path, const std::string& damage);
    std::string FreeJournalPath();

    void ConvertCommand(int kind);
    void LegendCommand(LegendEdge edge);
    void UndoCommand();
    void KeepCommand();
    void SelectCommand();
    void OperationToggleCommand(const OperationDialogRecord& dialog);
    void ZoomCommand(ZoomMode mode);
    void MapChoiceCommand(bool MapChoices::*choice, int id);
    void OpenCommand();
    void TerrainViewCommand();
    // After an Open the view starts afresh (Select off, Undo and Keep gone with a
    // commit), also when the chooser was cancelled; a load that failed leaves all as it was.
    void ResetAfterOpen(OpenOutcome outcome);

    // Loads by the name's extension and remembers the file; false after its notice (a
    // name of no format read is said after wrongTypeMark), the field and kind kept, or
    // when the user cancelled.
    bool LoadFile(const char* name, const char* wrongTypeMark);
    // Opens a file the user named: the main directory becomes its folder.
    OpenOutcome OpenNamed(const std::string& name);
    // The size of a RAW file that is not square, as the user picks it; false when the
    // user cancels.
    bool AskRawSize(const char* name, RawSize& size);
    // The chooser's filter that shows files of this name's format.
    static int HeightFilterOf(const char* name);

    FieldDocument document_;
    // What the caption names: "Last Map" until a file is loaded, then the file.
    std::string fileCaption_;
    int selectFlag_ = 0;
    int heightFilterIndex_ = 0;
    int paletteFilterIndex_ = 0;
    const std::vector<CommandObject> commandBarTable_ = KnollCommandBar();
    struct FieldWidth {
        int id;
        int width;
    };
    // The status fields that a field of real heights widens, as they were made.
    std::vector<FieldWidth> builtWidths_;
    vMenuPane menu_;
    KnollCanvasPane canvas_;
    KnollTerrainView terrain_;
    vCommandPane commandBar_;
    vCommandPane statusBar_;
    KnollOperationDialogs dialogs_;
    std::unique_ptr<KnollHelpWindow> help_;
    std::unique_ptr<SessionJournal> journal_;
    KnollWorkProgress progress_{statusBar_, cmdMessageField};
};
