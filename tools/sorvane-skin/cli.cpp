#include "cli.h"

#include <charconv>
#include <optional>

#include "tool_error.h"

namespace sorvane::skintool {

namespace {

// A whole number made of digits only, or nothing.
std::optional<int> Digits(std::string_view text, size_t max_digits) {
  if (text.empty() || text.size() > max_digits) return std::nullopt;
  // from_chars would take a leading minus sign.
  if (text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Walks the arguments after the command word, splitting "--name=value" and collecting
// positional words.
class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}

  bool Next() {
    if (at_ >= args_.size()) return false;
    const std::string& arg = args_[at_++];
    inline_value_.reset();
    word_ = arg;
    if (arg.rfind("--", 0) == 0) {
      const size_t equals = arg.find('=');
      if (equals != std::string::npos) {
        word_ = arg.substr(0, equals);
        inline_value_ = arg.substr(equals + 1);
      }
    }
    return true;
  }
  const std::string& word() const { return word_; }
  bool IsOption() const { return word_.size() > 1 && word_[0] == '-'; }

  std::string Value() {
    if (inline_value_) return *inline_value_;
    if (at_ >= args_.size()) throw ToolError("option " + word_ + " needs a value");
    return args_[at_++];
  }
  void NoValue() const {
    if (inline_value_) throw ToolError("option " + word_ + " takes no value");
  }

 private:
  const std::vector<std::string>& args_;
  size_t at_ = 1;  // args_[0] is the command word
  std::string word_;
  std::optional<std::string> inline_value_;
};

void SetOnce(std::optional<std::string>& slot, const std::string& option, std::string value) {
  if (slot) throw ToolError("option " + option + " is given twice");
  slot = std::move(value);
}

[[noreturn]] void Unknown(const std::string& command, const std::string& word) {
  throw ToolError("unknown option " + word + " for '" + command + "'");
}

std::string Require(const std::optional<std::string>& value, const std::string& what) {
  if (!value) throw ToolError(what);
  return *value;
}

Command ParseCheck(const std::vector<std::string>& args) {
  CheckCommand check;
  ArgReader reader(args);
  while (reader.Next()) {
    if (reader.IsOption()) Unknown("check", reader.word());
    check.files.push_back(reader.word());
  }
  if (check.files.empty()) throw ToolError("'check' needs at least one skin file");
  return check;
}

Command ParseRender(const std::vector<std::string>& args) {
  std::optional<std::string> file, time, size, output;
  bool seconds = false;
  ArgReader reader(args);
  while (reader.Next()) {
    const std::string& word = reader.word();
    if (word == "--time") {
      SetOnce(time, word, reader.Value());
    } else if (word == "--size") {
      SetOnce(size, word, reader.Value());
    } else if (word == "-o" || word == "--output") {
      SetOnce(output, "-o", reader.Value());
    } else if (word == "--seconds") {
      reader.NoValue();
      seconds = true;
    } else if (reader.IsOption()) {
      Unknown("render", word);
    } else {
      if (file) throw ToolError("'render' takes one skin file, not '" + word + "' too");
      file = word;
    }
  }
  RenderCommand render;
  render.file = Require(file, "'render' needs a skin file");
  render.time = ParseTime(Require(time, "'render' needs --time HH:MM:SS"));
  render.size = ParseSize(Require(size, "'render' needs --size PIXELS"));
  render.seconds = seconds;
  render.output = Require(output, "'render' needs -o OUT.png");
  return render;
}

Command ParseSheet(const std::vector<std::string>& args) {
  std::optional<std::string> folder, output;
  ArgReader reader(args);
  while (reader.Next()) {
    const std::string& word = reader.word();
    if (word == "-o" || word == "--output") {
      SetOnce(output, "-o", reader.Value());
    } else if (reader.IsOption()) {
      Unknown("sheet", word);
    } else {
      if (folder) throw ToolError("'sheet' takes one folder, not '" + word + "' too");
      folder = word;
    }
  }
  SheetCommand sheet;
  sheet.folder = Require(folder, "'sheet' needs a folder of skins");
  sheet.output = Require(output, "'sheet' needs -o OUT.png");
  return sheet;
}

}  // namespace

TimeOfDay ParseTime(std::string_view text) {
  const auto bad = [&] {
    return ToolError("time '" + std::string(text) + "' is not HH:MM:SS (00:00:00 to 23:59:59)");
  };
  const size_t first = text.find(':');
  const size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) throw bad();
  const auto h = Digits(text.substr(0, first), 2);
  const auto m = Digits(text.substr(first + 1, second - first - 1), 2);
  const auto s = Digits(text.substr(second + 1), 2);
  if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) throw bad();
  return {*h, *m, *s};
}

int ParseSize(std::string_view text) {
  const auto size = Digits(text, 5);
  if (!size || *size < 1 || *size > kMaxSize) {
    throw ToolError("size '" + std::string(text) + "' is not a number of pixels from 1 to " +
                    std::to_string(kMaxSize));
  }
  return *size;
}

Command ParseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) throw ToolError("no command given (try --help)");
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return HelpCommand{};
  }
  const std::string& command = args[0];
  if (command == "help") return HelpCommand{};
  if (command == "check") return ParseCheck(args);
  if (command == "render") return ParseRender(args);
  if (command == "sheet") return ParseSheet(args);
  throw ToolError("unknown command '" + command + "' (try --help)");
}

std::string HelpText() {
  return R"(Usage: sorvane-skin COMMAND ...
A tool for authors of Sorvane skins (*.skn). It reads skins with the clock's own reader
and draws them with the clock's own region builder.

  sorvane-skin check FILE...
      Reports every line of each skin file that the clock ignores or that changes nothing
      it draws, as FILE:LINE: warning: what and why.
      Exit status: 0 every file is clean, 1 some file has warnings, 2 some file is not a
      skin (its first line is not exactly "Vitrelle skin file." or it has no \names line).

  sorvane-skin render FILE --time HH:MM:SS --size PIXELS [--seconds] -o OUT.png
      Draws the analog clock of the file's skin as the clock window's region: a PIXELS x
      PIXELS PNG, the clock in black, everything else transparent.
      --time HH:MM:SS   the time shown, 00:00:00 to 23:59:59
      --size PIXELS     the face's side, 1 to 8192 (the clock's sizes: 250, 213, 174,
                        137, 100, 50, or the screen height)
      --seconds         draw the second hand too (the clock's "Show Seconds")
      -o, --output OUT.png  the picture to write

  sorvane-skin sheet DIR -o OUT.png
      A contact sheet of every skin in DIR, loaded as the clock loads its folder, each at
      10:09:30 with the second hand, labelled with its name and file name.
      -o, --output OUT.png  the picture to write

  sorvane-skin --help
      This text. -h and "help" do the same.

Options may also be written --name=value. Errors (a missing or unreadable file, a bad
argument, an output that cannot be written) print one line and end with exit status 3.
)";
}

}  // namespace sorvane::skintool
