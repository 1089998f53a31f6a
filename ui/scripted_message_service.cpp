#include "ui/scripted_message_service.h"

namespace ui {

TModalResult ScriptedMessageService::Ask(const TMessageRequest& request) {
  fRequests.push_back(request);
  if (fAnswers.empty()) return ModalResultOf(request.defaultButton);
  const TModalResult answer = fAnswers.front();
  fAnswers.pop_front();
  return answer;
}

void ScriptedMessageService::Clear() {
  fRequests.clear();
  fSounds.clear();
}

}  // namespace ui
