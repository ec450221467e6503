#include "cli.h"

#include <gtest/gtest.h>

#include "tool_error.h"

namespace sorvane::skintool {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, ParsesEveryCommandWithItsOptions) {
  const Command render = ParseCommandLine(
      {"render", "a.skn", "--time", "10:09:30", "--size=250", "--seconds", "-o", "out.png"});
  const auto& r = std::get<RenderCommand>(render);
  EXPECT_EQ(r.file, "a.skn");
  EXPECT_EQ(r.time, (TimeOfDay{10, 9, 30}));
  EXPECT_EQ(r.size, 250);
  EXPECT_TRUE(r.seconds);
  EXPECT_EQ(r.output, "out.png");

  const Command render2 = ParseCommandLine(
      {"render", "--output=x.png", "--size", "50", "--time=0:0:0", "b.skn"});
  const auto& r2 = std::get<RenderCommand>(render2);
  EXPECT_EQ(r2.file, "b.skn");
  EXPECT_EQ(r2.time, (TimeOfDay{0, 0, 0}));
  EXPECT_FALSE(r2.seconds);
  EXPECT_EQ(r2.output, "x.png");

  const Command check = ParseCommandLine({"check", "a.skn", "b.skn"});
  EXPECT_EQ(std::get<CheckCommand>(check).files, (Args{"a.skn", "b.skn"}));

  const Command sheet = ParseCommandLine({"sheet", "skins", "-o", "s.png"});
  const auto& s = std::get<SheetCommand>(sheet);
  EXPECT_EQ(s.folder, "skins");
  EXPECT_EQ(s.output, "s.png");

  for (const Args& help : {Args{"--help"}, Args{"-h"}, Args{"help"}, Args{"render", "--help"}}) {
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(ParseCommandLine(help))) << help[0];
  }
}

TEST(CommandLine, RejectsWhatItCannotUseWithOneLineReason) {
  const struct {
    Args args;
    std::string reason;  // a part of the message
  } cases[] = {
      {{}, "no command"},
      {{"draw", "a.skn"}, "unknown command 'draw'"},
      {{"check"}, "at least one skin file"},
      {{"check", "--fast", "a.skn"}, "unknown option --fast"},
      {{"render", "a.skn", "--size", "250", "-o", "o.png"}, "needs --time"},
      {{"render", "a.skn", "--time", "10:09:30", "-o", "o.png"}, "needs --size"},
      {{"render", "a.skn", "--time", "10:09:30", "--size", "250"}, "needs -o"},
      {{"render", "--time", "10:09:30", "--size", "250", "-o", "o.png"}, "needs a skin file"},
      {{"render", "a.skn", "b.skn", "--time", "1:2:3", "--size", "9", "-o", "o"}, "one skin file"},
      {{"render", "a.skn", "--time"}, "--time needs a value"},
      {{"render", "a.skn", "--time", "1:2:3", "--time", "1:2:3"}, "given twice"},
      {{"render", "a.skn", "--seconds=yes"}, "takes no value"},
      {{"render", "a.skn", "--time", "24:00:00", "--size", "9", "-o", "o"}, "not HH:MM:SS"},
      {{"render", "a.skn", "--time", "1:2:3", "--size", "0", "-o", "o"}, "from 1 to 8192"},
      {{"sheet", "-o", "s.png"}, "needs a folder"},
      {{"sheet", "skins"}, "needs -o"},
      {{"sheet", "a", "b", "-o", "s.png"}, "one folder"},
  };
  for (const auto& c : cases) {
    try {
      ParseCommandLine(c.args);
      ADD_FAILURE() << "accepted: " << (c.args.empty() ? "(nothing)" : c.args[0]) << " ... "
                    << c.reason;
    } catch (const ToolError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(c.reason), std::string::npos) << message;
      EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
  }
}

TEST(CommandLine, TimeAndSizeBounds) {
  EXPECT_EQ(ParseTime("23:59:59"), (TimeOfDay{23, 59, 59}));
  EXPECT_EQ(ParseTime("07:05:00"), (TimeOfDay{7, 5, 0}));
  for (const char* bad : {"", "10:09", "10:60:00", "10:00:60", "-1:00:00", "10:09:30:00",
                          "1a:00:00", "100:00:00", "10::30", " 10:09:30"}) {
    EXPECT_THROW(ParseTime(bad), ToolError) << bad;
  }
  EXPECT_EQ(ParseSize("1"), 1);
  EXPECT_EQ(ParseSize("8192"), kMaxSize);
  for (const char* bad : {"", "0", "8193", "-5", "250px", "99999999999", "2.5"}) {
    EXPECT_THROW(ParseSize(bad), ToolError) << bad;
  }
}

TEST(CommandLine, HelpNamesEveryOption) {
  const std::string help = HelpText();
  for (const char* option : {"check", "render", "sheet", "--time", "--size", "--seconds", "-o",
                             "--output", "--help", "Exit status"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace sorvane::skintool
