#pragma once
// Pictures out as PNG files, encoded by stb_image_write.
#include <filesystem>
#include <string>

#include "image.h"

namespace sorvane::skintool {

// The PNG file's bytes (RGBA, 8 bits a channel).
std::string EncodePng(const Image& image);

// Writes the PNG to `file` in binary mode. Throws ToolError naming the file when it cannot
// be written completely.
void WritePng(const Image& image, const std::filesystem::path& file);

}  // namespace sorvane::skintool
