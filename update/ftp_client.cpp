#include "update/ftp_client.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "rights/codepage.h"
#include "update/ftp_list_parser.h"
#include "update/ftp_proxy_login.h"

namespace update {
namespace {

// A listing larger than this is not a plausible answer of an update server.
constexpr std::size_t kMaxListingBytes = 32u << 20;

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local.tm_year + 1900;
}

bool OffersMlsd(const std::vector<std::string>& replyLines) {
  for (const auto& line : replyLines) {
    const auto start = line.find_first_not_of(' ');
    if (start != std::string::npos && start > 0 && rights::SameTextIgnoringCase(line.substr(start, 4), "MLST"))
      return true;
  }
  return false;
}

bool StartsAtRoot(const std::string& path) { return !path.empty() && (path[0] == '/' || path[0] == '\\'); }

EFtpError LocalFileError(const std::string& text) { return EFtpError(text, 0, false); }

}  // namespace

std::vector<std::string> SplitFtpPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (const char c : path + "/") {
    if (c != '/' && c != '\\') {
      part += c;
    } else if (!part.empty()) {
      parts.push_back(part);
      part.clear();
    }
  }
  return parts;
}

void TQVFtp::Status(TFtpStatus status, const std::string& text) const {
  if (OnStatus) OnStatus(status, text);
}

TCurlFtpRequest TQVFtp::FolderRequest(const std::vector<std::string>& folder) const {
  TCurlFtpRequest request;
  request.Path = folder;
  request.Absolute = fAbsolute;
  return request;
}

TCurlFtpRequest TQVFtp::FileRequest(const std::string& name) const {
  TCurlFtpRequest request = FolderRequest(fDir);
  request.Path.push_back(name);
  request.IsFolder = false;
  return request;
}

bool TQVFtp::Run(const TCurlFtpRequest& request) {
  // libcurl may have dropped the connection after an abort or error; a new
  // one would only be logged in at the proxy.
  if (fReloginNeeded) Login();
  try {
    if (!fSession.Perform(fLoginTarget, request)) {
      fReloginNeeded = !fAfterLogin.empty();
      if (request.Receive || request.Send) return false;
      throw EFtpError("Vorgang abgebrochen.", 0, false);
    }
    return true;
  } catch (const EFtpError& error) {
    fReloginNeeded = !fAfterLogin.empty();
    if (error.NetworkError()) fConnected = false;
    throw;
  }
}

void TQVFtp::Login() {
  fReloginNeeded = false;
  fSession.Close();
  TCurlFtpRequest request;
  request.NoBody = true;
  request.Quote = fAfterLogin;
  request.Quote.push_back("*FEAT");  // "*": a server without FEAT is no error
  Run(request);
}

void TQVFtp::ConnectOnce() {
  Disconnect();
  Status(TFtpStatus::ftpConnecting, "Verbinde mit " + Target.Host);
  const TFtpLoginPlan plan = FtpLoginPlan(FtpProxy, Target.Host, Target.Port, Target.Username, Target.Password);
  fLoginTarget = Target;
  fLoginTarget.Host = plan.Host;
  fLoginTarget.Port = plan.Port;
  fLoginTarget.Username = plan.Username;
  fLoginTarget.Password = plan.Password;
  fAfterLogin = plan.AfterLogin;
  try {
    Login();
  } catch (const EFtpError& error) {
    Disconnect();
    Status(TFtpStatus::ftpAborted, error.what());
    throw;
  }
  fMlsd = OffersMlsd(fSession.ReplyLines());
  fConnected = true;
  Status(TFtpStatus::ftpConnected, "Verbunden.");
}

void TQVFtp::Disconnect() {
  const bool wasConnected = fConnected;
  fSession.Close();
  fConnected = false;
  fReloginNeeded = false;
  fMlsd = false;
  fAbsolute = false;
  fDir.clear();
  fListing.clear();
  fHasListing = false;
  if (wasConnected) Status(TFtpStatus::ftpDisconnected, "Verbindung getrennt.");
}

std::string TQVFtp::CurrentDir() const {
  std::string dir = fAbsolute ? "/" : "";
  for (std::size_t i = 0; i < fDir.size(); ++i) dir += (i > 0 ? "/" : "") + fDir[i];
  return dir;
}

