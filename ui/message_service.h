#pragma once
// The one way every window shows a message or asks a question, and plays the
// sounds that go with them. The program uses the Qt implementation; a test
// installs its own (ScriptedMessageService) to answer and to read back what was asked.
#include <QString>

#include <initializer_list>
#include <vector>

#include "ui/modal_result.h"

namespace ui {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// In the order the buttons appear in a message box.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };

class TMsgDlgButtons {
 public:
  TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons);
  bool Contains(TMsgDlgBtn button) const { return (fBits & Bit(button)) != 0; }
  std::vector<TMsgDlgBtn> InOrder() const;
  bool operator==(const TMsgDlgButtons& other) const { return fBits == other.fBits; }

 private:
  static unsigned Bit(TMsgDlgBtn button) { return 1u << button; }
  unsigned fBits = 0;
};

enum class TSound { Exclamation, Error };

struct TMessageRequest {
  QString text;   // as the program wrote it; "\r" stands for a line break
  QString title;  // empty: the standard caption of the type
  TMsgDlgType type = mtInformation;
  TMsgDlgButtons buttons = {mbOK};
  TMsgDlgBtn defaultButton = mbOK;
  int helpContext = 0;
};

// The result a button closes a message box with.
TModalResult ModalResultOf(TMsgDlgBtn button);

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual TModalResult Ask(const TMessageRequest& request) = 0;
  virtual void PlaySound(TSound sound) = 0;
};

// The service in use: the Qt one unless another was installed.
MessageService& Messages();
// Installs a service (null: the Qt one) and answers the one it replaces.
MessageService* SetMessageService(MessageService* service);

// Installs a service for the life of the object.
class ScopedMessageService {
 public:
  explicit ScopedMessageService(MessageService& service) : fPrevious(SetMessageService(&service)) {}
  ~ScopedMessageService() { SetMessageService(fPrevious); }
  ScopedMessageService(const ScopedMessageService&) = delete;
  ScopedMessageService& operator=(const ScopedMessageService&) = delete;

 private:
  MessageService* fPrevious;
};

}  // namespace ui
