#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/registry_roots.h"

namespace {

using platform::Registry;
using platform::RegistryRoot;
using platform::RegistryValueKind;

const std::string kFormKey = "SOFTWARE\\Quarn & Co. GmbH\\Formulare\\TMainForm";

class RegistryTest : public ::testing::Test {
 protected:
  TempRegistryRoots fRoots;
};

TEST_F(RegistryTest, ValuesKeepKindAndSizeAcrossProcessesReadingTheFile) {
  const std::vector<std::uint8_t> position = {10, 0, 0, 0, 20, 0, 0, 0, 0x20, 3, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  {
    Registry registry(RegistryRoot::CurrentUser);
    ASSERT_TRUE(registry.OpenKey(kFormKey, true));
    EXPECT_TRUE(registry.WriteBinary("Position", position));
    EXPECT_TRUE(registry.WriteBool("Maximiert", true));
    EXPECT_TRUE(registry.WriteInteger("Monitor", -2));
    EXPECT_TRUE(registry.WriteString("Login", "Müller, \"Hof\" = 1; @x"));
    EXPECT_TRUE(registry.WriteBinary("Leer", {}));
  }
  Registry registry(RegistryRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKeyReadOnly(kFormKey));
  EXPECT_EQ(registry.ReadBinary("Position"), position);
  EXPECT_EQ(registry.ReadBinary("Position")->size(), 16u);
  EXPECT_EQ(registry.ReadBool("Maximiert"), true);
  EXPECT_EQ(registry.ReadInteger("Maximiert"), 1);
  EXPECT_EQ(registry.ReadInteger("Monitor"), -2);
  EXPECT_EQ(registry.ReadString("Login"), "Müller, \"Hof\" = 1; @x");
  EXPECT_EQ(registry.ReadBinary("Leer"), std::vector<std::uint8_t>{});

  EXPECT_EQ(registry.GetValueKind("Position"), RegistryValueKind::Binary);
  EXPECT_EQ(registry.GetValueKind("Monitor"), RegistryValueKind::Integer);
  EXPECT_EQ(registry.GetValueKind("Login"), RegistryValueKind::Text);
  EXPECT_EQ(registry.GetValueKind("Fehlt"), RegistryValueKind::None);
  // A value of another kind reads as missing.
  EXPECT_FALSE(registry.ReadInteger("Login"));
  EXPECT_FALSE(registry.ReadString("Monitor"));
  EXPECT_FALSE(registry.ReadBinary("Monitor"));
}

TEST_F(RegistryTest, KeyAndValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
  Registry registry(RegistryRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKey(kFormKey, true));
  ASSERT_TRUE(registry.WriteInteger("Monitor", 1));
  ASSERT_TRUE(registry.OpenKey("software\\QUARN & CO. GMBH\\formulare\\tmainform", true));
  EXPECT_EQ(registry.ReadInteger("MONITOR"), 1);
  ASSERT_TRUE(registry.WriteInteger("monitor", 2));
  EXPECT_EQ(registry.GetValueNames(), std::vector<std::string>{"Monitor"});
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quarn & Co. GmbH\\Formulare", false));
  EXPECT_EQ(registry.GetKeyNames(), std::vector<std::string>{"TMainForm"});
}

TEST_F(RegistryTest, KeyNamesMayHoldSlashesAndPercentSigns) {
  // Printer keys are named after the printer with "\" turned into "/".
  Registry registry(RegistryRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\QR3\\//srv01/HP 4050 100%", true));
  ASSERT_TRUE(registry.WriteBool("Duplex", true));
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\QR3", false));
  EXPECT_EQ(registry.GetKeyNames(), std::vector<std::string>{"//srv01/HP 4050 100%"});
  ASSERT_TRUE(registry.OpenKeyReadOnly("SOFTWARE\\QR3\\//srv01/HP 4050 100%"));
  EXPECT_EQ(registry.ReadBool("Duplex"), true);
}

TEST_F(RegistryTest, OpeningCreatingAndDeletingKeys) {
  Registry registry(RegistryRoot::CurrentUser);
  EXPECT_FALSE(registry.OpenKey("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update", false));
  EXPECT_FALSE(registry.OpenKeyReadOnly("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update"));
  EXPECT_FALSE(registry.HasOpenKey());

  // A created key exists even before it holds a value, and after its last value went.
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update", true));
  EXPECT_TRUE(Registry(RegistryRoot::CurrentUser).KeyExists("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update"));
  ASSERT_TRUE(registry.WriteBool("Use TempDir", true));
  EXPECT_TRUE(registry.DeleteValue("use tempdir"));
  EXPECT_FALSE(registry.DeleteValue("Use TempDir"));
  EXPECT_TRUE(registry.GetValueNames().empty());
  EXPECT_TRUE(Registry(RegistryRoot::CurrentUser).KeyExists("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update"));

  // Read-only keys refuse writes.
  ASSERT_TRUE(registry.OpenKeyReadOnly("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update"));
  EXPECT_FALSE(registry.WriteBool("Use TempDir", true));
  EXPECT_FALSE(registry.ValueExists("Use TempDir"));

  ASSERT_TRUE(registry.OpenKey(kFormKey + "\\144DPI", true));
  ASSERT_TRUE(registry.WriteInteger("Monitor", 1));
  registry.CloseKey();
  EXPECT_FALSE(registry.WriteInteger("Monitor", 1));
  EXPECT_TRUE(registry.DeleteKey("SOFTWARE\\Quarn & Co. GmbH\\Formulare"));
  EXPECT_FALSE(registry.KeyExists(kFormKey + "\\144DPI"));
  EXPECT_FALSE(registry.KeyExists("SOFTWARE\\Quarn & Co. GmbH\\Formulare"));
  EXPECT_TRUE(registry.KeyExists("SOFTWARE\\Quarn & Co. GmbH\\Internet-Update"));
}

TEST_F(RegistryTest, TheTwoRootsAreSeparateFilesBelowTheirFolders) {
  Registry user(RegistryRoot::CurrentUser);
  ASSERT_TRUE(user.OpenKey("SOFTWARE\\Quarn & Co. GmbH\\LedgerPro", true));
  ASSERT_TRUE(user.WriteBool("UsePublicDocs", true));
  EXPECT_FALSE(Registry(RegistryRoot::LocalMachine).KeyExists("SOFTWARE\\Quarn & Co. GmbH\\LedgerPro"));

  EXPECT_EQ(platform::RegistryFile(RegistryRoot::CurrentUser), fRoots.Path() / "user/Quarn/Registry.ini");
  EXPECT_EQ(platform::RegistryFile(RegistryRoot::LocalMachine), fRoots.Path() / "machine/Quarn/Registry.ini");
  EXPECT_TRUE(std::filesystem::exists(fRoots.Path() / "user/Quarn/Registry.ini"));
}

TEST(RegistryLocation, DefaultsAreTheXdgFolders) {
  platform::SetRegistryFolder(RegistryRoot::CurrentUser, {});
  platform::SetRegistryFolder(RegistryRoot::LocalMachine, {});
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string savedValue = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", "/tmp/qxr-config-home", 1);
  EXPECT_EQ(platform::RegistryFile(RegistryRoot::CurrentUser), "/tmp/qxr-config-home/Quarn/Registry.ini");
  EXPECT_EQ(platform::RegistryFile(RegistryRoot::LocalMachine), "/etc/xdg/Quarn/Registry.ini");
  if (saved) setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
  TempRegistryRoots reset;  // leaves the roots pointing away from the real folders
}

}  // namespace
