#include "rights/modules.h"

#include <gtest/gtest.h>

using namespace rights;

TEST(Modules, ModuleInStrNeedsNinePositions) {
  EXPECT_FALSE(ModuleInStr('K', "K"));
  EXPECT_TRUE(ModuleInStr('K', "K        "));
  for (const char letter : ModuleLetters) {
    EXPECT_TRUE(ModuleInStr(letter, AllModulesStr()));
    EXPECT_FALSE(ModuleInStr(letter, EmptyModulesStr()));
  }
}

TEST(Modules, SetModuleLetterWritesTheLettersPosition) {
  TModulesStr s = EmptyModulesStr();
  SetModuleLetter('U', s, false);
  EXPECT_EQ(s, "   U     ");
  SetModuleLetter('U', s, true);
  EXPECT_EQ(s, EmptyModulesStr());
  SetModuleLetter('x', s, false);
  EXPECT_EQ(s, EmptyModulesStr());
}

TEST(Modules, LettersAndCaptionsAgree) {
  for (int k = 1; k <= ModuleCount; ++k) {
    EXPECT_EQ(ModuleOfLetter(ModuleLetter(k)), k);
    EXPECT_EQ(ModuleShortCaptions[k].size(), 3u);
  }
  EXPECT_EQ(ModuleLetter(0), ' ');
  EXPECT_EQ(ModuleOfLetter('x'), 0);
  EXPECT_EQ(GeneralRightCaption(103), "Mandant löschen");
  EXPECT_EQ(GeneralRightCaption(108), "");
}
