#pragma once
// The fixture FTP server (ftp_server.py) as a child process on 127.0.0.1 with
// a port of its own choosing; stopped when the object goes.
#include <QProcess>
#include <QStringList>

#include <stdexcept>
#include <string>
#include <vector>

#ifndef QXR_TEST_SUPPORT_DIR
#error "QXR_TEST_SUPPORT_DIR names tests/support"
#endif

struct FtpServerOptions {
  std::string Root;
  std::vector<std::string> Users = {"updates:geheim"};  // name:password
  bool Mlsd = true;
  int BytesPerSecond = 0;  // 0: unthrottled
};

class FtpServer {
 public:
  explicit FtpServer(const FtpServerOptions& options) {
    QStringList arguments = {QStringLiteral(QXR_TEST_SUPPORT_DIR "/ftp_server.py"), "--root",
                             QString::fromStdString(options.Root), "--lifetime", "300"};
    for (const auto& user : options.Users) arguments << "--user" << QString::fromStdString(user);
    if (!options.Mlsd) arguments << "--no-mlsd";
    if (options.BytesPerSecond > 0) arguments << "--rate" << QString::number(options.BytesPerSecond);
    fProcess.setStandardErrorFile(QProcess::nullDevice());
    // Debian's interpreter: it has the server package.
    fProcess.start("/usr/bin/python3", arguments);
    QByteArray line;
    while (!line.endsWith('\n') && fProcess.waitForReadyRead(10000)) line += fProcess.readLine();
    if (!line.startsWith("PORT ")) throw std::runtime_error("the fixture FTP server did not start");
    fPort = line.mid(5).trimmed().toInt();
  }
  ~FtpServer() {
    fProcess.closeWriteChannel();
    if (!fProcess.waitForFinished(3000)) {
      fProcess.kill();
      fProcess.waitForFinished(3000);
    }
  }
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  int Port() const { return fPort; }

 private:
  QProcess fProcess;
  int fPort = 0;
};
