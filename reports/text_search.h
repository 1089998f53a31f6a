#pragma once
// Text search over prepared pages: works on the pages' text runs, not on
// pixels, so a match's rectangle comes from the run it was found in.
#include <QRect>
#include <QString>

#include <vector>

#include "reports/prepared_page.h"

namespace reports {

struct TSearchMatch {
  int page = 0;   // from 0
  QString found;  // the text as it stands on the page
  QRect rect;     // report units
};

// Every occurrence on the page, in drawing order; none for an empty text.
std::vector<TSearchMatch> FindOnPage(const TPreparedPage& page, int pageIndex, const QString& text, bool matchCase);

// Where characters [position, position + length) of a run lie on the page.
QRect TextPartRect(const TTextRun& run, int position, int length);

}  // namespace reports
