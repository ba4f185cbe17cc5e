// Attribute values and the typed attribute table that nodes expose to scripts.
//
// An attribute either refers to a field the node owns (how node classes publish
// their parameters) or owns a value a script created at run time. Nothing here
// knows the interpreter; the script side lives in scene/attr_lua.*.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------- value types

struct XVector {
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;

    XVector() = default;
    XVector(float x, float y, float z) : x(x), y(y), z(z) {}
    XVector(float x, float y, float z, float w) : x(x), y(y), z(z), w(w) {}
};

struct XPlane {
    float a = 0.0f, b = 0.0f, c = 0.0f, d = 0.0f;

    XPlane() = default;
    XPlane(float a, float b, float c, float d) : a(a), b(b), c(c), d(d) {}
};

// No default: every owner states its own initial colour.
struct XColour {
    float r, g, b, a;

    XColour(float r, float g, float b, float a) : r(r), g(g), b(b), a(a) {}
};

// ---------------------------------------------------------------- type codes

enum class AttributeType : int32_t {
    Bool = 0,
    Char = 1,
    Short = 2,
    Int = 3,
    Long = 4,
    Float = 5,
    Double = 6,
    String = 7,
    Vector = 8,
    Plane = 9,
    Colour = 10,
    BoolArray = 11,
    CharArray = 12,
    ShortArray = 13,
    IntArray = 14,
    LongArray = 15,
    FloatArray = 16,
    DoubleArray = 17,
    StringArray = 18,
    VectorArray = 19,
    PlaneArray = 20,
    ColourArray = 21,
};

constexpr int32_t kAttributeTypeCount = 22;

// The storage behind each code. Long is 32 bits wide like int.
using BoolArray = std::vector<bool>;
using CharArray = std::vector<int8_t>;
using ShortArray = std::vector<int16_t>;
using IntArray = std::vector<int32_t>;
using LongArray = std::vector<int32_t>;
using FloatArray = std::vector<float>;
using DoubleArray = std::vector<double>;
using StringArray = std::vector<std::string>;
using VectorArray = std::vector<XVector>;
using PlaneArray = std::vector<XPlane>;
using ColourArray = std::vector<XColour>;

// The name scripts see ("XVector", "vector<float>"); "unknown" outside the codes.
const char* AttributeTypeName(AttributeType type);
// The name Attr.Add accepts ("vector", "vector<colour>"); false when none matches.
bool AttributeTypeFromAddName(const char* name, AttributeType* type);
bool IsArrayType(AttributeType type);
// XVector, XPlane and XColour: four float components addressable one by one.
bool IsCompoundType(AttributeType type);
// The component number a letter names for a compound or compound-array type
// (x y z w, a b c d, r g b a), or -1.
int ComponentFromLetter(AttributeType type, char letter);

// Script numbers to integers: truncation toward zero, saturated at the int32
// range, NaN as 0 (a plain cast would be undefined there).
int32_t TruncateToInt(double value);

// ---------------------------------------------------------------- Attribute

class Attribute {
public:
    // Refers to a field that someone else owns.
    Attribute(void* field, AttributeType type);
    // Owns a freshly made value: false, 0, empty text or an empty array.
    static Attribute MakeOwned(AttributeType type);

    Attribute(const Attribute& other);
    Attribute& operator=(const Attribute& other);
    Attribute(Attribute&& other) noexcept;
    Attribute& operator=(Attribute&& other) noexcept;
    ~Attribute();

    void* value() const { return value_; }
    AttributeType type() const { return type_; }
    bool owned() const { return owned_; }
    bool isArray() const { return isArray_; }

    // The value as its storage type; T must match type().
    template <class T> T& as() const { return *static_cast<T*>(value_); }

    // Element count for arrays, 1 for everything else.
    size_t size() const;
    // Whether an array of `count` elements stays within the storage a script
    // may ask for (kScriptArrayByteLimit); always true for other types.
    bool FitsSize(uint64_t count) const;
    // Arrays only; new elements are false, 0, empty text, (0,0,0,1) or all-zero.
    // False, with the array unchanged, when the size does not fit or the
    // memory cannot be had.
    bool resize(size_t count);

    // Scalar setters (bool, int, float, double, string); other types ignore them.
    void SetFromBool(bool value);
    void SetFromNumber(double value);
    // String attributes only.
    void SetFromText(std::string_view text);

    // Compound component 0..3 as a float; other numbers are ignored.
    void SetComponent(int component, float value);
    // Component 0..3 of a compound; false when out of range or not compound.
    bool GetComponent(int component, float* value) const;

    // One element of an array. False only when index is not below size();
    // a value the element type cannot take leaves the element as it was.
    bool SetElementFromNumber(int64_t index, double value);
    bool SetElementFromBool(int64_t index, bool value);
    bool SetElementFromText(int64_t index, std::string_view text);

private:
    Attribute() = default;
    void Release();

    void* value_ = nullptr;
    AttributeType type_ = AttributeType::Bool;
    bool owned_ = false;
    bool isArray_ = false;
};

// ---------------------------------------------------------------- IAttributes

// A node's attributes by name, iterated in ascending byte order of the names.
class IAttributes {
public:
    using Table = std::map<std::string, Attribute>;

    // Publishes a field of the node; an existing name keeps its first record.
    void Declare(const std::string& name, void* field, AttributeType type);
    void Declare(const std::string& name, bool* field) { Declare(name, field, AttributeType::Bool); }
    void Declare(const std::string& name, int32_t* field) { Declare(name, field, AttributeType::Int); }
    void Declare(const std::string& name, float* field) { Declare(name, field, AttributeType::Float); }
    void Declare(const std::string& name, XVector* field) { Declare(name, field, AttributeType::Vector); }
    void Declare(const std::string& name, XPlane* field) { Declare(name, field, AttributeType::Plane); }
    void Declare(const std::string& name, XColour* field) { Declare(name, field, AttributeType::Colour); }

    // Creates an owned attribute of bool, int, float, double, string or one of
    // their arrays. False, adding nothing, for a present name or another type.
    bool AddAttribute(const std::string& name, AttributeType type);
    void RemoveAttribute(const std::string& name);

    Attribute* Find(const std::string& name);
    // The record of that name with the name as the table keeps it; null when none.
    Table::value_type* FindEntry(const std::string& name);
    size_t Count() const { return table_.size(); }
    Table::const_iterator begin() const { return table_.begin(); }
    Table::const_iterator end() const { return table_.end(); }

private:
    Table table_;
};

// ---------------------------------------------------------------- paths

struct AttributePath {
    std::string node;
    std::string attribute;
    int index = -1; // -1 when the path has no brackets
};

// Splits "node.attribute[index]". On failure prints the reason on standard
// output and returns false.
bool ParseAttributePath(const char* text, AttributePath* path);
