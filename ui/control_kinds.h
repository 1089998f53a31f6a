#pragma once
// How the framework sees Qt widgets: which are panels, page controls and their
// pages; which are drawn controls without a window of their own in the suite's
// other programs (labels, flat tool buttons, lines); and which children belong
// to the window's design rather than being Qt's own parts of a control.
#include <QList>

class QWidget;

namespace ui {

bool IsPageControl(const QWidget* widget);
bool IsTabSheet(const QWidget* widget);
// A container without a value: group box, frame, splitter, stack, scroll
// area, button box, status bar or a plain QWidget.
bool IsPanel(const QWidget* widget);
bool IsCheckToolButton(const QWidget* widget);
bool IsGraphicControl(const QWidget* widget);
// A single-line edit with a button of its own (TCustomComboEdit and its kin).
bool IsComboEdit(const QWidget* widget);
bool IsBrowseEdit(const QWidget* widget);
// A Qt control whose child widgets are its own parts (edits, buttons, lists, ...).
bool IsLeafControl(const QWidget* widget);
// The child widgets of the design, in creation order: a page control's pages,
// a scroll area's widget, a container's children without Qt's internal parts
// and other windows; none for a leaf control.
QList<QWidget*> DesignChildren(const QWidget* widget);

}  // namespace ui
