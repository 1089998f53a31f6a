#include "ui/status_bar.h"

#include <QHBoxLayout>
#include <QLabel>

#include "ui/control_scale.h"

namespace ui {

TQVStatusBar::TQVStatusBar(QWidget* parent) : QStatusBar(parent) {}

int TQVStatusBar::AddPanel(int width, const QString& text, bool stretch) {
  auto* frame = new QWidget(this);
  auto* layout = new QHBoxLayout(frame);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(4);
  auto* label = new QLabel(text, frame);
  // A long text is cut at the panel's edge instead of widening it.
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(label, 1);
  fPanels.append({frame, label, stretch});
  const int index = PanelCount() - 1;
  SetPanelWidth(index, width);
  addWidget(frame, stretch ? 1 : 0);
  return index;
}

QString TQVStatusBar::PanelText(int index) const { return fPanels.at(index).label->text(); }

void TQVStatusBar::SetPanelText(int index, const QString& text) { fPanels.at(index).label->setText(text); }

void TQVStatusBar::SetPanelAlignment(int index, Qt::Alignment alignment) {
  fPanels.at(index).label->setAlignment(alignment | Qt::AlignVCenter);
}

int TQVStatusBar::PanelWidth(int index) const { return fPanels.at(index).frame->minimumWidth(); }

void TQVStatusBar::SetPanelWidth(int index, int width) {
  const Panel& panel = fPanels.at(index);
  panel.frame->setMinimumWidth(width);
  if (!panel.stretch) panel.frame->setMaximumWidth(width);
}

void TQVStatusBar::SetPanelControl(int index, QWidget* control) {
  fPanels.at(index).frame->layout()->addWidget(control);
}

QRect TQVStatusBar::PanelRect(int index) const { return fPanels.at(index).frame->geometry(); }

void TQVStatusBar::ChangeScale(int m, int d) {
  if (m == d) return;
  for (int index = 0; index < PanelCount(); ++index) SetPanelWidth(index, ScaleValue(PanelWidth(index), m, d));
}

}  // namespace ui
