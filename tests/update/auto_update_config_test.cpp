#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "support/temp_dir.h"
#include "update/auto_update_config.h"
#include "update/service_mode.h"
#include "update/update_fixture.h"
#include "update/use_temp_dir.h"

namespace {

using update::TAutoUpdateValues;

class AutoUpdateConfig : public ::testing::Test {
 protected:
  static std::string FileName() { return update::AutoUpdateConfigFileName("KW"); }
  static std::string Content() {
    const auto bytes = ReadBytes(FileName());
    return {bytes.begin(), bytes.end()};
  }
  static void WriteContent(const std::string& text) {
    std::ofstream(FileName(), std::ios::binary | std::ios::trunc) << text;
  }
  static TAutoUpdateValues Read(bool* result = nullptr) {
    TAutoUpdateValues values;
    const bool ok = update::ReadWriteAutoUpdateConfig("KW", true, values);
    if (result) *result = ok;
    return values;
  }
  static bool Write(int days, bool manual, bool asAdmin, bool useTemp, rights::TDateTime lastCheck = 0) {
    TAutoUpdateValues values{days, useTemp, asAdmin, manual, lastCheck};
    return update::ReadWriteAutoUpdateConfig("KW", false, values);
  }
  // Ages the file so that a write shows in its time.
  static std::filesystem::file_time_type AgeFile() {
    const auto aged = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(FileName(), aged);
    return std::filesystem::last_write_time(FileName());
  }

