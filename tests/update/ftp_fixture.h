#pragma once
// The FTP client against the fixture FTP server.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "support/ftp_server.h"
#include "support/temp_dir.h"
#include "update/ftp_client.h"

inline std::string Text(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::string& fileName, const std::string& text) {
  std::ofstream(fileName, std::ios::binary | std::ios::trunc) << text;
}

inline std::string AllBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

// A fixture FTP server serving fServed, and a local folder fLocal.
class FtpClientTest : public ::testing::Test {
 protected:
  void StartServer(bool mlsd = true, int bytesPerSecond = 0, int refuseFirst = 0) {
    FtpServerOptions options;
    options.RefuseFirst = refuseFirst;
    options.Root = fServed.Path().string();
    options.Mlsd = mlsd;
    options.BytesPerSecond = bytesPerSecond;
    fServer = std::make_unique<FtpServer>(options);
  }
  void Login(update::TQVFtp& ftp, const std::string& password = "geheim") {
    ftp.Target.Host = "127.0.0.1";
    ftp.Target.Port = fServer->Port();
    ftp.Target.Username = "updates";
    ftp.Target.Password = password;
  }
  std::string Served(const std::string& name) const { return fServed.File(name); }

  TempDir fServed, fLocal;
  std::unique_ptr<FtpServer> fServer;
};
