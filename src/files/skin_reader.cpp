// Reading "*.skn" files into the catalogue. One reader serves a whole LoadSkins run: the
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

enum class Mode { None, AnalogOrder, DigitalOrder, Shapes, Polygon, Circle };
enum class ListKind { None, HourHand, MinuteHand, SecondHand, Face, DigitalFace, Mark, Digit };

// Which list of the current skin the working list is stored into. It names a list, not a
// skin: the store always goes to the skin created last.
struct Target {
  ListKind kind = ListKind::None;
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
  if (!IsNumberWord(word)) return std::nullopt;
  return ToInt32(word);  // digits and '-' that are no 32-bit integer count as no number
}

ListKind NamedSection(const std::string& keyword) {
  if (keyword == "\\harrow") return ListKind::HourHand;
  if (keyword == "\\marrow") return ListKind::MinuteHand;
  if (keyword == "\\sarrow") return ListKind::SecondHand;
  if (keyword == "\\staticanalog") return ListKind::Face;
  if (keyword == "\\staticdigital") return ListKind::DigitalFace;
  return ListKind::None;
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
        first(NthWord(line, 1)),
        keyword(LowerAscii(first)),
        second(NthWord(line, 2)),
        third(NthWord(line, 3)),
        fourth(NthWord(line, 4)) {}
  const std::string& text;
  std::string first, keyword, second, third, fourth;
};

class SkinReader {
 public:
  SkinReader(Skins& skins, const SkinCreated& on_created, const SkinObserver& observer)
      : skins_(skins), on_created_(on_created), observer_(observer) {}

