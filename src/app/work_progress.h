#pragma once

#include <cstdint>
#include <string>

class vCommandPane;

// Long work on the document runs on the program's one thread (a load; a long operation
// may too). While it runs, the message field of the status bar says how far it got
// ("LOADING 40%") and the frame is presented once a display frame, so that the share
// done and whatever the work draws meanwhile reach the screen. The message shown before
// comes back when it ends.
class KnollWorkProgress {
public:
    KnollWorkProgress(vCommandPane& statusBar, int messageField) : bar_(statusBar), messageField_(messageField) {}

    // The work starts; its share done is shown after the word, e.g. "LOADING ".
    void Begin(const char* word);
    // done of total steps are finished. Does nothing outside Begin and End.
    void Show(int64_t done, int64_t total);
    void End();

private:
    vCommandPane& bar_;
    const int messageField_;
    std::string word_;
    std::string before_;
    int percent_ = -1;
    bool running_ = false;
    bool stepShown_ = false;
};
