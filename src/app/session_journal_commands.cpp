#include <cstdio>
#include <filesystem>

#include "app/history_preferences.h"
#include "app/knoll_cmd_window.h"
#include "app/path_names.h"
#include "document/journal_replay.h"
#include "files/appending_file.h"
#include "framework/dialogs/question_dialog.h"

// The journal beside the settings file: started with the program, offered back after a
// session that did not end cleanly, and gone after one that did.

namespace {

// One journal a running editor; more editors in the same folder take the next names.
constexpr int kMostJournals = 9;

std::string JournalPath(const std::string& settingsFile, int number) {
    std::string path = FolderOf(settingsFile) + "/Knollwork";
    if (number > 1) path += '-' + std::to_string(number);
    return path + ".journal";
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

void RemoveJournal(const std::string& path, const JournalContents& contents) {
    std::remove(path.c_str());
    if (!contents.keptFile.empty()) std::remove(contents.keptFile.c_str());
}

std::vector<StepText> TextsOf(const std::vector<JournalStep>& steps) {
    std::vector<StepText> texts;
    for (const JournalStep& step : steps) texts.push_back(step.text);
    return texts;
}

}  // namespace

bool KnollCmdWindow::StartSession() {
    document_.KeepHistory(ReadHistoryBudget());
    bool recovered = false;
    for (int number = 1; number <= kMostJournals && !recovered; ++number) {
        const std::string path = JournalPath(Settings().filePath, number);
        if (Exists(path) && !AppendingFile::Held(path)) recovered = OfferRecovery(path);
    }
    if (!recovered) {
        journal_ = std::make_unique<SessionJournal>(FreeJournalPath());
        journal_->Started(document_.start());
    }
    document_.SetStepLog(journal_.get());
    return recovered;
}

std::string KnollCmdWindow::FreeJournalPath() {
    for (int number = 1; number < kMostJournals; ++number) {
        const std::string path = JournalPath(Settings().filePath, number);
        if (!Exists(path)) return path;
    }
    return JournalPath(Settings().filePath, kMostJournals);
}

// Yes makes the session again and goes on with its journal. A session whose file
// changed since can only be offered as its steps; a journal that cannot be used is kept
// aside with a notice.
bool KnollCmdWindow::OfferRecovery(const std::string& path) {
    const JournalContents contents = ReadJournal(path);
    if (contents.state == JournalContents::State::Damaged) {
        KeepDamagedJournal(path, contents.damage);
        return false;
    }
    if (contents.position == 0) {
        RemoveJournal(path, contents);
        return false;
    }
    const std::string& opened = contents.start.path;
    const std::string name = opened.empty() ? "the blank field" : BareName(opened.c_str());
    vQuestionDialog question(this, "Notice");
    if (!contents.SourceUnchanged()) {
        if (!question.Ask("Recover unsaved work on " + name + "?\n\n" + name +
                          " has changed since: its steps would not give the same field, so they are offered "
                          "as a file of steps instead.")) {
            RemoveJournal(path, contents);
        } else if (SaveSteps(contents.start, TextsOf(contents.Done()))) {
            RemoveJournal(path, contents);
        }
        return false;
    }
    if (!question.Ask("Recover unsaved work on " + name + "?")) {
        RemoveJournal(path, contents);
        return false;
    }
    ReplayOutcome outcome = ReplayJournal(document_, contents);
    if (!outcome.done) {
        document_.StartBlank();
        KeepDamagedJournal(path, outcome.notice);
        return false;
    }
    journal_ = std::make_unique<SessionJournal>(path);
    journal_->Continue(contents);
    if (!opened.empty()) {
        Settings().lastMapPath = CutToLine(opened);
        fileCaption_ = document_.name();
        heightFilterIndex_ = HeightFilterOf(document_.name().c_str());
    }
    ShowStepped("Recovered " + std::to_string(contents.position) + " steps");
    return true;
}

void KnollCmdWindow::KeepDamagedJournal(const std::string& path, const std::string& damage) {
    std::string aside = path + ".damaged";
    for (int number = 2; Exists(aside); ++number) aside = path + ".damaged-" + std::to_string(number);
    std::rename(path.c_str(), aside.c_str());
    ShowNotice(("The journal of unsaved work " + path + " cannot be used: " + damage + ".\n\nIt is kept as " + aside +
                ".")
                   .c_str());
}

void KnollCmdWindow::EndSession(bool endedBySignal) {
    if (!journal_) return;
    document_.SetStepLog(nullptr);
    if (endedBySignal && document_.IsChanged()) {
        journal_->Leave();
    } else {
        journal_->Discard();
    }
    journal_.reset();
}
