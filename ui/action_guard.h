#pragma once
// Runs a window's operation so that nothing it throws reaches Qt's event loop:
// EAbort ends it silently, any other failure is shown as an error message.
#include <functional>
#include <utility>

namespace ui {

// Answers whether the action ran to its end.
bool RunGuarded(const std::function<void()>& action);

// Wraps a slot: connect(button, &QPushButton::clicked, this, Guarded([this] { ... })).
template <class Action>
auto Guarded(Action action) {
  return [action = std::move(action)]() { RunGuarded(action); };
}

}  // namespace ui
