#include <algorithm>
#include <cstring>
#include <string>

#include "app/knoll_cmd_window.h"
#include "app/raw_size_dialog.h"
#include "app/settings_file.h"
#include "core/file_name.h"
#include "framework/dialogs/file_filter.h"
#include "framework/dialogs/file_select.h"

namespace {

// Each format alone, then all height files at once, then every file. TGA and PPM keep
// the first two places, which the filter index names by the file kind.
constexpr const char* kHeightFilters[] = {"*.tga", "*.ppm", "*.png", "*.pgm", "*.r16", "*.raw",
                                          "*.tga;*.ppm;*.png;*.pgm;*.r16;*.raw", "*", nullptr};
constexpr int kAllHeightFilesFilter = 6;
constexpr const char* kLoadingWord = "LOADING ";
constexpr const char* kFirstLoadWrongType = "   First Load\n WRONG  FILE TYPE!!\n\nTGA & PPM types only !!";

// The file name alone: what follows the last "/", or the whole path without one.
const char* BareName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// Copies text into a buffer of capacity bytes, cut to fit.
void CopyInto(char* buffer, size_t capacity, const std::string& text) {
    size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace

int KnollCmdWindow::HeightFilterOf(const char* name) {
    int kind = ClassifyFileName(name);
    if (kind != kFileKindUnknown) return kind;
    for (int filter = kFileKindPpm + 1; filter < kAllHeightFilesFilter; ++filter) {
        if (vFileFilter::Matches(BareName(name), kHeightFilters[filter])) return filter;
    }
    return kAllHeightFilesFilter;
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

bool KnollCmdWindow::LoadFile(const char* name) {
    RawSize rawSize;
    if (!AskRawSize(name, rawSize)) return false;
    // A file that cannot be read whole leaves the field, its kind, selection and undo
    // image as they were: only a complete load replaces what the user edits. Meanwhile
    // the view fills in as the rows arrive.
    progress_.Begin(kLoadingWord);
    LoadOutcome outcome = document_.Load(name, rawSize);
    progress_.End();
    if (!outcome.loaded) {
        // The size dialog offered every size the length allows; a refusal means there is none.
        if (outcome.rawSizeMissing) outcome.notice += ", nor any other within a field's bounds";
        ShowNotice(outcome.notice.c_str());
        return false;
    }
    Settings().lastMapPath = CutToLine(name);
    UpdateConvertItems();
    return true;
}

void KnollCmdWindow::FirstLoad(const std::string& name) {
    if (!FieldDocument::ReadsName(name)) {
        ShowNotice(kFirstLoadWrongType);
        return;
    }
    if (!LoadFile(name.c_str())) return;
    heightFilterIndex_ = HeightFilterOf(name.c_str());
    canvas_.UpdateScrollBars();
    SetCaption(name.c_str());
}

OpenOutcome KnollCmdWindow::OpenFile() {
    char name[kPathCapacity];
    CopyInto(name, sizeof name, document_.name());
    vFileSelect chooser(this);
    if (!chooser.PickFileToOpen("Open BMP File", name, int(kPathCapacity - 1), kHeightFilters, heightFilterIndex_) ||
        !*name) {
        return OpenOutcome::Cancelled;
    }
    Settings().mainDirectory = CutToLine(WorkingDirectory());
    document_.SetName(name);
    if (!LoadFile(name)) return OpenOutcome::Failed;
    SetCaption(BareName(name));
    return OpenOutcome::Loaded;
}

void KnollCmdWindow::SaveFile() {
    char name[kSaveNameCapacity];
    CopyInto(name, sizeof name, document_.name());
    vFileSelect chooser(this);
    int chosen = chooser.PickFileToSave("Save As", name, int(sizeof name), kHeightFilters, heightFilterIndex_, 0,
                                        nullptr);
    document_.SetName(chosen ? name : "");
    if (!chosen || !*name) return;
    SaveOutcome outcome = document_.Save(name, sizeof name);
    document_.SetName(outcome.writtenName);
    if (!outcome.saved) {
        ShowNotice(outcome.notice.c_str());
        return;
    }
    if (outcome.noValueCount > 0) {
        std::string message = std::to_string(outcome.noValueCount) + " without value saved as 0";
        SetMessage(message.c_str());
    }
}
