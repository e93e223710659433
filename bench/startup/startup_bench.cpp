// Start-up time: from entering main() to the main window's first expose, as a user
// would see it. Prints the figure and exits.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "shell/forms/main_window.h"
#include "window_registry.h"

namespace {
QElapsedTimer g_clock;

class ExposeWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && !done_) {
      auto* window = static_cast<QWindow*>(watched);
      if (window->isExposed()) {
        done_ = true;
        std::printf("startup: main window shown after %.1f ms (platform %s)\n",
                    static_cast<double>(g_clock.nsecsElapsed()) / 1e6,
                    qPrintable(QGuiApplication::platformName()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      }
    }
    return false;
  }

 private:
  bool done_ = false;
};
}  // namespace

int main(int argc, char* argv[]) {
  g_clock.start();
  QApplication app(argc, argv);
  MDImain window(ProgramForms());
  window.winId();  // create the native window so its expose can be watched
  ExposeWatcher watcher;
  window.windowHandle()->installEventFilter(&watcher);
  window.MDIForm_Load();
  return QApplication::exec();
}
