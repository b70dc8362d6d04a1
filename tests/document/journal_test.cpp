// A session's journal makes it again byte for byte, and a damaged journal is refused
// with what is wrong with it, never made again in part.
#include <gtest/gtest.h>

#include "document/journal_replay.h"
#include "document/session_journal.h"
#include "document_snapshot.h"
#include "scratch.h"
#include "session_actions.h"

namespace {

// A field saved to a file and opened from it, with a journal of the session.
struct JournalledSession {
    explicit JournalledSession(const ScratchDir& folder, int kind = kEightBitField)
        : journal(folder / "Knollwork.journal") {
        FieldDocument maker;
        MakeTerrain(maker, 150, 90, kind);
        file = folder / (kind == kEightBitField ? "start.tga" : "start.ppm");
        EXPECT_TRUE(maker.Save(file).saved);
        document.KeepHistory({.images = 50});
        document.SetStepLog(&journal);
        EXPECT_TRUE(document.Load(file).loaded);
    }

    std::string file;
    SessionJournal journal;
    FieldDocument document;
};

DocumentSnapshot Replayed(const std::string& journalPath) {
    JournalContents contents = ReadJournal(journalPath);
    EXPECT_EQ(contents.state, JournalContents::State::Readable) << contents.damage;
    FieldDocument again;
    again.KeepHistory({.images = 50});
    ReplayOutcome outcome = ReplayJournal(again, contents);
    EXPECT_TRUE(outcome.done) << outcome.notice;
    return DocumentSnapshot::Of(again);
}

}  // namespace

// Every kind of step, steps back and forward, and new steps after stepping back, which
// drop the steps ahead in the journal as in the history.
TEST(Journal, MakesTheSessionAgainByteForByteAfterEveryStep) {
    ScratchDir folder;
    for (int kind : {kEightBitField, kSixteenBitField}) {
        JournalledSession session(folder, kind);
        const std::vector<Action> actions = Session(WritePalette(folder));
        for (size_t i = 0; i < actions.size(); ++i) {
            actions[i](session.document);
            if (i == 6) {
                session.document.StepBack();
                session.document.StepBack();
                session.document.StepForward();
            }
            if (i % 4 == 3 || i + 1 == actions.size()) {
                EXPECT_EQ(Replayed(session.journal.path()).Difference(DocumentSnapshot::Of(session.document)), "")
                    << "after action " << i;
            }
        }
        session.document.StepBack();
        session.document.StepBack();
        EXPECT_EQ(Replayed(session.journal.path()).Difference(DocumentSnapshot::Of(session.document)), "");
    }
}

// Saved over the file it started from, the session is made from that file as it was,
// and the next save goes where the last one went.
TEST(Journal, KeepsTheOpenedFileAsideWhenASaveReplacesIt) {
    ScratchDir folder;
    JournalledSession session(folder);
    session.document.Run(Operation::Inverse, Inputs(kAreaWhole));
    ASSERT_TRUE(session.document.Save(session.file).saved);
    session.document.Run(Operation::Rough, Inputs(kAreaWhole, "20"));
    JournalContents contents = ReadJournal(session.journal.path());
    EXPECT_EQ(contents.keptFile, folder / "Knollwork.journal-start.tga");
    EXPECT_TRUE(contents.SourceUnchanged());
    EXPECT_EQ(Replayed(session.journal.path()).Difference(DocumentSnapshot::Of(session.document)), "");
    const std::string elsewhere = folder / "elsewhere.tga";
    ASSERT_TRUE(session.document.Save(elsewhere).saved);
    FieldDocument again;
    again.KeepHistory({});
    ASSERT_TRUE(ReplayJournal(again, ReadJournal(session.journal.path())).done);
    EXPECT_EQ(again.name(), elsewhere);

    session.journal.Discard();
    EXPECT_FALSE(std::filesystem::exists(session.journal.path()));
    EXPECT_FALSE(std::filesystem::exists(contents.keptFile));
}

TEST(Journal, SaysWhenTheOpenedFileChangedSince) {
    ScratchDir folder;
    JournalledSession session(folder);
    session.document.Run(Operation::Inverse, Inputs(kAreaWhole));
    EXPECT_TRUE(ReadJournal(session.journal.path()).SourceUnchanged());
    std::vector<uint8_t> bytes = ReadBytes(session.file);
    bytes.back() ^= 1;
    WriteBytes(session.file, bytes);
    EXPECT_FALSE(ReadJournal(session.journal.path()).SourceUnchanged());
}

// Cut short anywhere, a byte changed anywhere, or no journal at all.
TEST(Journal, RefusesAJournalCutShortDamagedOrOfAnythingElse) {
    ScratchDir folder;
    JournalledSession session(folder);
    session.document.Run(Operation::Inverse, Inputs(kAreaWhole));
    session.document.Run(Operation::Inc, Inputs(kAreaWhole, "9"));
    session.document.StepBack();
    const std::vector<uint8_t> whole = ReadBytes(session.journal.path());
    const std::string copy = folder / "copy.journal";
    std::vector<size_t> ends;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] == '\n' && i >= 10 && whole[i - 10] == '=') ends.push_back(i + 1);
    }
    ASSERT_EQ(ends.size(), 4u) << "a start, two steps and a move";
    for (size_t length = 1; length < whole.size(); length += 7) {
        WriteBytes(copy, std::vector<uint8_t>(whole.begin(), whole.begin() + std::ptrdiff_t(length)));
        JournalContents cut = ReadJournal(copy);
        const bool atARecordsEnd = std::find(ends.begin(), ends.end(), length) != ends.end();
        EXPECT_EQ(cut.state == JournalContents::State::Readable, atARecordsEnd) << length << " bytes";
    }
    WriteBytes(copy, std::vector<uint8_t>(whole.begin(), whole.end() - 3));
    EXPECT_EQ(ReadJournal(copy).damage, "it is cut short");

    for (size_t at = 0; at < whole.size(); at += 5) {
        std::vector<uint8_t> changed = whole;
        changed[at] ^= 0x20;
        WriteBytes(copy, changed);
        EXPECT_EQ(ReadJournal(copy).state, JournalContents::State::Damaged) << "byte " << at;
    }
    WriteBytes(copy, {'P', '6', '\n', '1', ' ', '1', '\n'});
    EXPECT_EQ(ReadJournal(copy).damage, "it is not a journal of unsaved work");
    EXPECT_EQ(ReadJournal(folder / "none.journal").state, JournalContents::State::Damaged);
}
