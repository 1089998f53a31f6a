#pragma once
// The error of an FTP command: the server's answer (or libcurl's text when the
// server never answered) with its reply code.
#include <stdexcept>
#include <string>

namespace update {

class EFtpError : public std::runtime_error {
 public:
  EFtpError(const std::string& text, int replyCode, bool networkError)
      : std::runtime_error(text), fReplyCode(replyCode), fNetworkError(networkError) {}

  // The server's last reply code; 0 when there was none.
  int ReplyCode() const { return fReplyCode; }
  // The server could not be reached (host unknown, refused, unreachable, timed out).
  bool NetworkError() const { return fNetworkError; }
  bool LoginRefused() const { return fReplyCode == 530; }

 private:
  int fReplyCode;
  bool fNetworkError;
};

}  // namespace update
