#include "ui/control.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>

#include "ui/control_names.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"

namespace ui {

namespace {

constexpr ControlClass kRootClass{};

// Namespace-scope, not function-local: they must outlive the at-exit
// handler that destroys every control.
Control rootRecord = [] {
    Control main{};
    strcpy(main.name, "main");
    main.cls = &kRootClass;
    return main;
}();

NameRegistry controlNames = [] {
    NameRegistry known;
    known.add("main");
    return known;
}();

Control& root() { return rootRecord; }
NameRegistry& names() { return controlNames; }

Control* parentForNewControls = nullptr;
Control* theStartMenu = nullptr;
std::vector<TaskEntry> tasks;
std::unordered_set<const Control*> liveControls;

void copyText(char (&field)[64], const char* text) {
    snprintf(field, sizeof field, "%s", text ? text : "");
}

bool isAncestorOrSelf(const Control* ancestor, const Control* control) {
    for (; control; control = control->parent)
        if (control == ancestor) return true;
    return false;
}

void removeTask(Control* control) {
    std::erase_if(tasks, [control](const TaskEntry& entry) { return entry.control == control; });
}

// Nothing the toolkit keeps may point into a subtree about to be freed.
void forgetSubtree(Control* control) {
    if (control == parentForNewControls) parentForNewControls = nullptr;
    if (control == theStartMenu) {
        theStartMenu = nullptr;
        tasks.clear();
    }
    removeTask(control);
    forgetControl(control);
    for (Control* child : control->children) forgetSubtree(child);
}

void destroySubtree(Control* control) {
    if (control->cls && control->cls->destroy) control->cls->destroy(control);
    for (Control* child : control->children) destroySubtree(child);
    names().remove(control->name);
    liveControls.erase(control);
    delete control;
}

bool ownsTaskEntry(int type) { return (type >= 0 && type <= 8) || type == 11 || type == 12; }

} // namespace

Control* rootControl() { return &root(); }

Control* createControl(int type, const char* requestedName) {
    const ControlClass* cls = classOf(type);
    if (!cls) return nullptr;
    Placement placement = placementOf(type);
    if (placement == Placement::StartMenu && theStartMenu) return nullptr;

    auto* control = new Control{};
    liveControls.insert(control);
    control->cls = cls;
    std::string name =
        names().uniqueName(requestedName ? requestedName : defaultName(type), isReservedName);
    copyText(control->name, name.c_str());
    names().add(control->name);

    switch (placement) {
    case Placement::TopLevel:
        attachChild(rootControl(), control);
        if (theStartMenu) tasks.push_back({control, false});
        bringToFront(control);
        break;
    case Placement::StartMenu:
        attachChild(rootControl(), control);
        theStartMenu = control;
        break;
    case Placement::Child:
        attachChild(currentParent(), control);
        break;
    case Placement::Layout:
        attachChild(currentParent(), control);
        setCurrentParent(control);
        break;
    case Placement::NotCreatable: break;
    }
    if (cls->create) cls->create(control);
    return control;
}

Control* findControl(const char* name) {
    if (!name || !names().contains(name)) return nullptr;
    std::vector<Control*> pending{rootControl()};
    while (!pending.empty()) {
        Control* control = pending.back();
        pending.pop_back();
        if (strcmp(control->name, name) == 0) return control;
        pending.insert(pending.end(), control->children.rbegin(), control->children.rend());
    }
    return nullptr;
}

void renameControl(Control* control, const char* name) {
    if (!control || control == rootControl()) return;
    names().remove(control->name);
    copyText(control->name, name);
    names().add(control->name);
}

bool attachChild(Control* parent, Control* child) {
    // A control inside its own subtree would make the tree a loop.
    if (!parent || !child || child == rootControl() || isAncestorOrSelf(child, parent))
        return false;
    detach(child);
    parent->children.push_back(child);
    child->parent = parent;
    return true;
}

void detach(Control* control) {
    if (!control || !control->parent) return;
    std::erase(control->parent->children, control);
    control->parent = nullptr;
}

Control* createChild(Control* parent, int type, const char* name) {
    Control* child = createControl(type, name);
    attachChild(parent, child);
    return child;
}

bool isChildOf(const Control* parent, const Control* child) {
    return child && std::find(parent->children.begin(), parent->children.end(), child) !=
                        parent->children.end();
}

Control* childOfType(const Control* parent, int type) {
    for (Control* child : parent->children)
        if (controlType(child) == type) return child;
    return nullptr;
}

void destroyControl(Control* control) {
    if (!control || control == rootControl()) return;
    if (ownsTaskEntry(controlType(control))) removeTask(control);
    detach(control);
    forgetSubtree(control);
    destroySubtree(control);
}

bool isLiveControl(const Control* control) {
    return control == rootControl() || liveControls.count(control) != 0;
}

void destroyAllControls() {
    while (!rootControl()->children.empty()) destroyControl(rootControl()->children.front());
}

void bringToFront(Control* control) {
    activateTask(control);
    auto& siblings = rootControl()->children;
    auto found = std::find(siblings.begin(), siblings.end(), control);
    if (found != siblings.end()) std::rotate(siblings.begin(), found, found + 1);
}

Control* currentParent() { return parentForNewControls ? parentForNewControls : rootControl(); }

void setCurrentParent(Control* control) {
    parentForNewControls = control == rootControl() ? nullptr : control;
}

void setSize(Control* control, int width, int height) {
    const ControlClass* cls = control->cls;
    if (cls && cls->minWidth) width = std::max(width, cls->minWidth(control));
    if (cls && cls->minHeight) height = std::max(height, cls->minHeight(control));
    if (cls && cls->resize) cls->resize(control, width, height);
    control->width = width;
    control->height = height;
}

void setPosition(Control* control, int x, int y) {
    control->x = x;
    control->y = y;
}

void placeControl(Control* control, int x, int y, int width, int height) {
    if (!control) return;
    setPosition(control, x, y);
    setSize(control, width, height);
}

void setStyle(Control* control, uint32_t style) {
    control->style = style;
    if (style & kStyleShown)
        control->shown = 1;
    else if (style & kStyleHidden)
        control->shown = 0;
    if (control->cls && control->cls->setStyle) control->cls->setStyle(control, style);
}

void setLabel(Control* control, const char* text) { copyText(control->label, text); }

int getInt(Control* control) {
    return control->cls && control->cls->getInt ? control->cls->getInt(control) : 0;
}
double getFloat(Control* control) {
    return control->cls && control->cls->getFloat ? control->cls->getFloat(control) : 0.0;
}
const char* getString(Control* control) {
    return control->cls && control->cls->getString ? control->cls->getString(control) : nullptr;
}
void setInt(Control* control, int value) {
    if (control->cls && control->cls->setInt) control->cls->setInt(control, value);
}
void setFloat(Control* control, float value) {
    if (control->cls && control->cls->setFloat) control->cls->setFloat(control, value);
}
void setString(Control* control, const char* text) {
    if (control->cls && control->cls->setString) control->cls->setString(control, text);
}

Control* startMenu() { return theStartMenu; }
std::vector<TaskEntry>& taskList() { return tasks; }

void activateTask(Control* control) {
    auto entry = std::find_if(tasks.begin(), tasks.end(),
                              [control](const TaskEntry& task) { return task.control == control; });
    if (entry == tasks.end()) return;
    for (TaskEntry& task : tasks) task.active = false;
    entry->active = true;
}

} // namespace ui
