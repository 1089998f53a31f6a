#include "reports/page_store.h"

namespace reports {

TQRPageStore::TQRPageStore(QObject* parent) : QObject(parent) {}

void TQRPageStore::Begin(const TPreparedReport& frame) {
  fReport = frame;
  fReport.pages.clear();
  fComplete = false;
  fCancelRequested = false;
}

void TQRPageStore::AddPage(TPreparedPage page) {
  fReport.pages.push_back(std::move(page));
  emit PageAvailable(PageCount());
}

void TQRPageStore::SetProgress(int value) { emit Progress(value); }

void TQRPageStore::Finish() {
  fComplete = true;
  emit Progress(0);
  emit PageAvailable(PageCount());
}

void TQRPageStore::Replace(TPreparedReport report) {
  fReport = std::move(report);
  fComplete = true;
  fCancelRequested = false;
  emit PageAvailable(PageCount());
}

}  // namespace reports
