#pragma once
// TCallMethodeThread: runs one method on a worker thread while the calling
// thread keeps handling its events (an event loop, not a polling loop) until
// the method has ended; an error of the method is raised again in the caller.
#include <functional>

namespace update {

class TCallMethodeThread {
 public:
  // Needs a Qt application object when called from a thread with windows.
  static void Run(const std::function<void()>& method);
};

}  // namespace update
