// Reports, on standard output, the monotonic time at which a window's first frame was painted,
// then ends the program. Shared by the two start-up probes so that both are timed alike.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

class FirstFrame : public QObject {
 public:
  explicit FirstFrame(QWidget* window) { window->windowHandle()->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Widgets paint and flush synchronously while their window handles an expose; what is queued
    // now runs once that frame is out.
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && !done_) {
      done_ = true;
      QMetaObject::invokeMethod(
          this,
          [] {
            timespec now;
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::exit(0);  // not quit(): that would close the window first
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool done_ = false;
};