  void ReadFile(const std::string& file_name, const std::string& bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    file_ = file_name;
    line_ = 1;
    if (lines.empty() || lines.front() != kHeader) {  // not a skin: adds nothing
      Notify(SkinNote::NotSkinHeader, lines.empty() ? std::string() : lines.front());
      return;
    }
    names_seen_ = false;
    mode_ = Mode::None;
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

  Skin& Current() { return skins_.back(); }

  // The list of the current skin that `target` names. The digital face's lists are the
  // reader's own: the clock draws no digital face from a skin, but its sections are read like
  // any other, so that every line around them means what it always meant.
  Shape& ListOf(const Target& target) {
    Skin& skin = Current();
    switch (target.kind) {
      case ListKind::HourHand:
        return skin.hour_hand;
      case ListKind::MinuteHand:
        return skin.minute_hand;
      case ListKind::SecondHand:
        return skin.second_hand;
      case ListKind::Face:
        return skin.face;
      case ListKind::Mark:
        return skin.marks[static_cast<size_t>(target.number)];
      case ListKind::DigitalFace:
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
    if (!skins_.empty() && target_.kind != ListKind::None) ListOf(target_) = working_;
    skins_.emplace_back();         // index_ is always the index of this new last record
    digital_ = DigitalSections{};  // the new skin's, empty as its other lists
    skins_.back().name = name;
    skins_.back().file_name = file_name;
    names_seen_ = true;
  }

  // The working list becomes `target`'s list, with the shapes it already holds.
  void TakeUp(const Target& target) {
    target_ = target;
    working_ = std::move(ListOf(target));
  }

  // Ends the section's hold on its list: the working list goes back into the skin.
  void PutBack() {
    if (target_.kind != ListKind::None) ListOf(target_) = std::move(working_);
    working_.clear();  // with no target, what the working list holds is never stored
    target_ = Target{};
  }

  // A list of the current skin as it stands now, the open section's included.
  const Shape& StoredList(const Target& target) {
    return target == target_ ? working_ : ListOf(target);
  }

  void SectionStep(const Words& w) {
    const ListKind named = NamedSection(w.keyword);
    if (w.keyword == "\\analogorder") {
      OpenSection(Mode::AnalogOrder);
    } else if (w.keyword == "\\digitalorder") {
      OpenSection(Mode::DigitalOrder);
    } else if (named != ListKind::None) {
      OpenSection(Mode::Shapes);
      TakeUp({named, 0});
    } else if (w.keyword == "\\mark") {
      OpenSection(Mode::Shapes);
      const std::optional<int32_t> n = Number(w.second);
      if (!n || *n < 0 || *n > 14) return;  // a section without a target: shapes discarded
      TakeUp({ListKind::Mark, *n});
      if (LowerAscii(w.third) == "u") Current().mark_turns[static_cast<size_t>(*n)] = false;
    } else if (w.keyword == "\\digit") {
      OpenSection(Mode::Shapes);
      const std::optional<int32_t> n = Number(w.second);
      if (n && *n >= 0 && *n <= 12) TakeUp({ListKind::Digit, *n});
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
    mode_ = polygon ? Mode::Polygon : Mode::Circle;
    vertices_ = 0;
    ++entries_;
    // Resizing, not appending: a repeated section starts overwriting its old shapes.
    working_.resize(static_cast<size_t>(entries_));
    ShapeElement& element = working_.back();
    element.radius = polygon ? 0 : 10;
    if (w.second.size() == 1) {
      const char c = w.second[0];
      element.operation = (c == '%' || c == '&' || c == '+' || c == '-') ? c : '+';
    }
  }

  void DataStep(const Words& w) {
    if (mode_ != Mode::Polygon && mode_ != Mode::Circle) return;
    const std::optional<int32_t> x = Number(w.first), y = Number(w.second);
    if (!x || !y) return;
    // After an order entry in a shape section the counter points past the list: there is
    // no element to fill.
    if (entries_ < 1 || static_cast<size_t>(entries_) > working_.size()) return;
    ShapeElement& element = working_[static_cast<size_t>(entries_) - 1];
    if (mode_ == Mode::Circle) {
      const std::optional<int32_t> radius = Number(w.third);
      if (!radius) return;
      element.x = *x;
      element.y = *y;
      element.radius = *radius;
    } else {
      if (WordCount(w.text) != 2) return;
      ++vertices_;
      element.points.resize(static_cast<size_t>(vertices_));
      element.points.back() = Point{*x, *y};
    }
  }

  void OrderStep(const Words& w) {
    if (!IsOrderEntry(w.keyword)) return;
    ++entries_;  // shared with the shapes, so it advances in any mode
    const size_t slot = static_cast<size_t>(entries_) - 1;
    // Entries beyond the last slot have nowhere to go and are dropped.
    if (mode_ == Mode::AnalogOrder && slot < Current().analog_order.size()) {
      Current().analog_order[slot] = w.first;  // stored as written, case and all
    }
  }

  // What an author may want to know about the line: ignored, or changing nothing drawn.
  // Looks at the reader's state only; the steps do the reading.
  void Inspect(const Words& w) {
    if (w.first == kNoWord) return;  // blank lines are for the eye
    if (w.keyword == "\\names") {
      if (names_seen_) return Note(SkinNote::SecondNames, w);
      return ClosePolygon();
    }
    if (!names_seen_) return Note(SkinNote::BeforeNames, w);
    if (IsSectionHeader(w.keyword)) {
      ClosePolygon();
      return InspectSection(w);
    }
    if (IsViewKeyword(w.keyword)) {
      if (!Number(w.second) || !Number(w.third) || !Number(w.fourth)) {
        return Note(SkinNote::ViewMalformed, w);
      }
      if (NthWord(w.text, 5) != kNoWord) Note(SkinNote::ExtraWords, w);
      return;
    }
    if (w.keyword == "polygon" || w.keyword == "circle") {
      ClosePolygon();
      return InspectShapeStart(w);
    }
    if (IsNumberWord(w.first)) return InspectData(w);
    if (IsOrderEntry(w.keyword)) return InspectOrder(w);
    Note(SkinNote::UnknownLine, w);
  }

  static bool IsSectionHeader(const std::string& keyword) {
    return keyword == "\\analogorder" || keyword == "\\digitalorder" || keyword == "\\mark" ||
           keyword == "\\digit" || NamedSection(keyword) != ListKind::None;
  }

  void InspectSection(const Words& w) {
    const ListKind named = NamedSection(w.keyword);
    if (named != ListKind::None || w.keyword == "\\analogorder" || w.keyword == "\\digitalorder") {
      if (w.second != kNoWord) Note(SkinNote::ExtraWords, w);
      if (named != ListKind::None && !StoredList({named, 0}).empty()) {
        Note(SkinNote::SectionRepeated, w);
      }
      return;
    }
    const bool mark = w.keyword == "\\mark";
    const std::optional<int32_t> n = Number(w.second);
    if (!n || *n < 0 || *n > (mark ? 14 : 12)) return Note(SkinNote::NoTarget, w);
    const bool rotate_word = mark && LowerAscii(w.third) == "u";
    if (mark && *n == 13) Note(SkinNote::MarkNeverDrawn, w);
    if (rotate_word && *n == 14) Note(SkinNote::RotateIgnored, w);
    if ((w.third != kNoWord && !rotate_word) || w.fourth != kNoWord) {
      Note(SkinNote::ExtraWords, w);
    }
    if (!StoredList({mark ? ListKind::Mark : ListKind::Digit, *n}).empty()) {
      Note(SkinNote::SectionRepeated, w);
    }
  }

  void InspectShapeStart(const Words& w) {
    if (target_.kind == ListKind::None) return Note(SkinNote::ShapeDiscarded, w);
    const size_t index = static_cast<size_t>(entries_);  // the element this line starts
    char operation = index < working_.size() ? working_[index].operation : char{0};
    if (w.second.size() == 1) {
      operation = w.second[0];
      if (operation != '%' && operation != '&' && operation != '+' && operation != '-') {
        Note(SkinNote::OperationUnknown, w);
      }
    } else if (w.second != kNoWord) {
      Note(SkinNote::OperationInvalid, w);
    }
    if (w.third != kNoWord) Note(SkinNote::ExtraWords, w);
    if (index > 0 && operation == 0) Note(SkinNote::NoOperation, w);
    if (w.keyword == "polygon") open_polygon_ = OpenPolygon{true, index, line_, w.text};
  }

  // Digits and '-' that make no 32-bit integer get their own note.
  void NoteNotNumber(const std::string& word, const Words& w) {
    Note(IsNumberWord(word) ? SkinNote::BadNumber : SkinNote::DataMalformed, w);
  }

  void InspectData(const Words& w) {
    if (!Number(w.first)) return NoteNotNumber(w.first, w);
    if (!Number(w.second)) return NoteNotNumber(w.second, w);
    if (mode_ != Mode::Polygon && mode_ != Mode::Circle) {
      return Note(SkinNote::DataOutsideShape, w);
    }
    if (target_.kind == ListKind::None) return;  // its shape was noted as dropped
    if (entries_ < 1 || static_cast<size_t>(entries_) > working_.size()) {
      return Note(SkinNote::DataNoElement, w);
    }
    if (mode_ == Mode::Polygon) {
      if (WordCount(w.text) != 2) Note(SkinNote::DataMalformed, w);
      return;
    }
    const std::optional<int32_t> radius = Number(w.third);
    if (!radius) return NoteNotNumber(w.third, w);
    if (*radius < 1) Note(SkinNote::CircleTooSmall, w);
    if (NthWord(w.text, 4) != kNoWord) Note(SkinNote::ExtraWords, w);
  }

  void InspectOrder(const Words& w) {
    if (w.second != kNoWord) Note(SkinNote::ExtraWords, w);
    const size_t slot = static_cast<size_t>(entries_);  // the slot this entry fills
    if (mode_ == Mode::AnalogOrder) {
      if (slot >= Current().analog_order.size()) return Note(SkinNote::OrderOverflow, w);
      if (w.first != w.keyword) return Note(SkinNote::OrderCapitals, w);
      if (w.keyword == "digits") Note(SkinNote::OrderNotAnalog, w);
    } else if (mode_ == Mode::DigitalOrder) {
      if (slot >= kDigitalOrderSlots) Note(SkinNote::OrderOverflow, w);
    } else if (mode_ != Mode::None && target_.kind != ListKind::None) {
      Note(SkinNote::OrderInShapes, w);
    } else {
      Note(SkinNote::OrderOutsideSection, w);
    }
  }

  // A polygon ends where the next shape, section or skin starts, or with the file.
  void ClosePolygon() {
    const OpenPolygon open = std::exchange(open_polygon_, OpenPolygon{});
    if (!open.active || open.index >= working_.size()) return;
    const ShapeElement& element = working_[open.index];
    if (element.radius < 1 && element.points.size() < 3) {
      Notify(SkinNote::ShortPolygon, open.text, open.line);
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
    Shape face;
    std::array<Shape, 13> digits;
  };

  Skins& skins_;
  const SkinCreated& on_created_;
  const SkinObserver& observer_;
  std::string file_;
  int32_t line_ = 0;
  OpenPolygon open_polygon_;
  // Carried from file to file within one run.
  int32_t index_ = -1;
  int entries_ = 0;
  int vertices_ = 0;
  Shape working_;
  DigitalSections digital_;  // of the skin made last
  // Started afresh in every file.
  bool names_seen_ = false;
  Mode mode_ = Mode::None;
  Target target_;
};

}  // namespace

void LoadSkins(const std::filesystem::path& folder, FileService& files, Skins& skins,
               const SkinCreated& on_created) {
  LoadSkins(folder, files, skins, on_created, SkinObserver());
}

void LoadSkins(const std::filesystem::path& folder, FileService& files, Skins& skins,
               const SkinCreated& on_created, const SkinObserver& observer) {
  skins.clear();
  SkinReader reader(skins, on_created, observer);
  for (const std::string& name : files.List(folder, kExtension)) {
    // A file that cannot be read throws: the skins read so far stay in the catalogue.
    reader.ReadFile(name, files.ReadAll(folder / name));
  }
}

void LoadSkinFolders(const std::vector<std::filesystem::path>& folders, FileService& files,
                     Skins& skins, const SkinCreated& on_created) {
  struct SkinFile {
    std::filesystem::path folder;
    std::string name;
  };
  std::vector<SkinFile> chosen;
  for (const std::filesystem::path& folder : folders) {
    for (std::string& name : files.List(folder, kExtension)) {
      std::erase_if(chosen, [&](const SkinFile& earlier) { return earlier.name == name; });
      chosen.push_back(SkinFile{folder, std::move(name)});
    }
  }
  skins.clear();
  const SkinObserver no_observer;  // the reader keeps a reference: it must outlive it
  SkinReader reader(skins, on_created, no_observer);
  for (const SkinFile& file : chosen) {
    reader.ReadFile(file.name, files.ReadAll(file.folder / file.name));
  }
}

}  // namespace sorvane
