#pragma once
// A generated table report for the demo program, the screenshots and the
// tests: a page header with title, page number and column captions, one
// detail row per generated right, and alternating row shading that starts
// grey on every page.
#include "reports/report.h"

namespace reports {

// rows: how many generated rows; 1600 make 31 pages.
TQRReport SampleReport(int rows);

}  // namespace reports
