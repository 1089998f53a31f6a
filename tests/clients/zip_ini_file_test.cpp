#include "clients/zip_ini_file.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include <cstdio>
#include <cstdlib>

#include "clients/zip_archive.h"
#include "rights/errors.h"
#include "support/odd_paths.h"
#include "support/temp_dir.h"

namespace {

using clients::TZipIniFile;

const std::string kAccounts = "[LedgerPro]\r\nHost=ftp.example.org\r\nUsername=müller\r\nPort=21\r\n\r\n";

// Runs a shell command and returns its standard output; fails the test when it fails.
std::string Output(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  std::string output;
  char buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
  const int status = pclose(pipe);
  EXPECT_EQ(status, 0) << command;
  return output;
}

int ExitCode(const std::string& command) {
  const int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WEXITSTATUS(status);
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

TZipIniFile WithPassword(const std::string& password) {
  TZipIniFile ini;
  ini.SetPassword(password);
  return ini;
}

TZipIniFile LoadedFromMemory(const std::string& bytes, const std::string& password) {
  TZipIniFile ini = WithPassword(password);
  QByteArray data = Bytes(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  ini.LoadFromStream(buffer);
  return ini;
}

std::string SavedToMemory(TZipIniFile& ini) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(ini.SaveToStream(buffer));
  return buffer.data().toStdString();
}

TEST(ZipIniFile, RoundTripsThroughAnEncryptedArchive) {
  TZipIniFile ini = WithPassword("Geheim#1");
  ini.SetText(kAccounts);
  const std::string archive = SavedToMemory(ini);
  EXPECT_EQ(archive.substr(0, 4), "PK\x03\x04");
  EXPECT_EQ(archive.find("ftp.example.org"), std::string::npos);  // encrypted

  const TZipIniFile again = LoadedFromMemory(archive, "Geheim#1");
  EXPECT_EQ(again.GetText(), kAccounts);
  EXPECT_EQ(again.ReadString("LedgerPro", "Username", ""), "müller");
}

TEST(ZipIniFile, UnzipReadsWhatWeWrite) {
  TempDir dir;
  TZipIniFile ini = WithPassword("Geheim#1");
  ini.SetText(kAccounts);
  ini.SetFileName(dir.File("QVAccounts.dat"));
  ini.SaveToFile();

  const std::string archive = dir.File("QVAccounts.dat");
  EXPECT_EQ(Output("unzip -Z1 " + archive), "SETTINGS.INI\n");
  EXPECT_NE(Output("unzip -Zv " + archive).find("deflated"), std::string::npos);
  // The entry holds the text in Windows-1252.
  EXPECT_EQ(Output("unzip -p -P Geheim#1 " + archive + " SETTINGS.INI"),
            "[LedgerPro]\r\nHost=ftp.example.org\r\nUsername=m\xFCller\r\nPort=21\r\n\r\n");
  EXPECT_EQ(ExitCode("unzip -t -P Geheim#1 " + archive), 0);
  EXPECT_NE(ExitCode("unzip -t -P falsch " + archive), 0);
}

TEST(ZipIniFile, WeReadWhatZipWrites) {
  TempDir dir;
  {
    std::FILE* out = std::fopen(dir.File("SETTINGS.INI").c_str(), "wb");
    std::fputs("[Konto]\r\nName=Gro\xDF" "bauer\r\n", out);
    std::fclose(out);
  }
  Output("cd " + dir.Path().string() + " && zip -q -9 -P 's3cret pw' accounts.zip SETTINGS.INI");

  TZipIniFile ini = WithPassword("s3cret pw");
  ini.LoadFromFile(dir.File("accounts.zip"));
  EXPECT_EQ(ini.FileName(), dir.File("accounts.zip"));
  EXPECT_EQ(ini.ReadString("Konto", "Name", ""), "Großbauer");
}

TEST(ZipIniFile, AWrongPasswordGivesAnEmptyIniWithoutError) {
  TZipIniFile writer = WithPassword("richtig");
  writer.SetText(kAccounts);
  const std::string archive = SavedToMemory(writer);
  EXPECT_TRUE(LoadedFromMemory(archive, "falsch").GetIsEmpty());
  EXPECT_EQ(LoadedFromMemory(archive, "falsch").GetText(), "");

  TempDir dir;
  writer.SetFileName(dir.File("a.dat"));
  writer.SaveToFile();
  TZipIniFile fromFile = WithPassword("falsch");
  EXPECT_NO_THROW(fromFile.LoadFromFile(dir.File("a.dat")));
  EXPECT_TRUE(fromFile.GetIsEmpty());
}

// The empty read of a wrong password must not turn into an empty file.
TEST(ZipIniFile, AnArchiveReadWithAWrongPasswordIsNotSavedOver) {
  TempDir dir;
  const std::string name = dir.File("a.dat");
  TZipIniFile writer = WithPassword("richtig");
  writer.SetText(kAccounts);
  writer.SetFileName(name);
  writer.SaveToFile();
  const std::vector<std::uint8_t> before = ReadBytes(name);

  TZipIniFile ini = WithPassword("falsch");
  ini.LoadFromFile(name);
  ini.WriteString("Konto", "Name", "neu");
  try {
    ini.SaveToFile();
    ADD_FAILURE() << "saved over the unread archive";
  } catch (const clients::EZipIniError& error) {
    EXPECT_EQ(std::string(error.what()), "Konfigurationsdatei " + name +
                                             " konnte mit dem Kennwort nicht gelesen werden und wird nicht "
                                             "überschrieben");
  }
  EXPECT_EQ(ReadBytes(name), before);

  // Another file, or the same one read with the right password, is written as before.
  ini.SetFileName(dir.File("b.dat"));
  EXPECT_NO_THROW(ini.SaveToFile());
  ini.SetPassword("richtig");
  ini.LoadFromFile(name);
  ini.WriteString("Konto", "Name", "neu");
  EXPECT_NO_THROW(ini.SaveToFile());
  const std::vector<std::uint8_t> after = ReadBytes(name);
  EXPECT_EQ(LoadedFromMemory(std::string(after.begin(), after.end()), "richtig").ReadString("Konto", "Name", ""),
            "neu");
}

TEST(ZipIniFile, DamagedOrForeignContentGivesAnEmptyIni) {
  EXPECT_TRUE(LoadedFromMemory("[Konto]\r\nName=x\r\n", "pw").GetIsEmpty());  // not an archive
  std::string archive = [] {
    TZipIniFile writer = WithPassword("pw");
    writer.SetText(kAccounts);
    return SavedToMemory(writer);
  }();
  archive.resize(archive.size() / 2);
  EXPECT_TRUE(LoadedFromMemory(archive, "pw").GetIsEmpty());
}

TEST(ZipIniFile, AFileWithoutSettingsRaisesTheNoDataError) {
  TempDir dir;
  const auto other = clients::PackZipEntry("OTHER.TXT", "x", "pw");
  ASSERT_TRUE(other);
  WriteBytes(dir.File("other.dat"), std::vector<std::uint8_t>(other->begin(), other->end()));
  const auto empty = clients::PackZipEntry("SETTINGS.INI", "", "pw");
  WriteBytes(dir.File("empty.dat"), std::vector<std::uint8_t>(empty->begin(), empty->end()));

  for (const std::string name : {"other.dat", "empty.dat"}) {
    SCOPED_TRACE(name);
    TZipIniFile ini = WithPassword("pw");
    try {
      ini.LoadFromFile(dir.File(name));
      ADD_FAILURE() << "no error";
    } catch (const clients::EZipIniError& error) {
      EXPECT_EQ(std::string(error.what()), "Konfigurationsdatei " + dir.File(name) + " enthält keine Daten");
    }
    EXPECT_TRUE(ini.GetIsEmpty());
    // The same bytes in memory are no file: no error.
    EXPECT_TRUE(LoadedFromMemory(name == "other.dat" ? *other : *empty, "pw").GetIsEmpty());
  }
}

TEST(ZipIniFile, WithoutPasswordTheStreamHoldsPlainWindows1252Text) {
  TZipIniFile ini;
  ini.SetText("[S]\nOrt=Grüßau\n");
  EXPECT_EQ(SavedToMemory(ini), "[S]\r\nOrt=Gr\xFC\xDF" "au\r\n\r\n");
  EXPECT_EQ(LoadedFromMemory("[S]\r\nOrt=Gr\xFC\xDF" "au\r\n", "").ReadString("S", "Ort", ""), "Grüßau");
}

TEST(ZipIniFile, LoadFromFileEmptiesTheIniAndSkipsAMissingFile) {
  TempDir dir;
  TZipIniFile ini = WithPassword("pw");
  ini.SetText(kAccounts);
  ini.LoadFromFile(dir.File("missing.dat"));
  EXPECT_TRUE(ini.GetIsEmpty());
  EXPECT_EQ(ini.FileName(), dir.File("missing.dat"));
}

TEST(ZipIniFile, OnlyARegularFileIsReadAndNothingWaits) {
  const OddPaths odd("QVAccounts.dat");
  for (const OddPath& path : odd.Cases()) {
    SCOPED_TRACE(path.label);
    TZipIniFile ini = WithPassword("pw");
    switch (path.kind) {
      case OddKind::Missing:
        ini.LoadFromFile(path.path);
        EXPECT_TRUE(ini.GetIsEmpty());
        break;
      case OddKind::Unreadable:
        EXPECT_THROW(ini.LoadFromFile(path.path), rights::EFileError);
        break;
      default:
        ExpectRefusal<rights::EFileError>(path, [&] { ini.LoadFromFile(path.path); });
    }
  }
}

TEST(ZipIniFile, SaveToFileReplacesTheOldFile) {
  TempDir dir;
  WriteBytes(dir.File("a.dat"), std::vector<std::uint8_t>(5000, 'x'));
  TZipIniFile ini = WithPassword("pw");
  ini.SetText(kAccounts);
  ini.SetFileName(dir.File("a.dat"));
  ini.SaveToFile();
  TZipIniFile again = WithPassword("pw");
  again.LoadFromFile(dir.File("a.dat"));
  EXPECT_EQ(again.GetText(), kAccounts);
  EXPECT_EQ(dir.Entries().size(), 1u);
}

}  // namespace
