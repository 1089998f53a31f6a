#pragma once
// The fixture FTP server (ftp_server.py) serving a folder on 127.0.0.1.
#include <string>
#include <vector>

#include "support/server_process.h"

struct FtpServerOptions {
  std::string Root;
  std::vector<std::string> Users = {"updates:geheim"};  // name:password
  bool Mlsd = true;
  int BytesPerSecond = 0;  // 0: unthrottled
  int RefuseFirst = 0;     // connections greeted with 421 and closed
};

class FtpServer {
 public:
  explicit FtpServer(const FtpServerOptions& options) {
    QStringList arguments = {"--root", QString::fromStdString(options.Root), "--lifetime", "300"};
    for (const auto& user : options.Users) arguments << "--user" << QString::fromStdString(user);
    if (!options.Mlsd) arguments << "--no-mlsd";
    if (options.BytesPerSecond > 0) arguments << "--rate" << QString::number(options.BytesPerSecond);
    if (options.RefuseFirst > 0) arguments << "--refuse-first" << QString::number(options.RefuseFirst);
    fProcess.StartFixture("ftp_server.py", arguments);
  }

  int Port() const { return fProcess.Port(); }

 private:
  ServerProcess fProcess;
};
