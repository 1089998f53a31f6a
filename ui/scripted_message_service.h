#pragma once
// A message service for tests: records every question and sound, and answers
// from a script; without a scripted answer it answers as Enter would, with the
// default button.
#include <deque>
#include <vector>

#include "ui/message_service.h"

namespace ui {

class ScriptedMessageService : public MessageService {
 public:
  // The answer to the next question not yet answered.
  void Answer(TModalResult result) { fAnswers.push_back(result); }

  TModalResult Ask(const TMessageRequest& request) override;
  void PlaySound(TSound sound) override { fSounds.push_back(sound); }

  const std::vector<TMessageRequest>& Requests() const { return fRequests; }
  const std::vector<TSound>& Sounds() const { return fSounds; }
  // Forgets what was asked and played; answers not used yet stay.
  void Clear();

 private:
  std::deque<TModalResult> fAnswers;
  std::vector<TMessageRequest> fRequests;
  std::vector<TSound> fSounds;
};

}  // namespace ui
