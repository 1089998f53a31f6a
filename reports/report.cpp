#include "reports/report.h"

#include <stdexcept>

namespace reports {

// The state of one preparation: the page being filled and where the next band goes.
class TQRReport::Layout {
 public:
  Layout(const TQRReport& report, TQRPageStore& store, const std::function<void()>& yield)
      : fReport(report), fStore(store), fYield(yield), fPageSize(PreparedFrame(report).PageSize()) {}

  void Run() {
    StartPage();
    const int rowCount = static_cast<int>(fReport.rows.rows.size());
    for (int row = 0; row < rowCount && !fStore.CancelRequested(); ++row) {
      if (fY + fReport.detail.height > Bottom()) {
        EndPage();
        if (fStore.CancelRequested()) break;
        StartPage();
      }
      PrintBand(fReport.detail, row, fReport.onBandColor);
      ReportProgress(row + 1, rowCount);
    }
    EndPage();
  }

  static TPreparedReport PreparedFrame(const TQRReport& report) {
    TPreparedReport frame;
    frame.title = report.title;
    frame.orientation = report.orientation;
    frame.allowDuplex = report.allowDuplex;
    return frame;
  }

 private:
  int Bottom() const { return fPageSize.height() - fReport.margins.bottom(); }

  void StartPage() {
    ++fPageNumber;
    fPage = {};
    fPageOpen = true;
    fY = fReport.margins.top();
    PrintBand(fReport.pageHeader, -1, {});
  }

  void EndPage() {
    if (!fPageOpen) return;
    fPageOpen = false;
    fStore.AddPage(std::move(fPage));
    fPage = {};
    if (fYield) fYield();
  }

  void PrintBand(const TQRBand& band, int row, const TBandHook& colorHook) {
    const QRect rect(fReport.margins.left(), fY, fReport.PrintableSize().width(), band.height);
    TBandCanvas canvas(rect.width(), rect.height());
    const QStringList* values = row >= 0 ? &fReport.rows.rows[row] : nullptr;
    TBandContext context{canvas, fPageNumber, row, values, rect};
    if (colorHook) colorHook(context);
    if (band.onPrint) band.onPrint(context);
    if (context.background.alpha() != 0)
      fPage.items.emplace_back(TFilledRect{rect, context.background});
    for (TPrimitive& item : canvas.TakeItems(rect.topLeft())) fPage.items.push_back(std::move(item));
    fY += band.height;
  }

  void ReportProgress(int done, int total) {
    const int percent = static_cast<int>(static_cast<qint64>(done) * 100 / total);
    if (percent != fLastPercent) fStore.SetProgress(percent);
    fLastPercent = percent;
  }

  const TQRReport& fReport;
  TQRPageStore& fStore;
  const std::function<void()>& fYield;
  QSize fPageSize;
  TPreparedPage fPage;
  bool fPageOpen = false;
  int fPageNumber = 0;
  int fY = 0;
  int fLastPercent = -1;
};

TPreparedReport TQRReport::Frame() const { return Layout::PreparedFrame(*this); }

QSize TQRReport::PrintableSize() const {
  const QSize page = Layout::PreparedFrame(*this).PageSize();
  return {page.width() - margins.left() - margins.right(), page.height() - margins.top() - margins.bottom()};
}

void TQRReport::Prepare(TQRPageStore& store, const std::function<void()>& yield) const {
  const int room = PrintableSize().height() - pageHeader.height;
  if (detail.height <= 0 || room < detail.height)
    throw std::invalid_argument("Der Detailbereich passt nicht auf die Seite.");
  store.Begin(Layout::PreparedFrame(*this));
  store.SetRows(rows);
  if (onBeforePrint) onBeforePrint();
  Layout(*this, store, yield).Run();
  store.Finish();
}

}  // namespace reports
