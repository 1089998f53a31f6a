#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "update/ftp_fixture.h"

using update::EFtpError;
using update::TFtpItemType;
using update::TQVFtp;

namespace {

TEST_F(FtpClientTest, WrongPasswordIsRefusedWith530AndReported) {
  StartServer();
  TQVFtp ftp;
  Login(ftp, "falsch");
  std::vector<std::string> statusTexts;
  ftp.OnStatus = [&](update::TFtpStatus status, const std::string& text) {
    if (status == update::TFtpStatus::ftpAborted) statusTexts.push_back(text);
  };
  try {
    ftp.ConnectOnce();
    FAIL() << "connected with a wrong password";
  } catch (const EFtpError& error) {
    EXPECT_TRUE(error.LoginRefused()) << error.what();
    EXPECT_FALSE(error.NetworkError());
    EXPECT_EQ(std::string(error.what()).substr(0, 3), "530");
    EXPECT_EQ(statusTexts, std::vector<std::string>{error.what()});
  }
  EXPECT_FALSE(ftp.Connected());
}

TEST_F(FtpClientTest, ClosedPortIsANetworkError) {
  StartServer();
  const int port = fServer->Port();
  fServer.reset();
  TQVFtp ftp;
  ftp.Target.Host = "127.0.0.1";
  ftp.Target.Port = port;
  try {
    ftp.ConnectOnce();
    FAIL() << "connected to a stopped server";
  } catch (const EFtpError& error) {
    EXPECT_TRUE(error.NetworkError()) << error.what();
    EXPECT_FALSE(error.LoginRefused());
  }
}

// The same listing whether the server offers MLSD or only LIST.
class FtpListingTest : public FtpClientTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FtpListingTest, ListsSizesKindsAndTimes) {
  const bool mlsd = GetParam();
  WriteText(Served("Update.RTF"), "12345");
  std::filesystem::create_directory(fServed.Path() / "Alt Versionen");
  // A time in the past hour: LIST then shows hours and minutes.
  const std::filesystem::file_time_type when = std::chrono::floor<std::chrono::minutes>(std::filesystem::file_time_type::clock::now()) -
                    std::chrono::minutes(61);
  std::filesystem::last_write_time(Served("Update.RTF"), when);
  StartServer(mlsd);
  TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  EXPECT_EQ(ftp.UsesMlsd(), mlsd);
  ftp.List();
  const auto& list = ftp.DirectoryListing();
  ASSERT_EQ(list.size(), 2u);
  const auto* file = update::FindFtpItem(list, "update.rtf");
  const auto* folder = update::FindFtpItem(list, "Alt Versionen");
  ASSERT_TRUE(file && folder);
  EXPECT_EQ(file->FSize, 5);
  EXPECT_EQ(file->FItemType, TFtpItemType::ditFile);
  EXPECT_EQ(folder->FItemType, TFtpItemType::ditDirectory);

  std::string name = "UPDATE.rtf";
  const rights::TDateTime modified = ftp.GetFileDateTime(name);
  EXPECT_EQ(name, "Update.RTF");
  const auto expected = rights::DateTimeFromSystemTime(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::filesystem::file_time_type::clock::to_sys(when)));
  EXPECT_NEAR(modified, expected, 1.0 / 24 / 60 / 2);  // within half a minute
  std::string missing = "fehlt.exe";
  EXPECT_EQ(ftp.GetFileDateTime(missing), 0);
}

INSTANTIATE_TEST_SUITE_P(MlsdOrList, FtpListingTest, ::testing::Bool());

TEST_F(FtpClientTest, ChangedToDirEntersAndCreatesStepByStep) {
  WriteText(Served("datei"), "x");
  StartServer();
  TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  EXPECT_FALSE(ftp.ChangedToDir("/Updates/neu", false, false));
  EXPECT_THROW(ftp.ChangedToDir("/Updates/neu", false, true), EFtpError);

  ASSERT_TRUE(ftp.ChangedToDir("/Updates\\neu/tiefer", true, true));
  EXPECT_TRUE(std::filesystem::is_directory(fServed.Path() / "Updates" / "neu" / "tiefer"));
  EXPECT_EQ(ftp.CurrentDir(), "/Updates/neu/tiefer");
  ftp.ChangeDirUp();
  EXPECT_EQ(ftp.CurrentDir(), "/Updates/neu");
  EXPECT_TRUE(ftp.DirExists("tiefer"));
  EXPECT_FALSE(ftp.DirExists("nichts"));
  EXPECT_EQ(ftp.CurrentDir(), "/Updates/neu");

  try {
    ftp.ChangedToDir("/datei/unter", true, true);
    FAIL() << "created a folder below a file";
  } catch (const EFtpError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Verzeichnis \"datei\" konnte nicht angelegt werden!\r", 0), 0u)
        << error.what();
  }
}

