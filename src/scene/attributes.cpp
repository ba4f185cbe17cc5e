// Attribute storage: type codes, owned and referring records, conversions from
// script values, and the per-node table.
#include "scene/attributes.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "script/script_limits.h"

namespace {

struct TypeNames {
    const char* reported;
    const char* addName;
};

// Indexed by type code.
constexpr TypeNames kTypeNames[kAttributeTypeCount] = {
    {"bool", "bool"},
    {"char", "char"},
    {"short", "short"},
    {"int", "int"},
    {"long", "long"},
    {"float", "float"},
    {"double", "double"},
    {"string", "string"},
    {"XVector", "vector"},
    {"XPlane", "plane"},
    {"XColour", "colour"},
    {"vector<bool>", "vector<bool>"},
    {"vector<char>", "vector<char>"},
    {"vector<short>", "vector<short>"},
    {"vector<int>", "vector<int>"},
    {"vector<long>", "vector<long>"},
    {"vector<float>", "vector<float>"},
    {"vector<double>", "vector<double>"},
    {"vector<string>", "vector<string>"},
    {"vector<XVector>", "vector<vector>"},
    {"vector<XPlane>", "vector<plane>"},
    {"vector<XColour>", "vector<colour>"},
};

bool IsKnownType(AttributeType type) {
    auto code = static_cast<int32_t>(type);
    return code >= 0 && code < kAttributeTypeCount;
}

template <class T> struct IsStdVector : std::false_type {};
template <class U> struct IsStdVector<std::vector<U>> : std::true_type {};

// The value a new scalar or a new array element starts with.
template <class T> T InitialValue() {
    if constexpr (std::is_same_v<T, XColour>)
        return XColour(0.0f, 0.0f, 0.0f, 0.0f);
    else
        return T{};
}

// Calls visit(std::type_identity<Storage>{}) with the storage type of the code;
// unknown codes call nothing.
template <class Visitor> void VisitStorage(AttributeType type, Visitor&& visit) {
    switch (type) {
    case AttributeType::Bool: visit(std::type_identity<bool>{}); break;
    case AttributeType::Char: visit(std::type_identity<int8_t>{}); break;
    case AttributeType::Short: visit(std::type_identity<int16_t>{}); break;
    case AttributeType::Int: visit(std::type_identity<int32_t>{}); break;
    case AttributeType::Long: visit(std::type_identity<int32_t>{}); break;
    case AttributeType::Float: visit(std::type_identity<float>{}); break;
    case AttributeType::Double: visit(std::type_identity<double>{}); break;
    case AttributeType::String: visit(std::type_identity<std::string>{}); break;
    case AttributeType::Vector: visit(std::type_identity<XVector>{}); break;
    case AttributeType::Plane: visit(std::type_identity<XPlane>{}); break;
    case AttributeType::Colour: visit(std::type_identity<XColour>{}); break;
    case AttributeType::BoolArray: visit(std::type_identity<BoolArray>{}); break;
    case AttributeType::CharArray: visit(std::type_identity<CharArray>{}); break;
    case AttributeType::ShortArray: visit(std::type_identity<ShortArray>{}); break;
    case AttributeType::IntArray: visit(std::type_identity<IntArray>{}); break;
    case AttributeType::LongArray: visit(std::type_identity<LongArray>{}); break;
    case AttributeType::FloatArray: visit(std::type_identity<FloatArray>{}); break;
    case AttributeType::DoubleArray: visit(std::type_identity<DoubleArray>{}); break;
    case AttributeType::StringArray: visit(std::type_identity<StringArray>{}); break;
    case AttributeType::VectorArray: visit(std::type_identity<VectorArray>{}); break;
    case AttributeType::PlaneArray: visit(std::type_identity<PlaneArray>{}); break;
    case AttributeType::ColourArray: visit(std::type_identity<ColourArray>{}); break;
    }
}

// The components of a compound value in address order, or null.
float* ComponentAddress(void* value, AttributeType type, int component) {
    if (!value || component < 0 || component > 3) return nullptr;
    switch (type) {
    case AttributeType::Vector: {
        auto& v = *static_cast<XVector*>(value);
        float* parts[] = {&v.x, &v.y, &v.z, &v.w};
        return parts[component];
    }
    case AttributeType::Plane: {
        auto& p = *static_cast<XPlane*>(value);
        float* parts[] = {&p.a, &p.b, &p.c, &p.d};
        return parts[component];
    }
    case AttributeType::Colour: {
        auto& c = *static_cast<XColour*>(value);
        float* parts[] = {&c.r, &c.g, &c.b, &c.a};
        return parts[component];
    }
    default:
        return nullptr;
    }
}

bool NumberAsBool(double value) { return value >= 0.00001 || value <= -0.00001; }

std::string NumberAsElementText(double value) {
    char text[512]; // "%f" of the largest double needs 317 bytes
    snprintf(text, sizeof text, "%f", value);
    return text;
}

// The text of a number the way the interpreter converts it.
std::string NumberAsScriptText(double value) {
    char text[64];
    snprintf(text, sizeof text, "%.14g", value);
    return text;
}

// Only digits and dots count as a number in an array element's text.
bool IsPlainDecimal(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if ((c < '0' || c > '9') && c != '.') return false;
    return true;
}

} // namespace

