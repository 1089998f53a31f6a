#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"
#include "update/crypted_password.h"
#include "update/update_endpoints.h"

namespace {

using update::TQVFTPAccount;

TEST(UpdateEndpoints, ReadsHostServicesAndAccounts) {
  TempDir dir;
  const std::string fileName = dir.File("update.ini");
  std::ofstream(fileName, std::ios::binary)
      << "[Update]\r\nHost=ftp.example.test\r\nAccountsFileURL=https://www.example.test/Updates/QVAccounts.dat\r\n"
      << "AccountsFilePasswordCrypted=" << update::EncryptPassword("zip-geheim") << "\r\n"
      << "AccountServiceURL=https://www.example.test/qvAccounts.php\r\n"
      << "[Updates]\r\nHost=ftp1.example.test\r\nUsername=upd\r\nPasswordCrypted="
      << update::EncryptPassword("upd-geheim") << "\r\nPassword=ignored\r\nStartDir=/Updates\r\n"
      << "[Elster]\r\nHost=ftp2.example.test\r\nPort=2121\r\nUsername=el\r\nPassword=el-klar\r\n";

  const update::TUpdateEndpoints endpoints = update::LoadUpdateEndpoints(fileName);
  EXPECT_TRUE(endpoints.Configured);
  EXPECT_EQ(endpoints.DefaultUpdateHost, "ftp.example.test");
  EXPECT_EQ(endpoints.AccountsFileURL, "https://www.example.test/Updates/QVAccounts.dat");
  EXPECT_EQ(endpoints.AccountsFilePassword, "zip-geheim");
  EXPECT_EQ(endpoints.AccountServiceURL, "https://www.example.test/qvAccounts.php");

  const update::TFixedAccount& updates = endpoints.Account(TQVFTPAccount::facUpdates);
  EXPECT_EQ(updates.Host, "ftp1.example.test");
  EXPECT_EQ(updates.Port, 21);
  EXPECT_EQ(updates.Username, "upd");
  EXPECT_EQ(updates.Password, "upd-geheim");  // the scrambled value wins over a plain one
  EXPECT_EQ(updates.StartDir, "/Updates");

  const update::TFixedAccount& elster = endpoints.Account(TQVFTPAccount::facELSTER);
  EXPECT_EQ(elster.Port, 2121);
  EXPECT_EQ(elster.Password, "el-klar");  // plain, as no scrambled value exists
  EXPECT_EQ(endpoints.Account(TQVFTPAccount::facDBUpload).Host, "");
}

TEST(UpdateEndpoints, WithoutFileNothingIsSetUp) {
  TempDir dir;
  const update::TUpdateEndpoints endpoints = update::LoadUpdateEndpoints(dir.File("update.ini"));
  EXPECT_FALSE(endpoints.Configured);
  EXPECT_EQ(endpoints.DefaultUpdateHost, "");
  EXPECT_EQ(endpoints.Account(TQVFTPAccount::facUpdates).Host, "");
}

TEST(UpdateEndpoints, ServiceNamesOfTheFixedAccounts) {
  EXPECT_EQ(update::AccountServiceName(TQVFTPAccount::facNone), "");
  EXPECT_EQ(update::AccountServiceName(TQVFTPAccount::facUpdates), "Updates");
  EXPECT_EQ(update::AccountServiceName(TQVFTPAccount::facDBUpload), "DBUpload");
  EXPECT_EQ(update::AccountServiceName(TQVFTPAccount::facDBDownLoad), "DBDownload");
  EXPECT_EQ(update::AccountServiceName(TQVFTPAccount::facKDUpload), "KDUpload");
  EXPECT_EQ(update::AccountServiceName(TQVFTPAccount::facELSTER), "Elster");
}

}  // namespace
