#pragma once
// What the skin reader can tell a skin author about lines it ignored or that change nothing
// the clock draws. The clock itself listens to none of it; the skin authors' tool does.
#include <cstdint>
#include <functional>
#include <string>

namespace sorvane {

enum class SkinNote {
  kNotSkinHeader,        // first line is not exactly the header: the file adds no skin
  kBeforeNames,          // a line before the file's "\names" line
  kSecondNames,          // only the first "\names" line of a file counts
  kUnknownLine,          // the first word is no keyword, number or order entry
  kBadNumber,            // digits and '-' that make no signed 32-bit integer
  kExtraWords,           // words after those the line's keyword uses
  kNoTarget,             // "\mark" or "\digit" without a valid number: its shapes are dropped
  kMarkNeverDrawn,       // "\mark 13" is stored but drawn by nothing
  kRotateIgnored,        // "u" on mark 14, which always turns
  kSectionRepeated,      // a section met again takes up its old shapes and overwrites them
  kShapeDiscarded,       // a shape read while no section list is open
  kOperationInvalid,     // an operation word longer than one character: no operation
  kOperationUnknown,     // a one-character operation other than + - & %: taken as '+'
  kNoOperation,          // a later shape with no operation adds nothing to its list
  kShortPolygon,         // a polygon with fewer than three vertices has no area
  kCircleTooSmall,       // a circle radius below 1 turns it into an empty polygon
  kDataOutsideShape,     // a data line with no "polygon" or "circle" before it
  kDataMalformed,        // a vertex line not of exactly two numbers; a circle line without radius
  kDataNoElement,        // a data line after an order entry in a shape section: no element to fill
  kViewMalformed,        // a view line without three numbers
  kOrderInShapes,        // an order entry in a shape section leaves an empty element
  kOrderOutsideSection,  // an order entry outside an order section changes nothing
  kOrderOverflow,        // more order entries than the order has slots
  kOrderCapitals,        // an analog order entry with capitals draws nothing
  kOrderNotAnalog,       // "digits" in the analog order draws nothing
};

struct SkinNoteEvent {
  std::string file;  // the file's name, as the folder listing gives it
  int32_t line = 0;  // from 1, the header being line 1
  SkinNote note = SkinNote::kUnknownLine;
  std::string text;  // the whole line
};

using SkinObserver = std::function<void(const SkinNoteEvent&)>;

}  // namespace sorvane
