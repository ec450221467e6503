// Reading "*.skn" files into the catalogue. One reader serves a whole LoadSkin run: the
// running skin index and the entry and vertex counters carry over from file to file, while
// the "\names" flag, the mode and the target start afresh in each file. So lines of a file
// that come before its own "\names" line act on the skin made last.
//
// While a section is open, its list lives only in the working list: it is moved out of its
// skin when the section opens and moved back when the target changes and at the end of each
// file. A skin created meanwhile takes the open section over, so the skin before it gets a
// copy of the list as it stands then. The skin's own copy is stale in between, so whatever
// looks at a list during reading asks StoredList. Reading stays linear in the length of the
// file however long one section grows; storing the list after every line would copy a
// 100,000-vertex polygon 100,000 times.
#include <optional>
#include <utility>

#include "files/skin.h"
#include "files/tokenizer.h"

namespace sorvane {
namespace {

constexpr std::string_view kHeader = "Vitrelle skin file.";
constexpr std::string_view kExtension = ".skn";

enum class Mode { kNone, kAnalogOrder, kDigitalOrder, kShapes, kPolygon, kCircle };
enum class ListKind {
  kNone,
  kHArrow,
  kMArrow,
  kSArrow,
  kStaticAnalog,
  kStaticDigital,
  kMark,
  kDigit
};

// Which list of the current skin the working list is stored into. It names a list, not a
// skin: the store always goes to the skin created last.
struct Target {
  ListKind kind = ListKind::kNone;
  int number = 0;  // for marks and digits
  friend bool operator==(const Target&, const Target&) = default;
};

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::optional<int32_t> Number(const std::string& word) {
  if (!IsNum(word)) return std::nullopt;
  return ToInt32(word);  // digits and '-' that are no 32-bit integer count as no number
}

ListKind NamedSection(const std::string& keyword) {
  if (keyword == "\\harrow") return ListKind::kHArrow;
  if (keyword == "\\marrow") return ListKind::kMArrow;
  if (keyword == "\\sarrow") return ListKind::kSArrow;
  if (keyword == "\\staticanalog") return ListKind::kStaticAnalog;
  if (keyword == "\\staticdigital") return ListKind::kStaticDigital;
  return ListKind::kNone;
}

// The digit views place the digital face's digits, which the clock does not draw from a skin:
// the lines are recognised (and checked for the author) but not kept.
bool IsViewKeyword(const std::string& keyword) {
  return keyword == "\\firsthourview" || keyword == "\\secondhourview" ||
         keyword == "\\firstminuteview" || keyword == "\\secondminuteview" ||
         keyword == "\\firstsecondview" || keyword == "\\secondsecondview" ||
         keyword == "\\firstampmview" || keyword == "\\secondampmview";
}

// Slots of the digital order, whose entries are read and dropped.
constexpr size_t kDigitalOrderSlots = 2;

bool IsOrderEntry(const std::string& keyword) {
  return keyword == "static" || keyword == "marks" || keyword == "harrow" || keyword == "marrow" ||
         keyword == "sarrow" || keyword == "digits";
}

// The words of one line, taken apart once.
struct Words {
  explicit Words(const std::string& line)
      : text(line),
        first(GetWord(line, 1)),
        keyword(LowerAscii(first)),
        second(GetWord(line, 2)),
        third(GetWord(line, 3)),
        fourth(GetWord(line, 4)) {}
  const std::string& text;
  std::string first, keyword, second, third, fourth;
};

class SkinReader {
 public:
  SkinReader(TSkins& skins, const SkinCreated& on_created, const SkinObserver& observer)
      : skins_(skins), on_created_(on_created), observer_(observer) {}

  void ReadFile(const std::string& file_name, const std::string& bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    file_ = file_name;
    line_ = 1;
    if (lines.empty() || lines.front() != kHeader) {  // not a skin: adds nothing
      Notify(SkinNote::kNotSkinHeader, lines.empty() ? std::string() : lines.front());
      return;
    }
    names_seen_ = false;
    mode_ = Mode::kNone;
    target_ = Target{};  // the previous file put its list back at its end
    try {
      for (size_t i = 1; i < lines.size(); ++i) {
        line_ = static_cast<int32_t>(i + 1);
        ReadLine(file_name, Words(lines[i]));
      }
    } catch (...) {
      PutBack();  // the skins already made stay whole
      throw;
    }
    if (observer_) ClosePolygon();
    PutBack();
  }