// ---------------------------------------------------------------- type codes

const char* AttributeTypeName(AttributeType type) {
    return IsKnownType(type) ? kTypeNames[static_cast<int32_t>(type)].reported : "unknown";
}

bool AttributeTypeFromAddName(const char* name, AttributeType* type) {
    for (int32_t code = 0; code < kAttributeTypeCount; ++code) {
        if (strcmp(kTypeNames[code].addName, name) == 0) {
            *type = static_cast<AttributeType>(code);
            return true;
        }
    }
    return false;
}

bool IsArrayType(AttributeType type) {
    auto code = static_cast<int32_t>(type);
    return code >= static_cast<int32_t>(AttributeType::BoolArray) && code < kAttributeTypeCount;
}

bool IsCompoundType(AttributeType type) {
    return type == AttributeType::Vector || type == AttributeType::Plane ||
           type == AttributeType::Colour;
}

int ComponentFromLetter(AttributeType type, char letter) {
    const char* letters = nullptr;
    switch (type) {
    case AttributeType::Vector:
    case AttributeType::VectorArray: letters = "xyzw"; break;
    case AttributeType::Plane:
    case AttributeType::PlaneArray: letters = "abcd"; break;
    case AttributeType::Colour:
    case AttributeType::ColourArray: letters = "rgba"; break;
    default: return -1;
    }
    const char* found = letter ? strchr(letters, letter) : nullptr;
    return found ? static_cast<int>(found - letters) : -1;
}

int32_t TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// ---------------------------------------------------------------- Attribute

Attribute::Attribute(void* field, AttributeType type)
    : value_(field), type_(type), owned_(false), isArray_(IsArrayType(type)) {}

Attribute Attribute::MakeOwned(AttributeType type) {
    Attribute made;
    made.type_ = type;
    made.owned_ = true;
    made.isArray_ = IsArrayType(type);
    VisitStorage(type, [&](auto tag) {
        using T = typename decltype(tag)::type;
        made.value_ = new T(InitialValue<T>());
    });
    return made;
}

Attribute::Attribute(const Attribute& other)
    : value_(other.value_), type_(other.type_), owned_(other.owned_), isArray_(other.isArray_) {
    if (!owned_ || !other.value_) return;
    VisitStorage(type_, [&](auto tag) {
        using T = typename decltype(tag)::type;
        value_ = new T(*static_cast<const T*>(other.value_));
    });
}

