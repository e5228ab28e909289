#include "app/cli/name_list.h"

#include <algorithm>
#include <unordered_map>

#include "seed/name.h"

namespace gc::cli {

NameList readNameList(std::string_view text) {
    NameList list;
    std::unordered_map<std::string, int> firstLine;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (const auto problem = nameProblem(line)) {
            list.skipped.push_back({number, *problem});
            continue;
        }
        const auto [seen, added] = firstLine.try_emplace(std::string(line), number);
        if (added)
            list.cards.push_back({number, std::string(line)});
        else
            list.repeats.push_back({number, seen->second});
    }
    return list;
}

std::string cardFileName(const std::string& name, const std::string& extension) {
    std::string file = name.empty() ? "_empty" : name;
    std::replace(file.begin(), file.end(), ' ', '-');
    return file + '.' + extension;
}

}  // namespace gc::cli
