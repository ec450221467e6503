// Looking skins up by file name and releasing them.
#include "files/skin.h"

namespace sorvane {

int32_t GetSkinByFileName(const TSkins& skins, const std::string& file_name) {
  // The last match wins; a name that matches no skin falls back to the first one.
  for (size_t i = skins.size(); i-- > 0;) {
    if (skins[i].FileName == file_name) return static_cast<int32_t>(i);
  }
  return 0;
}

void ClearShape(TShape& shape) {
  for (TShapeElement& element : shape) element.Points.clear();
  shape.clear();
}

void ClearSkin(TSkin& skin) {
  ClearShape(skin.HArrow);
  ClearShape(skin.MArrow);
  ClearShape(skin.SArrow);
  ClearShape(skin.StaticDigital);
  ClearShape(skin.StaticAnalog);
  for (TShape& mark : skin.Marks) ClearShape(mark);
  for (TShape& digit : skin.Digits) ClearShape(digit);
}

void ClearSkins(TSkins& skins) {
  for (TSkin& skin : skins) ClearSkin(skin);
  skins.clear();
}

}  // namespace sorvane
