// The default profile and the accepted words of the profile values.
#include <algorithm>
#include <array>
#include <string_view>

#include "files/profile.h"

namespace sorvane {

void SetDefault(TProfile& profile) {
  profile.name = "StartUp";
  profile.x = 0;
  profile.y = 0;
  profile.xside = "right";
  profile.yside = "top";
  profile.size.clear();  // no size: applying the profile keeps the window's size
  profile.style = "Analog";
  profile.ancor = "desktop";
  profile.showseconds = true;
  profile.showsecondsd = true;
  profile.datashow = true;
  profile.format12 = false;
  profile.skinfile.clear();  // no skin named: the first loaded skin is used
  profile.showalarms = true;
  profile.visible = true;
  profile.timecolor = 16777215;  // white
  profile.clockcolor = 255;      // red
  profile.fontitalic = false;
  profile.fontname = "Microsoft Sans Serif";
  profile.dateformatnumber = 1;
}

bool IsRight(const std::string& value, int kind) {
  using Words = std::vector<std::string_view>;
  // "Invisible" is not among the styles: the menu writes it when both faces are off, and
  // such a profile reads back with the style it had before that line.
  static const std::array<Words, 5> accepted{
      Words{"left", "right"},
      Words{"top", "bottom"},
      Words{"FullScreen", "Huge", "Large", "Medium", "Small", "Tiny", "SuperTiny"},
      Words{"Analog", "Digital", "AnaDigi"},
      Words{"hook", "desktop"},
  };
  if (kind < 0 || kind >= static_cast<int>(accepted.size())) return false;
  const Words& words = accepted[static_cast<size_t>(kind)];
  return std::find(words.begin(), words.end(), value) != words.end();
}

}  // namespace sorvane
