// The control record, its per-type operation table and the control tree
// under the root control "main": creation with unique names, lookup,
// re-parenting, value access and destruction.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

struct Control;

constexpr uint32_t kStyleShown = 0x40000;
constexpr uint32_t kStyleHidden = 0x80000;
constexpr uint32_t kStyleSizeable = 0x40;

// One table per control type. An empty slot means the operation is not
// handled: callers skip it and use the default noted beside it.
struct ControlClass {
    int typeId = 0;
    int isContainer = 0;                                      // forwards events and drawing to children
    void (*create)(Control*) = nullptr;                       // allocates data, sets defaults
    void (*destroy)(Control*) = nullptr;                      // frees data
    int (*onKey)(Control*, int character, int x, int y) = nullptr;          // default: not handled
    int (*onSpecialKey)(Control*, int key, int x, int y) = nullptr;         // default: not handled
    int (*onDrag)(Control*, int x, int y, int dx, int dy) = nullptr;        // default: not handled
    int (*onHover)(Control*, int x, int y, int dx, int dy) = nullptr;       // default: not handled
    int (*onMouseButton)(Control*, int button, int state, int x, int y) = nullptr;
    void (*draw)(Control*) = nullptr;                         // in control-local coordinates
    void (*setStyle)(Control*, uint32_t style) = nullptr;
    int (*minWidth)(Control*) = nullptr;                      // default 0
    int (*minHeight)(Control*) = nullptr;                     // default 0
    void (*resize)(Control*, int width, int height) = nullptr;
    int (*getInt)(Control*) = nullptr;                        // default 0
    double (*getFloat)(Control*) = nullptr;                   // default 0.0
    const char* (*getString)(Control*) = nullptr;             // default null; owned by the control
    void (*setInt)(Control*, int value) = nullptr;
    void (*setFloat)(Control*, float value) = nullptr;
    void (*setString)(Control*, const char* text) = nullptr;
};

// One heap record per control, zero-filled at creation.
struct Control {
    char name[64];            // unique among controls, at most 63 characters
    char label[64];           // caption, at most 63 characters
    const ControlClass* cls;  // fixed at creation
    Control* parent;          // null while detached
    std::vector<Control*> children;  // owned; index 0 is the front-most top-level control
    uint32_t style;
    void* data;               // type-specific record, owned by the class
    int32_t width, height;
    int32_t x, y;             // relative to the parent's client origin, y down
    int32_t shown;            // window-family visibility
    int32_t enabled;
    int32_t hovered;          // 1 while this is the hover control
};

inline int controlType(const Control* control) { return control->cls ? control->cls->typeId : 0; }

// The destroy operation of types whose `data` is one record of type Data.
template <class Data> void destroyRecord(Control* control) {
    delete static_cast<Data*>(control->data);
    control->data = nullptr;
}

// ---- The tree --------------------------------------------------------------

// The statically allocated root named "main"; its children are the
// top-level controls.
Control* rootControl();

// A new control of `type` named by the naming rule from `requestedName` (or
// the type's default name when null), placed by its type and set up by its
// class. Null for an unknown type and for a second start menu.
Control* createControl(int type, const char* requestedName);
// Depth-first pre-order from the root (the root itself first); exact match.
Control* findControl(const char* name);
// Replaces the name as written, without the naming rule.
void renameControl(Control* control, const char* name);

// Refuses (false) a null control, the root as child and a parent inside the
// child's own subtree.
bool attachChild(Control* parent, Control* child);
void detach(Control* control);

// A part of a composite control: a new control of `type` named by the naming
// rule from `name` and attached to `parent`.
Control* createChild(Control* parent, int type, const char* name);
// Whether `child` is one of `parent`'s children now: scripts may destroy or
// move the parts of composite controls.
bool isChildOf(const Control* parent, const Control* child);
// The first child of the given type; null when there is none.
Control* childOfType(const Control* parent, int type);

// Removes the task entry, detaches and destroys the control with everything
// below it. The root cannot be destroyed.
void destroyControl(Control* control);
// Whether the control still exists: call-backs may destroy the control that
// ran them, so code that goes on after running one checks first.
bool isLiveControl(const Control* control);
// Destroys every top-level control, front to back.
void destroyAllControls();
// Marks the task entry active and moves a top-level control to index 0.
void bringToFront(Control* control);

// Where new child and layout controls go; falls back to the root when the
// control it named is destroyed.
Control* currentParent();
void setCurrentParent(Control* control);

// ---- Fields through the class ------------------------------------------------

// Clamps to the class's minimum size, lets the class re-lay out, stores.
void setSize(Control* control, int width, int height);
void setPosition(Control* control, int x, int y);
// Both of the above; a null control is left alone.
void placeControl(Control* control, int x, int y, int width, int height);
// Stores the style; 0x40000 shows and 0x80000 hides window-family controls.
void setStyle(Control* control, uint32_t style);
// Keeps the first 63 characters.
void setLabel(Control* control, const char* text);

int getInt(Control* control);
double getFloat(Control* control);
const char* getString(Control* control);
void setInt(Control* control, int value);
void setFloat(Control* control, float value);
void setString(Control* control, const char* text);

// ---- Start menu and task list ---------------------------------------------

struct TaskEntry {
    Control* control;
    bool active;
};

// The one start menu, null when there is none. Top-level controls get task
// entries only while it exists.
Control* startMenu();
std::vector<TaskEntry>& taskList();
// Makes the control's entry the active one (the others become inactive).
void activateTask(Control* control);

} // namespace ui
