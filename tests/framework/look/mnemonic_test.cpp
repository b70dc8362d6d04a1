#include <gtest/gtest.h>

#include "framework/look/mnemonic.h"

TEST(Mnemonic, AmpersandMarksTheLetterAndADoubleOneShowsItself) {
    vMnemonicLabel file = vParseMnemonic("&File");
    EXPECT_EQ(file.shown, "File");
    EXPECT_EQ(file.underlineAt, 0);
    EXPECT_EQ(file.Letter(), 'f');

    vMnemonicLabel both = vParseMnemonic("Salt && &Pepper");
    EXPECT_EQ(both.shown, "Salt & Pepper");
    EXPECT_EQ(both.underlineAt, 7);
    EXPECT_EQ(both.Letter(), 'p');

    // "&&" marks nothing, and a closing "&" is shown as it is.
    EXPECT_EQ(vParseMnemonic("R&&D").Letter(), 0);
    EXPECT_EQ(vParseMnemonic("R&&D").shown, "R&D");
    EXPECT_EQ(vParseMnemonic("Save &").shown, "Save &");
    EXPECT_EQ(vParseMnemonic("Save &").underlineAt, -1);
}
