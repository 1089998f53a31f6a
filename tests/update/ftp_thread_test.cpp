// Transfers on the worker thread: events handled in the caller's thread while
// it keeps handling its own events, aborts from there, errors raised again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "update/ftp_fixture.h"
#include "update/ftp_thread.h"
#include "update/update_fixture.h"

namespace {

class FtpThreadTest : public FtpClientTest {
 protected:
  int fArgc = 1;
  char fName[16] = "ftp_thread_test";
  char* fArgv[1] = {fName};
  QCoreApplication fApplication{fArgc, fArgv};
};

TEST_F(FtpThreadTest, EventsReachTheCallersThreadWhileItKeepsHandlingEvents) {
  WriteText(Served("update.bin"), AllBytes(200000));
  StartServer();
  update::TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  int eventsElsewhere = 0, workEvents = 0;
  std::int64_t lastCount = 0;
  const QThread* caller = QThread::currentThread();
  ftp.OnWork = [&](update::TWorkMode, std::int64_t count) {
    ++workEvents;
    lastCount = count;
    if (QThread::currentThread() != caller) ++eventsElsewhere;
  };
  ftp.OnStatus = [&](update::TFtpStatus, const std::string&) {
    if (QThread::currentThread() != caller) ++eventsElsewhere;
  };
  bool timerFired = false;
  QTimer::singleShot(0, [&] { timerFired = true; });

  update::TFtpThread thread(&ftp, update::TQVFTPAccount::facNone, "");
  ASSERT_TRUE(thread.Get("update.bin", fLocal.File("update.bin"), true, false));
  EXPECT_EQ(thread.State(), update::TFtpThread::TThreadFunction::tfFinished);
  EXPECT_EQ(Text(fLocal.File("update.bin")), AllBytes(200000));
  EXPECT_GT(workEvents, 0);
  EXPECT_EQ(lastCount, 200000);
  EXPECT_EQ(eventsElsewhere, 0);
  EXPECT_TRUE(timerFired);
  // The client's own handlers are back.
  workEvents = 0;
  ftp.OnWork(update::TWorkMode::wmRead, 1);
  EXPECT_EQ(workEvents, 1);
}

TEST_F(FtpThreadTest, AbortFromTheCallerKeepsTheOldFile) {
  {
    std::ofstream big(Served("gross.bin"), std::ios::binary);
    big.seekp((8 << 20) - 1);
    big.put('x');
  }
  WriteText(fLocal.File("gross.bin"), "alt");
  StartServer(true, 2 << 20);
  update::TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  update::TFtpThread thread(&ftp, update::TQVFTPAccount::facNone, "");
  ftp.OnWork = [&](update::TWorkMode, std::int64_t count) {
    if (count > (512 << 10)) thread.SetAbort(true);
  };
  EXPECT_FALSE(thread.Get("gross.bin", fLocal.File("gross.bin"), true, false));
  EXPECT_EQ(Text(fLocal.File("gross.bin")), "alt");
  EXPECT_FALSE(std::filesystem::exists(fLocal.File("gross.bin.part")));
}

TEST_F(FtpThreadTest, ErrorsAreRaisedAgainInTheCallerWithTheirPrefix) {
  WriteText(fLocal.File("quelle.bin"), "x");
  StartServer();
  update::TQVFtp ftp;
  Login(ftp);
  ftp.ConnectOnce();
  update::TFtpThread thread(&ftp, update::TQVFTPAccount::facNone, "");
  const struct {
    std::function<void()> Work;
    std::string Prefix;
  } cases[] = {
      {[&] { thread.Get("fehlt.bin", fLocal.File("fehlt.bin"), true, false); },
       "FTP Fehler beim Herunterladen von \"fehlt.bin\"\r5"},
      {[&] { thread.Put(fLocal.File("quelle.bin"), "nicht/da.bin", false, 0); },
       "FTP Fehler beim Hochladen von \"nicht/da.bin\"\r5"},
  };
  for (const auto& item : cases) {
    try {
      item.Work();
      FAIL() << item.Prefix;
    } catch (const update::EFtpError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, item.Prefix.size()), item.Prefix) << error.what();
    }
    EXPECT_EQ(thread.State(), update::TFtpThread::TThreadFunction::tfError);
  }
}

// Without a client the thread connects with the account, creates its start
// folder and closes its connection again.
TEST_F(FtpThreadTest, OwnClientConnectsWithTheAccount) {
  StartServer();
  UpdateSuite suite;
  suite.UseUpdateIni("[Update]\r\nHost=127.0.0.1\r\n[Updates]\r\nHost=127.0.0.1\r\nPort=" +
                     std::to_string(fServer->Port()) + "\r\nUsername=updates\r\nPassword=geheim\r\n");
  WriteText(fLocal.File("neu.txt"), "Inhalt");
  update::TFtpThread thread(nullptr, update::TQVFTPAccount::facUpdates, "");
  thread.FStartDir = "/Updates/neu";
  ASSERT_TRUE(thread.Put(fLocal.File("neu.txt"), "neu.txt", false, 0));
  EXPECT_EQ(Text(Served("Updates/neu/neu.txt")), "Inhalt");
  EXPECT_FALSE(thread.Ftp().Connected());
}

}  // namespace
