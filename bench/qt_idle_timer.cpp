// The floor under any Qt clock that ticks: a Qt Widgets program on the X11 platform with one
// small window that wakes once a second and does nothing. scripts/perf.sh --linux runs it
// beside the clock, so the clock's own cost per tick can be told from what Qt's event loop
// costs every program.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setGeometry(460, 200, 16, 16);
  window.show();
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [] {});
  tick.start(1000);
  return application.exec();
}
