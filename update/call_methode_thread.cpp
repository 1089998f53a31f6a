#include "update/call_methode_thread.h"

#include <QEventLoop>
#include <QThread>

#include <exception>
#include <memory>

namespace update {

void TCallMethodeThread::Run(const std::function<void()>& method) {
  std::exception_ptr error;
  std::unique_ptr<QThread> worker(QThread::create([&] {
    try {
      method();
    } catch (...) {
      error = std::current_exception();
    }
  }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  worker->start();
  loop.exec();
  worker->wait();
  if (error) std::rethrow_exception(error);
}

}  // namespace update
