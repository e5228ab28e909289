#pragma once
// What a saved card says about how it was made: the name, the seed, the
// picture parameters and the program's version, as text notes that go into
// a PNG file and can be read back to make the same card again.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/state.h"
#include "generator/param_slots.h"

namespace gc {

using CardNotes = std::vector<std::pair<std::string, std::string>>;

inline constexpr const char* noteName = "greetcard-name";
inline constexpr const char* noteSeed = "greetcard-seed";
inline constexpr const char* noteParams = "greetcard-params";
inline constexpr const char* noteVersion = "greetcard-version";

// The notes of a finished picture. The parameters are written as the
// SLOT=VALUE settings that make them again, each number exact.
CardNotes cardNotes(const PictureState& s, const std::string& version);

struct ReadNotes {
    std::string name;
    std::vector<ParamSetting> settings;
};

// Reads notes back; on failure says what is missing or wrong.
struct NotesResult {
    std::optional<ReadNotes> notes;
    std::string problem;
};
NotesResult readCardNotes(const CardNotes& notes);

}  // namespace gc
