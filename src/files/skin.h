#pragma once
// The skin catalogue: every "*.skn" file of the program's folder read into Skin records.
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

// One circle or polygon of a shape, with how it joins the elements before it.
struct ShapeElement {
  int32_t x = 0;  // a circle's centre
  int32_t y = 0;
  int32_t radius = 0;  // above 0: a circle; otherwise a polygon of `points`
  char operation = 0;  // '+', '-', '&', '%' or 0 (none)
  std::vector<Point> points;
  friend bool operator==(const ShapeElement&, const ShapeElement&) = default;
};

// A list of elements, each combined into the ones before it by its operation.
using Shape = std::vector<ShapeElement>;

struct Skin {
  std::string name;       // the text after "\names"
  std::string file_name;  // the file it was read from, as the folder listing gives it
  // What is drawn, in this order ("\analogorder"); the entries are kept as written.
  std::array<std::string, 5> analog_order{"static", "marks", "harrow", "marrow", "sarrow"};
  Shape hour_hand, minute_hand, second_hand;  // "\harrow", "\marrow", "\sarrow", at twelve
  // "\mark n": 0 the hour mark for every hour without its own, 1 to 12 the hours' own marks
  // (1 is twelve o'clock), 13 never drawn, 14 the minute mark.
  std::array<Shape, 15> marks;
  // Whether mark n turns to the place it stands at ("\mark n u" turns it off).
  std::array<bool, 15> mark_turns{true, true, true, true, true, true, true, true,
                                  true, true, true, true, true, true, true};
  Shape face;  // "\staticanalog"
};

using Skins = std::vector<Skin>;

// Called once for every skin created, with its name and its index in the catalogue, so the
// menu can add the skin's item.
using SkinCreated = std::function<void(const std::string& name, int32_t index)>;

// Reads every "*.skn" file of `folder` in directory order into a new catalogue. A file that
// exists but cannot be read throws FileError; the skins read before it are kept in
// `skins`, which is why the catalogue is passed in rather than returned.
void LoadSkins(const std::filesystem::path& folder, FileService& files, Skins& skins,
               const SkinCreated& on_created);
// The same, telling `observer` of every line that is ignored or changes nothing the clock
// draws (for the skin authors' tool; the clock passes no observer).
void LoadSkins(const std::filesystem::path& folder, FileService& files, Skins& skins,
               const SkinCreated& on_created, const SkinObserver& observer);

// The skins of several folders in one new catalogue, folder after folder. A file name met
// again in a later folder stands for the earlier file (a user's own copy of a shipped skin
// replaces it), so each name has one skin and one menu item.
void LoadSkinFolders(const std::vector<std::filesystem::path>& folders, FileService& files,
                     Skins& skins, const SkinCreated& on_created);

// Index of the last skin whose file_name equals `file_name` exactly; 0 when none does.
int32_t SkinIndexByFileName(const Skins& skins, const std::string& file_name);

}  // namespace sorvane
