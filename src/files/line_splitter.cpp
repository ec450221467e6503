// Splitting a data file into lines the way the clock has always read them: CR ends a line
// and swallows one LF right after it; a lone LF is an ordinary character; Ctrl-Z ends the
// file.
#include "files/tokenizer.h"

namespace sorvane {

std::vector<std::string> SplitLines(std::string_view bytes) {
  constexpr char kEndOfFile = 26;
  const size_t end = bytes.find(kEndOfFile);
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);

  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t cr = bytes.find('\r', start);
    if (cr == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));  // the last line may lack its end
      break;
    }
    lines.emplace_back(bytes.substr(start, cr - start));
    start = cr + 1;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace sorvane