 private:
  void ReadLine(const std::string& file_name, const Words& w) {
    if (observer_) Inspect(w);  // before the steps, which change what it looks at
    NamesStep(file_name, w);
    if (skins_.empty()) return;  // nothing to act on before the first skin exists
    SectionStep(w);
    ShapeStartStep(w);
    DataStep(w);
    OrderStep(w);
  }

  TSkin& Current() { return skins_.back(); }

  // The list of the current skin that `target` names. The digital face's lists are the
  // reader's own: the clock draws no digital face from a skin, but its sections are read like
  // any other, so that every line around them means what it always meant.
  TShape& ListOf(const Target& target) {
    TSkin& skin = Current();
    switch (target.kind) {
      case ListKind::kHArrow:
        return skin.HArrow;
      case ListKind::kMArrow:
        return skin.MArrow;
      case ListKind::kSArrow:
        return skin.SArrow;
      case ListKind::kStaticAnalog:
        return skin.StaticAnalog;
      case ListKind::kMark:
        return skin.Marks[static_cast<size_t>(target.number)];
      case ListKind::kStaticDigital:
        return digital_.face;
      default:
        return digital_.digits[static_cast<size_t>(target.number)];
    }
  }

  void NamesStep(const std::string& file_name, const Words& w) {
    if (w.keyword != "\\names" || names_seen_) return;
    ++index_;
    // The name is everything after the six characters of "\names", blank included.
    const std::string name = w.text.size() > 6 ? w.text.substr(6) : std::string();
    if (on_created_) on_created_(name, index_);
    // A section carried over from an earlier file's skin goes on in the new skin: the old
    // skin keeps what the section held so far, and the new one gets it too.
    if (!skins_.empty() && target_.kind != ListKind::kNone) ListOf(target_) = working_;
    skins_.emplace_back();  // index_ is always the index of this new last record
    digital_ = DigitalSections{};  // the new skin's, empty as its other lists
    skins_.back().Name = name;
    skins_.back().FileName = file_name;
    names_seen_ = true;
  }

  // The working list becomes `target`'s list, with the shapes it already holds.
  void TakeUp(const Target& target) {
    target_ = target;
    working_ = std::move(ListOf(target));
  }

  // Ends the section's hold on its list: the working list goes back into the skin.
  void PutBack() {
    if (target_.kind != ListKind::kNone) ListOf(target_) = std::move(working_);
    working_.clear();  // with no target, what the working list holds is never stored
    target_ = Target{};
  }

  // A list of the current skin as it stands now, the open section's included.
  const TShape& StoredList(const Target& target) {
    return target == target_ ? working_ : ListOf(target);
  }

  void SectionStep(const Words& w) {
    const ListKind named = NamedSection(w.keyword);
    if (w.keyword == "\\analogorder") {
      OpenSection(Mode::kAnalogOrder);
    } else if (w.keyword == "\\digitalorder") {
      OpenSection(Mode::kDigitalOrder);
    } else if (named != ListKind::kNone) {
      OpenSection(Mode::kShapes);
      TakeUp({named, 0});
    } else if (w.keyword == "\\mark") {
      OpenSection(Mode::kShapes);
      const std::optional<int32_t> n = Number(w.second);
      if (!n || *n < 0 || *n > 14) return;  // a section without a target: shapes discarded
      TakeUp({ListKind::kMark, *n});
      if (LowerAscii(w.third) == "u") Current().MarkRotate[static_cast<size_t>(*n)] = false;
    } else if (w.keyword == "\\digit") {
      OpenSection(Mode::kShapes);
      const std::optional<int32_t> n = Number(w.second);
      if (n && *n >= 0 && *n <= 12) TakeUp({ListKind::kDigit, *n});
    }
  }

  void OpenSection(Mode mode) {
    PutBack();
    mode_ = mode;
    entries_ = 0;
  }

  void ShapeStartStep(const Words& w) {
    const bool polygon = w.keyword == "polygon";
    if (!polygon && w.keyword != "circle") return;
    mode_ = polygon ? Mode::kPolygon : Mode::kCircle;
    vertices_ = 0;
    ++entries_;
    // Resizing, not appending: a repeated section starts overwriting its old shapes.
    working_.resize(static_cast<size_t>(entries_));
    TShapeElement& element = working_.back();
    element.Radius = polygon ? 0 : 10;
    if (w.second.size() == 1) {
      const char c = w.second[0];
      element.Operation = (c == '%' || c == '&' || c == '+' || c == '-') ? c : '+';
    }
  }

