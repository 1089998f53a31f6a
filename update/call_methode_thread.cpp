#include "update/call_methode_thread.h"

#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <thread>

namespace update {

void TCallMethodeThread::Run(const std::function<void()>& method) {
  std::exception_ptr error;
  QEventLoop loop;
  std::thread worker([&] {
    try {
      method();
    } catch (...) {
      error = std::current_exception();
    }
    // Queued: reaches the loop even when it has not started yet.
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  // Joining makes everything the method did visible to the caller.
  worker.join();
  if (error) std::rethrow_exception(error);
}

}  // namespace update
