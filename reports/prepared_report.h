#pragma once
// A prepared report: its pages, the paper they were laid out on, its title,
// and the rows it was made from (for the row exports).
#include <QPageLayout>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

#include "reports/prepared_page.h"

namespace reports {

// A4 in report units.
constexpr int kA4Width = 2100;
constexpr int kA4Height = 2970;

struct TReportRows {
  QStringList columns;
  std::vector<QStringList> rows;
  bool operator==(const TReportRows&) const = default;
};

struct TPreparedReport {
  QString title;
  // The paper as it lies in the printer (portrait measures); the orientation turns it.
  QSize paper{kA4Width, kA4Height};
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  bool allowDuplex = false;
  std::vector<TPreparedPage> pages;
  TReportRows rows;

  // The page as drawn: paper turned by the orientation.
  QSize PageSize() const {
    return orientation == QPageLayout::Landscape ? paper.transposed() : paper;
  }
  bool IsA4() const { return paper == QSize(kA4Width, kA4Height); }
  bool operator==(const TPreparedReport&) const = default;
};

}  // namespace reports
