// The file dialog as native code opens it, and what it does when scripts
// change its parts behind its back. Browsing and choosing by the pointer are
// driven from file_dialog/*.lua.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/script_run.h"
#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/file_dialog.h"
#include "ui/item_list.h"

using namespace ui;

namespace {

// A dialog stands at (100, 100), its client area below a 16-pixel title bar.
int rowY(int row) {
    return 116 + 45 + 4 + 14 * row + 7;
}
void clickOk() {
    click(160, 116 + 254 + 12);
}

// Points $HOME at a fresh folder holding a.txt and b.txt for one test.
class FileDialogInput : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        if (const char* home = std::getenv("HOME")) savedHome_ = home;
        home_ = MakeWorkDir();
        WriteFile(home_ + "/a.txt", "a");
        WriteFile(home_ + "/b.txt", "b");
        setenv("HOME", home_.c_str(), 1);
    }
    void TearDown() override {
        if (savedHome_)
            setenv("HOME", savedHome_->c_str(), 1);
        else
            unsetenv("HOME");
        ToolkitTest::TearDown();
    }
    std::string home_;

  private:
    std::optional<std::string> savedHome_;
};

Control* okWith = nullptr;
std::string okPath;

int rememberChoice(Control* dialog) {
    okWith = dialog;
    okPath = fileDialogChosenPath(dialog);
    return 0;
}

TEST_F(FileDialogInput, ANativeOkCommandGetsTheDialogWithItsChoiceAndTheDialogThenCloses) {
    Control* dialog = openFileDialog("Open Script File", rememberChoice);
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(dialog->name, "Open Script File");
    EXPECT_STREQ(dialog->label, "Open Script File");
    EXPECT_EQ(currentParent(), rootControl()) << "new controls still go where they went";
    EXPECT_EQ(rootControl()->children.front(), dialog);

    click(150, rowY(1));
    clickOk();
    EXPECT_EQ(okWith, dialog);
    EXPECT_EQ(okPath, home_ + "/b.txt");
    EXPECT_EQ(findControl("Open Script File"), nullptr);
}

TEST_F(FileDialogInput, PartsChangedFromOutsideNeverLeadPastTheListing) {
    Control* dialog = createControl(LUI_FILE_DIALOG, nullptr);
    Control* list = findControl("FDListBox");
    // A script gives the list more rows than the folder has entries.
    appendListItem(list, "not in the folder");
    click(150, rowY(2));
    EXPECT_EQ(listSelectedIndex(list, 0), 2);
    EXPECT_STREQ(getString(dialog), "");

    // Without its list, field and "Look In:" box it still moves and lays out.
    destroyControl(list);
    destroyControl(findControl("FDFileName"));
    destroyControl(findControl("FDLookIn"));
    click(100 + 210 + 15, 136); // up
    setSize(dialog, 400, 400);
    EXPECT_STREQ(getString(dialog), "");
    EXPECT_EQ(findControl("FDOkButton")->y, 400 - 16 - 30);
}

} // namespace
