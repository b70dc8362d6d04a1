#include "framework/dialogs/file_chooser_dialog.h"


#include "framework/controls/list_cmd.h"
#include "framework/controls/text_edit.h"
#include "framework/dialogs/notice_dialog.h"
#include "framework/dialogs/question_dialog.h"
#include "framework/look/text_width.h"

namespace {

constexpr int kLabelUnits = 50;
constexpr int kFieldUnits = 186;
constexpr int kButtonUnits = 44;
constexpr int kListUnits = kLabelUnits + kFieldUnits + kButtonUnits + 4;

bool HasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

vFileChooserDialog::vFileChooserDialog(vBaseWindow* window, const Request& request)
    : vModalDialog(window, request.title.c_str()),
      request_(request),
      filter_(request.patterns),
      filterIndex_(filter_.StartIndex(request.filterIndex)),
      pattern_(filter_.Entries()[filterIndex_].pattern) {
    for (const auto& entry : filter_.Entries()) filterNames_.push_back(entry.description.c_str());
    filterNames_.push_back(nullptr);
    BuildTable();
    AddControls(table_.data());
}

void vFileChooserDialog::BuildTable() {
    bool save = request_.mode == Mode::Save;
    table_ = {
        {.type = ctLabel, .id = kLookInLabel, .title = "Look in:", .size = kLabelUnits},
        {.type = ctText, .id = kFolderText, .title = "", .rightOf = kLookInLabel, .size = kFieldUnits},
        {.type = ctButton, .id = kUpButton, .title = " &Up ", .rightOf = kFolderText, .size = kButtonUnits,
         .tip = "Up one folder"},
        {.type = ctList, .id = kEntries, .value = -1, .attributes = AttrLarge, .below = kUpButton, .size = kListUnits},
        {.type = ctLabel, .id = kNameLabel, .title = "File &name:", .below = kEntries, .size = kLabelUnits},
        {.type = ctTextIn, .id = kNameEntry, .title = "", .rightOf = kNameLabel, .below = kEntries,
         .size = (kFieldUnits - 6) / 4},
        {.type = ctButton, .id = vOkId, .value = vOkId, .title = save ? " &Save " : " &Open ",
         .attributes = AttrDefault, .rightOf = kNameEntry, .below = kEntries, .size = kButtonUnits},
        {.type = ctLabel, .id = kTypeLabel, .title = "Files of &type:", .below = kNameEntry, .size = kLabelUnits},
        {.type = ctComboBox, .id = kTypeCombo, .value = filterIndex_, .items = filterNames_.data(),
         .rightOf = kTypeLabel, .below = kNameEntry, .size = kFieldUnits - 10},
        {.type = ctButton, .id = vCancelId, .title = " Cancel ", .rightOf = kTypeCombo, .below = kNameEntry,
         .size = kButtonUnits},
        {},
    };
}

bool vFileChooserDialog::DescribeRequest(vModalRequest&, const char*) const { return false; }

bool vFileChooserDialog::Choose() {
    chosen_.clear();
    int value = 0;
    RunModal("", value);
    return !chosen_.empty();
}

// Starts in the folder of the initial name when it has one, else in the initial
// folder, else in the working directory.
void vFileChooserDialog::OnDialogReady() {
    CentreOverFrame();
    std::string current = vPath::CurrentFolder();
    std::string start = request_.initialFolder.empty() ? current : vPath::Resolve(current, request_.initialFolder);
    std::string name = request_.initialName;
    if (name.find('/') != std::string::npos) {
        std::string named = vPath::Resolve(start, name);
        if (vPath::IsFolder(vPath::Parent(named))) {
            start = vPath::Parent(named);
            name = vPath::LastComponent(named);
        }
    }
    if (!vPath::IsFolder(start)) start = current;
    listing_ = vFolderListing::Read(start, pattern_);
    ShowListing();
    PutText(kNameEntry, name.c_str());
}

void vFileChooserDialog::ShowListing() {
    picked_.clear();
    std::vector<std::string> items;
    items.reserve(listing_.entries.size());
    for (const auto& entry : listing_.entries) items.push_back(entry.isFolder ? entry.name + "/" : entry.name);
    if (auto* list = dynamic_cast<vListCmd*>(FindControl(kEntries))) list->SetItems(std::move(items), -1);
    folderText_ = ShortFolderText();
    PutText(kFolderText, folderText_.c_str());
}

// The end of a long path matters most: it is kept, and the start gives way to "...".
std::string vFileChooserDialog::ShortFolderText() const {
    const std::string& folder = listing_.folder;
    int room = kFieldUnits - 8;
    if (vDialogTextWidth(folder) <= room) return folder;
    size_t start = 0;
    while (start < folder.size() && vDialogTextWidth(folder.substr(start)) + vDialogTextWidth("...") > room) ++start;
    while (start < folder.size() && (static_cast<unsigned char>(folder[start]) & 0xC0) == 0x80) ++start;
    return "..." + folder.substr(start);
}

std::string vFileChooserDialog::NameField() {
    char buffer[vTextEdit::kMaxChars + 1];
    QueryText(kNameEntry, buffer, sizeof buffer);
    std::string typed = buffer;
    // A name taken from the list may be longer than the field holds: it is kept whole.
    if (!picked_.empty() && typed == pickedShown_) return picked_;
    // Blanks around a typed name are slips, unless a file's name has them.
    if (!Trimmed(typed).empty() && vPath::Exists(vPath::Resolve(listing_.folder, typed))) return typed;
    return Trimmed(typed);
}

void vFileChooserDialog::Reread() {
    listing_ = vFolderListing::Read(listing_.folder, pattern_);
    ShowListing();
}

void vFileChooserDialog::OnDialogCommand(int id, int value, int type) {
    switch (id) {
    case kUpButton: GoUp(); break;
    case kTypeCombo: ChooseFilter(value); break;
    case kEntries: {
        auto* list = dynamic_cast<vListCmd*>(FindControl(kEntries));
        if (list && list->IsActivation()) EntryActivated(value);
        else EntrySelected(value);
        break;
    }
    // Confirming is the chooser's own business: the box closes only on a good name.
    case vOkId: Confirm(); return;
    default: break;
    }
    vModalDialog::OnDialogCommand(id, value, type);
}

bool vFileChooserDialog::EnterFolder(const std::string& folder) {
    vFolderListing next = vFolderListing::Read(folder, pattern_);
    if (!next.readable) {
        Tell(folder + "\nThis folder cannot be read.");
        // It may have vanished since the listing was read.
        Reread();
        return false;
    }
    listing_ = std::move(next);
    ShowListing();
    return true;
}

void vFileChooserDialog::GoUp() {
    if (listing_.folder != "/") EnterFolder(vPath::Parent(listing_.folder));
}

void vFileChooserDialog::ChooseFilter(int index) {
    if (index < 0 || index >= static_cast<int>(filter_.Entries().size())) return;
    filterIndex_ = index;
    pattern_ = filter_.Entries()[index].pattern;
    Reread();
}

void vFileChooserDialog::EntrySelected(int index) {
    if (index < 0 || index >= static_cast<int>(listing_.entries.size())) return;
    const auto& entry = listing_.entries[index];
    if (entry.isFolder) return;
    PutText(kNameEntry, entry.name.c_str());
    picked_ = entry.name;
    char shown[vTextEdit::kMaxChars + 1];
    QueryText(kNameEntry, shown, sizeof shown);
    pickedShown_ = shown;
}

void vFileChooserDialog::EntryActivated(int index) {
    if (index < 0 || index >= static_cast<int>(listing_.entries.size())) return;
    const auto entry = listing_.entries[index];
    std::string path = vPath::Join(listing_.folder, entry.name);
    if (entry.isFolder) {
        if (EnterFolder(path)) PutText(kNameEntry, "");
        return;
    }
    ConfirmPath(path);
}

void vFileChooserDialog::Confirm() {
    std::string name = NameField();
    if (name.empty()) {
        int selected = QueryValue(kEntries);
        if (selected >= 0 && selected < static_cast<int>(listing_.entries.size()) && listing_.entries[selected].isFolder) {
            EntryActivated(selected);
        } else if (request_.directoryOnly) {
            Finish(vPath::Join(listing_.folder, ""));
        }
        return;
    }
    if (HasWildcard(name)) {
        // A typed pattern lists what it matches until another filter is chosen.
        pattern_ = name;
        Reread();
        PutText(kNameEntry, "");
        return;
    }
    std::string path = vPath::Resolve(listing_.folder, name);
    if (vPath::IsFolder(path)) {
        if (EnterFolder(path)) PutText(kNameEntry, "");
        return;
    }
    ConfirmPath(path);
}

bool vFileChooserDialog::ConfirmPath(const std::string& path) {
    if (path.size() + 1 > request_.capacity) {
        Tell(path + "\nThis path is too long.");
        return false;
    }
    bool accepted = request_.mode == Mode::Open ? AcceptOpen(path) : AcceptSave(path);
    if (accepted) Finish(path);
    return accepted;
}

bool vFileChooserDialog::AcceptOpen(const std::string& path) {
    if (vPath::IsFile(path)) return true;
    Tell(vPath::LastComponent(path) + "\nFile not found.\nCheck the file name and try again.");
    Reread();
    return false;
}

bool vFileChooserDialog::AcceptSave(const std::string& path) {
    std::string name = vPath::LastComponent(path);
    if (!vPath::IsFolder(vPath::Parent(path))) {
        Tell(vPath::Parent(path) + "\nThis folder does not exist.");
        return false;
    }
    if (request_.directoryOnly) return true;
    if (vPath::Exists(path)) return Ask(name + " already exists.\nDo you want to replace it?");
    return Ask(name + " does not exist.\nDo you want to create it?");
}

void vFileChooserDialog::Finish(const std::string& path) {
    chosen_ = path;
    Dismiss();
}

void vFileChooserDialog::Tell(const std::string& message) {
    vNoticeDialog notice(Owner(), Name());
    notice.ShowNotice(message.c_str());
}

bool vFileChooserDialog::Ask(const std::string& question) {
    vQuestionDialog dialog(Owner(), Name());
    return dialog.Ask(question);
}
