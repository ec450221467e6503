#pragma once
// The character set the clock text asks for, picked once from the user's language.
#include <cstdint>

namespace sorvane {

inline constexpr uint8_t kDefaultCharSet = 1;  // DEFAULT_CHARSET
inline constexpr uint8_t kRussianCharSet = 204;

// The character set for a Windows language identifier (GetUserDefaultLangID): looked up by
// the primary language in the low byte, DEFAULT_CHARSET when the language is not listed.
// Serbian in Cyrillic script shares its primary language with Croatian but needs Cyrillic.
uint8_t CharSetForLanguage(uint16_t language_id);

}  // namespace sorvane
