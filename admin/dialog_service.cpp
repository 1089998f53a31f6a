#include "dialog_service.h"

#include <stdexcept>

#include "admin/qt_dialog_service.h"

namespace admin {

namespace {
std::unique_ptr<DialogService>& Current() {
  static std::unique_ptr<DialogService> service;
  return service;
}
}  // namespace

DialogService& Dialogs() {
  if (!Current()) Current() = std::make_unique<QtDialogService>();
  return *Current();
}

std::unique_ptr<DialogService> SetDialogService(std::unique_ptr<DialogService> service) {
  std::unique_ptr<DialogService> previous = std::move(Current());
  Current() = std::move(service);
  return previous;
}

}  // namespace admin
