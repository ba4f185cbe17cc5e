#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "script/script_calls.h"
#include "script/script_host.h"
#include "toolkit_fixture.h"
#include "ui/callback.h"
#include "ui/control_types.h"
#include "ui/window.h"

using namespace ui;

namespace {

using ControlTree = ToolkitTest;

std::string nameOf(int type, const char* requested) {
    return createControl(type, requested)->name;
}

TEST_F(ControlTree, NamesGetTheFirstFreeNumberedSuffix) {
    const std::string longName(70, 'n'), n61(61, 'n');
    const std::tuple<int, const char*, std::string> rows[] = {
        {LUI_BUTTON, nullptr, "luiButton1"},
        {LUI_BUTTON, nullptr, "luiButton2"},
        {LUI_BUTTON, "ok", "ok"},
        {LUI_BUTTON, "ok", "ok1"},
        {LUI_BUTTON, "main", "main1"},
        {LUI_TEXT, "luiButton", "luiButton3"},        // a reserved base name asked for
        {LUI_BUTTON, "luiRowLayout", "luiRowLayout"}, // not in the name table
        {kImageViewType, nullptr, "luiColorButton1"},
        {kColourSwatchType, nullptr, ""},
        {LUI_BUTTON, "", "1"},                      // internal parts created without names count up
        {LUI_BUTTON, longName.c_str(), n61 + "nn"}, // cut to 63 characters
        {LUI_BUTTON, longName.c_str(), n61 + "n1"},
    };
    for (const auto& [type, requested, expected] : rows)
        EXPECT_EQ(nameOf(type, requested), expected);

    // A freed name is the first free one again, also when another base could
    // have produced it ("ok1" + "2" and "ok" + "12" alike); long names give
    // up characters for a whole number.
    destroyControl(findControl("luiButton2"));
    EXPECT_EQ(nameOf(LUI_BUTTON, nullptr), "luiButton2");
    EXPECT_EQ(nameOf(LUI_BUTTON, nullptr), "luiButton4");
    for (int i = 0; i < 12; ++i) {
        createControl(LUI_BUTTON, "ok");
        createControl(LUI_BUTTON, longName.c_str());
    }
    EXPECT_EQ(nameOf(LUI_BUTTON, "ok"), "ok14");
    EXPECT_EQ(nameOf(LUI_BUTTON, longName.c_str()), n61 + "14");
    destroyControl(findControl("ok12"));
    destroyControl(findControl((n61 + "n4").c_str()));
    EXPECT_EQ(nameOf(LUI_BUTTON, "ok"), "ok12");
    EXPECT_EQ(nameOf(LUI_BUTTON, longName.c_str()), n61 + "n4");
}

TEST_F(ControlTree, WhenEveryNumberIsTakenTheNameStaysAsAsked) {
    Control* window = createControl(LUI_WINDOW, "holder");
    Control* first = createControl(LUI_BUTTON, "x");
    for (int i = 1; i <= 65534; ++i)
        createControl(LUI_BUTTON, "x");
    EXPECT_NE(findControl("x65534"), nullptr);
    EXPECT_STREQ(createControl(LUI_BUTTON, "x")->name, "x");
    EXPECT_EQ(findControl("x"), first);
    destroyControl(window);
    EXPECT_EQ(findControl("x"), nullptr);
    EXPECT_EQ(nameOf(LUI_BUTTON, "x"), "x");
}

TEST_F(ControlTree, PlacementByTypeAttachRefusingLoopsAndLabelsInBounds) {
    for (int type : {int{LUI_ROW_LAYOUT}, int{LUI_COLUMN_LAYOUT}, 56, -1})
        EXPECT_EQ(createControl(type, nullptr), nullptr);

    Control* window = createControl(LUI_WINDOW, nullptr);
    Control* frame = createControl(LUI_FRAME_LAYOUT, "f");
    EXPECT_EQ(frame->parent, window);
    EXPECT_EQ(createControl(LUI_BUTTON, nullptr)->parent, frame);
    for (int type : {LUI_FILE_DIALOG, LUI_MESSAGEBOX, LUI_SCRIPT_EDITOR}) {
        Control* control = createControl(type, nullptr);
        EXPECT_EQ(rootControl()->children.front(), control);
        EXPECT_EQ(currentParent(), frame) << type;
    }
    Control* menu = createControl(LUI_START_MENU, "");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(createControl(LUI_START_MENU, ""), nullptr);
    EXPECT_EQ(rootControl()->children.back(), menu);
    EXPECT_EQ(controlType(createControl(LUI_MENU, nullptr)), 0);

    Control* group = createControl(LUI_GROUP, nullptr); // inside the frame
    EXPECT_FALSE(attachChild(group, window));
    EXPECT_FALSE(attachChild(frame, frame));
    EXPECT_FALSE(attachChild(window, rootControl()));
    EXPECT_TRUE(attachChild(window, group));
    EXPECT_EQ(window->children, (std::vector<Control*>{frame, group}));
    detach(frame);
    EXPECT_EQ(findControl("f"), nullptr);
    destroyControl(frame);
    setLabel(window, std::string(80, 'L').c_str());
    EXPECT_EQ(std::string(window->label), std::string(63, 'L'));
}

TEST_F(ControlTree, TaskEntriesFollowTopLevelControlsWhileTheStartMenuExists) {
    Control* before = createControl(LUI_WINDOW, "before");
    Control* menu = createControl(LUI_START_MENU, "");
    Control* a = createControl(LUI_WINDOW, "a");
    Control* b = createControl(LUI_CONSOLE, "b");
    Control* c = createControl(LUI_WINDOW, "c");
    ASSERT_EQ(taskList().size(), 3u);
    EXPECT_EQ(taskList()[0].control, a);
    EXPECT_TRUE(taskList()[2].active);

    bringToFront(a);
    EXPECT_TRUE(taskList()[0].active);
    EXPECT_FALSE(taskList()[2].active);
    EXPECT_EQ(rootControl()->children, (std::vector<Control*>{a, c, b, before, menu}));

    destroyControl(b);
    ASSERT_EQ(taskList().size(), 2u);
    EXPECT_EQ(taskList()[1].control, c);

    // Without the start menu there is no task list to keep.
    destroyControl(menu);
    createControl(LUI_WINDOW, "after");
    EXPECT_TRUE(taskList().empty());
    EXPECT_NE(createControl(LUI_START_MENU, ""), nullptr);
}

TEST_F(ControlTree, FindWalksInPreOrderAndDestroyRunsEachDestroyBeforeTheChildrens) {
    EXPECT_EQ(findControl(nullptr), nullptr);
    EXPECT_EQ(findControl("nothing"), nullptr);
    Control* outer = createControl(LUI_WINDOW, "outer");
    Control* button = createControl(LUI_BUTTON, "button");
    Control* inner = createControl(LUI_WINDOW, "inner");
    Control* innerButton = createControl(LUI_BUTTON, "innerButton");
    Control* other = createControl(LUI_WINDOW, "other");
    Control* twin = createControl(LUI_BUTTON, "twin");
    renameControl(twin, "innerButton"); // names set as written may repeat
    ASSERT_TRUE(attachChild(outer, inner));
    EXPECT_EQ(findControl("innerButton"), twin); // "other" is in front
    for (Control* window : {outer, inner})
        windowData(window)->onDestroy.setNative([](Control* control) {
            eventLog += std::string(control->name) + "\n";
            return 0;
        });
    setCurrentParent(innerButton);

    destroyControl(outer);
    EXPECT_EQ(eventLog, "outer\ninner\n");
    EXPECT_EQ(currentParent(), rootControl());
    for (const char* gone : {"outer", "button", "inner"})
        EXPECT_EQ(findControl(gone), nullptr) << gone;
    EXPECT_EQ(findControl("innerButton"), twin);
    EXPECT_FALSE(isLiveControl(button) || isLiveControl(innerButton));

    destroyControl(rootControl());
    EXPECT_EQ(findControl("main"), rootControl());
    EXPECT_EQ(rootControl()->children, std::vector<Control*>{other});
}

TEST_F(ControlTree, ScriptCallbacksReceiveTheControlNameWhateverItHolds) {
    EXPECT_EQ(callbackLine("f", "a\"b\\c\n"), "f(\"a\\\"b\\\\c\\n\");");
    OpenInterpreter();
        lua_State* state = ScriptState();
    RunString(state, "seen = '' function record(name) seen = seen .. name .. '\\n' end");
    Control* plain = createControl(LUI_BUTTON, "plain");
    Control* quoted = createControl(LUI_BUTTON, "say \"hi\"); os.exit(3); --\\");
    Control* longName = createControl(LUI_BUTTON, std::string(63, 'q').c_str());

    Callback callback;
    EXPECT_EQ(callback.invoke(plain), 0);
    callback.setScript("record");
    EXPECT_EQ(callback.invoke(plain), 0);
    EXPECT_EQ(callback.invoke(quoted), 0);
    // A line longer than any fixed buffer still makes the whole call.
    callback.setScript(("record" + std::string(100, ' ')).c_str());
    EXPECT_EQ(callback.invoke(longName), 0);
    lua_getglobal(state, "seen");
    EXPECT_EQ(lua_tostring(state, -1),
              std::string("plain\n") + quoted->name + "\n" + longName->name + "\n");

    callback.setNative([](Control*) { return 7; });
    EXPECT_EQ(callback.invoke(plain), 7);
    callback.setScript("missingFunction");
    EXPECT_NE(callback.invoke(plain), 0);
    CloseInterpreter();
}

} // namespace
