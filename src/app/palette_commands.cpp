#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"
#include "core/palette_file.h"
#include "framework/dialogs/file_select.h"
#include "framework/dialogs/folder_listing.h"

namespace {

constexpr const char* kPaletteFilters[] = {"*.Pal", "*", nullptr};
constexpr int kChooserCancelled = 3;
constexpr int kPaletteNameCapacity = 256;

}  // namespace

// The file and the folder it is remembered with are kept only once the palette
// loaded, so a bad file is not tried again at every start.
int KnollCmdWindow::LoadPalette(const std::string& path, const std::string& folder) {
    std::string workingFolder;  // the engine's choice; the caller knows better here
    int result = document_.LoadPalette(path.c_str(), workingFolder);
    if (result == kPaletteLoaded) {
        Settings().paletteFilePath = CutToLine(path);
        Settings().paletteDirectory = CutToLine(folder);
    }
    return result;
}

// At start-up the palette is remembered with the working directory, the main one,
// wherever the file itself lies.
void KnollCmdWindow::LoadStartPalette() {
    // The settings keep the name remembered, so that a palette put there later wins.
    std::string remembered = Settings().paletteFilePath;
    int result = LoadPalette(DataFile(remembered), WorkingDirectory());
    Settings().paletteFilePath = remembered;
    if (result != kPaletteLoaded) ShowNotice(PaletteLoadNotice(result));
}

// The chooser opens in the palette directory; a chosen palette is remembered with its
// own folder, where the next choice then starts.
int KnollCmdWindow::ChoosePalette() {
    char name[kPaletteNameCapacity] = "Base";
    vFileSelect chooser(this);
    if (!chooser.PickFileToOpen("Open PALETTE File", name, kPaletteNameCapacity - 1, kPaletteFilters,
                                paletteFilterIndex_, Settings().paletteDirectory.c_str()) ||
        !*name) {
        return kChooserCancelled;
    }
    return LoadPalette(name, vPath::Parent(name));
}

void KnollCmdWindow::PaletteCommand() {
    int result = ChoosePalette();
    if (result == kPaletteCannotOpen) ShowNotice("open error");
    if (result == kPaletteBodyError) ShowNotice("Body error");
    canvas_.RefreshView();
    if (result != kPaletteLoaded) return;
    document_.ApplyPalette();
    SetUndoKeep(0);
    canvas_.RefreshView();
}
