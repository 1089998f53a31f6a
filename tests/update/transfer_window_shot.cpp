// Grabs the transfer window during a real, throttled download from the fixture
// FTP server: transfer_window_shot OUTDIR. Works in a temporary suite.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <fstream>
#include <memory>

#include "support/ftp_server.h"
#include "support/temp_dir.h"
#include "update/ftp_download_dlg.h"
#include "update/update_fixture.h"

namespace {

constexpr int kGrabAfterMs = 1300;

void WriteFile(const std::string& fileName, std::size_t size) {
  std::ofstream(fileName, std::ios::binary | std::ios::trunc) << std::string(size, 'x');
}

std::unique_ptr<update::TFtpFileListItem> Item(const std::string& name, std::int64_t size) {
  auto item = std::make_unique<update::TFtpFileListItem>();
  item->fFileName = name;
  item->FSize = size;
  return item;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const QString file = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("datei-uebertragen.png"));
  UpdateSuite suite;
  TempDir served, local;
  WriteFile(served.File("LIESMICH.TXT"), 48213);
  WriteFile(served.File("Setup_Buchhaltung.exe"), 3 << 20);
  FtpServerOptions options;
  options.Root = served.Path().string();
  options.BytesPerSecond = 1 << 20;
  FtpServer server(options);

  update::TQVFtp ftp;
  ftp.Target.Host = "127.0.0.1";
  ftp.Target.Port = server.Port();
  ftp.Target.Username = "updates";
  ftp.Target.Password = "geheim";
  ftp.ConnectOnce();  // the suite's saved settings would name another host
  update::TQVFtpFileList list;
  list.push_back(Item("LIESMICH.TXT", 48213));
  list.push_back(Item("Setup_Buchhaltung.exe", 3 << 20));

  bool saved = false;
  QTimer::singleShot(kGrabAfterMs, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<update::TfmFTPDownLoadDlg*>(widget); dialog && dialog->isVisible())
        saved = dialog->grab().save(file);
  });
  bool aborted = false;
  const bool ok = update::DownloadFtpFiles(ftp, list, aborted, local.Path().string());
  return ok && saved ? 0 : 1;
}
