// The set of control names in use, and the rule that turns a requested name
// into a free one by appending 1, 2, 3, ... (up to 65534).
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace ui {

// Longest name a control holds (its field keeps a terminating NUL besides).
constexpr size_t kMaxNameLength = 63;
constexpr int kHighestNameSuffix = 65534;

class NameRegistry {
public:
    void add(std::string_view name);
    // Forgets one use of the name; names used twice stay known once.
    void remove(std::string_view name);
    bool contains(std::string_view name) const;
    void clear();

    // The name a new control gets: `requested` (cut to 63 characters) if it
    // is free and not reserved, else the first free "<base><n>" for n from 1
    // to 65534, the base shortened so the number always fits. When every
    // candidate is taken the requested name is returned unchanged.
    std::string uniqueName(std::string_view requested, bool (*isReserved)(std::string_view)) const;

private:
    std::string candidate(std::string_view base, int suffix) const;

    std::unordered_map<std::string, int> uses_;
    // Per base: every suffix below this one was found taken. Lowered again
    // when a name that such a suffix could have produced is removed.
    mutable std::unordered_map<std::string, int> firstUntried_;
};

} // namespace ui
