#pragma once
// TFtpThread: one listing or transfer of a TQVFtp on a worker thread. The
// client's status and work events are handed to the calling thread, which
// handles them (and its other events) while it waits; the worker waits until
// each is handled. An error of the worker is raised again in the caller.
#include <QObject>

#include <cstdint>
#include <exception>
#include <iosfwd>
#include <memory>
#include <string>

#include "update/ftp_client.h"

namespace update {

class TFtpThread : public QObject {
  Q_OBJECT

 public:
  enum class TThreadFunction { tfNone, tfList, tfPut, tfGet, tfFinished, tfError };

  // Without a client the thread makes its own, which connects with the account.
  TFtpThread(TQVFtp* ftp, TQVFTPAccount account, std::string clientNr);
  ~TFtpThread() override;

  // Download through "<destFile>.part"; false when aborted (the old file stays).
  bool Get(const std::string& sourceFile, const std::string& destFile, bool canOverwrite, bool resume);
  bool Get(const std::string& sourceFile, std::ostream& destStream, bool resume);
  // Upload through "<destFile>.part" on the server; false when aborted.
  bool Put(const std::string& sourceFile, const std::string& destFile, bool append, std::int64_t startPos);
  bool Put(std::istream& sourceStream, const std::string& destFile, bool append, std::int64_t startPos);
  void List();
  // From the calling thread (an event handler): stops the running transfer.
  void SetAbort(bool abort);

  TQVFtp& Ftp() { return *fFtp; }
  TThreadFunction State() const { return fThreadFunction; }

  std::string FStartDir;
  bool FIsStartInThread = false;  // work in the caller's thread

 private:
  bool Run(TThreadFunction function);
  void Work();
  void DoTransfer();
  template <typename Event>
  Event HandedToCaller(const Event& handler);

  std::unique_ptr<TQVFtp> fInternalFtp;
  TQVFtp* fFtp;
  TQVFTPAccount fAccount;
  std::string fClientNr;
  TThreadFunction fThreadFunction = TThreadFunction::tfNone;
  TThreadFunction fWork = TThreadFunction::tfNone;
  std::exception_ptr fFatalException;
  std::string fSourceFile, fDestFile;
  std::ostream* fDestStream = nullptr;
  std::istream* fSourceStream = nullptr;
  bool fCanOverwrite = false, fResume = false, fAppend = false;
  std::int64_t fStartPos = 0;
  bool fAbort = false;
  bool fCompleted = false;
};

}  // namespace update
