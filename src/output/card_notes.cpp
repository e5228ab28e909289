#include "output/card_notes.h"

#include <sstream>

#include "runtime/number_text.h"
#include "seed/name.h"

namespace gc {

CardNotes cardNotes(const PictureState& s, const std::string& version) {
    std::string params;
    for (const ParamSlot& p : paramSlots) params += (params.empty() ? "" : " ") + std::string(p.name) + "=" + numberText(s.*(p.slot));
    return {{noteName, s.t}, {noteSeed, numberText(s.seed)}, {noteParams, params}, {noteVersion, version}};
}

NotesResult readCardNotes(const CardNotes& notes) {
    const auto find = [&notes](const char* key) -> const std::string* {
        for (const auto& [k, v] : notes)
            if (k == key) return &v;
        return nullptr;
    };
    const std::string* name = find(noteName);
    const std::string* params = find(noteParams);
    if (!name || !params) return {std::nullopt, "it carries no card notes (only PNG cards written by greetcard-cli render do)"};
    if (const auto problem = nameProblem(*name)) return {std::nullopt, "its name note is not a name: " + *problem};
    ReadNotes out{*name, {}};
    std::istringstream in(*params);
    std::string setting;
    while (in >> setting) {
        const ParsedSetting p = parseParamSetting(setting);
        if (!p.setting) return {std::nullopt, "its parameter note is damaged: " + p.problem};
        out.settings.push_back(*p.setting);
    }
    return {out, {}};
}

}  // namespace gc
