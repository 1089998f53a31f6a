#include "reports/text_search.h"

#include <QFontMetricsF>

#include "reports/page_painter.h"

namespace reports {

QRect TextPartRect(const TTextRun& run, int position, int length) {
  // The run's font is sized in report units, so its metrics are too.
  const QFontMetricsF metrics(RunFont(run));
  const double whole = metrics.horizontalAdvance(run.text);
  double left = run.rect.left();
  if (run.alignment & Qt::AlignRight)
    left = run.rect.right() + 1 - whole;
  else if (run.alignment & Qt::AlignHCenter)
    left = run.rect.left() + (run.rect.width() - whole) / 2;
  const double start = left + metrics.horizontalAdvance(run.text.left(position));
  const double width = metrics.horizontalAdvance(run.text.mid(position, length));
  const double height = std::min<double>(metrics.height(), run.rect.height());
  double top = run.rect.top();
  if (run.alignment & Qt::AlignBottom)
    top = run.rect.bottom() + 1 - height;
  else if (run.alignment & Qt::AlignVCenter)
    top = run.rect.top() + (run.rect.height() - height) / 2;
  return QRectF(start, top, width, height).toAlignedRect();
}

std::vector<TSearchMatch> FindOnPage(const TPreparedPage& page, int pageIndex, const QString& text, bool matchCase) {
  std::vector<TSearchMatch> matches;
  if (text.isEmpty()) return matches;
  const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (const TPrimitive& item : page.items) {
    const auto* run = std::get_if<TTextRun>(&item);
    if (!run) continue;
    for (qsizetype at = run->text.indexOf(text, 0, sensitivity); at >= 0;
         at = run->text.indexOf(text, at + text.size(), sensitivity)) {
      const int position = static_cast<int>(at);
      matches.push_back({pageIndex, run->text.mid(position, text.size()), TextPartRect(*run, position, static_cast<int>(text.size()))});
    }
  }
  return matches;
}

}  // namespace reports
