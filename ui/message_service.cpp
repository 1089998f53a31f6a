#include "ui/message_service.h"

#include "ui/qt_message_service.h"

namespace ui {

TMsgDlgButtons::TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
  for (const TMsgDlgBtn button : buttons) fBits |= Bit(button);
}

std::vector<TMsgDlgBtn> TMsgDlgButtons::InOrder() const {
  std::vector<TMsgDlgBtn> buttons;
  for (int b = mbYes; b <= mbClose; ++b)
    if (Contains(static_cast<TMsgDlgBtn>(b))) buttons.push_back(static_cast<TMsgDlgBtn>(b));
  return buttons;
}

TModalResult ModalResultOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbHelp: return mrHelp;
    case mbClose: return mrClose;
  }
  return mrNone;
}

namespace {

MessageService* gInstalled = nullptr;

}  // namespace

MessageService& Messages() {
  static QtMessageService qtService;
  return gInstalled ? *gInstalled : qtService;
}

MessageService* SetMessageService(MessageService* service) {
  MessageService* previous = gInstalled;
  gInstalled = service;
  return previous;
}

}  // namespace ui
