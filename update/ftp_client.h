#pragma once
// TQVFtp: the update's FTP client on libcurl. It keeps one connection (one
// curl handle) for all its commands, tracks the current folder itself and
// changes into it for every command. Not thread-safe except Abort().
#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "update/curl_session.h"
#include "update/ftp_error.h"
#include "update/ftp_file_list.h"
#include "update/ftp_settings.h"

namespace update {

enum class TFtpStatus { ftpConnecting, ftpConnected, ftpDisconnected, ftpTransferring, ftpAborted };
enum class TWorkMode { wmRead, wmWrite };

using TFtpStatusEvent = std::function<void(TFtpStatus status, const std::string& text)>;
using TFtpWorkBeginEvent = std::function<void(TWorkMode mode, std::int64_t countMax)>;
using TFtpWorkEvent = std::function<void(TWorkMode mode, std::int64_t count)>;
using TFtpWorkEndEvent = std::function<void(TWorkMode mode)>;
using TAddLineProc = std::function<void(const std::string& line)>;

inline constexpr std::int32_t kDefaultReadTimeoutMs = 6000;
// Suffix of a file while it is being transferred.
inline constexpr const char* kPartSuffix = ".part";

class TQVFtp {
 public:
  // The connection; set before Connect.
  TCurlFtpTarget Target;

  // The FTP proxy (kinds 1 to 5); UseProxy 0: none. SOCKS proxies live in Target.
  TProxySettings FtpProxy;
  TQVFTPAccount FQVAccount = TQVFTPAccount::facNone;
  std::string FClientNr;   // whose own account settings are read (facNone)
  TAddLineProc FAddLineProc;  // the log

  TFtpStatusEvent OnStatus;
  TFtpWorkBeginEvent OnWorkBegin;
  TFtpWorkEvent OnWork;
  TFtpWorkEndEvent OnWorkEnd;

  // A fixed account's login from update.ini; remembers the account.
  void InitAccountLoginParams(TQVFTPAccount account);
  // Takes another account and, unless facNone, its login.
  void SetAccount(TQVFTPAccount account);
  // Takes the server, passive mode, timeout, proxy or SOCKS proxy of saved settings.
  void ApplyFtpSettings(const TFtpSettings& settings, const TAddLineProc& log);
  // Reads FTPCFG.INI once and applies it.
  void InitFtpSettings();
  bool IsInit() const { return fIsInit; }

  // Reads the saved settings on the first call, then ConnectWithRetry with
  // the client's account and log.
  void Connect();
  // Connects; a refused login or a network error tries the account service,
  // then the accounts file (each once); other errors switch to passive mode once.
  void ConnectWithRetry(TQVFTPAccount account, const TAddLineProc& log);
  // Another login for the fixed account: from the account service, or from
  // the accounts file (viaFile). False when none, or it is the current one.
  bool SwitchAccount(TQVFTPAccount account, bool viaFile);
  // One attempt: logs in and learns whether the server offers MLSD.
  void ConnectOnce();
  void Disconnect();
  bool Connected() const { return fConnected; }
  bool UsesMlsd() const { return fMlsd; }

  // The current folder as "/a/b" (absolute) or "a/b" (below the login folder).
  std::string CurrentDir() const;
  // Changes into dir ("/" starts at the root, ".." goes up); raises when it cannot.
  void ChangeDir(const std::string& dir);
  void ChangeDirUp();
  // Changes into each part of dir in turn ("\" or "/" separate them); creates a
  // missing part when canCreate. False on failure unless raise.
  bool ChangedToDir(const std::string& dir, bool canCreate, bool raise);
  // Whether dir can be entered; the current folder stays.
  bool DirExists(const std::string& dir);

  // Lists the current folder into DirectoryListing().
  void List();
  const TQVFtpFileList& DirectoryListing() const { return fListing; }
  // The file's modification time (0 when not connected or not found) and its
  // name as the server spells it.
  rights::TDateTime GetFileDateTime(std::string& fileName);

  // Stream transfers of a file in the current folder. False when aborted.
  bool Get(const std::string& source, std::ostream& dest, std::int64_t resumeFrom = 0);
  bool Put(std::istream& source, const std::string& dest, bool append = false);
  // File transfers through "<dest>.part": the destination appears only when
  // complete; an abort or error removes the part file and leaves an old
  // destination as it was. resume continues a part file left behind.
  bool GetFile(const std::string& source, const std::string& destFile, bool canOverwrite, bool resume);
  bool PutFile(const std::string& sourceFile, const std::string& dest, bool append, std::int64_t startPos);
  // The same from a stream, from its current position.
  bool PutThroughPart(std::istream& source, const std::string& dest, bool append);
  void DeleteFile(const std::string& name);
  void Rename(const std::string& from, const std::string& to);

  // Any thread: stops the running transfer; it then answers false.
  void Abort() { fSession.Abort(); }

 private:
  TCurlFtpRequest FolderRequest(const std::vector<std::string>& folder) const;
  TCurlFtpRequest FileRequest(const std::string& name) const;
  bool Run(const TCurlFtpRequest& request);
  void Login();
  void Status(TFtpStatus status, const std::string& text) const;
  bool Transfer(TCurlFtpRequest request, TWorkMode mode, std::int64_t size);
  std::string ListFolder(const std::vector<std::string>& folder);

  TCurlSession fSession;
  TCurlFtpTarget fLoginTarget;  // Target as reached through the FTP proxy
  std::vector<std::string> fAfterLogin;
  bool fReloginNeeded = false;
  bool fIsInit = false;
  bool fInConnect = false;
  bool fConnected = false;
  bool fMlsd = false;
  bool fAbsolute = false;
  std::vector<std::string> fDir;
  TQVFtpFileList fListing;
  bool fHasListing = false;
};

// The parts of a folder path; "\" and "/" both separate, empty parts are dropped.
std::vector<std::string> SplitFtpPath(const std::string& path);

}  // namespace update
