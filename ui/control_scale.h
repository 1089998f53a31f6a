#pragma once
// Per-class procedures that adapt a control when its window is rescaled
// (Ctrl+Alt+Z): list views scale their columns, status bars their panels.
#include <QMetaObject>

#include <functional>

class QWidget;

namespace ui {

using TControlChangeScaleProc = std::function<void(QWidget* control, int m, int d, bool beforeChangeScale)>;

// Registered once at program start; the first registration a control is an
// instance of decides.
void RegisterControlChangeScale(const QMetaObject& controlsClass, TControlChangeScaleProc proc);
// Walks the window's controls depth first: a control of a registered class gets
// its procedure and is not descended into.
void ChangeScaleControls(QWidget* window, int m, int d, bool beforeChangeScale);

// The value times m/d, rounded.
int ScaleValue(int value, int m, int d);

}  // namespace ui