class FtpTransferTest : public FtpClientTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FtpTransferTest, PutAndGetKeepEveryByteAndLeaveNoPartFile) {
  const bool passive = GetParam();
  const std::string bytes = AllBytes(300000);
  WriteText(fLocal.File("quelle.bin"), bytes);
  WriteText(fLocal.File("ziel.bin"), "alte Fassung");
  WriteText(Served("ziel.bin"), "alte Fassung auf dem Server");
  StartServer();
  TQVFtp ftp;
  Login(ftp);
  ftp.Target.Passive = passive;
  ftp.ConnectOnce();
  std::int64_t lastWork = 0;
  ftp.OnWork = [&](update::TWorkMode, std::int64_t count) { lastWork = count; };

  ASSERT_TRUE(ftp.PutFile(fLocal.File("quelle.bin"), "ziel.bin", false, 0));
  EXPECT_EQ(Text(Served("ziel.bin")), bytes);
  EXPECT_FALSE(std::filesystem::exists(Served("ziel.bin.part")));
  EXPECT_EQ(lastWork, static_cast<std::int64_t>(bytes.size()));

  ASSERT_TRUE(ftp.GetFile("ziel.bin", fLocal.File("ziel.bin"), true, false));
  EXPECT_EQ(Text(fLocal.File("ziel.bin")), bytes);
  EXPECT_FALSE(std::filesystem::exists(fLocal.File("ziel.bin.part")));
}

INSTANTIATE_TEST_SUITE_P(PassiveOrActive, FtpTransferTest, ::testing::Bool());

TEST_F(FtpClientTest, GetRefusesToOverwriteUnlessAllowed) {
  WriteText(Served("a.txt"), "neu");
  WriteText(fLocal.File("a.txt"), "alt");
  StartServer();
  TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  EXPECT_THROW(ftp.GetFile("a.txt", fLocal.File("a.txt"), false, false), EFtpError);
  EXPECT_EQ(Text(fLocal.File("a.txt")), "alt");
  EXPECT_THROW(ftp.GetFile("fehlt.txt", fLocal.File("a.txt"), true, false), EFtpError);
  EXPECT_EQ(Text(fLocal.File("a.txt")), "alt");
  EXPECT_FALSE(std::filesystem::exists(fLocal.File("a.txt.part")));
}

TEST_F(FtpClientTest, ResumeContinuesPartFilesBothWays) {
  const std::string bytes = AllBytes(100000);
  WriteText(Served("runter.bin"), bytes);
  WriteText(fLocal.File("runter.bin.part"), bytes.substr(0, 40000));
  WriteText(fLocal.File("hoch.bin"), bytes);
  WriteText(Served("hoch.bin.part"), bytes.substr(0, 30000));
  StartServer();
  TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();

  ASSERT_TRUE(ftp.GetFile("runter.bin", fLocal.File("runter.bin"), true, true));
  EXPECT_EQ(Text(fLocal.File("runter.bin")), bytes);

  ASSERT_TRUE(ftp.PutFile(fLocal.File("hoch.bin"), "hoch.bin", true, 30000));
  EXPECT_EQ(Text(Served("hoch.bin")), bytes);
}

// An abort from another thread in the middle of a large transfer.
TEST_F(FtpClientTest, AbortMidTransferKeepsTheOldFilesAndNoPartFile) {
  const std::size_t size = 50u << 20;
  {
    std::ofstream big(Served("gross.bin"), std::ios::binary);
    big.seekp(static_cast<std::streamoff>(size - 1));
    big.put('x');
  }
  std::filesystem::copy_file(Served("gross.bin"), fLocal.File("hoch.bin"));
  WriteText(fLocal.File("gross.bin"), "altes Installationsprogramm");
  WriteText(Served("hoch.bin"), "alte Datei auf dem Server");
  StartServer(true, 4 << 20);
  TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  std::atomic<std::int64_t> progress{0};
  ftp.OnWork = [&](update::TWorkMode, std::int64_t count) { progress = count; };

  for (const bool upload : {false, true}) {
    progress = 0;
    std::thread canceller([&] {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (progress < (1 << 20) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      ftp.Abort();
    });
    const bool completed = upload ? ftp.PutFile(fLocal.File("hoch.bin"), "hoch.bin", false, 0)
                                  : ftp.GetFile("gross.bin", fLocal.File("gross.bin"), true, false);
    canceller.join();
    EXPECT_FALSE(completed) << (upload ? "upload" : "download");
    EXPECT_GE(progress.load(), 1 << 20);
    EXPECT_LT(progress.load(), static_cast<std::int64_t>(size));
  }
  EXPECT_EQ(Text(fLocal.File("gross.bin")), "altes Installationsprogramm");
  EXPECT_FALSE(std::filesystem::exists(fLocal.File("gross.bin.part")));
  EXPECT_EQ(Text(Served("hoch.bin")), "alte Datei auf dem Server");
  // The server may still be closing the aborted upload's file.
  for (int i = 0; i < 100 && std::filesystem::exists(Served("hoch.bin.part")); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(std::filesystem::exists(Served("hoch.bin.part")));

  // The client works on after an abort.
  ftp.List();
  EXPECT_NE(update::FindFtpItem(ftp.DirectoryListing(), "gross.bin"), nullptr);
}

}  // namespace
