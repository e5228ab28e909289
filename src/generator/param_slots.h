#pragma once
// The per-picture parameter slots by name, each with the kind its writer
// stores, so that a front end can show them or set them by hand.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/state.h"

namespace gc {

struct ParamSlot {
    const char* name;
    Value PictureState::*slot;
    Kind kind;
};

inline constexpr std::array<ParamSlot, 10> paramSlots = {{
    {"tip1", &PictureState::tip1, Kind::Single},
    {"tip2", &PictureState::tip2, Kind::Single},
    {"tip3", &PictureState::tip3, Kind::Single},
    {"pozic0", &PictureState::pozic0, Kind::Single},
    {"fi0", &PictureState::fi0, Kind::Double},
    {"r0", &PictureState::r0, Kind::Single},
    {"korakfi1", &PictureState::korakfi1, Kind::Double},
    {"fak1", &PictureState::fak1, Kind::Single},
    {"fak2", &PictureState::fak2, Kind::Single},
    {"fak3", &PictureState::fak3, Kind::Single},
}};

const ParamSlot* findParamSlot(std::string_view name);

struct ParamSetting {
    const ParamSlot* slot;
    Value value;
};

// Reads "SLOT=VALUE"; on failure says what is wrong and what is allowed.
struct ParsedSetting {
    std::optional<ParamSetting> setting;
    std::string problem;
};
ParsedSetting parseParamSetting(std::string_view text);

void applySetting(PictureState& s, const ParamSetting& setting);

}  // namespace gc
