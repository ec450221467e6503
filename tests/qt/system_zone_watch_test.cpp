// The system zone's file: a link turned to another zone, or the file written over, is heard
// once; anything else in its folder is not.
#include "shells/qt/system_zone_watch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace sorvane::qt {
namespace {

void Write(const QString& path, const QByteArray& data) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(data);
}

// A link made beside and renamed over the old one, as a settings tool replaces it.
void TurnLink(const QString& link, const QString& target) {
  const QString made = link + ".new";
  ASSERT_EQ(symlink(target.toLocal8Bit().constData(), made.toLocal8Bit().constData()), 0);
  ASSERT_EQ(rename(made.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);
}

TEST(SystemZoneWatch, HearsTheZoneFileChangeAndNothingElse) {
  QTemporaryDir folder;
  const QString zones = folder.filePath("zones"), etc = folder.filePath("etc");
  ASSERT_TRUE(QDir().mkpath(zones) && QDir().mkpath(etc));
  Write(zones + "/UTC", "utc data");
  Write(zones + "/Kolkata", "kolkata data");
  const QString link = etc + "/localtime", copied = etc + "/copied";
  ASSERT_EQ(symlink((zones + "/UTC").toLocal8Bit().constData(), link.toLocal8Bit().constData()),
            0);
  Write(copied, "utc data");

  const struct {
    const char* what;
    QString file;
    std::function<void()> change;
    int heard;
  } cases[] = {
      {"another file in the folder", link, [&] { Write(etc + "/hostname", "x"); }, 0},
      {"the link turned to another zone", link, [&] { TurnLink(link, zones + "/Kolkata"); }, 1},
      {"a copied zone written over", copied, [&] { Write(copied, "kolkata data"); }, 1},
  };
  for (const auto& c : cases) {
    int heard = 0;
    SystemZoneWatch watch([&] { ++heard; }, c.file);
    c.change();
    QElapsedTimer since;
    since.start();
    while (since.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(heard, c.heard) << c.what;
  }
}

}  // namespace
}  // namespace sorvane::qt
