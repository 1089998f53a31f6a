#pragma once
// Shows a report in the modal preview: the window opens at once and the
// pages are prepared inside it, so the first page shows while the rest is made.
class QWidget;

namespace reports {

class TQRReport;

void PreviewReport(const TQRReport& report, QWidget* owner = nullptr);

}  // namespace reports
