// The transfer window: its figures at chosen byte counts and times, the abort
// question, refusing to close while a transfer runs, and real downloads from
// the fixture FTP server (complete, and aborted with the old file kept).
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "support/ftp_server.h"
#include "support/temp_dir.h"
#include "ui/button.h"
#include "ui/check_buttons.h"
#include "ui/message_service.h"
#include "ui/scripted_message_service.h"
#include "update/ftp_download_dlg.h"
#include "update/update_fixture.h"

using update::TfmFTPDownLoadDlg;

namespace {

QString LabelText(const QWidget& dialog, const char* name) {
  auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
  if (!label) qFatal("label %s not found", name);
  return label->text();
}

ui::TQVButton* AbortButton(const QWidget& dialog) {
  return dialog.findChild<ui::TQVButton*>(QStringLiteral("bbAbort"));
}

std::string Pattern(std::size_t size, char seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(seed + i * 13 % 251);
  return bytes;
}

void Write(const std::string& fileName, const std::string& bytes) {
  std::ofstream(fileName, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Read(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unique_ptr<update::TFtpFileListItem> Item(const std::string& name, std::int64_t size) {
  auto item = std::make_unique<update::TFtpFileListItem>();
  item->fFileName = name;
  item->FSize = size;
  return item;
}

// Runs step on the transfer window once it is shown (the download runs in its event loop).
void WhenWindowShows(std::function<void(TfmFTPDownLoadDlg&)> step) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<TfmFTPDownLoadDlg*>(widget);
      if (dialog && dialog->isVisible() && dialog->Transferring()) {
        timer->deleteLater();
        timer->stop();
        step(*dialog);
        return;
      }
    }
  });
  timer->start(5);
}

}  // namespace

class FtpDownloadDlgTest : public QObject {
  Q_OBJECT

  std::unique_ptr<UpdateSuite> suite;
  ui::ScriptedMessageService messages;
  std::unique_ptr<ui::ScopedMessageService> scope;

 private slots:
  void init() {
    suite = std::make_unique<UpdateSuite>();
    messages = {};
    scope = std::make_unique<ui::ScopedMessageService>(messages);
  }
  void cleanup() {
    scope.reset();
    suite.reset();
  }

  void textsAtKnownByteCountsAndTimes() {
    std::int64_t now = 10000;
    TfmFTPDownLoadDlg dialog;
    dialog.SetClock([&now] { return now; });
    dialog.StartProgress(4000000, 2);
    QCOMPARE(LabelText(dialog, "lFileCount"), QStringLiteral("2"));
    QCOMPARE(LabelText(dialog, "lFilesDone"), QStringLiteral("keine"));
    QCOMPARE(LabelText(dialog, "lBytesTotal"), QStringLiteral("4.000.000"));
    QCOMPARE(LabelText(dialog, "lElapsed"), QString());
    QCOMPARE(LabelText(dialog, "lRemaining"), QStringLiteral("unbekannt"));
    QCOMPARE(LabelText(dialog, "lBytesPerSecond"), QStringLiteral("unbekannt"));

    dialog.BeginFile(QDir(QDir::tempPath()).filePath(QStringLiteral("setup.exe")).toStdString(), 1000000);
    QCOMPARE(LabelText(dialog, "lName"), QStringLiteral("TEMP/setup.exe"));
    QCOMPARE(LabelText(dialog, "lSize"), QStringLiteral("1.000.000"));

    struct Step {
      std::int64_t at, count;
      const char *elapsed, *transferred, *perSecond;
    };
    const Step steps[] = {
        {10005, 1000, "00:00:00.005", "1.000", "200.000"},     // the file's first event always shows
        {10020, 2000, "00:00:00.005", "1.000", "200.000"},     // 15 ms later: not yet
        {10500, 500000, "00:00:00.500", "500.000", "1.000.000"},
        {12000, 1000000, "00:00:02", "1.000.000", "500.000"},  // whole seconds
    };
    for (const Step& step : steps) {
      now = step.at;
      dialog.Work(update::TWorkMode::wmRead, step.count);
      QCOMPARE(LabelText(dialog, "lElapsed"), QString::fromLatin1(step.elapsed));
      QCOMPARE(LabelText(dialog, "lBytesDone"), QString::fromLatin1(step.transferred));
      QCOMPARE(LabelText(dialog, "lBytesPerSecond"), QString::fromLatin1(step.perSecond));
    }
    QCOMPARE(LabelText(dialog, "lRemaining"), QStringLiteral("00:00:06"));  // 2 s × 4 MB ÷ 1 MB − 2 s
  }