Attribute& Attribute::operator=(const Attribute& other) {
    if (this != &other) {
        Attribute copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Attribute::Attribute(Attribute&& other) noexcept
    : value_(std::exchange(other.value_, nullptr)), type_(other.type_),
      owned_(std::exchange(other.owned_, false)), isArray_(other.isArray_) {}

Attribute& Attribute::operator=(Attribute&& other) noexcept {
    if (this != &other) {
        Release();
        value_ = std::exchange(other.value_, nullptr);
        type_ = other.type_;
        owned_ = std::exchange(other.owned_, false);
        isArray_ = other.isArray_;
    }
    return *this;
}

Attribute::~Attribute() { Release(); }

void Attribute::Release() {
    if (!owned_ || !value_) return;
    VisitStorage(type_, [&](auto tag) {
        using T = typename decltype(tag)::type;
        delete static_cast<T*>(value_);
    });
    value_ = nullptr;
}

size_t Attribute::size() const {
    size_t count = 1;
    if (!isArray_ || !value_) return count;
    VisitStorage(type_, [&](auto tag) {
        using T = typename decltype(tag)::type;
        if constexpr (IsStdVector<T>::value) count = static_cast<const T*>(value_)->size();
    });
    return count;
}

bool Attribute::FitsSize(uint64_t count) const {
    bool fits = true;
    if (!isArray_) return fits;
    VisitStorage(type_, [&](auto tag) {
        using T = typename decltype(tag)::type;
        if constexpr (std::is_same_v<T, BoolArray>)
            fits = FitsScriptArrayLimit(count / 8 + (count % 8 != 0), 1); // packed bits
        else if constexpr (IsStdVector<T>::value)
            fits = FitsScriptArrayLimit(count, sizeof(typename T::value_type));
    });
    return fits;
}

bool Attribute::resize(size_t count) {
    bool done = true;
    if (!isArray_ || !value_) return done;
    if (!FitsSize(count)) return false;
    VisitStorage(type_, [&](auto tag) {
        using T = typename decltype(tag)::type;
        if constexpr (IsStdVector<T>::value) {
            try {
                static_cast<T*>(value_)->resize(count, InitialValue<typename T::value_type>());
            } catch (const std::bad_alloc&) {
                done = false;
            } catch (const std::length_error&) {
                done = false;
            }
        }
    });
    return done;
}

void Attribute::SetFromBool(bool value) {
    switch (type_) {
    case AttributeType::Bool: as<bool>() = value; break;
    case AttributeType::Int: as<int32_t>() = value ? 1 : 0; break;
    case AttributeType::Float: as<float>() = value ? 1.0f : 0.0f; break;
    case AttributeType::Double: as<double>() = value ? 1.0 : 0.0; break;
    case AttributeType::String: as<std::string>() = value ? "true" : "false"; break;
    default: break;
    }
}

void Attribute::SetFromNumber(double value) {
    switch (type_) {
    case AttributeType::Bool: as<bool>() = NumberAsBool(value); break;
    case AttributeType::Int: as<int32_t>() = TruncateToInt(value); break;
    case AttributeType::Float: as<float>() = static_cast<float>(value); break;
    case AttributeType::Double: as<double>() = value; break;
    case AttributeType::String: as<std::string>() = NumberAsScriptText(value); break;
    default: break;
    }
}

void Attribute::SetFromText(std::string_view text) {
    if (type_ == AttributeType::String) as<std::string>() = text;
}

void Attribute::SetComponent(int component, float value) {
    if (float* target = ComponentAddress(value_, type_, component)) *target = value;
}

bool Attribute::GetComponent(int component, float* value) const {
    const float* source = ComponentAddress(value_, type_, component);
    if (source) *value = *source;
    return source != nullptr;
}

bool Attribute::SetElementFromNumber(int64_t index, double value) {
    if (index < 0 || static_cast<uint64_t>(index) >= size()) return false;
    switch (type_) {
    case AttributeType::BoolArray: as<BoolArray>()[index] = value != 0.0; break;
    case AttributeType::IntArray: as<IntArray>()[index] = TruncateToInt(value); break;
    case AttributeType::FloatArray: as<FloatArray>()[index] = static_cast<float>(value); break;
    case AttributeType::DoubleArray: as<DoubleArray>()[index] = value; break;
    case AttributeType::StringArray: as<StringArray>()[index] = NumberAsElementText(value); break;
    default: break;
    }
    return true;
}

bool Attribute::SetElementFromBool(int64_t index, bool value) {
    if (index < 0 || static_cast<uint64_t>(index) >= size()) return false;
    switch (type_) {
    case AttributeType::BoolArray: as<BoolArray>()[index] = value; break;
    case AttributeType::IntArray: as<IntArray>()[index] = value ? 1 : 0; break;
    case AttributeType::FloatArray: as<FloatArray>()[index] = value ? 1.0f : 0.0f; break;
    case AttributeType::DoubleArray: as<DoubleArray>()[index] = value ? 1.0 : 0.0; break;
    case AttributeType::StringArray: as<StringArray>()[index] = value ? "true" : "false"; break;
    default: break;
    }
    return true;
}

bool Attribute::SetElementFromText(int64_t index, std::string_view text) {
    if (index < 0 || static_cast<uint64_t>(index) >= size()) return false;
    switch (type_) {
    case AttributeType::BoolArray: {
        if (text == "true" || text == "on" || text == "yes" || text == "1")
            as<BoolArray>()[index] = true;
        else if (text == "false" || text == "off" || text == "no" || text == "0")
            as<BoolArray>()[index] = false;
        break;
    }
    case AttributeType::IntArray:
    case AttributeType::FloatArray:
    case AttributeType::DoubleArray:
        if (IsPlainDecimal(text))
            SetElementFromNumber(index, strtod(std::string(text).c_str(), nullptr));
        break;
    case AttributeType::StringArray: as<StringArray>()[index] = text; break;
    default: break;
    }
    return true;
}

// ---------------------------------------------------------------- IAttributes

void IAttributes::Declare(const std::string& name, void* field, AttributeType type) {
    table_.try_emplace(name, field, type);
}

bool IAttributes::AddAttribute(const std::string& name, AttributeType type) {
    switch (type) {
    case AttributeType::Bool:
    case AttributeType::Int:
    case AttributeType::Float:
    case AttributeType::Double:
    case AttributeType::String:
    case AttributeType::BoolArray:
    case AttributeType::IntArray:
    case AttributeType::FloatArray:
    case AttributeType::DoubleArray:
    case AttributeType::StringArray:
        break;
    default:
        return false;
    }
    if (table_.count(name)) return false;
    table_.emplace(name, Attribute::MakeOwned(type));
    return true;
}

void IAttributes::RemoveAttribute(const std::string& name) { table_.erase(name); }

Attribute* IAttributes::Find(const std::string& name) {
    Table::value_type* entry = FindEntry(name);
    return entry ? &entry->second : nullptr;
}

IAttributes::Table::value_type* IAttributes::FindEntry(const std::string& name) {
    auto found = table_.find(name);
    return found == table_.end() ? nullptr : &*found;
}
