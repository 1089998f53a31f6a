#pragma once
// Messages as Qt message boxes with German captions and buttons, in the order
// and with the default button the program asked for.
#include "ui/message_service.h"

class QMessageBox;

namespace ui {

class QtMessageService : public MessageService {
 public:
  TModalResult Ask(const TMessageRequest& request) override;
  // Both sounds are the system's one beep.
  void PlaySound(TSound sound) override;
};

// The standard caption of a message type ("Warnung", "Fehler", ...).
QString DialogCaption(TMsgDlgType type);
// The German caption of a message box button ("&Ja", "&Nein", ...).
QString ButtonCaption(TMsgDlgBtn button);

}  // namespace ui