void TQVFtp::ChangeDir(const std::string& dir) {
  const bool absolute = StartsAtRoot(dir) || fAbsolute;
  std::vector<std::string> target = StartsAtRoot(dir) ? std::vector<std::string>{} : fDir;
  for (const auto& part : SplitFtpPath(dir)) {
    if (part == "..") {
      if (!target.empty() && target.back() != "..") target.pop_back();
      else if (!absolute) target.push_back(part);
    } else if (part != ".") {
      target.push_back(part);
    }
  }
  TCurlFtpRequest request;
  request.Path = target;
  request.Absolute = absolute;
  request.NoBody = true;
  Run(request);
  fAbsolute = absolute;
  fDir = std::move(target);
  fListing.clear();
  fHasListing = false;
}

void TQVFtp::ChangeDirUp() { ChangeDir(".."); }

bool TQVFtp::ChangedToDir(const std::string& dir, bool canCreate, bool raise) {
  try {
    if (StartsAtRoot(dir)) ChangeDir("/");
    for (const auto& part : SplitFtpPath(dir)) {
      try {
        ChangeDir(part);
      } catch (const EFtpError& error) {
        if (!canCreate || error.NetworkError()) throw;
        TCurlFtpRequest request = FolderRequest(fDir);
        request.Path.push_back(part);
        request.NoBody = true;
        request.CreateMissingFolders = true;
        try {
          Run(request);
        } catch (const EFtpError& createError) {
          throw EFtpError("Verzeichnis \"" + part + "\" konnte nicht angelegt werden!\r" + createError.what(),
                          createError.ReplyCode(), createError.NetworkError());
        }
        fDir.push_back(part);
      }
    }
    return true;
  } catch (const EFtpError&) {
    if (raise) throw;
    return false;
  }
}

bool TQVFtp::DirExists(const std::string& dir) {
  const auto savedDir = fDir;
  const bool savedAbsolute = fAbsolute;
  try {
    ChangeDir(dir);
  } catch (const EFtpError& error) {
    if (error.NetworkError()) throw;
    return false;
  }
  fDir = savedDir;
  fAbsolute = savedAbsolute;
  return true;
}

std::string TQVFtp::ListFolder(const std::vector<std::string>& folder) {
  std::string text;
  bool tooLarge = false;
  TCurlFtpRequest request = FolderRequest(folder);
  if (fMlsd) request.CustomCommand = "MLSD";
  request.Receive = [&](const char* data, std::size_t size) {
    tooLarge = text.size() + size > kMaxListingBytes;
    if (!tooLarge) text.append(data, size);
    return !tooLarge;
  };
  try {
    if (!Run(request)) throw EFtpError("Vorgang abgebrochen.", 0, false);
  } catch (const EFtpError&) {
    if (tooLarge) throw EFtpError("Die Verzeichnisliste des Servers ist zu groß.", 0, false);
    throw;
  }
  return text;
}

void TQVFtp::List() {
  fListing = ParseFtpListing(ListFolder(fDir), fMlsd, CurrentYear());
  fHasListing = true;
}

rights::TDateTime TQVFtp::GetFileDateTime(std::string& fileName) {
  if (!fConnected) return 0;
  const auto slash = fileName.find_last_of("/\\");
  const TFtpFileListItem* item = nullptr;
  TQVFtpFileList folderListing;
  if (slash == std::string::npos) {
    if (!fHasListing) List();
    item = FindFtpItem(fListing, fileName);
  } else {
    auto folder = fDir;
    for (auto& part : SplitFtpPath(fileName.substr(0, slash))) folder.push_back(std::move(part));
    folderListing = ParseFtpListing(ListFolder(folder), fMlsd, CurrentYear());
    item = FindFtpItem(folderListing, fileName.substr(slash + 1));
  }
  if (item == nullptr || item->FItemType != TFtpItemType::ditFile) return 0;
  fileName = (slash == std::string::npos ? "" : fileName.substr(0, slash + 1)) + item->fFileName;
  return item->FModifiedDate;
}

bool TQVFtp::Transfer(TCurlFtpRequest request, TWorkMode mode, std::int64_t size) {
  if (OnWorkBegin) OnWorkBegin(mode, size);
  if (OnWork) request.Progress = [this, mode](std::int64_t done, std::int64_t) { OnWork(mode, done); };
  Status(TFtpStatus::ftpTransferring, request.Path.empty() ? "" : request.Path.back());
  fSession.ClearAbort();
  bool done = false;
  try {
    done = Run(request);
  } catch (...) {
    fSession.ClearAbort();
    if (OnWorkEnd) OnWorkEnd(mode);
    throw;
  }
  // An abort ends this transfer only, not the commands that follow.
  fSession.ClearAbort();
  if (OnWorkEnd) OnWorkEnd(mode);
  if (!done) Status(TFtpStatus::ftpAborted, "Übertragung abgebrochen.");
  fHasListing = false;
  return done;
}

