#include "rights/codepage.h"

#include <gtest/gtest.h>

using namespace rights;

TEST(Codepage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Codepage, ConvertsBetweenWindows1252AndUtf8) {
  struct Case {
    std::string cp1252;
    std::string utf8;
  };
  const Case cases[] = {
      {"l\xF6schen", "löschen"},
      {"\x80 \x8A\x9F", "€ ŠŸ"},
      {"Stra\xDF" "e", "Straße"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  }
}

TEST(Codepage, UnrepresentableAndMalformedTextBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x82"), "a??");           // cut sequence
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");                   // no Windows-1252 byte
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");              // overlong
  EXPECT_EQ(Utf8Length("aä日\xFF"), 4u);
}

TEST(Codepage, LeftNeverCutsACharacter) {
  EXPECT_EQ(Utf8Left("äöü", 2), "äö");
  EXPECT_EQ(Utf8Left("ab", 5), "ab");
}

TEST(Codepage, CaseFoldingCoversTheWindows1252Letters) {
  EXPECT_EQ(LowerCase("ÄÖÜ ŠŒŽŸ ABC ß ×"), "äöü šœžÿ abc ß ×");
  EXPECT_EQ(UpperCase("äöü šœžÿ abc"), "ÄÖÜ ŠŒŽŸ ABC");
  EXPECT_TRUE(SameTextIgnoringCase("MÜLLER", "müller"));
  EXPECT_FALSE(SameTextIgnoringCase("Müller", "Mueller"));
}

TEST(Codepage, CaseInsensitiveComparisonAgreesWithLowerCasing) {
  const std::string pieces[] = {"a", "A", "ä", "Ä", "ß", "Š", "š", "Ÿ", "ÿ", "€", "日", "\xFF", "\xC3", "z", ""};
  std::uint32_t state = 1;
  auto next = [&state] { return state = state * 1103515245u + 12345u; };
  auto text = [&] {
    std::string s;
    for (int n = next() % 4; n > 0; --n) s += pieces[next() % std::size(pieces)];
    return s;
  };
  for (int i = 0; i < 5000; ++i) {
    const std::string a = text();
    const std::string b = i % 3 == 0 ? UpperCase(a) : text();
    ASSERT_EQ(SameTextIgnoringCase(a, b), LowerCase(a) == LowerCase(b)) << '"' << a << "\" \"" << b << '"';
  }
}