  void DataStep(const Words& w) {
    if (mode_ != Mode::kPolygon && mode_ != Mode::kCircle) return;
    const std::optional<int32_t> x = Number(w.first), y = Number(w.second);
    if (!x || !y) return;
    // After an order entry in a shape section the counter points past the list: there is
    // no element to fill.
    if (entries_ < 1 || static_cast<size_t>(entries_) > working_.size()) return;
    TShapeElement& element = working_[static_cast<size_t>(entries_) - 1];
    if (mode_ == Mode::kCircle) {
      const std::optional<int32_t> radius = Number(w.third);
      if (!radius) return;
      element.X = *x;
      element.Y = *y;
      element.Radius = *radius;
    } else {
      if (WordCount(w.text) != 2) return;
      ++vertices_;
      element.Points.resize(static_cast<size_t>(vertices_));
      element.Points.back() = Point{*x, *y};
    }
  }

  void OrderStep(const Words& w) {
    if (!IsOrderEntry(w.keyword)) return;
    ++entries_;  // shared with the shapes, so it advances in any mode
    const size_t slot = static_cast<size_t>(entries_) - 1;
    // Entries beyond the last slot have nowhere to go and are dropped.
    if (mode_ == Mode::kAnalogOrder && slot < Current().AnalogOrder.size()) {
      Current().AnalogOrder[slot] = w.first;  // stored as written, case and all
    }
  }

  // What an author may want to know about the line: ignored, or changing nothing drawn.
  // Looks at the reader's state only; the steps do the reading.
  void Inspect(const Words& w) {
    if (w.first == kNoWord) return;  // blank lines are for the eye
    if (w.keyword == "\\names") {
      if (names_seen_) return Note(SkinNote::kSecondNames, w);
      return ClosePolygon();
    }
    if (!names_seen_) return Note(SkinNote::kBeforeNames, w);
    if (IsSectionHeader(w.keyword)) {
      ClosePolygon();
      return InspectSection(w);
    }
    if (IsViewKeyword(w.keyword)) {
      if (!Number(w.second) || !Number(w.third) || !Number(w.fourth)) {
        return Note(SkinNote::kViewMalformed, w);
      }
      if (GetWord(w.text, 5) != kNoWord) Note(SkinNote::kExtraWords, w);
      return;
    }
    if (w.keyword == "polygon" || w.keyword == "circle") {
      ClosePolygon();
      return InspectShapeStart(w);
    }
    if (IsNum(w.first)) return InspectData(w);
    if (IsOrderEntry(w.keyword)) return InspectOrder(w);
    Note(SkinNote::kUnknownLine, w);
  }

  static bool IsSectionHeader(const std::string& keyword) {
    return keyword == "\\analogorder" || keyword == "\\digitalorder" || keyword == "\\mark" ||
           keyword == "\\digit" || NamedSection(keyword) != ListKind::kNone;
  }

  void InspectSection(const Words& w) {
    const ListKind named = NamedSection(w.keyword);
    if (named != ListKind::kNone || w.keyword == "\\analogorder" ||
        w.keyword == "\\digitalorder") {
      if (w.second != kNoWord) Note(SkinNote::kExtraWords, w);
      if (named != ListKind::kNone && !StoredList({named, 0}).empty()) {
        Note(SkinNote::kSectionRepeated, w);
      }
      return;
    }
    const bool mark = w.keyword == "\\mark";
    const std::optional<int32_t> n = Number(w.second);
    if (!n || *n < 0 || *n > (mark ? 14 : 12)) return Note(SkinNote::kNoTarget, w);
    const bool rotate_word = mark && LowerAscii(w.third) == "u";
    if (mark && *n == 13) Note(SkinNote::kMarkNeverDrawn, w);
    if (rotate_word && *n == 14) Note(SkinNote::kRotateIgnored, w);
    if ((w.third != kNoWord && !rotate_word) || w.fourth != kNoWord) {
      Note(SkinNote::kExtraWords, w);
    }
    if (!StoredList({mark ? ListKind::kMark : ListKind::kDigit, *n}).empty()) {
      Note(SkinNote::kSectionRepeated, w);
    }
  }

  void InspectShapeStart(const Words& w) {
    if (target_.kind == ListKind::kNone) return Note(SkinNote::kShapeDiscarded, w);
    const size_t index = static_cast<size_t>(entries_);  // the element this line starts
    char operation = index < working_.size() ? working_[index].Operation : char{0};
    if (w.second.size() == 1) {
      operation = w.second[0];
      if (operation != '%' && operation != '&' && operation != '+' && operation != '-') {
        Note(SkinNote::kOperationUnknown, w);
      }
    } else if (w.second != kNoWord) {
      Note(SkinNote::kOperationInvalid, w);
    }
    if (w.third != kNoWord) Note(SkinNote::kExtraWords, w);
    if (index > 0 && operation == 0) Note(SkinNote::kNoOperation, w);
    if (w.keyword == "polygon") open_polygon_ = OpenPolygon{true, index, line_, w.text};
  }

