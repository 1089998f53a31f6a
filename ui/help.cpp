#include "ui/help.h"

#include <QVariant>
#include <QWidget>

#include <utility>

namespace ui {

namespace {

std::function<void(int)>& Handler() {
  static std::function<void(int)> handler;
  return handler;
}

}  // namespace

int HelpContextOf(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    const int context = widget->property("HelpContext").toInt();
    if (context != 0) return context;
  }
  return 0;
}

void SetHelpHandler(std::function<void(int context)> handler) { Handler() = std::move(handler); }

bool ShowHelpContext(int context) {
  if (!Handler()) return false;
  Handler()(context);
  return true;
}

}  // namespace ui
