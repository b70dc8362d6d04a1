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

// A shell has already split the words: nothing in them is read again, so a quote, a
// blank or a line break is part of the name the user gave.
TEST(ArgumentList, EveryWordStaysAsTheSystemHandedItOver) {
    const char* argv[] = {"prog", "\"Intro.tga\"", "Intro.tga\nother.ppm", "x\"y z.tga", "", " ", "a\rb"};
    EXPECT_EQ(Words(vArgumentList::FromArguments("/x/prog", 7, argv)),
              (Strings{"/x/prog", "\"Intro.tga\"", "Intro.tga\nother.ppm", "x\"y z.tga", "", " ", "a\rb"}));
    std::vector<std::string> many(80, "w");
    std::vector<const char*> longArgv{"prog"};
    for (const std::string& word : many) longArgv.push_back(word.c_str());
    EXPECT_EQ(vArgumentList::FromArguments("p", int(longArgv.size()), longArgv.data()).Count(), 81);
}

TEST(ArgumentList, DebugOptionAndItsWordAreRemovedOnce) {
    const char* argv[] = {"prog", "x", "-vDebug", "Cmw", "y", "-vDebug", "t"};
    vArgumentList list = vArgumentList::FromArguments("p", 7, argv);
    EXPECT_EQ(Words(list), (Strings{"p", "x", "y", "-vDebug", "t"}));
    EXPECT_EQ(list.DebugLetters(), "Cmw");
    const char* last[] = {"prog", "x", "-vDebug"};
    EXPECT_EQ(Words(vArgumentList::FromArguments("p", 3, last)), (Strings{"p", "x"}));
}

TEST(ArgumentList, ProgramPathIsCutAt198CharactersAndCopiesKeepTheirOwnArray) {
    const char* argv[] = {"prog", "alpha", "beta"};
    EXPECT_EQ(vArgumentList::FromArguments(std::string(300, 'a'), 1, argv)[0].size(), 198u);
    vArgumentList copy;
    {
        vArgumentList original = vArgumentList::FromArguments("p", 3, argv);
        copy = original;
    }
    EXPECT_STREQ(copy.Argv()[2], "beta");
}
