#pragma once
// One libcurl easy handle for one FTP connection. Each request resets the
// handle's options but keeps its connection, so the login is done once and
// reused by the following commands. Failures are raised as EFtpError.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "update/ftp_error.h"
#include "update/ftp_settings.h"

namespace update {

// Where and how to connect; the FTP path of a request comes with the request.
struct TCurlFtpTarget {
  std::string Host;
  std::int32_t Port = 21;
  std::string Username;
  std::string Password;
  bool Passive = true;
  std::int32_t ReadTimeoutMs = 6000;
  TSocksType Socks = TSocksType::stNoSocks;
  std::string SocksHost;
  std::int32_t SocksPort = 0;
  bool SocksAuthentication = false;
  std::string SocksUsername;
  std::string SocksPassword;
};

struct TCurlFtpRequest {
  std::vector<std::string> Path;  // folder parts, then the file for file requests
  bool Absolute = false;          // the path starts at the server's root
  bool IsFolder = true;           // the URL ends with "/"
  bool NoBody = false;            // log in and change folders only
  bool CreateMissingFolders = false;
  std::string CustomCommand;      // e.g. "MLSD" for a listing
  std::vector<std::string> Quote;      // before the request (after login)
  std::vector<std::string> PostQuote;  // after the request, in its folder
  std::int64_t ResumeFrom = 0;
  bool Append = false;
  // Download: called with each block; false stops the transfer with an error.
  std::function<bool(const char* data, std::size_t size)> Receive;
  // Upload: fills the buffer, answers the bytes given (0 at the end), or -1 on error.
  std::function<std::int64_t(char* buffer, std::size_t size)> Send;
  std::int64_t SendSize = -1;
  // Progress of this request in bytes; called often from the transfer.
  std::function<void(std::int64_t done, std::int64_t total)> Progress;
};

class TCurlSession {
 public:
  TCurlSession();
  ~TCurlSession();
  TCurlSession(const TCurlSession&) = delete;
  TCurlSession& operator=(const TCurlSession&) = delete;

  // Runs one request. Returns false when Abort() stopped it; raises EFtpError otherwise.
  bool Perform(const TCurlFtpTarget& target, const TCurlFtpRequest& request);
  // The server's reply lines of the last request (multi-line replies included).
  const std::vector<std::string>& ReplyLines() const { return fReplyLines; }
  // Any thread: stops the running request at its next progress call.
  void Abort() { fAbortRequested = true; }
  void ClearAbort() { fAbortRequested = false; }
  // Closes the connection (QUIT); the next request logs in again.
  void Close();

 private:
  struct Handle;
  friend struct CurlCallbacks;
  void ApplyOptions(const TCurlFtpTarget& target, const TCurlFtpRequest& request);
  void AddReplyText(const char* data, std::size_t size);
  [[noreturn]] void RaiseError(int curlCode) const;

  std::unique_ptr<Handle> fHandle;
  const TCurlFtpRequest* fRequest = nullptr;
  std::vector<std::string> fReplyLines;
  std::string fPartialReply;
  std::atomic<bool> fAbortRequested{false};
};

}  // namespace update
