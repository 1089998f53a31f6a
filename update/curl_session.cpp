#include "update/curl_session.h"

#include <curl/curl.h>

#include <algorithm>

namespace update {
namespace {

constexpr long kSecondMs = 1000;

struct SList {
  curl_slist* List = nullptr;
  SList() = default;
  explicit SList(const std::vector<std::string>& lines) {
    for (const auto& line : lines) List = curl_slist_append(List, line.c_str());
  }
  ~SList() { curl_slist_free_all(List); }
  SList(const SList&) = delete;
  SList& operator=(const SList&) = delete;
};

long Seconds(std::int32_t milliseconds) {
  return std::max<long>(1, (static_cast<long>(milliseconds) + kSecondMs - 1) / kSecondMs);
}

long CurlProxyType(TSocksType socks) {
  switch (socks) {
    case TSocksType::stSocks4: return CURLPROXY_SOCKS4;
    case TSocksType::stSocks4A: return CURLPROXY_SOCKS4A;
    default: return CURLPROXY_SOCKS5_HOSTNAME;
  }
}

bool IsNetworkError(CURLcode code) {
  return code == CURLE_COULDNT_RESOLVE_PROXY || code == CURLE_COULDNT_RESOLVE_HOST ||
         code == CURLE_COULDNT_CONNECT || code == CURLE_OPERATION_TIMEDOUT;
}

std::string HostForUrl(const std::string& host) {
  return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

}  // namespace

// libcurl's global set-up is not thread-safe: done once, before the first handle.
CURL* NewCurlHandle() {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return initialised ? curl_easy_init() : nullptr;
}

struct TCurlSession::Handle {
  CURL* Curl = NewCurlHandle();
  char ErrorText[CURL_ERROR_SIZE] = {};
  ~Handle() { curl_easy_cleanup(Curl); }
};

struct CurlCallbacks {
  static int Debug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
    if (type == CURLINFO_HEADER_IN) static_cast<TCurlSession*>(self)->AddReplyText(data, size);
    return 0;
  }
  static int Progress(void* self, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal, curl_off_t ulNow) {
    auto* session = static_cast<TCurlSession*>(self);
    if (session->fAbortRequested) return 1;
    const auto& progress = session->fRequest->Progress;
    if (progress) {
      if (session->fRequest->Send) progress(ulNow, ulTotal);
      else progress(dlNow, dlTotal);
    }
    return 0;
  }
  static size_t Receive(char* data, size_t size, size_t count, void* self) {
    auto* session = static_cast<TCurlSession*>(self);
    if (session->fAbortRequested) return 0;
    return session->fRequest->Receive(data, size * count) ? size * count : 0;
  }
  static size_t Send(char* buffer, size_t size, size_t count, void* self) {
    auto* session = static_cast<TCurlSession*>(self);
    if (session->fAbortRequested) return CURL_READFUNC_ABORT;
    const std::int64_t given = session->fRequest->Send(buffer, size * count);
    return given < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(given);
  }
};

TCurlSession::TCurlSession() : fHandle(std::make_unique<Handle>()) {}
TCurlSession::~TCurlSession() = default;

void TCurlSession::Close() { fHandle = std::make_unique<Handle>(); }

void TCurlSession::AddReplyText(const char* data, std::size_t size) {
  fPartialReply.append(data, size);
  std::size_t end;
  while ((end = fPartialReply.find('\n')) != std::string::npos) {
    std::string line = fPartialReply.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    fReplyLines.push_back(std::move(line));
    fPartialReply.erase(0, end + 1);
  }
}

void TCurlSession::ApplyOptions(const TCurlFtpTarget& target, const TCurlFtpRequest& request) {
  CURL* curl = fHandle->Curl;
  std::string url = "ftp://" + HostForUrl(target.Host) + ":" + std::to_string(target.Port) + "/";
  if (request.Absolute) url += "%2F";
  for (std::size_t i = 0; i < request.Path.size(); ++i) {
    char* escaped = curl_easy_escape(curl, request.Path[i].c_str(), static_cast<int>(request.Path[i].size()));
    if (i > 0) url += "/";
    url += escaped ? escaped : "";
    curl_free(escaped);
  }
  if (request.IsFolder && !request.Path.empty()) url += "/";
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, fHandle->ErrorText);
  curl_easy_setopt(curl, CURLOPT_USERNAME, target.Username.c_str());
  curl_easy_setopt(curl, CURLOPT_PASSWORD, target.Password.c_str());
  // Active mode announces the address of the control connection.
  curl_easy_setopt(curl, CURLOPT_FTPPORT, target.Passive ? nullptr : "-");
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(target.ReadTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, Seconds(target.ReadTimeoutMs));
  // A transfer that moves no byte for the read timeout fails.
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, Seconds(target.ReadTimeoutMs));
  if (target.Socks == TSocksType::stNoSocks) {
    // Not the environment's proxy either: only the configured one is used.
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
  } else {
    curl_easy_setopt(curl, CURLOPT_PROXY, HostForUrl(target.SocksHost).c_str());
    curl_easy_setopt(curl, CURLOPT_PROXYPORT, static_cast<long>(target.SocksPort));
    curl_easy_setopt(curl, CURLOPT_PROXYTYPE, CurlProxyType(target.Socks));
    if (target.SocksAuthentication) {
      curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, target.SocksUsername.c_str());
      curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, target.SocksPassword.c_str());
    }
  }
  curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, CurlCallbacks::Debug);
  curl_easy_setopt(curl, CURLOPT_DEBUGDATA, this);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CurlCallbacks::Progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
  if (request.NoBody) curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
  if (request.CreateMissingFolders) curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, CURLFTP_CREATE_DIR);
  if (!request.CustomCommand.empty()) curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.CustomCommand.c_str());
  if (request.ResumeFrom > 0) curl_easy_setopt(curl, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(request.ResumeFrom));
  if (request.Append) curl_easy_setopt(curl, CURLOPT_APPEND, 1L);
  if (request.Receive) {
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CurlCallbacks::Receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
  }
  if (request.Send) {
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, CurlCallbacks::Send);
    curl_easy_setopt(curl, CURLOPT_READDATA, this);
    if (request.SendSize >= 0)
      curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request.SendSize));
  }
}