  void abortQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("aborted");
    QTest::addColumn<QString>("button");
    QTest::newRow("no") << int(ui::mrNo) << false << QStringLiteral("&Übertragung abbrechen");
    QTest::newRow("yes") << int(ui::mrYes) << true << QStringLiteral("&Schließen");
  }
  void abortQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, aborted);
    QFETCH(QString, button);
    TfmFTPDownLoadDlg dialog;
    messages.Answer(static_cast<ui::TModalResult>(answer));
    AbortButton(dialog)->click();
    QCOMPARE(messages.Requests().size(), std::size_t(1));
    const ui::TMessageRequest& question = messages.Requests().front();
    QCOMPARE(question.text, QStringLiteral("Möchten Sie die Dateiübertragung abbrechen?"));
    QCOMPARE(question.type, ui::mtConfirmation);
    QCOMPARE(question.defaultButton, ui::mbNo);
    QVERIFY(question.buttons == (ui::TMsgDlgButtons{ui::mbYes, ui::mbNo}));
    QCOMPARE(dialog.Aborted(), aborted);
    QCOMPARE(AbortButton(dialog)->text(), button);
  }

  // Two files arrive; meanwhile neither Escape, close nor reject ends the window.
  void downloadsTwoFilesAndRefusesToCloseMeanwhile() {
    TempDir served, local;
    Write(served.File("eins.bin"), Pattern(300000, 1));
    Write(served.File("zwei.bin"), Pattern(200000, 2));
    FtpServerOptions options;
    options.Root = served.Path().string();
    options.BytesPerSecond = 1 << 20;
    FtpServer server(options);
    update::TQVFtp ftp;
    Login(ftp, server.Port());
    update::TQVFtpFileList list;
    list.push_back(Item("eins.bin", 300000));
    list.push_back(Item("zwei.bin", 200000));

    bool stayedOpen = false;
    WhenWindowShows([&stayedOpen](TfmFTPDownLoadDlg& dialog) {
      QTest::keyClick(&dialog, Qt::Key_Escape);  // answered No by default
      dialog.close();
      dialog.reject();
      stayedOpen = dialog.isVisible() && dialog.Transferring() && !dialog.Aborted();
    });
    bool aborted = true;
    QVERIFY(update::DownloadFtpFiles(ftp, list, aborted, local.Path().string()));
    QVERIFY(!aborted);
    QVERIFY(stayedOpen);
    QCOMPARE(Read(local.File("eins.bin")), Pattern(300000, 1));
    QCOMPARE(Read(local.File("zwei.bin")), Pattern(200000, 2));
  }

  // Yes to the question stops the transfer: no ".part" file, the old file as it was.
  void abortKeepsTheOldFile() {
    TempDir served, local;
    Write(served.File("gross.bin"), Pattern(4 << 20, 3));
    Write(local.File("gross.bin"), "alt");
    FtpServerOptions options;
    options.Root = served.Path().string();
    options.BytesPerSecond = 1 << 20;
    FtpServer server(options);
    update::TQVFtp ftp;
    Login(ftp, server.Port());
    update::TQVFtpFileList list;
    list.push_back(Item("gross.bin", 4 << 20));

    messages.Answer(ui::mrYes);
    WhenWindowShows([](TfmFTPDownLoadDlg& dialog) { AbortButton(dialog)->click(); });
    bool aborted = false;
    QVERIFY(!update::DownloadFtpFiles(ftp, list, aborted, local.Path().string()));
    QVERIFY(aborted);
    QCOMPARE(Read(local.File("gross.bin")), std::string("alt"));
    QVERIFY(!std::filesystem::exists(local.File("gross.bin.part")));
  }

  // A missing file: its error is shown, the old local file stays, the next file
  // still arrives, and the window waits for the user.
  void errorKeepsTheOldFileAndTheWindowOpen() {
    TempDir served, local;
    Write(served.File("zwei.bin"), Pattern(1000, 2));
    Write(local.File("fehlt.bin"), "alt");
    FtpServerOptions options;
    options.Root = served.Path().string();
    FtpServer server(options);
    update::TQVFtp ftp;
    Login(ftp, server.Port());
    update::TQVFtpFileList list;
    list.push_back(Item("fehlt.bin", 500));
    list.push_back(Item("zwei.bin", 1000));

    QString status;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &status] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<TfmFTPDownLoadDlg*>(widget);
        if (!dialog || !dialog->isVisible() || AbortButton(*dialog)->text() != QStringLiteral("&Schließen")) continue;
        timer->deleteLater();
        timer->stop();
        status = LabelText(*dialog, "lStatus");
        AbortButton(*dialog)->click();
      }
    });
    timer->start(5);
    bool aborted = true;
    QVERIFY(!update::DownloadFtpFiles(ftp, list, aborted, local.Path().string()));
    QVERIFY(!aborted);
    QCOMPARE(status, QStringLiteral("Übertragung zwei.bin abgeschlossen"));
    QCOMPARE(messages.Requests().size(), std::size_t(1));
    QVERIFY(messages.Requests().front().text.startsWith(QStringLiteral("Fehler bei Übertragung von fehlt.bin FTP Fehler")));
    QCOMPARE(Read(local.File("fehlt.bin")), std::string("alt"));
    QVERIFY(!std::filesystem::exists(local.File("fehlt.bin.part")));
    QCOMPARE(Read(local.File("zwei.bin")), Pattern(1000, 2));
  }

 private:
  static void Login(update::TQVFtp& ftp, int port) {
    ftp.Target.Host = "127.0.0.1";
    ftp.Target.Port = port;
    ftp.Target.Username = "updates";
    ftp.Target.Password = "geheim";
    ftp.ConnectOnce();
  }
};

QTEST_MAIN(FtpDownloadDlgTest)
#include "ftp_download_dlg_test.moc"
