#pragma once
// TQRProgressForm: the small window shown while a report is printed or
// exported ("Druckvorgang", or "Liste erstellen" when not printing). While it
// is visible every other window of the program is disabled, so create it
// without an owner: a disabled owner would disable it too.
#include <QPointer>

#include "ui/qv_form.h"

class QLabel;
class QProgressBar;

namespace ui {
class TQVButton;
}

namespace reports {

class TBusyAnimation;

class TQRProgressForm : public ui::TQVForm {
  Q_OBJECT
 public:
  enum class TTask { Print, Prepare, Export };

  explicit TQRProgressForm(QWidget* owner = nullptr);
  ~TQRProgressForm() override;

  // Sets the texts for a print or a preparation; toPage 0 means "alles".
  void StartPrint(TTask task, const QString& title, const QString& printerName, int fromPage, int toPage);
  // Sets the texts for an export through the named filter.
  void StartExport(const QString& title, const QString& filterName, int pageCount);
  // A page was completed; inRange: it lies within the printed range.
  void PageDone(int pageNumber, bool inRange);
  void SetProgress(int value);
  bool Cancelled() const { return fCancelled; }

  // Shows the window and disables all others until it is hidden.
  void ShowWhileBusy();
  void Finish();

  QString InfoText() const;
  QString DestinationText() const;
  QString CurrentPageText() const;
  QString DonePagesText() const;
  QString FromText() const;
  QString ToText() const;
  int BarValue() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString ActionWord() const;
  void ShowTitle();
  void EnableOtherWindows(bool enable);

  TTask fTask = TTask::Prepare;
  QString fTitle;
  bool fCancelled = false;
  int fDonePages = 0;
  int fLastShown = -1;
  qint64 fLastStep = 0;
  QElapsedTimer fStepClock;
  QLabel* lbTitle;
  QLabel* lbDestination;
  QLabel* lbFromValue;
  QLabel* lbToValue;
  QLabel* lbCurrentCaption;
  QLabel* lbCurrentValue;
  QLabel* lbDoneCaption;
  QLabel* lbDoneValue;
  QLabel* lbInfo;
  QProgressBar* pbProgress;
  TBusyAnimation* anAnimation;
  ui::TQVButton* bbCancel;
  QList<QPointer<QWidget>> fDisabled;
};

}  // namespace reports