bool TCurlSession::Perform(const TCurlFtpTarget& target, const TCurlFtpRequest& request) {
  curl_easy_reset(fHandle->Curl);  // keeps the open connection
  fHandle->ErrorText[0] = '\0';
  fReplyLines.clear();
  fPartialReply.clear();
  fRequest = &request;
  ApplyOptions(target, request);
  const SList quote(request.Quote), postQuote(request.PostQuote);
  if (quote.List) curl_easy_setopt(fHandle->Curl, CURLOPT_QUOTE, quote.List);
  if (postQuote.List) curl_easy_setopt(fHandle->Curl, CURLOPT_POSTQUOTE, postQuote.List);
  const CURLcode code = curl_easy_perform(fHandle->Curl);
  fRequest = nullptr;
  if (code == CURLE_OK) return true;
  if (fAbortRequested && (code == CURLE_ABORTED_BY_CALLBACK || code == CURLE_WRITE_ERROR ||
                          code == CURLE_READ_ERROR))
    return false;
  RaiseError(code);
}

void TCurlSession::RaiseError(int curlCode) const {
  const auto code = static_cast<CURLcode>(curlCode);
  long replyCode = 0;
  curl_easy_getinfo(fHandle->Curl, CURLINFO_RESPONSE_CODE, &replyCode);
  // A server that answered was reached, even when libcurl calls its 421 a timeout.
  const bool serverRefused = replyCode >= 400 && !fReplyLines.empty();
  // The server's own words when it refused; libcurl's text for everything else.
  const std::string text = serverRefused        ? fReplyLines.back()
                           : fHandle->ErrorText[0] ? std::string(fHandle->ErrorText)
                                                   : std::string(curl_easy_strerror(code));
  throw EFtpError(text, static_cast<int>(replyCode), IsNetworkError(code) && !serverRefused);
}

}  // namespace update