bool TQVFtp::Get(const std::string& source, std::ostream& dest, std::int64_t resumeFrom) {
  TCurlFtpRequest request = FileRequest(source);
  request.ResumeFrom = resumeFrom;
  request.Receive = [&dest](const char* data, std::size_t size) {
    dest.write(data, static_cast<std::streamsize>(size));
    return dest.good();
  };
  std::int64_t size = 0;
  if (const auto* item = FindFtpItem(fListing, source)) size = item->FSize;
  return Transfer(std::move(request), TWorkMode::wmRead, size);
}

bool TQVFtp::Put(std::istream& source, const std::string& dest, bool append) {
  TCurlFtpRequest request = FileRequest(dest);
  request.Append = append;
  const auto start = source.tellg();
  if (start >= 0 && source.seekg(0, std::ios::end)) {
    request.SendSize = static_cast<std::int64_t>(source.tellg() - start);
    source.seekg(start);
  }
  source.clear();
  request.Send = [&source](char* buffer, std::size_t size) -> std::int64_t {
    source.read(buffer, static_cast<std::streamsize>(size));
    if (source.bad()) return -1;
    return source.gcount();
  };
  return Transfer(std::move(request), TWorkMode::wmWrite, std::max<std::int64_t>(request.SendSize, 0));
}

void TQVFtp::DeleteFile(const std::string& name) {
  TCurlFtpRequest request = FolderRequest(fDir);
  request.NoBody = true;
  request.PostQuote = {"DELE " + name};
  Run(request);
  fHasListing = false;
}

void TQVFtp::Rename(const std::string& from, const std::string& to) {
  TCurlFtpRequest request = FolderRequest(fDir);
  request.NoBody = true;
  request.PostQuote = {"RNFR " + from, "RNTO " + to};
  Run(request);
  fHasListing = false;
}

bool TQVFtp::GetFile(const std::string& source, const std::string& destFile, bool canOverwrite, bool resume) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  if (!canOverwrite && fs::exists(destFile, ignored))
    throw LocalFileError("Die Datei \"" + destFile + "\" existiert bereits.");
  const std::string partFile = destFile + kPartSuffix;
  const std::int64_t offset = resume && fs::is_regular_file(partFile, ignored)
                                  ? static_cast<std::int64_t>(fs::file_size(partFile, ignored))
                                  : 0;
  bool done = false;
  {
    std::ofstream out(partFile, std::ios::binary | (offset > 0 ? std::ios::app : std::ios::trunc));
    if (!out) throw LocalFileError("Die Datei \"" + partFile + "\" kann nicht angelegt werden.");
    try {
      done = Get(source, out, offset);
      out.close();
      if (done && out.fail()) throw LocalFileError("Die Datei \"" + partFile + "\" kann nicht geschrieben werden.");
    } catch (...) {
      out.close();
      fs::remove(partFile, ignored);
      throw;
    }
  }
  if (!done) {
    fs::remove(partFile, ignored);
    return false;
  }
  std::error_code renameError;
  fs::rename(partFile, destFile, renameError);
  if (renameError) {
    fs::remove(partFile, ignored);
    throw LocalFileError("Die Datei \"" + destFile + "\" kann nicht ersetzt werden: " + renameError.message());
  }
  return true;
}

bool TQVFtp::PutFile(const std::string& sourceFile, const std::string& dest, bool append, std::int64_t startPos) {
  std::ifstream in(sourceFile, std::ios::binary);
  if (!in || !in.seekg(startPos)) throw LocalFileError("Die Datei \"" + sourceFile + "\" kann nicht gelesen werden.");
  return PutThroughPart(in, dest, append);
}

bool TQVFtp::PutThroughPart(std::istream& source, const std::string& dest, bool append) {
  const std::string partName = dest + kPartSuffix;
  if (!Put(source, partName, append)) {
    try {
      DeleteFile(partName);
    } catch (const EFtpError&) {
      // The part file stays on the server; the abort itself is what counts.
    }
    return false;
  }
  Rename(partName, dest);
  return true;
}

}  // namespace update
