#include "clients/ini_file.h"

#include <gtest/gtest.h>

namespace {

using clients::TQVCustomIniFile;

TQVCustomIniFile Parsed(const std::string& text) {
  TQVCustomIniFile ini;
  ini.SetText(text);
  return ini;
}

TEST(IniFile, ParsesLinesAndWritesThemBackInTheToolkitsForm) {
  const auto ini = Parsed(
      "vor=jeder Sektion\n"
      "; Kommentar\r\n"
      "  [ Allgemein ]  \r"
      "  Name  =  Hof Lindenau  \n"
      "\n"
      "ohne Gleichheitszeichen\n"
      "Leer=\n"
      "Pfad=C:\\a=b\n"
      "[2]\r\n"
      "NR=2");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Allgemein", "2"}));
  EXPECT_EQ(ini.ReadString("Allgemein", "Name", "?"), "Hof Lindenau");
  EXPECT_EQ(ini.ReadString("Allgemein", "Leer", "?"), "");
  EXPECT_EQ(ini.ReadString("Allgemein", "Pfad", "?"), "C:\\a=b");
  EXPECT_EQ(ini.ReadString("Allgemein", "vor", "?"), "?");
  EXPECT_EQ(ini.ReadSection("Allgemein"), (std::vector<std::string>{"Name", "Leer", "Pfad"}));
  EXPECT_EQ(ini.GetText(),
            "[Allgemein]\r\nName=Hof Lindenau\r\nohne Gleichheitszeichen\r\nLeer=\r\nPfad=C:\\a=b\r\n\r\n"
            "[2]\r\nNR=2\r\n\r\n");
}

TEST(IniFile, ZeroCharactersAreRemovedBeforeParsing) {
  const std::string text("[A]\nk=v\0w\n", 10);
  EXPECT_EQ(Parsed(text).ReadString("A", "k", ""), "vw");
}

TEST(IniFile, NamesIgnoreCaseAndTheFirstOfTwoEqualSectionsAnswers) {
  auto ini = Parsed("[Mandant]\nletzte Änderung=1\n[MANDANT]\nletzte Änderung=2\n");
  EXPECT_EQ(ini.ReadString("mandant", "LETZTE ÄNDERUNG", ""), "1");
  EXPECT_TRUE(ini.ValueExists("MaNdAnT", "letzte änderung"));
  EXPECT_EQ(ini.ReadSections().size(), 2u);
  ini.WriteString("mandant", "Letzte Änderung", "3");
  EXPECT_EQ(ini.GetText(), "[Mandant]\r\nLetzte Änderung=3\r\n\r\n[MANDANT]\r\nletzte Änderung=2\r\n\r\n");
}

TEST(IniFile, ReadBoolAcceptsOnlyOneAndZeroAndRewritesTheRest) {
  struct Case {
    const char* stored;  // nullptr: key missing
    bool defaultValue;
    bool result;
    const char* storedAfter;
    bool modified;
  };
  const Case cases[] = {
      {"1", false, true, "1", false},   {"0", true, false, "0", false},
      {"ja", true, true, "1", true},    {"true", false, false, "0", true},
      {"", true, true, "1", true},      {nullptr, true, true, nullptr, false},
      {nullptr, false, false, nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "(missing)");
    auto ini = Parsed(c.stored ? std::string("[S]\nFB3=") + c.stored : "[S]\nx=1");
    EXPECT_EQ(ini.ReadBool("S", "FB3", c.defaultValue), c.result);
    EXPECT_EQ(ini.ValueExists("S", "FB3"), c.storedAfter != nullptr);
    if (c.storedAfter) {
      EXPECT_EQ(ini.ReadString("S", "FB3", "?"), c.storedAfter);
    }
    EXPECT_EQ(ini.Modified(), c.modified);
  }
}

TEST(IniFile, ReadIntegerGivesZeroForTextThatIsNoNumber) {
  const auto ini = Parsed("[S]\na=42\nb=-7\nc=abc\nd=12x\ne=99999999999\nf=\ng=+3\nh=+-5\ni=-\nj=1 2\n");
  EXPECT_EQ(ini.ReadInteger("S", "a", 5), 42);
  EXPECT_EQ(ini.ReadInteger("S", "b", 5), -7);
  EXPECT_EQ(ini.ReadInteger("S", "c", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "d", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "e", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "f", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "g", 5), 3);
  EXPECT_EQ(ini.ReadInteger("S", "h", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "i", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "j", 5), 0);
  EXPECT_EQ(ini.ReadInteger("S", "missing", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Missing", "a", -1), -1);
}

TEST(IniFile, WriteStringSkipsEmptyNewKeysAndUnchangedValues) {
  auto ini = Parsed("[S]\nk=v\n");
  ini.WriteString("T", "neu", "");
  EXPECT_FALSE(ini.SectionExists("T"));
  ini.WriteString("s", "K", "v");
  EXPECT_FALSE(ini.Modified());
  ini.WriteString("S", "k", "");
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(ini.ReadString("S", "k", "?"), "");

  ini.SetModified(false);
  ini.WriteInteger("T", "Port", 21);
  ini.WriteBool("T", "Passiv", true);
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(ini.GetText(), "[S]\r\nk=\r\n\r\n[T]\r\nPort=21\r\nPassiv=1\r\n\r\n");
}

TEST(IniFile, DeletingMarksModifiedOnlyWhenSomethingWentAway) {
  auto ini = Parsed("[S]\nk=v\n[T]\nx=1\n");
  ini.DeleteKey("S", "missing");
  ini.DeleteKey("Missing", "k");
  ini.EraseSection("Missing");
  EXPECT_FALSE(ini.Modified());
  ini.DeleteKey("s", "K");
  EXPECT_TRUE(ini.Modified());
  EXPECT_TRUE(ini.SectionExists("S"));
  EXPECT_FALSE(ini.GetIsEmpty());
  ini.SetModified(false);
  ini.EraseSection("t");
  EXPECT_TRUE(ini.Modified());
  EXPECT_TRUE(ini.GetIsEmpty());  // section S is left, but without keys
  EXPECT_EQ(ini.GetText(), "[S]\r\n\r\n");
}

TEST(IniFile, OnChangeFiresWhenSetModifiedChangesTheFlag) {
  TQVCustomIniFile ini;
  int calls = 0;
  ini.OnChange = [&](TQVCustomIniFile& sender) {
    EXPECT_EQ(&sender, &ini);
    ++calls;
  };
  ini.SetModified(false);
  EXPECT_EQ(calls, 0);
  ini.SetModified(true);
  ini.SetModified(true);
  EXPECT_EQ(calls, 1);
  ini.WriteString("S", "k", "v");  // marks directly, without the event
  ini.SetModified(false);
  EXPECT_EQ(calls, 2);
}

TEST(IniFile, TextOnlyModeKeepsTheTextAsItIs) {
  TQVCustomIniFile ini(true);
  const std::string text = "[S]\nk=v\n; kept\n";
  ini.SetText(text);
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(ini.GetText(), text);
  EXPECT_FALSE(ini.SectionExists("S"));
  ini.SetText(text);
  EXPECT_FALSE(ini.Modified());
  ini.EraseSection("S");
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(ini.GetText(), text);
}

TEST(IniFile, AnsiAccessConvertsWindows1252) {
  auto ini = Parsed("[S]\nName=Müller & Söhne\n");
  EXPECT_EQ(ini.ReadAnsiString("S", "Name", ""), "M\xFCller & S\xF6hne");
  EXPECT_EQ(ini.ReadAnsiString("S", "missing", "\xE4"), "\xE4");
  ini.WriteAnsiString("S", "Ort", "Gr\xFC\xDF" "au");
  EXPECT_EQ(ini.ReadString("S", "Ort", ""), "Grüßau");
}

}  // namespace
