#include "update/ftp_download_dlg.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

#include <chrono>
#include <exception>
#include <tuple>

#include "ui/button.h"
#include "ui/check_buttons.h"
#include "ui/edits.h"
#include "ui/messages.h"
#include "update/call_methode_thread.h"
#include "update/ftp_thread.h"

namespace update {

namespace {

constexpr int kNameWidth = 330;

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::int64_t SteadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A value label named for tests, after its caption in the grid's next row.
QLabel* AddRow(QGridLayout* grid, const QString& caption, const char* name, const QString& value = {}) {
  const int row = grid->rowCount();
  auto* parent = grid->parentWidget();
  grid->addWidget(new ui::TQVLabel(caption, parent), row, 0);
  auto* label = new ui::TQVLabel(value, parent);
  label->setObjectName(QString::fromLatin1(name));
  grid->addWidget(label, row, 1);
  return label;
}

QProgressBar* NewBar(QWidget* parent, const char* name) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setRange(0, 100);
  bar->setValue(0);
  return bar;
}

// The temporary folder at the start of a path reads "TEMP".
QString ShownPath(const std::string& path) {
  const QString text = QDir::toNativeSeparators(Q(path));
  const QString temp = QDir::toNativeSeparators(QDir::tempPath());
  if (!temp.isEmpty() && text.startsWith(temp)) return QStringLiteral("TEMP") + text.mid(temp.size());
  return text;
}

}  // namespace