  UpdateSuite suite;
};

TEST_F(AutoUpdateConfig, MissingFileMeansManualWithElevation) {
  update::UseTempDirSetting(false, true);
  bool result = true;
  const TAutoUpdateValues values = Read(&result);
  EXPECT_FALSE(result);
  EXPECT_EQ(values.Days, 0);
  EXPECT_TRUE(values.Manual);
  EXPECT_TRUE(values.AsAdmin);
  EXPECT_FALSE(values.UseTemp);
  EXPECT_EQ(values.LastCheck, 0);
  EXPECT_EQ(FileName(), clients::SettingsDir() + "KWAUTOUPD.CFG");
}

TEST_F(AutoUpdateConfig, WritesTheChosenValuesAndTheRegistryValue) {
  ASSERT_TRUE(Write(14, false, false, true));
  EXPECT_EQ(Content(), "Manuell=N\r\nTage=14\r\nals Admin=N\r\n");
  EXPECT_TRUE(update::UseTempDirSetting(true));
  const TAutoUpdateValues values = Read();
  EXPECT_EQ(values.Days, 14);
  EXPECT_FALSE(values.Manual);
  EXPECT_FALSE(values.AsAdmin);
  EXPECT_TRUE(values.UseTemp);
}

TEST_F(AutoUpdateConfig, UnchangedValuesAreNotWritten) {
  ASSERT_TRUE(Write(7, false, true, false));
  const auto aged = AgeFile();
  EXPECT_TRUE(Write(7, false, true, false));
  EXPECT_EQ(std::filesystem::last_write_time(FileName()), aged);
}

TEST_F(AutoUpdateConfig, LastCheckIsStoredOnlyWhenLater) {
  WriteContent("Tage=3\r\nLetzte Pr\xFC" "fung=05.03.2024 10:20:30\r\nManuell=N\r\n");
  const TAutoUpdateValues stored = Read();
  EXPECT_EQ(update::FormatCheckTime(stored.LastCheck), "05.03.2024 10:20:30");

  EXPECT_TRUE(Write(0, true, true, false, stored.LastCheck - 1));
  EXPECT_EQ(Read().LastCheck, stored.LastCheck);

  EXPECT_TRUE(Write(0, true, true, false, stored.LastCheck + 1.5));
  EXPECT_EQ(update::FormatCheckTime(Read().LastCheck), "06.03.2024 22:20:30");
  // The other lines stay; the name keeps its Windows-1252 spelling.
  EXPECT_EQ(Content(), "Tage=3\r\nLetzte Pr\xFC" "fung=06.03.2024 22:20:30\r\nManuell=N\r\n");
  EXPECT_EQ(Read().Days, 3);
}

TEST_F(AutoUpdateConfig, StoredTextsAreReadLeniently) {
  struct Case {
    const char* content;
    int days;
    bool manual;
    bool asAdmin;
  };
  const Case cases[] = {
      {"Tage=abc\r\nManuell=n\r\nals Admin=J\r\n", 0, true, true},
      {"tage=30\nMANUELL=N\nals admin=N\n", 30, false, false},
      {"Tage=-5\r\nManuell=\r\n", 0, true, true},
      {"", 0, true, true},
  };
  for (const Case& c : cases) {
    WriteContent(c.content);
    const TAutoUpdateValues values = Read();
    EXPECT_EQ(values.Days, c.days) << c.content;
    EXPECT_EQ(values.Manual, c.manual) << c.content;
    EXPECT_EQ(values.AsAdmin, c.asAdmin) << c.content;
  }
}

TEST_F(AutoUpdateConfig, CheckTimeTexts) {
  EXPECT_EQ(update::FormatCheckTime(0), "");
  EXPECT_EQ(update::ParseCheckTime(""), 0);
  EXPECT_EQ(update::ParseCheckTime("gestern"), 0);
  EXPECT_EQ(update::ParseCheckTime("31.02.2024 10:00:00"), 0);
  EXPECT_EQ(update::FormatCheckTime(update::ParseCheckTime("1.2.2025 8:05")), "01.02.2025 08:05:00");
  EXPECT_EQ(update::FormatCheckTime(update::ParseCheckTime("01.02.2025")), "01.02.2025 00:00:00");
}

TEST_F(AutoUpdateConfig, FileHeldByAnotherProgramIsReadAsEmptyWithoutHanging) {
  WriteContent("Tage=9\r\nManuell=N\r\nals Admin=N\r\n");
  const int held = open(FileName().c_str(), O_RDWR);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  const auto start = std::chrono::steady_clock::now();
  bool result = false;
  const TAutoUpdateValues values = Read(&result);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(result);
  EXPECT_EQ(values.Days, 0);
  EXPECT_TRUE(values.Manual);
  EXPECT_GE(waited, std::chrono::milliseconds(49 * 50));
  EXPECT_LT(waited, std::chrono::milliseconds(50 * 50 + 1500));

  EXPECT_FALSE(Write(20, false, true, false));
  close(held);
  EXPECT_EQ(Content(), "Tage=9\r\nManuell=N\r\nals Admin=N\r\n");
  EXPECT_EQ(Read().Days, 9);
}

TEST_F(AutoUpdateConfig, UncreatableFileIsReported) {
  std::string reported;
  update::SetUpdateErrorHandler([&reported](const std::string& message) { reported = message; });
  std::filesystem::remove_all(clients::SettingsDir());
  EXPECT_FALSE(Write(5, false, true, false));
  update::SetUpdateErrorHandler({});
  EXPECT_EQ(reported.rfind("Internet-Update-Konfigurationsdatei " + FileName() + " konnte nicht angelegt werden!\r", 0),
            0u)
      << reported;
}

TEST(UseTempDir, RegistryValue) {
  TempRegistryRoots roots;
  EXPECT_FALSE(update::UseTempDirSetting(true));
  EXPECT_TRUE(update::UseTempDirSetting(false, true));
  EXPECT_TRUE(update::UseTempDirSetting(true));
  EXPECT_FALSE(update::UseTempDirSetting(false, false));
  EXPECT_FALSE(update::UseTempDirSetting(true));
  platform::Registry registry(platform::RegistryRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKeyReadOnly("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update"));
  EXPECT_EQ(registry.GetValueKind("Use TempDir"), platform::RegistryValueKind::Integer);
}

TEST(ServiceMode, SwitchInAnyLetterCase) {
  EXPECT_TRUE(update::HasServiceSwitch({"/DATADIR=x", "/service"}));
  EXPECT_TRUE(update::HasServiceSwitch({"/SERVICE"}));
  EXPECT_TRUE(update::HasServiceSwitch({"/Service"}));
  EXPECT_FALSE(update::HasServiceSwitch({"SERVICE", "/SERVICEX", "-service"}));
  EXPECT_FALSE(update::HasServiceSwitch({}));
}

}  // namespace
