#pragma once
// TQRPageStore: the pages of one report while they are prepared and after.
// Announces each page as it arrives and the progress of the preparation, so a
// preview can show the first page while later ones are still being made; a
// cancel request is seen by the engine after the current row.
#include <QObject>

#include "reports/prepared_report.h"

namespace reports {

class TQRPageStore : public QObject {
  Q_OBJECT
 public:
  explicit TQRPageStore(QObject* parent = nullptr);

  const TPreparedReport& Report() const { return fReport; }
  int PageCount() const { return static_cast<int>(fReport.pages.size()); }
  const TPreparedPage& Page(int index) const { return fReport.pages.at(index); }

  // Starts a new preparation: no pages, not complete.
  void Begin(const TPreparedReport& frame);
  void AddPage(TPreparedPage page);
  void SetRows(TReportRows rows) { fReport.rows = std::move(rows); }
  // Percent 0..100, or above 100 a record count × 100.
  void SetProgress(int value);
  // Preparation ended (also when cancelled); announces the pages once more.
  void Finish();
  // Takes over a whole report (a loaded file); complete at once.
  void Replace(TPreparedReport report);

  bool IsComplete() const { return fComplete; }
  void RequestCancel() { fCancelRequested = true; }
  bool CancelRequested() const { return fCancelRequested; }
  // Preparation ended because of a cancel request.
  bool WasCancelled() const { return fComplete && fCancelRequested; }

 signals:
  void PageAvailable(int pageCount);
  void Progress(int value);

 private:
  TPreparedReport fReport;
  bool fComplete = false;
  bool fCancelRequested = false;
};

}  // namespace reports
