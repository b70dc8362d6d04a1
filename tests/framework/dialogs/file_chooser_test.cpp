#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "dialog_fixture.h"
#include "scratch_folder.h"
#include "framework/controls/list_cmd.h"
#include "framework/dialogs/file_chooser_dialog.h"
#include "framework/dialogs/file_select.h"
#include "framework/dialogs/question_dialog.h"

namespace fs = std::filesystem;

namespace {

// A chooser that lets the test act once it is on screen.
class WatchedChooser : public vFileChooserDialog {
public:
    using vFileChooserDialog::vFileChooserDialog;
    void OnDialogReady() override {
        vFileChooserDialog::OnDialogReady();
        if (onReady) onReady(*this);
    }
    vListCmd& List() { return *static_cast<vListCmd*>(FindControl(kEntries)); }
    std::function<void(WatchedChooser&)> onReady;
};

std::vector<std::string> Names(const vFolderListing& listing) {
    std::vector<std::string> names;
    for (const auto& entry : listing.entries) names.push_back(entry.isFolder ? entry.name + "/" : entry.name);
    return names;
}

const char* const kHeightPatterns[] = {"*.tga", "*.ppm", "*", nullptr};

vFileChooserDialog::Request OpenIn(const std::string& folder) {
    vFileChooserDialog::Request request;
    request.title = "Open";
    request.initialFolder = folder;
    request.patterns = kHeightPatterns;
    return request;
}

}  // namespace

TEST(FileFilter, EachPatternIsItsOwnDescriptionWithinTheTextLimit) {
    EXPECT_EQ(vFileFilter(kHeightPatterns).Text(), "*.tga|*.tga|*.ppm|*.ppm|*|*|");
    const char* const empty[] = {"", "*.tga", nullptr};
    EXPECT_EQ(vFileFilter(empty).Text(), "All files(*.*)|*.*|");
    EXPECT_EQ(vFileFilter(nullptr).Entries().size(), 1u);
    EXPECT_EQ(vFileFilter(nullptr).StartIndex(2), 0);
    // 3 x (2 x 60 + 2) = 366 would pass 256: the third pattern is left out; a fourth,
    // short one still fits after the two.
    static const std::string a(60, 'a'), b(60, 'b'), c(60, 'c');
    const char* const longOnes[] = {a.c_str(), b.c_str(), c.c_str(), "*.x", nullptr};
    vFileFilter filter(longOnes);
    EXPECT_LT(filter.Text().size(), 256u);
    EXPECT_EQ(filter.Entries().size(), 2u);
    EXPECT_EQ(vFileFilter(kHeightPatterns).StartIndex(1), 1);
}

TEST(FileFilter, MatchesWildcardsInEitherCaseAndSeveralPatterns) {
    EXPECT_TRUE(vFileFilter::Matches("Intro.TGA", "*.tga"));
    EXPECT_FALSE(vFileFilter::Matches("Intro.tga.bak", "*.tga"));
    EXPECT_TRUE(vFileFilter::Matches("README", "*.*"));
    EXPECT_TRUE(vFileFilter::Matches("map 2.ppm", "*.tga; *.ppm"));
    EXPECT_TRUE(vFileFilter::Matches("a1.pal", "a?.pal"));
    EXPECT_FALSE(vFileFilter::Matches("a12.pal", "a?.pal"));
}

TEST(FolderListing, FoldersFirstThenMatchingFilesByNameIgnoringCase) {
    ScratchFolder scratch;
    scratch.Folder("zeta");
    scratch.Folder("Alpha");
    scratch.Folder(".hidden");
    scratch.File("b map.tga");
    scratch.File("A.tga");
    scratch.File("\xC3\xA9t\xC3\xA9.tga");
    scratch.File("notes.txt");
    vFolderListing listing = vFolderListing::Read(scratch.Path(), "*.tga");
    EXPECT_TRUE(listing.readable);
    EXPECT_EQ(Names(listing), (std::vector<std::string>{"Alpha/", "zeta/", "A.tga", "b map.tga",
                                                        "\xC3\xA9t\xC3\xA9.tga"}));
    EXPECT_FALSE(vFolderListing::Read(scratch.Path("missing"), "*").readable);
}

TEST(FileChooser, DoubleClickGoesIntoAFolderAndUpComesBack) {
    HeadlessSession<> session;
    ScratchFolder scratch;
    scratch.Folder("maps");
    scratch.File("maps/hill.tga");
    WatchedChooser chooser(nullptr, OpenIn(scratch.Path()));
    std::vector<std::string> seen;
    chooser.onReady = [&](WatchedChooser& c) {
        session.Pump();
        vPoint p = CenterOf(c, vFileChooserDialog::kEntries);
        vRect list = c.FindControl(vFileChooserDialog::kEntries)->PixelRect();
        int firstRow = p.y - list.h / 2 + 4;
        session.platform.QueueClick(p.x, firstRow);
        session.platform.QueueClick(p.x, firstRow);
        session.Pump();
        seen.push_back(c.Folder());
        c.GoUp();
        seen.push_back(c.Folder());
        c.Dismiss();
    };
    EXPECT_FALSE(chooser.Choose());
    EXPECT_EQ(seen, (std::vector<std::string>{scratch.Path("maps"), scratch.Path()}));
}

