#pragma once
// The skin catalogue: every "*.skn" file of the program's folder read into TSkin records.
// Shapes are kept in design units (the face spans -300..300, y downwards, hands drawn at
// twelve o'clock); the analog builder turns and scales them at each rebuild.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/file_service.h"
#include "files/skin_notes.h"
#include "region/region.h"

namespace sorvane {

struct TShapeElement {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Radius = 0;     // above 0: a circle; otherwise a polygon of Points
  char Operation = 0;     // '+', '-', '&', '%' or 0 (none)
  std::vector<Point> Points;
  friend bool operator==(const TShapeElement&, const TShapeElement&) = default;
};

using TShape = std::vector<TShapeElement>;

struct TSkin {
  std::string Name;
  std::string FileName;
  std::array<std::string, 5> AnalogOrder{"static", "marks", "harrow", "marrow", "sarrow"};
  TShape HArrow, MArrow, SArrow;
  std::array<bool, 15> MarkRotate{true, true, true, true, true, true, true, true,
                                  true, true, true, true, true, true, true};
  std::array<TShape, 15> Marks;
  TShape StaticAnalog;
};

using TSkins = std::vector<TSkin>;

// Called once for every skin created, with its name and its index in the catalogue, so the
// menu can add the skin's item.
using SkinCreated = std::function<void(const std::string& name, int32_t index)>;

// Reads every "*.skn" file of `folder` in directory order into a new catalogue. A file that
// exists but cannot be read throws FileError; the skins read before it are kept in
// `skins`, which is why the catalogue is passed in rather than returned.
void LoadSkin(const std::filesystem::path& folder, FileService& files, TSkins& skins,
              const SkinCreated& on_created);
// The same, telling `observer` of every line that is ignored or changes nothing the clock
// draws (for the skin authors' tool; the clock passes no observer).
void LoadSkin(const std::filesystem::path& folder, FileService& files, TSkins& skins,
              const SkinCreated& on_created, const SkinObserver& observer);

// Index of the last skin whose FileName equals `file_name` exactly; 0 when none does.
int32_t GetSkinByFileName(const TSkins& skins, const std::string& file_name);

}  // namespace sorvane
