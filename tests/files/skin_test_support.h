#pragma once
// Building small skin files and the shapes they should give.
#include <string>
#include <utility>
#include <vector>

#include "fake_files.h"
#include "files/skin.h"

namespace sorvane::testing {

inline const std::filesystem::path kSkinFolder = "C:/clock";

// A skin file: the header and the given lines, each ending in CR LF.
inline std::string SkinText(const std::vector<std::string>& lines) {
  std::string bytes = "Vitrelle skin file.\r\n";
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

inline ShapeElement Poly(char op, std::vector<Point> points) {
  ShapeElement e;
  e.operation = op;
  e.points = std::move(points);
  return e;
}

inline ShapeElement Circle(char op, int32_t x, int32_t y, int32_t radius) {
  ShapeElement e;
  e.operation = op;
  e.x = x;
  e.y = y;
  e.radius = radius;
  return e;
}

struct Catalogue {
  Skins skins;
  std::vector<std::pair<std::string, int32_t>> created;  // what the menu was told
};

// Loads the given files, in this order, from a fake folder.
inline Catalogue LoadFiles(const std::vector<std::pair<std::string, std::string>>& files) {
  FakeFiles disk;
  for (const auto& [name, bytes] : files) disk.Add(kSkinFolder / name, bytes);
  Catalogue c;
  LoadSkins(kSkinFolder, disk, c.skins,
            [&c](const std::string& name, int32_t index) { c.created.emplace_back(name, index); });
  return c;
}

}  // namespace sorvane::testing
