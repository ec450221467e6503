#include "run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "shipped_skins.h"
#include "stb_image.h"
#include "temp_folder.h"

namespace sorvane::skintool {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(Run, ErrorsGiveOneLineAndAFailingStatus) {
  TempFolder folder;
  const std::string missing = (folder.path() / "missing.skn").string();
  const std::string not_skin = folder.WriteLines("plain.skn", {"hello"}).string();
  const std::string png = (folder.path() / "o.png").string();
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"render", missing, "--time", "10:09:30", "--size", "50", "-o", png},
      {"render", not_skin, "--time", "10:09:30", "--size", "50", "-o", png},
      {"render", folder.path().string(), "--time", "10:09:30", "--size", "50", "-o", png},
      {"render", "x.skn", "--time", "25:00:00", "--size", "50", "-o", png},
      {"sheet", missing, "-o", png},
      {"sheet", folder.path().string(), "-o", png},  // a folder with no skin in it
      {"check", missing},
  };
  for (const auto& args : cases) {
    const Outcome o = RunTool(args);
    EXPECT_EQ(o.status, kExitError) << (args.empty() ? "" : args[0]) << o.err;
    EXPECT_EQ(Lines(o.err), 1u) << o.err;
    EXPECT_EQ(o.err.rfind("sorvane-skin: ", 0), 0u) << o.err;
  }
  EXPECT_FALSE(std::filesystem::exists(png));
}

TEST(Run, HelpGoesToStandardOutput) {
  const Outcome o = RunTool({"--help"});
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.out.find("Usage: sorvane-skin"), std::string::npos);
  EXPECT_TRUE(o.err.empty());
}

TEST(Run, RenderWritesThePictureOfTheAskedSize) {
  const auto skins = ShippedSkinFiles();
  ASSERT_FALSE(skins.empty());
  TempFolder folder;
  const std::string png = (folder.path() / "clock.png").string();
  const Outcome o = RunTool(
      {"render", skins.front().string(), "--time", "10:09:30", "--size", "137", "--seconds", "-o", png});
  ASSERT_EQ(o.status, 0) << o.err;
  int w = 0, h = 0, n = 0;
  unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(w, 137);
  EXPECT_EQ(h, 137);
  int opaque = 0;
  for (int i = 0; i < w * h; ++i) opaque += pixels[i * 4 + 3] == 255 ? 1 : 0;
  stbi_image_free(pixels);
  EXPECT_GT(opaque, 0);
  EXPECT_LT(opaque, w * h);
}

TEST(Run, SheetOfTheShippedSkins) {
  TempFolder folder;
  const std::string png = (folder.path() / "sheet.png").string();
  const Outcome o = RunTool({"sheet", SORVANE_SKINS_DIR, "-o", png});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.out.find(std::to_string(ShippedSkinFiles().size()) + " skin"), std::string::npos)
      << o.out;
  int w = 0, h = 0, n = 0;
  EXPECT_TRUE(stbi_info(png.c_str(), &w, &h, &n));
  EXPECT_GT(w, 160);
}

}  // namespace
}  // namespace sorvane::skintool
