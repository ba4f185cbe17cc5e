#include "ui/callback.h"

#include "script/script_calls.h"
#include "ui/control.h"

namespace ui {

void Callback::setNative(NativeCallback function) {
    script_.clear();
    native_ = function;
    kind_ = function ? Kind::Native : Kind::None;
}

void Callback::setScript(const char* functionName) {
    native_ = nullptr;
    script_ = functionName ? functionName : "";
    kind_ = functionName ? Kind::Script : Kind::None;
}

const char* Callback::scriptName() const {
    return kind_ == Kind::Script ? script_.c_str() : nullptr;
}

std::string callbackLine(const char* function, const char* controlName) {
    std::string line = function;
    line += "(\"";
    for (const char* c = controlName; *c; ++c) {
        switch (*c) {
        case '"': line += "\\\""; break;
        case '\\': line += "\\\\"; break;
        case '\n': line += "\\n"; break;
        case '\r': line += "\\r"; break;
        default: line += *c;
        }
    }
    line += "\");";
    return line;
}

int Callback::invoke(Control* control) const {
    switch (kind_) {
    case Kind::Native: return native_(control);
    case Kind::Script: return RunScriptText(callbackLine(script_.c_str(), control->name).c_str());
    case Kind::None: break;
    }
    return 0;
}

} // namespace ui
