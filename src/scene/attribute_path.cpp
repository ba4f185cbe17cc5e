// Reading attribute paths of the form "node.attribute[index]".
#include "scene/attributes.h"

#include <cstdio>
#include <cstring>

namespace {

// Longer index text is refused rather than cut short: no int needs more.
constexpr size_t kMaxIndexText = 31;

// Reads the bracket text (digits and spaces only) as a non-negative int.
bool ReadIndex(const char* text, size_t length, int* index) {
    if (length > kMaxIndexText) return false;
    for (size_t i = 0; i < length; ++i)
        if ((text[i] < '0' || text[i] > '9') && text[i] != ' ') return false;
    size_t at = 0;
    while (at < length && text[at] == ' ') ++at;
    int64_t value = 0;
    for (; at < length && text[at] != ' '; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > INT32_MAX) return false;
    }
    *index = static_cast<int>(value);
    return true;
}

} // namespace

bool ParseAttributePath(const char* text, AttributePath* path) {
    const char* dot = strchr(text, '.');
    if (!dot) {
        fputs("[ERROR] Unable to correctly parse the attribute string\n", stdout);
        return false;
    }
    path->node.assign(text, dot);
    const char* name = dot + 1;
    const char* bracket = strchr(name, '[');
    if (!bracket) {
        path->attribute = name;
        path->index = -1;
        return true;
    }
    path->attribute.assign(name, bracket);
    const char* indexText = bracket + 1;
    const char* close = strchr(indexText, ']');
    size_t length = close ? static_cast<size_t>(close - indexText) : strlen(indexText);
    if (!ReadIndex(indexText, length, &path->index)) {
        fputs("[ERROR] Could not determine array index\n", stdout);
        return false;
    }
    return true;
}