TEST(FileSelect, StartsInTheGivenFolderAndNeverMovesTheWorkingDirectory) {
    HeadlessSession<> session;
    ScratchFolder scratch;
    scratch.Folder("maps");
    scratch.Folder("palettes");
    scratch.File("maps/a b.tga");
    scratch.File("palettes/warm.Pal");
    fs::current_path(scratch.Path());
    session.platform.QueueText("maps/a b.tga");
    session.platform.QueueKey(vKeyReturn);
    char name[256] = "";
    int filter = 0;
    vFileSelect select(nullptr);
    EXPECT_EQ(select.PickFileToOpen("Open", name, sizeof name, kHeightPatterns, filter), 1);
    EXPECT_STREQ(name, scratch.Path("maps/a b.tga").c_str());
    EXPECT_EQ(fs::current_path().string(), scratch.Path());
    // A bare name is looked for in the folder the caller names.
    std::strcpy(name, "warm.Pal");
    session.platform.QueueKey(vKeyReturn);
    EXPECT_EQ(select.PickFileToOpen("Open", name, sizeof name, nullptr, filter, scratch.Path("palettes").c_str()), 1);
    EXPECT_STREQ(name, scratch.Path("palettes/warm.Pal").c_str());
    EXPECT_EQ(fs::current_path().string(), scratch.Path());
}

TEST(FileSelect, CancelLeavesOpenUnchangedAndEmptiesSave) {
    HeadlessSession<> session;
    ScratchFolder scratch;
    fs::current_path(scratch.Path());
    char name[64] = "old.tga";
    int filter = 1;
    vFileSelect select(nullptr);
    session.platform.QueueKey(vKeyEscape);
    EXPECT_EQ(select.PickFileToOpen("Open", name, sizeof name, kHeightPatterns, filter), 0);
    EXPECT_STREQ(name, "old.tga");
    session.platform.QueueKey(vKeyEscape);
    EXPECT_EQ(select.PickFileToSave("Save", name, sizeof name, kHeightPatterns, filter, 0, nullptr), 0);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(filter, 1);
}

TEST(FileSelect, SavingAsksBeforeReplacingOrCreating) {
    HeadlessSession<> session;
    ScratchFolder scratch;
    scratch.File("old.tga");
    fs::current_path(scratch.Path());
    // "No" to replacing keeps the chooser open; then a new name, "Yes" to creating it.
    session.platform.ScriptAnswer(vModalRequest::Kind::Dialog, ClosedBy(vQuestionDialog::kNoId));
    session.platform.ScriptAnswer(vModalRequest::Kind::Dialog, ClosedBy(vQuestionDialog::kYesId));
    session.platform.QueueText("old.tga");
    session.platform.QueueKey(vKeyReturn);
    session.platform.QueueKey(vKeyHome);
    session.platform.QueueKey(vKeyEnd, vModShift);
    session.platform.QueueText("new.ppm");
    session.platform.QueueKey(vKeyReturn);
    char name[256] = "";
    int filter = 0;
    vFileSelect select(nullptr);
    EXPECT_EQ(select.PickFileToSave("Save", name, sizeof name, kHeightPatterns, filter, 0, nullptr), 1);
    EXPECT_STREQ(name, scratch.Path("new.ppm").c_str());
    const auto& asked = session.platform.ModalRequests();
    ASSERT_EQ(asked.size(), 3u);  // the chooser itself, then the two questions
    EXPECT_NE(asked[1].text.find("old.tga already exists"), std::string::npos);
    EXPECT_NE(asked[2].text.find("new.ppm does not exist"), std::string::npos);
}

TEST(FileSelect, DirectoryOnlyGivesTheFolderWithoutATrailingSeparator) {
    HeadlessSession<> session;
    ScratchFolder scratch;
    scratch.Folder("maps");
    session.platform.ScriptAnswer(vModalRequest::Kind::SaveFile,
                                  Chosen(scratch.Path("maps/x.tga")));
    char name[256] = "";
    int filter = 0;
    vFileSelect select(nullptr);
    EXPECT_EQ(select.PickFileToSave("Folder", name, sizeof name, nullptr, filter, 1, scratch.Path().c_str()), 1);
    EXPECT_STREQ(name, scratch.Path("maps").c_str());
    // The same through the chooser: typing the file name in the folder.
    fs::current_path(scratch.Path());
    name[0] = 0;
    session.platform.QueueText("maps/x.tga");
    session.platform.QueueKey(vKeyReturn);
    EXPECT_EQ(select.PickFileToSave("Folder", name, sizeof name, nullptr, filter, 1, nullptr), 1);
    EXPECT_STREQ(name, scratch.Path("maps").c_str());
}

