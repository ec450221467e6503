// The default profile and the accepted words of the profile values.
#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "files/profile.h"

namespace sorvane {

void ResetToDefaults(Profile& profile) {
  profile.name = "StartUp";
  profile.x_offset = 0;
  profile.y_offset = 0;
  profile.x_edge = "right";
  profile.y_edge = "top";
  profile.size.clear();  // no size: applying the profile keeps the window's size
  profile.style = "Analog";
  profile.anchor = "desktop";
  profile.analog_seconds = true;
  profile.digital_seconds = true;
  profile.show_date = true;
  profile.twelve_hour = false;
  profile.skin_file.clear();  // no skin named: the first loaded skin is used
  profile.show_alarms = true;
  profile.visible = true;
  profile.digital_color = 16777215;  // white
  profile.analog_color = 255;        // red
  profile.font_italic = false;
  profile.font_name = "Microsoft Sans Serif";
  profile.date_format = 1;
  profile.smooth_edges = false;
  profile.opacity = 100;
}

bool IsAcceptedOpacity(int32_t percent) {
  return std::find(std::begin(kOpacities), std::end(kOpacities), percent) != std::end(kOpacities);
}

bool IsAcceptedWord(const std::string& value, ProfileWords list) {
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
  const auto index = static_cast<size_t>(list);
  if (index >= accepted.size()) return false;
  const Words& words = accepted[index];
  return std::find(words.begin(), words.end(), value) != words.end();
}

}  // namespace sorvane
