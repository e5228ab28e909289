#include "generator/param_slots.h"

#include <charconv>
#include <cmath>

namespace gc {

const ParamSlot* findParamSlot(std::string_view name) {
    for (const ParamSlot& p : paramSlots)
        if (name == p.name) return &p;
    return nullptr;
}

namespace {
std::string slotList() {
    std::string list;
    for (const ParamSlot& p : paramSlots) list += (list.empty() ? "" : ", ") + std::string(p.name);
    return list;
}
}  // namespace

ParsedSetting parseParamSetting(std::string_view text) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos)
        return {std::nullopt, "--set needs SLOT=VALUE, got '" + std::string(text) + "'"};
    const std::string_view name = text.substr(0, eq), number = text.substr(eq + 1);
    const ParamSlot* slot = findParamSlot(name);
    if (!slot)
        return {std::nullopt, "unknown slot '" + std::string(name) + "'; the slots that can be set are " + slotList()};
    double v = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (number.empty() || res.ec != std::errc() || res.ptr != number.data() + number.size() || !std::isfinite(v))
        return {std::nullopt, "'" + std::string(number) + "' is not a number (for " + slot->name +
                                  "); write a decimal such as 3, -0.5 or 1e9"};
    const auto value = Value::narrow(v, slot->kind);
    if (!value)
        return {std::nullopt, "'" + std::string(number) + "' does not fit " + slot->name + ", which holds a " +
                                  kindName(slot->kind) + "-precision number"};
    return {ParamSetting{slot, *value}, {}};
}

void applySetting(PictureState& s, const ParamSetting& setting) { s.*(setting.slot->slot) = setting.value; }

}  // namespace gc