TEST(FileChooser, UnreadableAndVanishedFoldersAreToldAndTheListingStays) {
    HeadlessSession<> session;
    session.platform.AlwaysAnswer(vModalRequest::Kind::Notice, ClosedBy(vOkId));
    ScratchFolder scratch;
    scratch.Folder("locked");
    scratch.Folder("gone");
    scratch.File("keep.tga");
    ::chmod(scratch.Path("locked").c_str(), 0);
    bool canBeLocked = !vFolderListing::Read(scratch.Path("locked"), "*").readable;
    WatchedChooser chooser(nullptr, OpenIn(scratch.Path()));
    std::vector<std::string> listed;
    chooser.onReady = [&](WatchedChooser& c) {
        if (canBeLocked) {
            EXPECT_FALSE(c.EnterFolder(scratch.Path("locked")));
        }
        EXPECT_FALSE(c.EnterFolder(scratch.Path("keep.tga")));
        fs::remove(scratch.Path("gone"));
        c.List().Apply(0, StateValue);  // "gone/" is the first entry
        c.List().OnNotify(vNotifyActivated, 0);
        listed = c.List().Items();
        c.Dismiss();
    };
    chooser.Choose();
    EXPECT_EQ(chooser.Folder(), scratch.Path());
    // The vanished folder is no longer offered.
    EXPECT_EQ(listed, (std::vector<std::string>{"locked/", "keep.tga"}));
    const auto& told = session.platform.ModalRequests();
    ASSERT_FALSE(told.empty());
    EXPECT_NE(told.back().text.find("cannot be read"), std::string::npos);
}

TEST(FileChooser, AVanishedFileIsToldAndDroppedFromTheList) {
    HeadlessSession<> session;
    session.platform.AlwaysAnswer(vModalRequest::Kind::Notice, ClosedBy(vOkId));
    ScratchFolder scratch;
    scratch.File("a.tga");
    scratch.File("b.tga");
    WatchedChooser chooser(nullptr, OpenIn(scratch.Path()));
    std::vector<std::string> listed;
    chooser.onReady = [&](WatchedChooser& c) {
        fs::remove(scratch.Path("a.tga"));
        c.List().Apply(0, StateValue);
        c.List().OnNotify(vNotifyActivated, 0);
        listed = c.List().Items();
        c.Dismiss();
    };
    EXPECT_FALSE(chooser.Choose());
    EXPECT_EQ(listed, std::vector<std::string>{"b.tga"});
    EXPECT_NE(session.platform.ModalRequests().back().text.find("File not found"), std::string::npos);
}

TEST(FileChooser, NamesWithOuterBlanksAndNamesLongerThanTheFieldAreChosenWhole) {
    HeadlessSession<> session;
    ScratchFolder scratch;
    std::string blanks = " spaced .tga";
    std::string longName = std::string(80, 'l') + "\xC3\xA9\xC3\xA9\xC3\xA9" + std::string(80, 'm') + ".tga";
    scratch.File(blanks);
    scratch.File(longName);
    for (const std::string& wanted : {blanks, longName}) {
        WatchedChooser chooser(nullptr, OpenIn(scratch.Path()));
        chooser.onReady = [&](WatchedChooser& c) {
            const auto& items = c.List().Items();
            int index = static_cast<int>(std::find(items.begin(), items.end(), wanted) - items.begin());
            c.List().Apply(index, StateValue);
            c.List().OnNotify(vNotifySelectionChanged, 0);
            c.Confirm();
        };
        EXPECT_TRUE(chooser.Choose());
        EXPECT_EQ(chooser.ChosenPath(), scratch.Path(wanted));
    }
}

TEST(FileChooser, VeryLongPathsAreRefusedForASmallBufferWithoutOverflow) {
    HeadlessSession<> session;
    session.platform.AlwaysAnswer(vModalRequest::Kind::Notice, ClosedBy(vOkId));
    ScratchFolder scratch;
    std::string deep;
    for (int i = 0; i < 8; ++i) deep += (i ? "/" : "") + std::string(120, static_cast<char>('a' + i));
    scratch.Folder(deep);
    scratch.File(deep + "/end.tga");
    fs::current_path(scratch.Path(deep));
    char name[64] = "";
    int filter = 0;
    vFileSelect select(nullptr);
    session.platform.QueueText("end.tga");
    session.platform.QueueKey(vKeyReturn);
    session.platform.QueueKey(vKeyEscape);
    EXPECT_EQ(select.PickFileToOpen("Open", name, sizeof name, kHeightPatterns, filter), 0);
    EXPECT_STREQ(name, "");
    EXPECT_NE(session.platform.ModalRequests().back().text.find("too long"), std::string::npos);
    // With room enough the same path is delivered whole.
    std::vector<char> roomy(4096, 0);
    session.platform.QueueText("end.tga");
    session.platform.QueueKey(vKeyReturn);
    EXPECT_EQ(select.PickFileToOpen("Open", roomy.data(), 4096, kHeightPatterns, filter), 1);
    EXPECT_EQ(std::string(roomy.data()), scratch.Path(deep + "/end.tga"));
}
