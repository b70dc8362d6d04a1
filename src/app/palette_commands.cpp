#include <unistd.h>

#include <cstring>

#include "app/data_files.h"
#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"
#include "core/palette_file.h"
#include "framework/dialogs/file_select.h"

namespace {

constexpr const char* kPaletteFilters[] = {"*.Pal", "*", nullptr};
constexpr int kChooserCancelled = 3;
constexpr int kPaletteNameCapacity = 256;

void EnterFolder(const std::string& folder) {
    // A folder that has gone leaves the working directory where it is.
    (void)chdir(folder.c_str());
}

}  // namespace

int KnollCmdWindow::LoadPalette(const std::string& path) {
    KnollSettings& settings = Settings();
    int result = document_.LoadPalette(path.c_str(), settings.paletteDirectory);
    settings.paletteDirectory = CutToLine(settings.paletteDirectory);
    return result;
}

void KnollCmdWindow::LoadStartPalette() {
    // The settings keep the name remembered, so that a palette put there later wins.
    int result = LoadPalette(FindDataFile(Settings().paletteFilePath));
    if (result == kPaletteCannotOpen) ShowNotice("Palette Open error");
    if (result == kPaletteBodyError) ShowNotice("Palette Body error");
}

int KnollCmdWindow::ChoosePalette() {
    char name[kPaletteNameCapacity] = "Base";
    vFileSelect chooser(this);
    if (!chooser.PickFileToOpen("Open PALETTE File", name, kPaletteNameCapacity - 1, kPaletteFilters,
                                paletteFilterIndex_) ||
        !*name) {
        return kChooserCancelled;
    }
    Settings().paletteFilePath = CutToLine(name);
    return LoadPalette(Settings().paletteFilePath);
}

void KnollCmdWindow::PaletteCommand() {
    KnollSettings& settings = Settings();
    EnterFolder(settings.paletteDirectory);
    int result = ChoosePalette();
    if (result == kPaletteCannotOpen) ShowNotice("open error");
    if (result == kPaletteBodyError) ShowNotice("Body error");
    EnterFolder(settings.mainDirectory);
    canvas_.RefreshView();
    if (result != kPaletteLoaded) return;
    document_.ApplyPalette();
    SetUndoKeep(0);
    canvas_.RefreshView();
}
