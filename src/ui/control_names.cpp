#include "ui/control_names.h"

#include <cctype>

namespace ui {

void NameRegistry::add(std::string_view name) { ++uses_[std::string(name)]; }

void NameRegistry::remove(std::string_view name) {
    auto found = uses_.find(std::string(name));
    if (found == uses_.end()) return;
    if (--found->second == 0) uses_.erase(found);

    // A full-length name may come from any longer base cut short to fit its
    // number; forget every hint rather than miss one.
    if (name.size() == kMaxNameLength) {
        firstUntried_.clear();
        return;
    }
    // Every way of reading the name as "<base><n>" (n without leading zero)
    // makes that suffix free again for its base.
    size_t digits = name.size();
    while (digits > 0 && isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    for (size_t start = digits; start < name.size(); ++start) {
        if (name[start] == '0' || name.size() - start > 5) continue;
        int suffix = std::stoi(std::string(name.substr(start)));
        auto hint = firstUntried_.find(std::string(name.substr(0, start)));
        if (hint != firstUntried_.end() && suffix < hint->second) hint->second = suffix;
    }
}

bool NameRegistry::contains(std::string_view name) const {
    return uses_.count(std::string(name)) != 0;
}

void NameRegistry::clear() {
    uses_.clear();
    firstUntried_.clear();
}

std::string NameRegistry::candidate(std::string_view base, int suffix) const {
    std::string number = std::to_string(suffix);
    std::string_view kept = base.substr(0, kMaxNameLength - number.size());
    return std::string(kept) + number;
}

std::string NameRegistry::uniqueName(std::string_view requested,
                                     bool (*isReserved)(std::string_view)) const {
    std::string base(requested.substr(0, kMaxNameLength));
    if (!isReserved(base) && !contains(base)) return base;

    int& first = firstUntried_.try_emplace(base, 1).first->second;
    for (int suffix = first; suffix <= kHighestNameSuffix; ++suffix) {
        std::string name = candidate(base, suffix);
        if (!contains(name)) {
            first = suffix;
            return name;
        }
    }
    first = kHighestNameSuffix + 1;
    return base;
}

} // namespace ui