TfmFTPDownLoadDlg::TfmFTPDownLoadDlg(QWidget* parent) : ui::TSavePosForm(parent), fClock(SteadyMs) {
  setObjectName(QStringLiteral("fmFTPDownLoadDlg"));
  setWindowTitle(QStringLiteral("Datei(en) übertragen"));
  // No title-bar buttons: the window ends through its own button only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildFileGroup());
  layout->addWidget(BuildTotalGroup());
  cbAutoClose = new ui::TQVCheckBox(
      QStringLiteral("Fenster nach erfolgreicher Dateiübetragung automatisch schließen"), this);
  cbAutoClose->setObjectName(QStringLiteral("cbAutoClose"));
  cbAutoClose->setChecked(true);
  layout->addWidget(cbAutoClose);
  bbAbort = new ui::TQVButton(ui::bkCustom, QStringLiteral("&Übertragung abbrechen"), this);
  bbAbort->setObjectName(QStringLiteral("bbAbort"));
  bbAbort->SetCancel(true);  // Escape asks as the button does
  connect(bbAbort, &QPushButton::clicked, this, [this] { AbortClicked(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bbAbort);
  layout->addLayout(buttons);
}

TfmFTPDownLoadDlg::~TfmFTPDownLoadDlg() = default;

QGroupBox* TfmFTPDownLoadDlg::BuildFileGroup() {
  auto* group = new QGroupBox(QStringLiteral("Aktuelle Datei"), this);
  auto* grid = new QGridLayout(group);
  lName = AddRow(grid, QStringLiteral("Name:"), "lName");
  lName->setFixedWidth(kNameWidth);
  lSize = AddRow(grid, QStringLiteral("Größe:"), "lSize");
  pbFile = NewBar(group, "pbFile");
  grid->addWidget(pbFile, grid->rowCount(), 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

QGroupBox* TfmFTPDownLoadDlg::BuildTotalGroup() {
  auto* group = new QGroupBox(QStringLiteral("Gesamt"), this);
  auto* grid = new QGridLayout(group);
  lFileCount = AddRow(grid, QStringLiteral("Dateien gesamt:"), "lFileCount");
  lFilesDone = AddRow(grid, QStringLiteral("davon verarbeitet:"), "lFilesDone", QStringLiteral("keine"));
  lElapsed = AddRow(grid, QStringLiteral("Verstrichene Zeit:"), "lElapsed");
  lRemaining = AddRow(grid, QStringLiteral("Verbleibende Zeit:"), "lRemaining");
  lBytesTotal = AddRow(grid, QStringLiteral("Bytes gesamt:"), "lBytesTotal");
  lBytesDone = AddRow(grid, QStringLiteral("Bytes übertragen:"), "lBytesDone");
  lBytesPerSecond = AddRow(grid, QStringLiteral("Bytes/Sekunde:"), "lBytesPerSecond");
  lStatus = AddRow(grid, QStringLiteral("Status:"), "lStatus");
  lStatus->setFixedWidth(kNameWidth);
  pbTotal = NewBar(group, "pbTotal");
  grid->addWidget(pbTotal, grid->rowCount(), 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

void TfmFTPDownLoadDlg::Init(TQVFtp& ftp, const TQVFtpFileList& list, const std::string& folder) {
  fFTP = &ftp;
  fList = &list;
  fDir = folder;
  // The caller decides: the box shows its ticked state only.
  cbAutoClose->setEnabled(false);
}

void TfmFTPDownLoadDlg::FirstIdleAction() {
  if (fFTP && fList && !fFTPLoad) Transfer();
}

bool TfmFTPDownLoadDlg::CanClose() { return fThread == nullptr; }

void TfmFTPDownLoadDlg::StartProgress(std::int64_t totalBytes, int fileCount) {
  fProgress = std::make_unique<TTransferProgress>(totalBytes, fClock());
  lFileCount->setText(QString::number(fileCount));
  lBytesTotal->setText(Q(FormatByteCount(totalBytes)));
  lElapsed->clear();
  lBytesDone->clear();
  lRemaining->setText(QStringLiteral("unbekannt"));
  lBytesPerSecond->setText(QStringLiteral("unbekannt"));
}

void TfmFTPDownLoadDlg::BeginFile(const std::string& localPath, std::int64_t size) {
  lName->setText(lName->fontMetrics().elidedText(ShownPath(localPath), Qt::ElideMiddle, lName->width()));
  lName->setToolTip(ShownPath(localPath));
  lSize->setText(Q(FormatByteCount(size)));
  pbFile->setValue(0);
  if (fProgress) fProgress->BeginFile(size);
}

void TfmFTPDownLoadDlg::WorkBegin(TWorkMode mode, std::int64_t countMax) {
  (void)countMax;
  Work(mode, 0);
}

void TfmFTPDownLoadDlg::Work(TWorkMode mode, std::int64_t count) {
  (void)mode;
  // The client forgets an abort that came before its request began; repeat it.
  if (fAbort && fThread) fThread->SetAbort(true);
  if (fProgress && fProgress->Work(count, fClock())) ShowProgress();
}

void TfmFTPDownLoadDlg::ShowProgress() {
  const TTransferTexts& texts = fProgress->Texts();
  lElapsed->setText(Q(texts.Elapsed));
  lRemaining->setText(Q(texts.Remaining));
  lBytesDone->setText(Q(texts.BytesTransferred));
  lBytesPerSecond->setText(Q(texts.BytesPerSecond));
  pbFile->setValue(texts.FilePercent);
  pbTotal->setValue(texts.TotalPercent);
}

void TfmFTPDownLoadDlg::Status(TFtpStatus status, const std::string& text) {
  // The connect runs on a worker; its events are shown in the window's thread.
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(this, [this, status, text] { Status(status, text); }, Qt::QueuedConnection);
    return;
  }
  SetStatusText(Q(text));
  if (fOwnStatus) fOwnStatus(status, text);
}

void TfmFTPDownLoadDlg::SetStatusText(const QString& text) {
  lStatus->setText(lStatus->fontMetrics().elidedText(text, Qt::ElideRight, lStatus->width()));
  lStatus->setToolTip(text);
}

void TfmFTPDownLoadDlg::Transfer() {
  fFTPLoad = true;
  const auto ownHandlers = std::make_tuple(fFTP->OnStatus, fFTP->OnWorkBegin, fFTP->OnWork, fFTP->OnWorkEnd);
  const std::int32_t ownTimeout = fFTP->Target.ReadTimeoutMs;
  fOwnStatus = fFTP->OnStatus;
  fFTP->OnStatus = [this](TFtpStatus status, const std::string& text) { Status(status, text); };
  fFTP->OnWorkBegin = [this](TWorkMode mode, std::int64_t max) { WorkBegin(mode, max); };
  fFTP->OnWork = [this](TWorkMode mode, std::int64_t count) { Work(mode, count); };
  fFTP->OnWorkEnd = nullptr;
  if (ownTimeout > 0) fFTP->Target.ReadTimeoutMs = kDefaultReadTimeoutMs;

  bool hadError = false;
  if (ConnectClient()) {
    std::int64_t total = 0;
    for (const auto& item : *fList) total += item->FSize;
    StartProgress(total, static_cast<int>(fList->size()));
    int done = 0;
    for (const auto& item : *fList) {
      if (!DownloadFile(*item)) hadError = true;
      if (fAbort) break;
      lFilesDone->setText(QString::number(++done));
    }
    Finish(hadError);
  }
  fFTP->Target.ReadTimeoutMs = ownTimeout;
  std::tie(fFTP->OnStatus, fFTP->OnWorkBegin, fFTP->OnWork, fFTP->OnWorkEnd) = ownHandlers;
  if (fOk && cbAutoClose->isChecked()) done(ui::mrOk);
  else if (fAbort || !fProgress) done(ui::mrCancel);
}

bool TfmFTPDownLoadDlg::ConnectClient() {
  if (fFTP->Connected()) return true;
  try {
    TCallMethodeThread::Run([this] { fFTP->Connect(); });
    return true;
  } catch (const std::exception& error) {
    setResult(ui::mrCancel);
    ui::ShowValidationMessage(nullptr, QStringLiteral("Verbinden nicht möglich ") + Q(error.what()), 3, false);
    return false;
  }
}

// False on an error. The thread downloads through a ".part" file, so an error
// or abort leaves an older file of that name as it was.
bool TfmFTPDownLoadDlg::DownloadFile(const TFtpFileListItem& item) {
  const std::string localPath = QDir(Q(fDir)).filePath(Q(item.DestFileName())).toStdString();
  const QString name = Q(item.fFileName);
  BeginFile(localPath, item.FSize);
  SetStatusText(QStringLiteral("Datei ") + name + QStringLiteral(" wird ") + QStringLiteral("angefordert"));
  bool arrived = false;
  std::string error;
  {
    TFtpThread thread(fFTP, fFTP->FQVAccount, fFTP->FClientNr);
    fThread = &thread;
    try {
      arrived = thread.Get(item.fFileName, localPath, true, false);
    } catch (const std::exception& e) {
      error = e.what();
    }
    fThread = nullptr;
  }
  if (fAbort || (!arrived && error.empty())) {
    fAbort = true;
    SetStatusText(QStringLiteral("Übertragung von ") + name + QStringLiteral(" abgebrochen"));
    return true;
  }
  if (!error.empty()) {
    const QString text = QStringLiteral("Fehler bei Übertragung von ") + name + QStringLiteral(" ") + Q(error);
    SetStatusText(text);
    ui::ShowErrorMessage(text);
    return false;
  }
  fProgress->EndFile(fClock());
  ShowProgress();
  SetStatusText(QStringLiteral("Übertragung ") + name + QStringLiteral(" abgeschlossen"));
  return true;
}

void TfmFTPDownLoadDlg::Finish(bool hadError) {
  fOk = !fAbort && !hadError;
  if (!fOk) lStatus->setStyleSheet(QStringLiteral("color: red;"));
  fFilesFinish = true;
  bbAbort->SetKind(ui::bkClose);
  bbAbort->setText(QStringLiteral("&Schließen"));
}

void TfmFTPDownLoadDlg::AbortClicked() {
  if (fFilesFinish || (fAbort && !fThread)) {
    done(fOk ? ui::mrOk : ui::mrCancel);
    return;
  }
  if (fAbort) return;
  if (ui::ShowMessageDialog(QStringLiteral("Möchten Sie die Dateiübertragung abbrechen?"), ui::mbNo,
                            ui::mtConfirmation, {ui::mbYes, ui::mbNo}) != ui::mrYes)
    return;
  fAbort = true;
  if (fThread) fThread->SetAbort(true);
  bbAbort->SetKind(ui::bkClose);
  bbAbort->setText(QStringLiteral("&Schließen"));
}

bool DownloadFtpFiles(TQVFtp& ftp, const TQVFtpFileList& list, bool& aborted, const std::string& folder,
                      QWidget* owner) {
  TfmFTPDownLoadDlg dialog(owner ? owner : QApplication::activeWindow());
  dialog.Init(ftp, list, folder);
  dialog.exec();
  aborted = dialog.Aborted();
  return dialog.Ok();
}

}  // namespace update
