#include "app/Pause.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <cmath>

namespace trellis {

void Pause(float seconds) {
  const QDeadlineTimer deadline(qint64(std::ceil(std::max(0.0f, seconds) * 1000.0f)),
                                Qt::PreciseTimer);
  if (!QCoreApplication::instance()) {
    QThread::msleep(quint64(deadline.remainingTime()));
    return;
  }
  QCoreApplication::processEvents();
  // A local loop sleeps until the next event or the deadline instead of spinning.
  while (!deadline.hasExpired()) {
    QEventLoop loop;
    QTimer::singleShot(deadline.remainingTime(), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

}  // namespace trellis
