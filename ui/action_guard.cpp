#include "ui/action_guard.h"

#include <QString>

#include <exception>

#include "ui/abort.h"
#include "ui/messages.h"

namespace ui {

bool RunGuarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const EAbort&) {
  } catch (const std::exception& failure) {
    ShowErrorMessage(QString::fromUtf8(failure.what()));
  }
  return false;
}

}  // namespace ui
