#include "app/program/charset.h"

#include <array>

namespace sorvane {

namespace {

struct LanguageCharSet {
  uint8_t primary_language;
  uint8_t char_set;
};

// Primary language (low byte of the language identifier) -> character set of its script.
constexpr std::array<LanguageCharSet, 34> kCharSetOfLanguage{{
    {0x01, 178},  // Arabic
    {0x02, 204},  // Bulgarian
    {0x04, 136},  // Chinese
    {0x05, 238},  // Czech
    {0x06, 0},    // Danish
    {0x07, 0},    // German
    {0x08, 161},  // Greek
    {0x09, 0},    // English
    {0x0A, 0},    // Spanish
    {0x0B, 0},    // Finnish
    {0x0C, 0},    // French
    {0x0D, 177},  // Hebrew
    {0x0E, 238},  // Hungarian
    {0x0F, 0},    // Icelandic
    {0x10, 0},    // Italian
    {0x13, 0},    // Dutch
    {0x14, 0},    // Norwegian
    {0x15, 238},  // Polish
    {0x16, 0},    // Portuguese
    {0x18, 238},  // Romanian
    {0x19, 204},  // Russian
    {0x1A, 238},  // Croatian and Serbian
    {0x1B, 238},  // Slovak
    {0x1C, 238},  // Albanian
    {0x1D, 0},    // Swedish
    {0x1E, 222},  // Thai
    {0x1F, 162},  // Turkish
    {0x22, 204},  // Ukrainian
    {0x23, 204},  // Belarusian
    {0x24, 238},  // Slovenian
    {0x25, 186},  // Estonian
    {0x26, 186},  // Latvian
    {0x27, 186},  // Lithuanian
    {0x2A, 163},  // Vietnamese
}};

constexpr uint16_t kSerbianCyrillic = 0x0C1A;

}  // namespace

uint8_t CharSetForLanguage(uint16_t language_id) {
  uint8_t char_set = kDefaultCharSet;
  const auto primary = static_cast<uint8_t>(language_id & 0xFF);
  for (const LanguageCharSet& row : kCharSetOfLanguage) {
    if (row.primary_language == primary) {
      char_set = row.char_set;
      break;
    }
  }
  if (language_id == kSerbianCyrillic) char_set = kRussianCharSet;
  return char_set;
}

}  // namespace sorvane
