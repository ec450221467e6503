// The skins that ship beside the program, read by the real skin reader and drawn by the
// real region builder: they load, stay inside the face, use every feature of the format
// between them, and keep their hands visible from the smallest clock to a full screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "files/skin.h"
#include "geometry/analog_region.h"
#include "geometry/shape_region.h"
#include "region/window_fit.h"

namespace sorvane {
namespace {

// tests/data sits two levels below the source tree's root, where skins/ is. Taken apart
// lexically: tests/data need not exist.
const std::filesystem::path kSkinFolder =
    std::filesystem::path(SORVANE_TEST_DATA).parent_path().parent_path() / "skins";

const Skins& ShippedSkins() {
  static const Skins skins = [] {
    Skins loaded;
    LoadSkins(kSkinFolder, DiskFiles(), loaded, [](const std::string&, int32_t) {});
    return loaded;
  }();
  return skins;
}

const Skin& ShippedSkin(const std::string& file_name) {
  const Skins& skins = ShippedSkins();
  return skins.at(static_cast<size_t>(SkinIndexByFileName(skins, file_name)));
}

int64_t Area(const Region& r) {
  int64_t area = 0;
  for (const Rect& rect : r.Rects())
    area += int64_t{rect.right - rect.left} * (rect.bottom - rect.top);
  return area;
}

std::vector<const Shape*> AllShapes(const Skin& s) {
  std::vector<const Shape*> shapes{&s.face, &s.hour_hand, &s.minute_hand, &s.second_hand};
  for (const Shape& mark : s.marks) shapes.push_back(&mark);
  return shapes;
}

TEST(ShippedSkins, LoadWithTheirNamesAndCrLfLines) {
  const std::map<std::string, std::string> expected = {{"classic.skn", " Classic"},
                                                       {"contrast.skn", " Contrast"},
                                                       {"minimal.skn", " Minimal"},
                                                       {"ornament.skn", " Ornament"},
                                                       {"ring.skn", " Ring"}};
  ASSERT_EQ(ShippedSkins().size(), expected.size());
  for (const auto& [file, name] : expected) {
    EXPECT_EQ(ShippedSkin(file).file_name, file);
    EXPECT_EQ(ShippedSkin(file).name, name) << file;

    std::ifstream in(kSkinFolder / file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes.rfind("Vitrelle skin file.\r\n", 0), 0u) << file;
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << file << ": bare LF at " << i;
      }
      if (bytes[i] == '\r') {
        EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << file << ": bare CR at " << i;
      }
    }
  }
}

TEST(ShippedSkins, TheDefaultSortsFirst) {
  // A profile that names no skin gets the first one the folder lists; folders list by name.
  std::vector<std::string> names;
  for (const Skin& s : ShippedSkins()) names.push_back(s.file_name);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(*std::min_element(names.begin(), names.end()), "classic.skn");
}

TEST(ShippedSkins, EveryShapeStaysInsideTheFace) {
  for (const Skin& s : ShippedSkins()) {
    for (const Shape* shape : AllShapes(s)) {
      for (const ShapeElement& e : *shape) {
        EXPECT_NE(std::string("+-&%").find(e.operation), std::string::npos) << s.file_name;
        if (e.radius > 0) {
          EXPECT_TRUE(std::abs(e.x) + e.radius <= 300 && std::abs(e.y) + e.radius <= 300)
              << s.file_name << ": circle " << e.x << " " << e.y << " " << e.radius;
        } else {
          EXPECT_GE(e.points.size(), 3u) << s.file_name;
          for (const Point& p : e.points)
            EXPECT_TRUE(std::abs(p.x) <= 300 && std::abs(p.y) <= 300)
                << s.file_name << ": " << p.x << " " << p.y;
        }
      }
    }
  }
}

TEST(ShippedSkins, TogetherUseEveryFeatureOfTheFormat) {
  std::map<std::string, bool> used;
  const Skin defaults;
  for (const Skin& s : ShippedSkins()) {
    for (const Shape* shape : AllShapes(s)) {
      for (size_t i = 0; i < shape->size(); ++i) {
        const ShapeElement& e = (*shape)[i];
        used[e.radius > 0 ? "circle" : "polygon"] = true;
        if (i > 0) used[std::string("operation ") + e.operation] = true;
      }
    }
    used["generic hour mark"] = used["generic hour mark"] || !s.marks[0].empty();
    for (int k = 1; k <= 12; ++k) {
      if (s.marks[k].empty()) continue;
      used["own hour mark"] = true;
      if (!s.mark_turns[k]) used["upright mark"] = true;
    }
    used["minute mark"] = used["minute mark"] || !s.marks[14].empty();
    used["custom order"] = used["custom order"] || s.analog_order != defaults.analog_order;
    EXPECT_FALSE(s.hour_hand.empty() || s.minute_hand.empty() || s.second_hand.empty())
        << s.file_name << " lacks a hand";
  }
  for (const char* feature :
       {"circle", "polygon", "operation +", "operation -", "operation &", "operation %",
        "generic hour mark", "own hour mark", "upright mark", "minute mark", "custom order"})
    EXPECT_TRUE(used[feature]) << "no shipped skin uses: " << feature;
}

TEST(ShippedSkins, HandsShowFromSuperTinyToFullScreen) {
  // The hands must cover pixels of their own at 50 pixels (where 12 units are one pixel)
  // at any angle, and at every size most of each hand must lie off the face, over the
  // see-through middle, or it could not be told apart from the face in the clock's one colour.
  for (const Skin& s : ShippedSkins()) {
    for (const auto& [hand, shape] : {std::pair{"hour", &s.hour_hand},
                                      {"minute", &s.minute_hand},
                                      {"second", &s.second_hand}}) {
      for (const int side : {50, 137, 768}) {
        const Region face = ShapeRegion(s.face, side, 0, side / 2, side / 2);
        for (const int angle : {0, -37, -90, -223, -354}) {
          const Region drawn = ShapeRegion(*shape, side, angle, side / 2, side / 2);
          const int64_t area = Area(drawn);
          const int64_t least = 4 * side * side / (50 * 50);  // four pixels on the 50-pixel clock
          EXPECT_GE(area, least) << s.file_name << " " << hand << " at " << side << " px, "
                                 << angle;
          const int64_t own = Area(Region::Combine(drawn, face, CombineMode::Diff));
          EXPECT_GT(own * 4, area * 3)
              << s.file_name << " " << hand << " hidden in the face at " << angle;
        }
      }
    }
  }
}

TEST(ShippedSkins, WholeClockFitsItsWindow) {
  for (int32_t i = 0; i < static_cast<int32_t>(ShippedSkins().size()); ++i) {
    for (const int side : {50, 250, 1080}) {
      const Region clock =
          AnalogClockRegion(ShippedSkins(), i, {10, 8, 37}, true, side / 2, side / 2, side);
      const Rect box = clock.Bounds();
      EXPECT_FALSE(clock.IsEmpty());
      EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= side && box.bottom <= side)
          << ShippedSkins()[static_cast<size_t>(i)].file_name << " at " << side;
      // So the window system is handed the clock exactly as drawn.
      EXPECT_EQ(RegionForWindow(clock, side, side), clock);
    }
  }
}

}  // namespace
}  // namespace sorvane
