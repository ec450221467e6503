#pragma once
// What the skin reader can tell a skin author about lines it ignored or that change nothing
// the clock draws. The clock itself listens to none of it; the skin authors' tool does.
#include <cstdint>
#include <functional>
#include <string>

namespace sorvane {

enum class SkinNote {
  NotSkinHeader,        // first line is not exactly the header: the file adds no skin
  BeforeNames,          // a line before the file's "\names" line
  SecondNames,          // only the first "\names" line of a file counts
  UnknownLine,          // the first word is no keyword, number or order entry
  BadNumber,            // digits and '-' that make no signed 32-bit integer
  ExtraWords,           // words after those the line's keyword uses
  NoTarget,             // "\mark" or "\digit" without a valid number: its shapes are dropped
  MarkNeverDrawn,       // "\mark 13" is stored but drawn by nothing
  RotateIgnored,        // "u" on mark 14, which always turns
  SectionRepeated,      // a section met again takes up its old shapes and overwrites them
  ShapeDiscarded,       // a shape read while no section list is open
  OperationInvalid,     // an operation word longer than one character: no operation
  OperationUnknown,     // a one-character operation other than + - & %: taken as '+'
  NoOperation,          // a later shape with no operation adds nothing to its list
  ShortPolygon,         // a polygon with fewer than three vertices has no area
  CircleTooSmall,       // a circle radius below 1 turns it into an empty polygon
  DataOutsideShape,     // a data line with no "polygon" or "circle" before it
  DataMalformed,        // a vertex line not of exactly two numbers; a circle line without radius
  DataNoElement,        // a data line after an order entry in a shape section: no element to fill
  ViewMalformed,        // a view line without three numbers
  OrderInShapes,        // an order entry in a shape section leaves an empty element
  OrderOutsideSection,  // an order entry outside an order section changes nothing
  OrderOverflow,        // more order entries than the order has slots
  OrderCapitals,        // an analog order entry with capitals draws nothing
  OrderNotAnalog,       // "digits" in the analog order draws nothing
};

struct SkinNoteEvent {
  std::string file;  // the file's name, as the folder listing gives it
  int32_t line = 0;  // from 1, the header being line 1
  SkinNote note = SkinNote::UnknownLine;
  std::string text;  // the whole line
};

using SkinObserver = std::function<void(const SkinNoteEvent&)>;

}  // namespace sorvane
