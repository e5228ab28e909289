#include "seed/name.h"

#include <cstdio>

#include "runtime/generator.h"

namespace gc {

std::vector<char32_t> nameCharacters(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    std::size_t p = 0;
    while (p < s.size()) {
        const auto b = static_cast<unsigned char>(s[p]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, c = b & 0x07;
        } else {
            out.push_back(0xFFFD);
            ++p;
            continue;
        }
        std::size_t q = p + 1;
        for (int k = 0; k < extra; ++k, ++q) {
            if (q >= s.size() || (static_cast<unsigned char>(s[q]) & 0xC0) != 0x80) {
                extra = -1;
                break;
            }
            c = (c << 6) | (static_cast<unsigned char>(s[q]) & 0x3F);
        }
        if (extra < 0) {
            out.push_back(0xFFFD);
            ++p;  // resynchronise on the next byte
            continue;
        }
        out.push_back(c);
        p = q;
    }
    return out;
}

std::int16_t characterCode(char32_t c) { return c < 0x80 ? static_cast<std::int16_t>(c) : 63; }

namespace {

bool passes(char32_t c, std::int16_t code) { return c == U' ' || (code >= 97 && code <= 122); }

// The dialog loop's examination of one attempt: writes kode(1..L) for every
// position (also after a bad one) and says whether the name is accepted.
struct Examined {
    std::int32_t length;
    bool accepted;
};

Examined examine(std::string_view name, std::array<std::int16_t, PictureState::kodeLast + 1>& kode) {
    const auto chars = nameCharacters(name);
    const auto length = static_cast<std::int32_t>(chars.size());
    if (length > maxNameLength) return {length, false};
    bool rejected = false;
    for (std::int32_t p = 1; p <= length; ++p) {
        const char32_t c = chars[static_cast<std::size_t>(p - 1)];
        kode[static_cast<std::size_t>(p)] = characterCode(c);
        if (!passes(c, kode[static_cast<std::size_t>(p)])) rejected = true;
    }
    return {length, !rejected};
}

std::int32_t seedOf(const std::array<std::int16_t, PictureState::kodeLast + 1>& kode, std::int32_t length) {
    std::int32_t sum = 0;
    for (std::int32_t p = 1; p <= length; ++p) sum = (sum + kode[static_cast<std::size_t>(p)]) + length;
    return baseSeed + sum * length;
}

std::string describe(char32_t c) {
    if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

}  // namespace

std::optional<std::string> nameProblem(std::string_view name) {
    const auto chars = nameCharacters(name);
    if (chars.size() > static_cast<std::size_t>(maxNameLength))
        return "the name has " + std::to_string(chars.size()) + " characters; at most " +
               std::to_string(maxNameLength) + " are allowed";
    for (std::size_t p = 0; p < chars.size(); ++p) {
        if (!passes(chars[p], characterCode(chars[p])))
            return "the name has " + describe(chars[p]) + " at position " + std::to_string(p + 1) +
                   "; only lowercase letters a-z and spaces are allowed";
    }
    return std::nullopt;
}

std::int32_t nameSeed(std::string_view name) {
    std::array<std::int16_t, PictureState::kodeLast + 1> kode{};
    const auto e = examine(name, kode);
    return seedOf(kode, e.length);
}

void askname(PictureState& s, NameDialog& dialog, Generator& gen) {
    Examined e{};
    do {
        s.t = dialog.ask(s.t1 + '\r' + s.t2);
        e = examine(s.t, s.kode);
        s.dolz = Value::i32(e.length);
    } while (!e.accepted);
    const std::int32_t seed = seedOf(s.kode, e.length);
    s.seed = Value::i32(seed);
    gen.restart();
    gen.reseed(static_cast<std::uint32_t>(seed));
}

}  // namespace gc
