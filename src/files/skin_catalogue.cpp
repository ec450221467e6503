// Looking skins up by file name.
#include "files/skin.h"

namespace sorvane {

int32_t SkinIndexByFileName(const Skins& skins, const std::string& file_name) {
  // The last match wins; a name that matches no skin falls back to the first one.
  for (size_t i = skins.size(); i-- > 0;) {
    if (skins[i].file_name == file_name) return static_cast<int32_t>(i);
  }
  return 0;
}

}  // namespace sorvane
