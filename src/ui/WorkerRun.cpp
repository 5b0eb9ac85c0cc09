#include "ui/WorkerRun.h"

#include <QEventLoop>
#include <QThread>
#include <exception>
#include <memory>

namespace validador::ui {

// QThread::finished is emitted on the worker after the work returns, so its queued
// delivery comes after everything the work queued for this thread.
void RunOnWorker(const std::function<void()>& work) {
  std::exception_ptr failure;
  std::unique_ptr<QThread> worker(QThread::create([&work, &failure] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
  }));
  QEventLoop untilDone;
  QObject::connect(worker.get(), &QThread::finished, &untilDone, &QEventLoop::quit,
                   Qt::QueuedConnection);
  // The work starts once the events already waiting are handled (a repaint, a key
  // pressed meanwhile), as if it had been queued behind them.
  QMetaObject::invokeMethod(&untilDone, [&worker] { worker->start(); }, Qt::QueuedConnection);
  untilDone.exec();
  worker->wait();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace validador::ui
