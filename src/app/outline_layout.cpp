#include "app/outline_layout.h"

namespace sorvane {

std::optional<OutlineLayout> LayoutForStyle(std::string_view style, int32_t width) {
  const int32_t line = width / 4;
  if (style == "Analog") return OutlineLayout{true, std::nullopt, width};
  if (style == "Digital") return OutlineLayout{false, 0, line};
  if (style == "AnaDigi") return OutlineLayout{true, width, width + line};
  return std::nullopt;
}

std::optional<Rect> TextColorBand(std::string_view style, bool show_date, int32_t width,
                                  int32_t height) {
  if (style == "Digital") return Rect{0, 0, width, height};
  if (style == "AnaDigi" || (style == "Analog" && show_date)) {
    return Rect{0, width, width, height};
  }
  return std::nullopt;
}

}  // namespace sorvane
