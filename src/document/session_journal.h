#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/step_log.h"
#include "files/appending_file.h"

// What identifies a file as the one a session started from: its size and the time it
// was last changed.
struct FileIdentity {
    int64_t size = -1;
    int64_t seconds = 0;
    int64_t nanoseconds = 0;

    // The file's identity now; size -1 when it cannot be read.
    static FileIdentity Of(const std::string& path);
    bool operator==(const FileIdentity&) const = default;
};

// One step as the journal keeps it: the batch steps that repeat it, whether it ended in
// a commit, and the colours of a palette it took (its file may have changed since).
struct JournalStep {
    StepText text;
    bool commits = false;
    std::optional<Palette> palette;
};

// A journal read back.
struct JournalContents {
    enum class State { Readable, Damaged };
    State state = State::Damaged;
    std::string damage;  // why it cannot be used, said to the user
    SessionStart start;
    FileIdentity identity;
    // The opened file as it was, set aside when a save replaced it; empty when it was not.
    std::string keptFile;
    FileIdentity keptIdentity;
    // The file the field was last saved to, which a recovered session saves to again;
    // empty when it was not saved.
    std::string savedFile;
    // The steps of the history and the position among them.
    std::vector<JournalStep> steps;
    int position = 0;
    uint32_t checksum = 0;  // of everything read, to go on appending

    // The file the session is made from: the one set aside, or the one opened.
    const std::string& SourceFile() const { return keptFile.empty() ? start.path : keptFile; }
    // Whether that file is still the one the session started from.
    bool SourceUnchanged() const;
    // The steps up to the position, the session as it stood.
    std::vector<JournalStep> Done() const { return {steps.begin(), steps.begin() + position}; }
};

// Reads a journal and checks it whole: every record must be complete and checked.
JournalContents ReadJournal(const std::string& path);

// The journal of a session, beside the settings: where the session started and every
// step since, each on the disk as it ends, so that the session can be made again after a
// crash. Each record ends with a checksum of the whole file up to it, so a journal cut
// short or damaged anywhere is refused rather than made again in part.
class SessionJournal : public StepLog {
public:
    explicit SessionJournal(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    // False once a write failed: the journal no longer holds the whole session.
    bool ok() const { return ok_; }

    void Started(const SessionStart& start) override;
    void StepEnded(const HistoryStep& step) override;
    void MovedTo(int position) override;
    void FileWillBeReplaced() override;
    void Saved(const std::string& path) override;

    // Goes on with a journal read back, once its session was made again.
    bool Continue(const JournalContents& contents);
    // No unsaved work is left: the journal is removed, and the file set aside with it.
    void Discard();
    // The program ends with unsaved work: the journal stays for the next start.
    void Leave() { file_.Close(); }

    // Where the opened file was set aside when a save replaced it; empty before.
    const std::string& KeptPath() const { return keptPath_; }

private:
    void Write(std::string record);

    std::string path_;
    AppendingFile file_;
    uint32_t checksum_ = 0;
    bool ok_ = true;
    std::string startPath_;
    std::string keptPath_;
};
