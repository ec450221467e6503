// The tick's timer: one arming, one call, at about the time asked; arming again replaces it.
#include "shells/qt/wall_clock_timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

namespace sorvane::qt {
namespace {

TEST(WallClockTimer, FiresOnceAtTheLastTimeArmed) {
  int fired = 0, time_set = 0;
  qint64 fired_after = 0;
  QElapsedTimer since;
  WallClockTimer timer([&] { ++fired, fired_after = since.elapsed(); }, [&] { ++time_set; });
  since.start();
  timer.Start(5000);
  timer.Start(150);
  while (since.elapsed() < 600) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(fired, 1);
  EXPECT_GE(fired_after, 145);  // the system clock's milliseconds, not earlier
  EXPECT_EQ(time_set, 0);

  timer.Start(100);
  timer.Stop();
  while (since.elapsed() < 900) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace sorvane::qt
