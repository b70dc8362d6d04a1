#pragma once

#include <string>
#include <vector>

#include "framework/dialogs/file_filter.h"
#include "framework/dialogs/folder_listing.h"
#include "framework/dialogs/modal_dialog.h"

// The file chooser: the folder being looked in, its entries (folders first), a field
// for a name or a path, the filter list, and the buttons to confirm or cancel. A
// double click (or Enter) on a folder goes into it, on a file chooses it.
class vFileChooserDialog : public vModalDialog {
public:
    enum class Mode { Open, Save };

    struct Request {
        Mode mode = Mode::Open;
        std::string title;
        std::string initialName;
        std::string initialFolder;  // empty: the working directory
        const char* const* patterns = nullptr;
        int filterIndex = 0;
        bool directoryOnly = false;
        size_t capacity = 256;  // the chosen path must fit in capacity - 1 characters
    };

    // Control ids of the chooser.
    enum : int { kLookInLabel = 10, kFolderText, kUpButton, kEntries, kNameLabel, kNameEntry, kTypeLabel, kTypeCombo };

    vFileChooserDialog(vBaseWindow* window, const Request& request);

    // Runs the chooser; true when a path was chosen.
    bool Choose();
    const std::string& ChosenPath() const { return chosen_; }
    int ChosenFilter() const { return filterIndex_; }
    const std::string& Folder() const { return listing_.folder; }
    const vFolderListing& Listing() const { return listing_; }

    void OnDialogCommand(int id, int value, int type) override;
    bool DescribeRequest(vModalRequest& request, const char* message) const override;
    void OnDialogReady() override;

    // Steps a user takes, also used by tests.
    bool EnterFolder(const std::string& folder);
    void GoUp();
    void ChooseFilter(int index);
    // Acts on the name field as the confirm button does.
    void Confirm();

private:
    void BuildTable();
    void ShowListing();
    // Reads the folder again (after a filter change, or when entries vanished).
    void Reread();
    void EntryActivated(int index);
    void EntrySelected(int index);
    bool ConfirmPath(const std::string& path);
    bool AcceptOpen(const std::string& path);
    bool AcceptSave(const std::string& path);
    void Finish(const std::string& path);
    void Tell(const std::string& message);
    bool Ask(const std::string& question);
    std::string ShortFolderText() const;
    std::string NameField();

    Request request_;
    vFileFilter filter_;
    int filterIndex_;
    std::string pattern_;
    vFolderListing listing_;
    std::string folderText_;
    std::string initialNameText_;
    std::vector<const char*> filterNames_;
    std::vector<CommandObject> table_;
    std::string chosen_;
    std::string picked_;       // the file chosen in the list, whole
    std::string pickedShown_;  // what the name field showed for it
};
