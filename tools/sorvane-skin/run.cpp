#include "run.h"

#include <algorithm>
#include <variant>

#include "check.h"
#include "cli.h"
#include "png_output.h"
#include "render.h"
#include "sheet.h"
#include "skin_source.h"
#include "tool_error.h"

namespace sorvane::skintool {

namespace {

int RunCommand(const HelpCommand&, std::ostream& out, std::ostream&) {
  out << HelpText();
  return 0;
}

// Every file is checked even after a bad one, so one run reports them all; the status is
// the worst of them. A missing file is reported and counts as an error.
int RunCommand(const CheckCommand& check, std::ostream& out, std::ostream& err) {
  int status = 0;
  for (const std::string& file : check.files) {
    try {
      const CheckResult result = CheckSkinFile(file);
      PrintCheck(file, result, out);
      status = std::max(status, CheckStatus(result));
    } catch (const ToolError& error) {
      err << "sorvane-skin: " << error.what() << '\n';
      status = kExitError;
    }
  }
  return status;
}

int RunCommand(const RenderCommand& render, std::ostream& out, std::ostream&) {
  const Skins skins = ReadOneSkinFile(render.file);
  if (skins.empty()) throw ToolError("'" + render.file + "' is not a skin (try: sorvane-skin check)");
  const Region region = ClockRegion(skins, 0, render.time, render.seconds, render.size);
  WritePng(RenderClock(region, render.size), render.output);
  out << render.output << '\n';
  return 0;
}

int RunCommand(const SheetCommand& sheet, std::ostream& out, std::ostream&) {
  const Skins skins = ReadSkinFolder(sheet.folder);
  if (skins.empty()) throw ToolError("no skin in '" + sheet.folder + "'");
  WritePng(MakeSheet(skins), sheet.output);
  out << sheet.output << ": " << skins.size() << (skins.size() == 1 ? " skin" : " skins") << '\n';
  return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const Command command = ParseCommandLine(args);
    return std::visit([&](const auto& c) { return RunCommand(c, out, err); }, command);
  } catch (const ToolError& error) {
    err << "sorvane-skin: " << error.what() << '\n';
    return kExitError;
  } catch (const std::exception& error) {
    err << "sorvane-skin: " << error.what() << '\n';
    return kExitError;
  }
}

}  // namespace sorvane::skintool
