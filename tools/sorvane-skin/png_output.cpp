#include "png_output.h"

#include <fstream>

#include "tool_error.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

namespace sorvane::skintool {

namespace {
void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<size_t>(size));
}
}  // namespace

std::string EncodePng(const Image& image) {
  std::string png;
  const int ok = stbi_write_png_to_func(AppendBytes, &png, image.width(), image.height(), 4,
                                        image.bytes().data(), image.width() * 4);
  if (!ok) throw ToolError("cannot encode the picture as PNG");
  return png;
}

void WritePng(const Image& image, const std::filesystem::path& file) {
  const std::string png = EncodePng(image);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(png.data(), static_cast<std::streamsize>(png.size()));
  out.close();
  if (!out) throw ToolError("cannot write '" + file.string() + "'");
}

}  // namespace sorvane::skintool
