// Script bindings of node attributes: the attribute locator and the Attr library.
//
// Errors are raised with lua_error, a longjmp here: every function that raises
// (directly or through FindAttribute) keeps only plain locals; anything that
// needs a destructor lives in a helper whose frame has ended before the raise.
#include "scene/attr_lua.h"

#include <cinttypes>
#include <cstdio>

#include "scene/node.h"
#include "scene/node_argument_lua.h"
#include "script/script_limits.h"

namespace {

// ---------------------------------------------------------------- helpers

void Print(const char* message) { fputs(message, stdout); }

// The text of the string or number at `slot`, NUL bytes included.
std::string_view TextAt(lua_State* state, int slot) {
    size_t length = 0;
    const char* text = lua_tolstring(state, slot, &length);
    return {text, length};
}

// A node id or name, whether or not a node answers to it.
bool NamesNode(lua_State* state, int slot) {
    int type = lua_type(state, slot);
    return type == LUA_TNUMBER || type == LUA_TSTRING;
}

IAttributes* AttributesOf(CNode* node) {
    return node ? node->Query<IAttributes>(InterfaceAttributes) : nullptr;
}

// ---------------------------------------------------------------- locator

// Pushes up to `limit` entries of the table at `table` in traversal order;
// returns how many.
int PushEntries(lua_State* state, int table, int limit) {
    lua_checkstack(state, limit + 2);
    int count = 0;
    lua_pushnil(state);
    while (lua_next(state, table)) {
        lua_insert(state, -2); // keep the value below the key
        if (++count == limit) {
            lua_pop(state, 1);
            break;
        }
    }
    return count;
}

// Entries: node, attribute, index or component letter, element component letter.
Attribute* FindByTable(lua_State* state, int* index, int* component, const char** name) {
    int base = lua_gettop(state);
    int count = PushEntries(state, 1, 4);
    auto entry = [base](int position) { return base + position; };

    if (count == 0) {
        Print("[ERROR] Expected some info about the node and attribute?\n");
        return nullptr;
    }
    if (!NamesNode(state, entry(1))) {
        Print("[ERROR] Expected node name or ID as first parameter\n");
        return nullptr;
    }
    CNode* node = NodeArgument(state, entry(1));
    if (!node) {
        Print("[ERROR] Could not find node\n");
        return nullptr;
    }
    if (count < 2) {
        Print("[ERROR] Only specified a node name, no attribute name found\n");
        return nullptr;
    }
    IAttributes* attributes = AttributesOf(node);
    if (!attributes) {
        Print("[ERROR] Node does not support attribute interface\n");
        return nullptr;
    }
    if (!lua_isstring(state, entry(2))) {
        Print("[ERROR] Expected attribute name\n");
        return nullptr;
    }
    IAttributes::Table::value_type* found = attributes->FindEntry(lua_tostring(state, entry(2)));
    if (!found) {
        Print("[ERROR] Attribute could not be found on node\n");
        return nullptr;
    }
    *name = found->first.c_str();
    Attribute* attribute = &found->second;
    if (count >= 3) {
        // Numeric text ("2") is an element number too: no component letter is a digit.
        if (lua_isnumber(state, entry(3))) {
            *index = TruncateToInt(lua_tonumber(state, entry(3)));
        } else if (lua_type(state, entry(3)) == LUA_TSTRING) {
            if (IsCompoundType(attribute->type()))
                *index = ComponentFromLetter(attribute->type(), lua_tostring(state, entry(3))[0]);
            else
                Print("[ERROR] Attribute is not a compound attribute type\n");
        } else {
            Print("[ERROR] Expected attribute name\n");
            return nullptr;
        }
    }
    if (count >= 4) {
        if (!lua_isstring(state, entry(4))) {
            Print("[ERROR] Expected attribute name\n");
            return nullptr;
        }
        AttributeType type = attribute->type();
        bool compoundArray = type == AttributeType::VectorArray ||
                             type == AttributeType::PlaneArray ||
                             type == AttributeType::ColourArray;
        if (!compoundArray)
            Print("[ERROR] Attribute is not a compound attribute type\n");
        else if (component)
            *component = ComponentFromLetter(type, lua_tostring(state, entry(4))[0]);
    }
    return attribute;
}

// False only when the path cannot be read (the caller raises); *found stays
// null, after a printed reason, when the path names nothing.
bool FindByPath(const char* text, int* index, Attribute** found, const char** name) {
    AttributePath path;
    if (!ParseAttributePath(text, &path)) return false;
    *index = path.index;
    CNode* node = FindNodeByName(path.node.c_str());
    if (!node) {
        Print("[ERROR] Could not find node\n");
        return true;
    }
    IAttributes* attributes = AttributesOf(node);
    if (!attributes) {
        Print("[ERROR] Node does not support attribute interface\n");
        return true;
    }
    IAttributes::Table::value_type* entry = attributes->FindEntry(path.attribute);
    if (!entry) {
        Print("[ERROR] Unknown Attribute name\n");
        return true;
    }
    *found = &entry->second;
    *name = entry->first.c_str();
    return true;
}

// ---------------------------------------------------------------- values

// The types Get and Set handle alike. Other: the codes no attribute is made with.
enum class ValueKind { Scalar, Compound, Array, Other };

ValueKind KindOf(AttributeType type) {
    switch (type) {
    case AttributeType::Bool:
    case AttributeType::Int:
    case AttributeType::Float:
    case AttributeType::Double:
    case AttributeType::String: return ValueKind::Scalar;
    case AttributeType::Vector:
    case AttributeType::Plane:
    case AttributeType::Colour: return ValueKind::Compound;
    case AttributeType::BoolArray:
    case AttributeType::IntArray:
    case AttributeType::FloatArray:
    case AttributeType::DoubleArray:
    case AttributeType::StringArray: return ValueKind::Array;
    default: return ValueKind::Other;
    }
}

void PushText(lua_State* state, const std::string& text) { lua_pushlstring(state, text.data(), text.size()); }

// One of the five scalar types that scripts can make.
void PushScalar(lua_State* state, const Attribute& attribute) {
    switch (attribute.type()) {
    case AttributeType::Bool: lua_pushboolean(state, attribute.as<bool>()); break;
    case AttributeType::Int: lua_pushnumber(state, attribute.as<int32_t>()); break;
    case AttributeType::Float: lua_pushnumber(state, attribute.as<float>()); break;
    case AttributeType::Double: lua_pushnumber(state, attribute.as<double>()); break;
    case AttributeType::String: PushText(state, attribute.as<std::string>()); break;
    default: lua_pushnil(state); break;
    }
}

void PushCompound(lua_State* state, const Attribute& attribute) {
    lua_createtable(state, 4, 0);
    for (int component = 0; component < 4; ++component) {
        float value = 0.0f;
        attribute.GetComponent(component, &value);
        lua_pushnumber(state, value);
        lua_rawseti(state, -2, component + 1);
    }
}

// Element i of one of the five array types that scripts can make.
void PushElement(lua_State* state, const Attribute& attribute, size_t i) {
    switch (attribute.type()) {
    case AttributeType::BoolArray: lua_pushboolean(state, attribute.as<BoolArray>()[i]); break;
    case AttributeType::IntArray: lua_pushnumber(state, attribute.as<IntArray>()[i]); break;
    case AttributeType::FloatArray: lua_pushnumber(state, attribute.as<FloatArray>()[i]); break;
    case AttributeType::DoubleArray: lua_pushnumber(state, attribute.as<DoubleArray>()[i]); break;
    case AttributeType::StringArray: PushText(state, attribute.as<StringArray>()[i]); break;
    default: lua_pushnil(state); break;
    }
}

void PushArray(lua_State* state, const Attribute& attribute) {
    size_t count = attribute.size();
    lua_createtable(state, static_cast<int>(count), 0);
    for (size_t i = 0; i < count; ++i) {
        PushElement(state, attribute, i);
        lua_rawseti(state, -2, static_cast<int>(i + 1));
    }
}

// Stores the script value at `slot` into element i: a number when the
// interpreter takes it for one, else a boolean, else text. A string array
// keeps texts as they are ("007" stays "007").
void SetElementFromValue(lua_State* state, Attribute& attribute, size_t i, int slot) {
    bool keepText = attribute.type() == AttributeType::StringArray &&
                    lua_type(state, slot) == LUA_TSTRING;
    if (keepText)
        attribute.SetElementFromText(i, TextAt(state, slot));
    else if (lua_isnumber(state, slot))
        attribute.SetElementFromNumber(i, lua_tonumber(state, slot));
    else if (lua_isboolean(state, slot))
        attribute.SetElementFromBool(i, lua_toboolean(state, slot));
    else if (lua_isstring(state, slot))
        attribute.SetElementFromText(i, TextAt(state, slot));
}

// Refuses, leaving the array as it is, a size beyond what a script may ask for.
bool CheckSize(const char* name, const Attribute& attribute, uint64_t count) {
    if (attribute.FitsSize(count)) return true;
    printf("[ERROR] Attribute %s cannot hold %" PRIu64
           " elements: a %s that large would pass %" PRIu64 " MiB\n",
           name, count, AttributeTypeName(attribute.type()), kScriptArrayByteLimit >> 20);
    return false;
}

size_t CountEntries(lua_State* state, int table) {
    size_t count = 0;
    lua_pushnil(state);
    while (lua_next(state, table)) {
        lua_pop(state, 1);
        ++count;
    }
    return count;
}

// Replaces the whole array with the entries of the table at `table`.
void SetArrayFromTable(lua_State* state, Attribute& attribute, int table, const char* name) {
    size_t count = CountEntries(state, table);
    if (!CheckSize(name, attribute, count)) return;
    attribute.resize(0);
    if (!attribute.resize(count)) return;
    size_t element = 0;
    lua_pushnil(state);
    while (lua_next(state, table)) {
        SetElementFromValue(state, attribute, element++, -1);
        lua_pop(state, 1);
    }
}

void SetScalar(lua_State* state, Attribute& attribute) {
    if (lua_isboolean(state, 2))
        attribute.SetFromBool(lua_toboolean(state, 2));
    else if (attribute.type() == AttributeType::String && lua_isstring(state, 2))
        attribute.SetFromText(TextAt(state, 2));
    else if (attribute.type() != AttributeType::String && lua_isnumber(state, 2))
        attribute.SetFromNumber(lua_tonumber(state, 2));
    else
        Print("[ERROR] Attr.Set - incorrect data type for attribute\n");
}

void SetCompound(lua_State* state, Attribute& attribute, int component) {
    if (component != -1) {
        if (lua_isnumber(state, 2))
            attribute.SetComponent(component, static_cast<float>(lua_tonumber(state, 2)));
        else
            Print("[ERROR] Attr.Set - incorrect data type for compound attribute\n");
        return;
    }
    if (lua_istable(state, 2)) {
        int base = lua_gettop(state);
        int count = PushEntries(state, 2, 4);
        for (int i = 0; i < count; ++i)
            attribute.SetComponent(i, static_cast<float>(lua_tonumber(state, base + 1 + i)));
        lua_settop(state, base);
        return;
    }
    int last = lua_gettop(state) < 5 ? lua_gettop(state) : 5;
    for (int slot = 2; slot <= last; ++slot)
        attribute.SetComponent(slot - 2, static_cast<float>(lua_tonumber(state, slot)));
}

void SetArray(lua_State* state, Attribute& attribute, int index, const char* name) {
    if (index == -1) {
        if (lua_istable(state, 2))
            SetArrayFromTable(state, attribute, 2, name);
        else
            Print("[ERROR] Attr.Set - incorrect data type for array attribute\n");
        return;
    }
    bool inRange = index >= 0 && static_cast<size_t>(index) < attribute.size();
    bool isText = lua_type(state, 2) == LUA_TSTRING;
    bool acceptable = attribute.type() == AttributeType::StringArray
                          ? isText || lua_isnumber(state, 2) || lua_isboolean(state, 2)
                          : lua_isnumber(state, 2) || lua_isboolean(state, 2);
    if (!acceptable) {
        Print(attribute.type() == AttributeType::StringArray
                  ? "[ERROR] Attr.Set - incorrect data type for attribute\n"
                  : "[ERROR] Attr.Set - incorrect data type for array attribute\n");
    } else if (!inRange) {
        Print("Trying to access out of range element\n");
    } else if (attribute.type() != AttributeType::StringArray || !lua_isboolean(state, 2)) {
        SetElementFromValue(state, attribute, index, 2); // a text element takes no boolean
    }
}

// ---------------------------------------------------------------- by name

bool AddByName(const char* nodeName, const char* attributeName, const char* typeName) {
    IAttributes* attributes = AttributesOf(FindNodeByName(nodeName));
    AttributeType type;
    return attributes && AttributeTypeFromAddName(typeName, &type) &&
           attributes->AddAttribute(attributeName, type);
}

void RemoveByName(const char* nodeName, const char* attributeName) {
    if (IAttributes* attributes = AttributesOf(FindNodeByName(nodeName)))
        attributes->RemoveAttribute(attributeName);
}

// False when the path cannot be read.
bool RemoveByPath(const char* text) {
    AttributePath path;
    if (!ParseAttributePath(text, &path)) return false;
    RemoveByName(path.node.c_str(), path.attribute.c_str());
    return true;
}

// ---------------------------------------------------------------- Attr.*

int AttrAdd(lua_State* state) {
    if (lua_gettop(state) != 3) return 0;
    if (!lua_isstring(state, 1) || !lua_isstring(state, 2) || !lua_isstring(state, 3))
        return RaiseMessage(state, "[ERROR] Incorrect argument types for this node\n");
    lua_pushboolean(state, AddByName(lua_tostring(state, 1), lua_tostring(state, 2),
                                     lua_tostring(state, 3)));
    return 1;
}

int AttrDelete(lua_State* state) {
    if (lua_gettop(state) != 1) return RaiseMessage(state, "[ERROR] Incorrect num args for AttrDelete");
    if (lua_istable(state, 1)) {
        int count = PushEntries(state, 1, 3);
        if (count != 2 || !lua_isstring(state, 2) || !lua_isstring(state, 3))
            return RaiseMessage(state, "[ERROR] Attribute name as table incorrectly specified");
        RemoveByName(lua_tostring(state, 2), lua_tostring(state, 3));
    } else if (lua_isstring(state, 1)) {
        if (!RemoveByPath(lua_tostring(state, 1)))
            return RaiseMessage(state, "[ERROR] AttrType could not understand the string you gave me");
    }
    return 0;
}

int AttrExists(lua_State* state) {
    if (lua_gettop(state) != 1)
        return RaiseMessage(state, "AttrExists expects a single argument. Either a table or a string!\n");
    int index;
    lua_pushboolean(state, FindAttribute(state, &index) != nullptr);
    return 1;
}

int AttrGet(lua_State* state) {
    int index;
    Attribute* attribute = FindAttribute(state, &index);
    if (!attribute) return 0;
    float component = 0.0f;
    switch (KindOf(attribute->type())) {
    case ValueKind::Scalar:
        if (index >= 0) {
            Print("[ERROR] attribute is not an array\n");
            return 0;
        }
        PushScalar(state, *attribute);
        return 1;
    case ValueKind::Compound:
        if (index == -1) PushCompound(state, *attribute);
        else if (attribute->GetComponent(index, &component)) lua_pushnumber(state, component);
        else break;
        return 1;
    case ValueKind::Array:
        if (index == -1) PushArray(state, *attribute);
        else if (index >= 0 && static_cast<size_t>(index) < attribute->size()) PushElement(state, *attribute, index);
        else break;
        return 1;
    case ValueKind::Other:
        return RaiseMessage(state, "[ERROR] Unknown attribute type!\n");
    }
    Print("[ERROR] Trying to access out of range element on attribute\n");
    return 0;
}

int AttrIsArray(lua_State* state) {
    if (lua_gettop(state) != 1)
        return RaiseMessage(state, "AttrIsArray expects a single argument. Either a table or a string!\n");
    int index;
    Attribute* attribute = FindAttribute(state, &index);
    lua_pushboolean(state, attribute && attribute->isArray());
    return 1;
}

int AttrList(lua_State* state) {
    if (lua_gettop(state) != 1) return RaiseMessage(state, "[ERROR] Incorrect num args for ListAttr");
    if (!NamesNode(state, 1)) return RaiseMessage(state, "[ERROR] ListAttr Expects a node name or id");
    CNode* node = NodeArgument(state, 1);
    if (!node) return RaiseMessage(state, "[ERROR] Node could not be found");
    lua_newtable(state);
    if (IAttributes* attributes = AttributesOf(node)) {
        int key = 0;
        for (const auto& entry : *attributes) {
            PushText(state, entry.first);
            lua_rawseti(state, -2, ++key);
        }
    }
    return 1;
}

int AttrResize(lua_State* state) {
    if (lua_gettop(state) != 2 || !lua_isnumber(state, 2))
        return RaiseMessage(state, "[ERROR] Incorrect num args for AttrResize");
    int index;
    const char* name = nullptr;
    Attribute* attribute = FindAttribute(state, &index, nullptr, &name);
    if (!attribute) return 0;
    int32_t count = TruncateToInt(lua_tonumber(state, 2));
    // A negative size would wrap to a huge one.
    if (count < 0) Print("[ERROR] Attr.Resize - invalid size\n");
    else if (CheckSize(name, *attribute, static_cast<uint64_t>(count)) && !attribute->resize(static_cast<size_t>(count)))
        Print("[ERROR] Attr.Resize - invalid size\n");
    return 0;
}

int AttrSet(lua_State* state) {
    if (lua_gettop(state) < 2) {
        Print("Incorrect num args for AttrSet\n");
        return 0;
    }
    int index;
    const char* name = nullptr;
    Attribute* attribute = FindAttribute(state, &index, nullptr, &name);
    if (!attribute) return 0;
    switch (KindOf(attribute->type())) {
    case ValueKind::Scalar: SetScalar(state, *attribute); break;
    case ValueKind::Compound: SetCompound(state, *attribute, index); break;
    case ValueKind::Array: SetArray(state, *attribute, index, name); break;
    case ValueKind::Other: break;
    }
    return 0;
}

int AttrSize(lua_State* state) {
    if (lua_gettop(state) != 1)
        return RaiseMessage(state, "AttrSize expects a single argument. Either a table or a string!\n");
    int index;
    Attribute* attribute = FindAttribute(state, &index);
    lua_pushnumber(state, attribute ? static_cast<double>(attribute->size()) : 0.0);
    return 1;
}

int AttrType(lua_State* state) {
    if (lua_gettop(state) != 1)
        return RaiseMessage(state, "AttrType expects a single argument. Either a table or a string!\n");
    int index;
    Attribute* attribute = FindAttribute(state, &index);
    if (!attribute) return RaiseMessage(state, "[ERROR] Attribute not found\n");
    lua_pushstring(state, AttributeTypeName(attribute->type()));
    return 1;
}

const luaL_reg kAttrFunctions[] = {
    {"Add", AttrAdd},
    {"Delete", AttrDelete},
    {"Exists", AttrExists},
    {"Get", AttrGet},
    {"IsArray", AttrIsArray},
    {"List", AttrList},
    {"Resize", AttrResize},
    {"Set", AttrSet},
    {"Size", AttrSize},
    {"Type", AttrType},
    {nullptr, nullptr},
};

} // namespace

void RegisterAttrLibrary(lua_State* state) {
    luaL_openlib(state, "Attr", kAttrFunctions, 0);
    lua_pop(state, 1);
}

Attribute* FindAttribute(lua_State* state, int* index, int* component, const char** name) {
    *index = -1;
    if (component) *component = -1;
    const char* unused = nullptr;
    if (!name) name = &unused;
    switch (lua_type(state, 1)) {
    case LUA_TTABLE: {
        int top = lua_gettop(state);
        Attribute* found = FindByTable(state, index, component, name);
        lua_settop(state, top);
        return found;
    }
    case LUA_TSTRING:
    case LUA_TNUMBER: {
        Attribute* found = nullptr;
        if (!FindByPath(lua_tostring(state, 1), index, &found, name))
            RaiseMessage(state, "[ERROR] AttrType could not understand the string you gave me");
        return found;
    }
    default:
        return nullptr;
    }
}
