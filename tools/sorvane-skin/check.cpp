#include "check.h"

#include <algorithm>

#include "skin_source.h"

namespace sorvane::skintool {

namespace {

constexpr std::string_view kHeader = "Vitrelle skin file.";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Why a first line is not the header, in the terms an author can fix.
std::string HeaderProblem(const std::string& line) {
  const std::string exact = "first line must be exactly \"" + std::string(kHeader) + "\"";
  if (line.empty()) return exact + ", but it is empty";
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) return exact + ", but the file starts with a UTF-8 byte-order mark";
  if (Trim(line) == kHeader) return exact + ", but it has blanks before or after it";
  if (Lower(Trim(line)) == Lower(std::string(kHeader))) return exact + ", with that letter case";
  if (line.find('\n') != std::string::npos) return exact + " and end with CR LF, not LF alone";
  return exact;
}

// A line as shown in the report: control characters (a stray LF, binary junk) would break
// the one-warning-a-line form, so they show as '?'.
std::string Shown(const std::string& line) {
  std::string shown = Trim(line);
  for (char& c : shown) {
    if ((c >= 0 && c < 32) || c == 127) c = '?';
  }
  return shown;
}

}  // namespace

std::string Explain(SkinNote note) {
  switch (note) {
    case SkinNote::NotSkinHeader: return "not a skin header";
    case SkinNote::BeforeNames: return "comes before the \\names line and is ignored";
    case SkinNote::SecondNames: return "only the first \\names line of a file counts";
    case SkinNote::UnknownLine: return "unknown keyword; the line is ignored";
    case SkinNote::BadNumber: return "not a whole number from -2147483648 to 2147483647; the line is ignored";
    case SkinNote::ExtraWords: return "words after what the keyword uses are ignored";
    case SkinNote::NoTarget: return "mark number must be 0 to 14 and digit number 0 to 12; the shapes of this section are dropped";
    case SkinNote::MarkNeverDrawn: return "mark 13 is never drawn";
    case SkinNote::RotateIgnored: return "\"u\" has no effect on mark 14: minute marks always turn";
    case SkinNote::SectionRepeated: return "section appears again: its new shapes overwrite the earlier ones";
    case SkinNote::ShapeDiscarded: return "shape is read and dropped: no list above it to take it (see the section line)";
    case SkinNote::OperationInvalid: return "operation must be one character; this shape gets no operation";
    case SkinNote::OperationUnknown: return "operation is not one of + - & %; taken as +";
    case SkinNote::NoOperation: return "a shape after the first of its list needs an operation (+ - & %); this one adds nothing";
    case SkinNote::ShortPolygon: return "polygon has fewer than three vertices and draws nothing";
    case SkinNote::CircleTooSmall: return "circle radius below 1 makes the shape an empty polygon that draws nothing";
    case SkinNote::DataOutsideShape: return "data line with no \"polygon\" or \"circle\" line before it is ignored";
    case SkinNote::DataMalformed: return "a vertex line needs exactly two numbers and a circle line x y radius; the line is ignored";
    case SkinNote::DataNoElement: return "data line after an order entry in a shape section has no shape to fill and is ignored";
    case SkinNote::ViewMalformed: return "a view line needs three numbers; the line is ignored";
    case SkinNote::OrderInShapes: return "order entry inside a shape section leaves an empty shape before the next one";
    case SkinNote::OrderOutsideSection: return "order entry outside \\analogorder or \\digitalorder changes nothing";
    case SkinNote::OrderOverflow: return "more order entries than the order has slots (5 analog, 2 digital); this one is dropped";
    case SkinNote::OrderCapitals: return "analog order entries must be written in lower case; this one draws nothing";
    case SkinNote::OrderNotAnalog: return "\"digits\" in the analog order draws nothing";
  }
  return "ignored";
}

CheckResult CheckSkinFile(const std::filesystem::path& file) {
  CheckResult result;
  std::string header_problem;
  const Skins skins = ReadOneSkinFile(file, [&](const SkinNoteEvent& event) {
    if (event.note == SkinNote::NotSkinHeader) {
      header_problem = HeaderProblem(event.text);
    } else {
      result.warnings.push_back(event);
    }
  });
  if (!header_problem.empty()) {
    result.is_skin = false;
    result.not_skin_reason = header_problem;
  } else if (skins.empty()) {
    result.is_skin = false;
    result.not_skin_reason = "no \\names line, so the file adds no skin";
  }
  std::stable_sort(result.warnings.begin(), result.warnings.end(),
                   [](const SkinNoteEvent& a, const SkinNoteEvent& b) { return a.line < b.line; });
  return result;
}

int CheckStatus(const CheckResult& result) {
  if (!result.is_skin) return 2;
  return result.warnings.empty() ? 0 : 1;
}

void PrintCheck(const std::string& file, const CheckResult& result, std::ostream& out) {
  if (!result.is_skin) {
    out << file << ":1: error: not a skin: " << result.not_skin_reason << '\n';
    return;
  }
  for (const SkinNoteEvent& w : result.warnings) {
    out << file << ':' << w.line << ": warning: " << Explain(w.note) << ": " << Shown(w.text) << '\n';
  }
  const size_t n = result.warnings.size();
  out << file << ": " << (n == 0 ? "no" : std::to_string(n)) << (n == 1 ? " warning" : " warnings") << '\n';
}

}  // namespace sorvane::skintool
