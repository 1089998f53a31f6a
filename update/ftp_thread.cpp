#include "update/ftp_thread.h"

#include <QMetaObject>

#include <algorithm>

#include <istream>
#include <ostream>

#include "update/call_methode_thread.h"

namespace update {
namespace {

// Keeps the client's own handlers and puts them back at the end of a run.
struct SavedHandlers {
  explicit SavedHandlers(TQVFtp& ftp)
      : Ftp(ftp), Status(ftp.OnStatus), WorkBegin(ftp.OnWorkBegin), Work(ftp.OnWork), WorkEnd(ftp.OnWorkEnd) {}
  ~SavedHandlers() {
    Ftp.OnStatus = Status;
    Ftp.OnWorkBegin = WorkBegin;
    Ftp.OnWork = Work;
    Ftp.OnWorkEnd = WorkEnd;
  }
  TQVFtp& Ftp;
  TFtpStatusEvent Status;
  TFtpWorkBeginEvent WorkBegin;
  TFtpWorkEvent Work;
  TFtpWorkEndEvent WorkEnd;
};

}  // namespace

TFtpThread::TFtpThread(TQVFtp* ftp, TQVFTPAccount account, std::string clientNr)
    : fInternalFtp(ftp ? nullptr : std::make_unique<TQVFtp>()),
      fFtp(ftp ? ftp : fInternalFtp.get()),
      fAccount(account),
      fClientNr(std::move(clientNr)) {}

TFtpThread::~TFtpThread() = default;

template <typename Event>
Event TFtpThread::HandedToCaller(const Event& handler) {
  if (!handler || FIsStartInThread) return handler;
  // The worker waits until the caller's thread has handled the event.
  return [this, handler](auto... args) {
    QMetaObject::invokeMethod(this, [&] { handler(args...); }, Qt::BlockingQueuedConnection);
  };
}

bool TFtpThread::Get(const std::string& sourceFile, const std::string& destFile, bool canOverwrite, bool resume) {
  fSourceFile = sourceFile;
  fDestFile = destFile;
  fDestStream = nullptr;
  fCanOverwrite = canOverwrite;
  fResume = resume;
  return Run(TThreadFunction::tfGet);
}

bool TFtpThread::Get(const std::string& sourceFile, std::ostream& destStream, bool resume) {
  fSourceFile = sourceFile;
  fDestFile.clear();
  fDestStream = &destStream;
  fResume = resume;
  return Run(TThreadFunction::tfGet);
}

bool TFtpThread::Put(const std::string& sourceFile, const std::string& destFile, bool append, std::int64_t startPos) {
  fSourceFile = sourceFile;
  fSourceStream = nullptr;
  fDestFile = destFile;
  fAppend = append;
  fStartPos = startPos;
  return Run(TThreadFunction::tfPut);
}

bool TFtpThread::Put(std::istream& sourceStream, const std::string& destFile, bool append, std::int64_t startPos) {
  fSourceFile.clear();
  fSourceStream = &sourceStream;
  fDestFile = destFile;
  fAppend = append;
  fStartPos = startPos;
  return Run(TThreadFunction::tfPut);
}

void TFtpThread::List() { Run(TThreadFunction::tfList); }

void TFtpThread::SetAbort(bool abort) {
  fAbort = abort;
  if (abort) fFtp->Abort();
}

bool TFtpThread::Run(TThreadFunction function) {
  fWork = function;
  fThreadFunction = function;
  fFatalException = nullptr;
  fCompleted = false;
  fAbort = false;
  {
    const SavedHandlers saved(*fFtp);
    fFtp->OnStatus = HandedToCaller(saved.Status);
    fFtp->OnWorkBegin = HandedToCaller(saved.WorkBegin);
    fFtp->OnWork = HandedToCaller(saved.Work);
    fFtp->OnWorkEnd = HandedToCaller(saved.WorkEnd);
    if (FIsStartInThread) Work();
    else TCallMethodeThread::Run([this] { Work(); });
  }
  if (fFatalException) std::rethrow_exception(fFatalException);
  return fCompleted;
}

void TFtpThread::Work() {
  try {
    bool ownConnection = false;
    if (!fFtp->Connected()) {
      fFtp->FClientNr = fClientNr;
      fFtp->SetAccount(fAccount);
      fFtp->Connect();
      ownConnection = true;
      if (!FStartDir.empty()) fFtp->ChangedToDir(FStartDir, true, true);
    }
    try {
      DoTransfer();
    } catch (...) {
      if (ownConnection) fFtp->Disconnect();
      throw;
    }
    if (ownConnection) fFtp->Disconnect();
    fThreadFunction = TThreadFunction::tfFinished;
  } catch (const std::exception& error) {
    std::string prefix;
    if (fWork == TThreadFunction::tfPut) prefix = "FTP Fehler beim Hochladen von \"" + fDestFile + "\"\r";
    if (fWork == TThreadFunction::tfGet) prefix = "FTP Fehler beim Herunterladen von \"" + fSourceFile + "\"\r";
    const auto* ftpError = dynamic_cast<const EFtpError*>(&error);
    fFatalException = std::make_exception_ptr(EFtpError(prefix + error.what(), ftpError ? ftpError->ReplyCode() : 0,
                                                        ftpError && ftpError->NetworkError()));
    fThreadFunction = TThreadFunction::tfError;
  }
}

void TFtpThread::DoTransfer() {
  switch (fWork) {
    case TThreadFunction::tfList:
      fFtp->List();
      fCompleted = true;
      break;
    case TThreadFunction::tfGet:
      if (fDestStream) {
        const std::int64_t resumeFrom = fResume ? std::max<std::int64_t>(0, fDestStream->tellp()) : 0;
        fCompleted = fFtp->Get(fSourceFile, *fDestStream, resumeFrom);
      } else {
        fCompleted = fFtp->GetFile(fSourceFile, fDestFile, fCanOverwrite, fResume);
      }
      break;
    case TThreadFunction::tfPut:
      if (fSourceStream) {
        fSourceStream->seekg(fStartPos);
        fCompleted = fFtp->PutThroughPart(*fSourceStream, fDestFile, fAppend);
      } else {
        fCompleted = fFtp->PutFile(fSourceFile, fDestFile, fAppend, fStartPos);
      }
      break;
    default:
      break;
  }
}

}  // namespace update
