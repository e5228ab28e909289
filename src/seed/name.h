#pragma once
// Name rules and the seed a name gives.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/state.h"

namespace gc {

class Generator;

// A name's characters as code points; bytes that are not valid UTF-8 become
// U+FFFD, so any text can be examined.
std::vector<char32_t> nameCharacters(std::string_view utf8);

// The single-byte code of a character: itself for plain ASCII, 63 ('?') for
// anything else, which the name rules reject like any other symbol.
std::int16_t characterCode(char32_t c);

inline constexpr int maxNameLength = 100;
inline constexpr std::int32_t baseSeed = 234567;

// Why a text is not an acceptable name, in one line; nullopt when it is.
std::optional<std::string> nameProblem(std::string_view name);
inline bool isAcceptableName(std::string_view name) { return !nameProblem(name); }

// seed = 234567 + L * (S + L^2), summed the way the dialog loop sums it.
// Only meaningful for an acceptable name.
std::int32_t nameSeed(std::string_view name);

// The text-input dialog that asks for a name.
class NameDialog {
public:
    virtual ~NameDialog() = default;
    // Shows the prompt (lines separated by a carriage return) with an empty
    // field; returns the typed text, or an empty text when cancelled.
    virtual std::string ask(const std::string& prompt) = 0;
};

// Asks until the dialog gives an acceptable name, keeps it in t, dolz and
// kode, computes seed and restarts the generator from it.
void askname(PictureState& s, NameDialog& dialog, Generator& gen);

}  // namespace gc
