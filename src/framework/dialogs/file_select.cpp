#include "framework/dialogs/file_select.h"

#include <cstring>
#include <string>

#include "framework/dialogs/file_chooser_dialog.h"
#include "framework/platform/platform.h"
#include "framework/window/app.h"

namespace {

struct Outcome {
    bool confirmed = false;
    std::string path;
    int filterIndex = 0;
};

std::string BufferText(const char* name, int capacity) {
    if (!name || capacity <= 0) return std::string();
    return std::string(name, strnlen(name, static_cast<size_t>(capacity)));
}

// A script may answer in place of the user; otherwise the chooser runs.
Outcome Ask(vBaseWindow* owner, const vFileChooserDialog::Request& request) {
    vFileFilter filter(request.patterns);
    vModalRequest offer;
    offer.kind = request.mode == vFileChooserDialog::Mode::Open ? vModalRequest::Kind::OpenFile
                                                                 : vModalRequest::Kind::SaveFile;
    offer.title = request.title;
    offer.initialName = request.initialName;
    offer.initialDirectory = request.initialFolder;
    for (const auto& entry : filter.Entries()) offer.filters.push_back(entry.pattern);
    offer.filterIndex = filter.StartIndex(request.filterIndex);
    offer.directoryOnly = request.directoryOnly;
    vModalAnswer answer;
    vApp* app = vBaseWindow::AppOf(owner);
    if (app && app->Platform() && app->Platform()->AnswerModal(offer, answer)) {
        return {answer.confirmed && !answer.path.empty(), answer.path, filter.StartIndex(answer.filterIndex)};
    }
    vFileChooserDialog chooser(owner, request);
    bool confirmed = chooser.Choose();
    return {confirmed, chooser.ChosenPath(), chooser.ChosenFilter()};
}

// The folder that holds path (path itself for a folder choice), without a trailing "/".
std::string FolderOf(const std::string& path) {
    size_t cut = path.find_last_of('/');
    if (cut == std::string::npos) return std::string();
    return cut == 0 ? "/" : path.substr(0, cut);
}

bool Deliver(const std::string& path, char* name, int capacity) {
    if (!name || capacity <= 0 || path.size() + 1 > static_cast<size_t>(capacity)) return false;
    std::memcpy(name, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

int vFileSelect::PickFileToOpen(const char* title, char* name, int capacity, const char* const* filters,
                                int& filterIndex, const char* initialDirectory) {
    vFileChooserDialog::Request request;
    request.mode = vFileChooserDialog::Mode::Open;
    request.title = title ? title : "";
    request.initialName = BufferText(name, capacity);
    request.initialFolder = initialDirectory ? initialDirectory : "";
    request.patterns = filters;
    request.filterIndex = filterIndex;
    request.capacity = capacity > 0 ? static_cast<size_t>(capacity) : 0;
    Outcome outcome = Ask(owner_, request);
    if (!outcome.confirmed || !Deliver(outcome.path, name, capacity)) return 0;
    filterIndex = outcome.filterIndex;
    return 1;
}

int vFileSelect::PickFileToSave(const char* title, char* name, int capacity, const char* const* filters,
                                int& filterIndex, int directoryOnly, const char* initialDirectory) {
    vFileChooserDialog::Request request;
    request.mode = vFileChooserDialog::Mode::Save;
    request.title = title ? title : "";
    request.initialName = BufferText(name, capacity);
    request.initialFolder = initialDirectory ? initialDirectory : "";
    request.patterns = filters;
    request.filterIndex = filterIndex;
    request.directoryOnly = directoryOnly != 0;
    request.capacity = capacity > 0 ? static_cast<size_t>(capacity) : 0;
    Outcome outcome = Ask(owner_, request);
    std::string chosen = outcome.path;
    if (outcome.confirmed && directoryOnly) chosen = FolderOf(chosen);
    if (!outcome.confirmed || chosen.empty() || !Deliver(chosen, name, capacity)) {
        if (name && capacity > 0) name[0] = 0;
        return 0;
    }
    filterIndex = outcome.filterIndex;
    return 1;
}
