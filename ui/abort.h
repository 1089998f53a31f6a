#pragma once
// Ends the current operation without a message: whoever runs the operation
// (RunGuarded) swallows it.
#include <exception>

namespace ui {

class EAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Vorgang abgebrochen"; }
};

[[noreturn]] inline void Abort() { throw EAbort(); }

}  // namespace ui