  // Digits and '-' that make no 32-bit integer get their own note.
  void NoteNotNumber(const std::string& word, const Words& w) {
    Note(IsNum(word) ? SkinNote::kBadNumber : SkinNote::kDataMalformed, w);
  }

  void InspectData(const Words& w) {
    if (!Number(w.first)) return NoteNotNumber(w.first, w);
    if (!Number(w.second)) return NoteNotNumber(w.second, w);
    if (mode_ != Mode::kPolygon && mode_ != Mode::kCircle) {
      return Note(SkinNote::kDataOutsideShape, w);
    }
    if (target_.kind == ListKind::kNone) return;  // its shape was noted as dropped
    if (entries_ < 1 || static_cast<size_t>(entries_) > working_.size()) {
      return Note(SkinNote::kDataNoElement, w);
    }
    if (mode_ == Mode::kPolygon) {
      if (WordCount(w.text) != 2) Note(SkinNote::kDataMalformed, w);
      return;
    }
    const std::optional<int32_t> radius = Number(w.third);
    if (!radius) return NoteNotNumber(w.third, w);
    if (*radius < 1) Note(SkinNote::kCircleTooSmall, w);
    if (GetWord(w.text, 4) != kNoWord) Note(SkinNote::kExtraWords, w);
  }

  void InspectOrder(const Words& w) {
    if (w.second != kNoWord) Note(SkinNote::kExtraWords, w);
    const size_t slot = static_cast<size_t>(entries_);  // the slot this entry fills
    if (mode_ == Mode::kAnalogOrder) {
      if (slot >= Current().AnalogOrder.size()) return Note(SkinNote::kOrderOverflow, w);
      if (w.first != w.keyword) return Note(SkinNote::kOrderCapitals, w);
      if (w.keyword == "digits") Note(SkinNote::kOrderNotAnalog, w);
    } else if (mode_ == Mode::kDigitalOrder) {
      if (slot >= kDigitalOrderSlots) Note(SkinNote::kOrderOverflow, w);
    } else if (mode_ != Mode::kNone && target_.kind != ListKind::kNone) {
      Note(SkinNote::kOrderInShapes, w);
    } else {
      Note(SkinNote::kOrderOutsideSection, w);
    }
  }

  // A polygon ends where the next shape, section or skin starts, or with the file.
  void ClosePolygon() {
    const OpenPolygon open = std::exchange(open_polygon_, OpenPolygon{});
    if (!open.active || open.index >= working_.size()) return;
    const TShapeElement& element = working_[open.index];
    if (element.Radius < 1 && element.Points.size() < 3) {
      Notify(SkinNote::kShortPolygon, open.text, open.line);
    }
  }

  void Note(SkinNote note, const Words& w) { Notify(note, w.text); }
  void Notify(SkinNote note, const std::string& text, int32_t line = 0) {
    if (observer_) observer_(SkinNoteEvent{file_, line > 0 ? line : line_, note, text});
  }

  struct OpenPolygon {
    bool active = false;
    size_t index = 0;
    int32_t line = 0;
    std::string text;
  };

  struct DigitalSections {
    TShape face;
    std::array<TShape, 13> digits;
  };

  TSkins& skins_;
  const SkinCreated& on_created_;
  const SkinObserver& observer_;
  std::string file_;
  int32_t line_ = 0;
  OpenPolygon open_polygon_;
  // Carried from file to file within one run.
  int32_t index_ = -1;
  int entries_ = 0;
  int vertices_ = 0;
  TShape working_;
  DigitalSections digital_;  // of the skin made last
  // Started afresh in every file.
  bool names_seen_ = false;
  Mode mode_ = Mode::kNone;
  Target target_;
};

}  // namespace

void LoadSkin(const std::filesystem::path& folder, FileService& files, TSkins& skins,
              const SkinCreated& on_created) {
  LoadSkin(folder, files, skins, on_created, SkinObserver());
}

void LoadSkin(const std::filesystem::path& folder, FileService& files, TSkins& skins,
              const SkinCreated& on_created, const SkinObserver& observer) {
  skins.clear();
  SkinReader reader(skins, on_created, observer);
  for (const std::string& name : files.List(folder, kExtension)) {
    // A file that cannot be read throws: the skins read so far stay in the catalogue.
    reader.ReadFile(name, files.ReadAll(folder / name));
  }
}

}  // namespace sorvane
