// The call-back behind every "command"-like property: a native function
// taking the control, or the name of a script function that is called with
// the control's name.
#pragma once

#include <string>

namespace ui {

struct Control;
using NativeCallback = int (*)(Control* control);

class Callback {
public:
    void setNative(NativeCallback function);
    // Keeps its own copy of the name; null clears the call-back.
    void setScript(const char* functionName);
    bool empty() const { return kind_ == Kind::None; }
    // Null unless the call-back names a script function.
    const char* scriptName() const;

    // Native: the function's result. Script: runs `function("name");` and
    // returns the run's status (0 on success). Empty: 0.
    int invoke(Control* control) const;

private:
    enum class Kind : unsigned char { None, Native, Script };
    Kind kind_ = Kind::None;
    NativeCallback native_ = nullptr;
    std::string script_;
};

// The script line that calls `function` with `controlName` as its one string
// argument. The name is escaped so that any bytes arrive unchanged.
std::string callbackLine(const char* function, const char* controlName);

} // namespace ui
