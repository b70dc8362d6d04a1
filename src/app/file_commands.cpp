#include <algorithm>
#include <cstring>

#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"
#include "core/field_file.h"
#include "core/field_load.h"
#include "core/file_name.h"
#include "core/ppm.h"
#include "core/tga.h"
#include "framework/dialogs/file_select.h"

namespace {

constexpr const char* kHeightFilters[] = {"*.tga", "*.ppm", "*", nullptr};
constexpr const char* kFirstLoadWrongType = "   First Load\n WRONG  FILE TYPE!!\n\nTGA & PPM types only !!";
constexpr const char* kOpenWrongType = "WRONG  FILE TYPE!!\n\nTGA & PPM types only !!";
constexpr const char* kSaveWrongType = "Wrong File type!!!";
constexpr const char* kSaveError = "File Save Error!!!";

std::string LoadNotice(int result, const FileSize& size) {
    switch (result) {
    case kLoadCannotOpen: return "Unable to LOAD File !!";
    case kLoadNotAccepted: return "File Inconpatable!!";
    case kLoadNoMemory: return NoMemoryMessage(size.width, size.height);
    default: return "ERROR in File Data!!";
    }
}

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

bool KnollCmdWindow::LoadFile(const char* name, const char* wrongTypeNotice) {
    int kind = ClassifyFileName(name);
    if (kind == kFileKindUnknown) {
        ShowNotice(wrongTypeNotice);
        return false;
    }
    // A file that cannot be read whole leaves the field, its kind, selection and undo
    // image as they were: only a complete load replaces what the user edits.
    FileSize size;
    int result = LoadFieldFile(canvas_.Field(), kind, name, &size);
    if (result != kLoadDone) {
        ShowNotice(LoadNotice(result, size).c_str());
        return false;
    }
    fileKind_ = kind;
    return true;
}

void KnollCmdWindow::FirstLoad(const std::string& name) {
    if (!LoadFile(name.c_str(), kFirstLoadWrongType)) return;
    TheSettings().lastMapPath = CutToLine(name);
    heightFilterIndex_ = fileKind_;
    canvas_.UpdateScrollBars();
    SetCaption(name.c_str());
    UpdateConvertItems();
}

OpenOutcome KnollCmdWindow::OpenFile() {
    char name[kPathCapacity];
    CopyInto(name, sizeof name, fileName_);
    vFileSelect chooser(this);
    if (!chooser.PickFileToOpen("Open BMP File", name, int(kPathCapacity - 1), kHeightFilters, heightFilterIndex_) ||
        !*name) {
        return OpenOutcome::Cancelled;
    }
    TheSettings().mainDirectory = CutToLine(WorkingDirectory());
    fileName_ = name;
    if (!LoadFile(name, kOpenWrongType)) return OpenOutcome::Failed;
    TheSettings().lastMapPath = CutToLine(name);
    SetCaption(BareName(name));
    UpdateConvertItems();
    return OpenOutcome::Loaded;
}

void KnollCmdWindow::SaveFile() {
    char name[kSaveNameCapacity];
    CopyInto(name, sizeof name, fileName_);
    vFileSelect chooser(this);
    int chosen = chooser.PickFileToSave("Save As", name, int(sizeof name), kHeightFilters, heightFilterIndex_, 0,
                                        nullptr);
    fileName_ = chosen ? name : "";
    if (!chosen || !*name) return;
    int asked = ClassifyFileName(name);
    if (asked != kFileKindUnknown && asked != fileKind_) {
        ShowNotice(kSaveWrongType);
        return;
    }
    HeightField& field = canvas_.Field();
    int result = fileKind_ == kFileKindPpm ? SavePpm(field, name, sizeof name) : SaveTga(field, name, sizeof name);
    fileName_ = name;
    if (result == kSaveDone) canvas_.SnapshotField();
    else ShowNotice(kSaveError);
}
