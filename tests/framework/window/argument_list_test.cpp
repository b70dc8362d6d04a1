#include "framework/window/argument_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(vArgumentList list) {
    std::vector<std::string> words;
    char** argv = list.Argv();
    for (int i = 0; i < list.Count(); ++i) words.push_back(argv[i]);
    EXPECT_EQ(argv[list.Count()], nullptr);
    return words;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(ArgumentList, SplitsAtBlanksAfterTheProgramPath) {
    EXPECT_EQ(Words(vArgumentList::FromCommandLine("/bin/knoll", "  one two   three ")),
              (Strings{"/bin/knoll", "one", "two", "three"}));
}

TEST(ArgumentList, QuotedWordKeepsBlanksAndLosesItsQuotes) {
    EXPECT_EQ(Words(vArgumentList::FromCommandLine("p", "\"my maps/a b.tga\" next")),
              (Strings{"p", "my maps/a b.tga", "next"}));
}

TEST(ArgumentList, UnclosedQuoteRunsToTheEnd) {
    EXPECT_EQ(Words(vArgumentList::FromCommandLine("p", "a \"b c")), (Strings{"p", "a", "b c"}));
}

TEST(ArgumentList, LineFeedOrCarriageReturnEndsTheList) {
    EXPECT_EQ(Words(vArgumentList::FromCommandLine("p", "a b\nc d")), (Strings{"p", "a", "b"}));
    EXPECT_EQ(Words(vArgumentList::FromCommandLine("p", "a\r b")), (Strings{"p", "a"}));
}

TEST(ArgumentList, DebugOptionAndItsWordAreRemovedOnce) {
    vArgumentList list = vArgumentList::FromCommandLine("p", "x -vDebug Cmw y -vDebug t");
    EXPECT_EQ(Words(list), (Strings{"p", "x", "y", "-vDebug", "t"}));
    EXPECT_EQ(list.DebugLetters(), "Cmw");
}

TEST(ArgumentList, DebugOptionGivenLastGoesAlone) {
    EXPECT_EQ(Words(vArgumentList::FromCommandLine("p", "x -vDebug")), (Strings{"p", "x"}));
}

TEST(ArgumentList, HoldsAtMostFiftyEntriesWithTheNull) {
    std::string line;
    for (int i = 0; i < 60; ++i) {
        line += 'w';
        line += std::to_string(i);
        line += ' ';
    }
    vArgumentList list = vArgumentList::FromCommandLine("p", line);
    EXPECT_EQ(list.Count(), 49);
    EXPECT_EQ(list[48], "w47");
}

TEST(ArgumentList, ProgramPathIsCutAt198Characters) {
    vArgumentList list = vArgumentList::FromCommandLine(std::string(300, 'a'), "");
    EXPECT_EQ(list[0].size(), 198u);
}

TEST(ArgumentList, ProcessArgumentsWithBlanksStayWhole) {
    const char* argv[] = {"prog", "a b", "-vDebug", "1", "c"};
    EXPECT_EQ(Words(vArgumentList::FromArguments("/x/prog", 5, argv)), (Strings{"/x/prog", "a b", "c"}));
}

TEST(ArgumentList, CopiesKeepTheirOwnArgumentArray) {
    vArgumentList copy;
    {
        vArgumentList original = vArgumentList::FromCommandLine("p", "alpha beta");
        copy = original;
    }
    EXPECT_STREQ(copy.Argv()[2], "beta");
}
