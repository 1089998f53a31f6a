#pragma once
// TQVStatusBar: a status bar of panels with fixed widths, each showing a text
// and optionally a child control (a progress bar, a button).
#include <QStatusBar>

class QLabel;

namespace ui {

class TQVStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit TQVStatusBar(QWidget* parent = nullptr);

  // A panel of the given width; a stretching panel also takes the space left.
  int AddPanel(int width, const QString& text = {}, bool stretch = false);
  int PanelCount() const { return static_cast<int>(fPanels.size()); }
  QString PanelText(int index) const;
  void SetPanelText(int index, const QString& text);
  void SetPanelAlignment(int index, Qt::Alignment alignment);
  int PanelWidth(int index) const;
  void SetPanelWidth(int index, int width);
  // Shows the control inside the panel, right of its text.
  void SetPanelControl(int index, QWidget* control);
  // The panel's rectangle in the status bar.
  QRect PanelRect(int index) const;
  // After the window was rescaled.
  void ChangeScale(int m, int d);

 private:
  struct Panel {
    QWidget* frame;
    QLabel* label;
    bool stretch;
  };
  QList<Panel> fPanels;
};

}  // namespace ui
