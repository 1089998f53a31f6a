#include "ui/control_scale.h"

#include <QWidget>

#include <cmath>
#include <vector>

namespace ui {

namespace {

struct TControlChangeScaleItem {
  const QMetaObject* controlsClass;
  TControlChangeScaleProc controlProc;
};

std::vector<TControlChangeScaleItem>& Registrations() {
  static std::vector<TControlChangeScaleItem> items;
  return items;
}

const TControlChangeScaleItem* RegistrationOf(const QWidget* control) {
  for (const auto& item : Registrations())
    if (control->metaObject()->inherits(item.controlsClass)) return &item;
  return nullptr;
}

}  // namespace

void RegisterControlChangeScale(const QMetaObject& controlsClass, TControlChangeScaleProc proc) {
  Registrations().push_back({&controlsClass, std::move(proc)});
}

void ChangeScaleControls(QWidget* window, int m, int d, bool beforeChangeScale) {
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    if (const auto* item = RegistrationOf(child))
      item->controlProc(child, m, d, beforeChangeScale);
    else
      ChangeScaleControls(child, m, d, beforeChangeScale);
  }
}

int ScaleValue(int value, int m, int d) { return static_cast<int>(std::lround(double(value) * m / d)); }

}  // namespace ui
