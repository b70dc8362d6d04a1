#include "app/data_files.h"
#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"

namespace {

constexpr const char* kSettingsName = "/Knollwork.ini";
constexpr const char* kNewSettingsNotice = "Unable to open INI FILE\n\n Creating NEW INI FILE";
constexpr const char* kCannotSaveNotice = "Unable to Save INI";

}  // namespace

KnollSettings& KnollCmdWindow::Settings() { return static_cast<KnollApp*>(App())->Settings(); }

std::string KnollCmdWindow::DataFile(const std::string& name) {
    return FindDataFile(name, static_cast<KnollApp*>(App())->DataFolder());
}

bool KnollCmdWindow::ReadSettings() {
    KnollSettings& settings = Settings();
    settings = KnollSettings{};
    std::string startDirectory = CutToLine(WorkingDirectory());
    settings.filePath = startDirectory + kSettingsName;
    settings.mainDirectory = startDirectory;
    if (ReadSettingsFile(settings)) {
        EnterFolder(settings.mainDirectory);
        return false;
    }
    ShowNotice(kNewSettingsNotice);
    settings.lastMapPath = CutToLine(startDirectory + "/Intro.tga");
    settings.paletteDirectory = startDirectory;
    settings.paletteFilePath = CutToLine(startDirectory + "/Std.pal");
    WriteSettings();
    return true;
}

void KnollCmdWindow::WriteSettings() {
    if (!WriteSettingsFile(Settings())) ShowNotice(kCannotSaveNotice);
}
