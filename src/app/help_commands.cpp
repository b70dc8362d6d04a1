#include <string>

#include "app/help_file.h"
#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"

namespace {

constexpr const char* kHelpFile = "Knollwork.hlp";
constexpr int kContentsContext = 20;
constexpr const char* kAboutNotice =
    "Knollwork\n\n"
    "Shapes terrain height fields, 8-bit TGA and 16-bit PPM,\n"
    "seen in false colour through a palette.\n\n"
    "Written by the Knollwork developers.";

}  // namespace

void KnollCmdWindow::ShowHelpContents() {
    HelpTopic topic;
    switch (ReadHelpTopic(DataFile(kHelpFile).c_str(), kContentsContext, topic)) {
    case HelpLookup::kNoFile:
        ShowNotice(("No help here:\n" + CutToLine(WorkingDirectory()) + "/" + kHelpFile + "\ncannot be opened.").c_str());
        return;
    case HelpLookup::kNoTopic:
        ShowNotice("The help file Knollwork.hlp\nhas no Contents topic.");
        return;
    case HelpLookup::kFound:
        break;
    }
    if (!help_) help_ = std::make_unique<KnollHelpWindow>(this);
    help_->ShowTopic(topic);
}

void KnollCmdWindow::ShowAbout() { ShowNotice(kAboutNotice); }
