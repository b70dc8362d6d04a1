#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"
#include "core/palette_file.h"
#include "framework/dialogs/file_select.h"

namespace {

constexpr const char* kPaletteFilters[] = {"*.Pal", "*", nullptr};
constexpr int kChooserCancelled = 3;
constexpr int kPaletteNameCapacity = 256;

}  // namespace

// The file and its folder are remembered only once the palette loaded, so a bad file
// is not tried again at every start.
int KnollCmdWindow::LoadPalette(const std::string& path) {
    std::string folder;
    int result = document_.LoadPalette(path.c_str(), folder);
    if (result == kPaletteLoaded) {
        Settings().paletteFilePath = CutToLine(path);
        Settings().paletteDirectory = CutToLine(folder);
    }
    return result;
}

void KnollCmdWindow::LoadStartPalette() {
    // The settings keep the name remembered, so that a palette put there later wins.
    std::string remembered = Settings().paletteFilePath;
    int result = LoadPalette(DataFile(remembered));
    Settings().paletteFilePath = remembered;
    if (result != kPaletteLoaded) ShowNotice(PaletteLoadNotice(result));
}

int KnollCmdWindow::ChoosePalette() {
    char name[kPaletteNameCapacity] = "Base";
    vFileSelect chooser(this);
    if (!chooser.PickFileToOpen("Open PALETTE File", name, kPaletteNameCapacity - 1, kPaletteFilters,
                                paletteFilterIndex_) ||
        !*name) {
        return kChooserCancelled;
    }
    return LoadPalette(name);
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
