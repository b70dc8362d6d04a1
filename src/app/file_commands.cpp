#include <algorithm>
#include <cstring>
#include <string>

#include "app/height_range_dialog.h"
#include "app/knoll_cmd_window.h"
#include "app/path_names.h"
#include "app/raw_size_dialog.h"
#include "app/settings_file.h"
#include "core/file_name.h"
#include "document/height_file_kinds.h"
#include "framework/dialogs/file_filter.h"
#include "framework/dialogs/file_select.h"
#include "framework/dialogs/question_dialog.h"

namespace {

constexpr const char* kLoadingWord = "LOADING ";
constexpr const char* kFirstLoadMark = "   First Load\n ";

// Each pattern of the kinds the document reads alone, then all of them at once, then
// every file. TGA and PPM keep the first two places, which the filter index names by
// the file kind.
class HeightFilterList {
public:
    HeightFilterList() {
        for (const HeightFileKind& kind : HeightFileKinds()) {
            for (const char* pattern : kind.patterns) {
                filters_.push_back(pattern);
                if (!allHeightFiles_.empty()) allHeightFiles_ += ';';
                allHeightFiles_ += pattern;
            }
        }
        allHeightFilesIndex_ = int(filters_.size());
        filters_.insert(filters_.end(), {allHeightFiles_.c_str(), "*", nullptr});
    }
    // The list points into its own text.
    HeightFilterList(const HeightFilterList&) = delete;
    HeightFilterList& operator=(const HeightFilterList&) = delete;
    const char* const* Filters() const { return filters_.data(); }
    int AllHeightFilesIndex() const { return allHeightFilesIndex_; }

private:
    std::string allHeightFiles_;
    std::vector<const char*> filters_;
    int allHeightFilesIndex_ = 0;
};

const HeightFilterList& HeightFilters() {
    static const HeightFilterList list;
    return list;
}


}  // namespace

int KnollCmdWindow::HeightFilterOf(const char* name) {
    int kind = ClassifyFileName(name);
    if (kind != kFileKindUnknown) return kind;
    const HeightFilterList& list = HeightFilters();
    for (int filter = kFileKindPpm + 1; filter < list.AllHeightFilesIndex(); ++filter) {
        if (vFileFilter::Matches(BareName(name), list.Filters()[filter])) return filter;
    }
    return list.AllHeightFilesIndex();
}

bool KnollCmdWindow::AskRawSize(const char* name, RawSize& size) {
    std::vector<FileSize> sizes = FieldDocument::RawSizeChoices(name);
    if (sizes.empty()) return true;
    KnollRawSizeDialog dialog(this);
    std::optional<FileSize> chosen = dialog.Choose(sizes);
    if (!chosen) return false;
    size = {chosen->width, chosen->height};
    return true;
}

bool KnollCmdWindow::LoadFile(const char* name, const char* wrongTypeMark) {
    LoadOptions options;
    if (!AskRawSize(name, options.rawSize)) return false;
    options.elevation.askRange = [this](const HeightRange& data, const std::string& units) {
        KnollHeightRangeDialog dialog(this);
        return dialog.Choose(data, units);
    };
    // A file that cannot be read whole leaves the field, its kind, selection, undo image
    // and name as they were: only a complete load replaces what the user edits. Meanwhile
    // the view fills in as the rows arrive.
    bool saidMapping = document_.heightSource() && !document_.heightSource()->TakenAsItIs();
    progress_.Begin(kLoadingWord);
    LoadOutcome outcome = document_.Load(name, options);
    progress_.End();
    if (!outcome.loaded) {
        if (outcome.wrongType) outcome.notice = wrongTypeMark + outcome.notice;
        if (!outcome.cancelled) ShowNotice(outcome.notice.c_str());
        return false;
    }
    Settings().lastMapPath = CutToLine(name);
    UpdateConvertItems();
    FitStatusBar();
    // The message field says how the values map, and says nothing of the last field's.
    const HeightSource* source = document_.heightSource();
    if (source && !source->TakenAsItIs()) SetMessage(source->MappingText().c_str());
    else if (saidMapping) SetMessage("");
    return true;
}

void KnollCmdWindow::FirstLoad(const std::string& name) {
    if (!FieldDocument::ReadsName(name)) {
        ShowNotice((kFirstLoadMark + WrongTypeNotice()).c_str());
        return;
    }
    if (!LoadFile(name.c_str(), kFirstLoadMark)) return;
    heightFilterIndex_ = HeightFilterOf(name.c_str());
    canvas_.UpdateScrollBars();
    fileCaption_ = name;
    ShowTitle();
}

OpenOutcome KnollCmdWindow::OpenFile() {
    char name[kPathCapacity];
    CopyInto(name, sizeof name, document_.name());
    vFileSelect chooser(this);
    if (!chooser.PickFileToOpen("Open BMP File", name, int(sizeof name), HeightFilters().Filters(),
                                heightFilterIndex_) ||
        !*name) {
        return OpenOutcome::Cancelled;
    }
    return OpenNamed(name);
}

// The main directory follows every file chosen, also when it then fails to load.
OpenOutcome KnollCmdWindow::OpenNamed(const std::string& name) {
    EnterFolder(FolderOf(name));
    Settings().mainDirectory = CutToLine(WorkingDirectory());
    if (!LoadFile(name.c_str(), "")) return OpenOutcome::Failed;
    fileCaption_ = BareName(name.c_str());
    return OpenOutcome::Loaded;
}

void KnollCmdWindow::OpenCommand() {
    if (!SaveChangesFirst()) return;
    ResetAfterOpen(OpenFile());
}

// A file that would not open asks nothing first: nothing would be set aside for it.
void KnollCmdWindow::OpenDropped(const std::string& path) {
    if (!FieldDocument::ReadsName(path)) {
        ShowNotice(WrongTypeNotice().c_str());
        return;
    }
    if (!SaveChangesFirst()) return;
    ResetAfterOpen(OpenNamed(path));
    ShowTitle();
}

bool KnollCmdWindow::SaveFile() {
    char name[kPathCapacity];
    CopyInto(name, sizeof name, document_.name());
    vFileSelect chooser(this);
    int chosen = chooser.PickFileToSave("Save As", name, int(sizeof name), HeightFilters().Filters(),
                                        heightFilterIndex_, 0, nullptr);
    document_.SetName(chosen ? name : "");
    if (!chosen || !*name) return false;
    SaveOutcome outcome = document_.Save(name);
    document_.SetName(outcome.writtenName);
    if (!outcome.saved) {
        ShowNotice(outcome.notice.c_str());
        return false;
    }
    fileCaption_ = BareName(outcome.writtenName.c_str());
    if (outcome.noValueCount > 0) {
        std::string message = std::to_string(outcome.noValueCount) + " without value saved as 0";
        SetMessage(message.c_str());
    }
    return true;
}

bool KnollCmdWindow::SaveChangesFirst() {
    if (!document_.IsChanged()) return true;
    vQuestionDialog question(this, "Notice");
    switch (question.AskOrCancel(std::string("Save changes to ") + BareName(fileCaption_.c_str()) + "?")) {
    case vQuestionDialog::Answer::Yes: return SaveFile();
    case vQuestionDialog::Answer::No: return true;
    case vQuestionDialog::Answer::Cancel: break;
    }
    return false;
}

void KnollCmdWindow::ShowTitle() {
    std::string title = (document_.IsChanged() ? "* " : "") + fileCaption_;
    if (title != Name()) SetCaption(title.c_str());
}
