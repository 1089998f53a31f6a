#pragma once
// TfmFTPDownLoadDlg ("Datei(en) übertragen"): downloads a list of files on a
// TFtpThread at its first idle update and shows the progress of the current
// file and of all files. It cannot be closed while a transfer thread exists.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/save_pos_form.h"
#include "update/ftp_client.h"
#include "update/ftp_file_list.h"
#include "update/transfer_progress.h"

class QGroupBox;
class QLabel;
class QProgressBar;

namespace ui {
class TQVButton;
class TQVCheckBox;
}  // namespace ui

namespace update {

class TFtpThread;

class TfmFTPDownLoadDlg : public ui::TSavePosForm {
  Q_OBJECT
 public:
  using TClock = std::function<std::int64_t()>;  // milliseconds

  explicit TfmFTPDownLoadDlg(QWidget* parent = nullptr);
  ~TfmFTPDownLoadDlg() override;

  // The client, the files (not owned, must outlive the window) and the local folder.
  void Init(TQVFtp& ftp, const TQVFtpFileList& list, const std::string& folder);
  void SetClock(TClock clock) { fClock = std::move(clock); }
  bool Ok() const { return fOk; }
  bool Aborted() const { return fAbort; }
  bool Transferring() const { return fThread != nullptr; }

  // The transfer's events; public so that tests can play them at chosen times.
  void StartProgress(std::int64_t totalBytes, int fileCount);
  void BeginFile(const std::string& localPath, std::int64_t size);
  void WorkBegin(TWorkMode mode, std::int64_t countMax);
  void Work(TWorkMode mode, std::int64_t count);
  void Status(TFtpStatus status, const std::string& text);
  void SetStatusText(const QString& text);

 protected:
  void FirstIdleAction() override;
  bool CanClose() override;

 private:
  QGroupBox* BuildFileGroup();
  QGroupBox* BuildTotalGroup();
  void Transfer();
  bool ConnectClient();
  bool DownloadFile(const TFtpFileListItem& item);
  void Finish(bool hadError);
  void ShowProgress();
  void AbortClicked();

  TQVFtp* fFTP = nullptr;
  const TQVFtpFileList* fList = nullptr;
  std::string fDir;
  TClock fClock;
  std::unique_ptr<TTransferProgress> fProgress;
  TFtpThread* fThread = nullptr;
  TFtpStatusEvent fOwnStatus;
  bool fFTPLoad = false, fOk = false, fAbort = false, fFilesFinish = false;

  QLabel* lName = nullptr;
  QLabel* lSize = nullptr;
  QProgressBar* pbFile = nullptr;
  QLabel* lFileCount = nullptr;
  QLabel* lFilesDone = nullptr;
  QLabel* lElapsed = nullptr;
  QLabel* lRemaining = nullptr;
  QLabel* lBytesTotal = nullptr;
  QLabel* lBytesDone = nullptr;
  QLabel* lBytesPerSecond = nullptr;
  QLabel* lStatus = nullptr;
  QProgressBar* pbTotal = nullptr;
  ui::TQVCheckBox* cbAutoClose = nullptr;
  ui::TQVButton* bbAbort = nullptr;
};

// Shows the window modally while it downloads list into folder. True when all
// files arrived; aborted tells whether the user stopped the transfer.
bool DownloadFtpFiles(TQVFtp& ftp, const TQVFtpFileList& list, bool& aborted, const std::string& folder,
                      QWidget* owner = nullptr);

}  // namespace update
