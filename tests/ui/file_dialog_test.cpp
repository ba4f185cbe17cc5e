// The file dialog as native code opens it, and what it does when scripts
// change its parts behind its back. Browsing and choosing by the pointer are
// driven from file_dialog/*.lua.
#include <gtest/gtest.h>

#include <string>

#include "support/script_run.h"
#include "toolkit_fixture.h"
#include "ui/file_dialog.h"
#include "ui/item_list.h"

using namespace ui;

namespace {

// A dialog stands at (100, 100), its client area below a 16-pixel title bar;
// its list rows are 14 high from 4 pixels into the list at (4, 45).
void clickRow(int row) {
    click(150, 116 + 45 + 4 + 14 * row + 7);
}

// A dialog opened as the script editor opens one, showing a folder with a.txt and b.txt.
Control* openOnTwoFiles(NativeCallback onOk, std::string& folder) {
    folder = MakeWorkDir() + "/";
    WriteFile(folder + "a.txt", "a");
    WriteFile(folder + "b.txt", "b");
    Control* dialog = openFileDialog("Open Script File", onOk);
    setFileDialogFolder(dialog, folder.c_str());
    return dialog;
}

Control* okWith = nullptr;
std::string okPath;

using FileDialogInput = ToolkitTest;

TEST_F(FileDialogInput, ANativeOkCommandGetsTheDialogWithItsChoiceAndTheDialogThenCloses) {
    std::string folder;
    Control* dialog = openOnTwoFiles(
        [](Control* self) {
            okWith = self;
            okPath = fileDialogChosenPath(self);
            return 0;
        },
        folder);
    EXPECT_STREQ(dialog->label, "Open Script File");
    EXPECT_EQ(currentParent(), rootControl()) << "new controls still go where they went";
    clickRow(1);
    click(160, 116 + 254 + 12); // OK
    EXPECT_EQ(okWith, dialog);
    EXPECT_EQ(okPath, folder + "b.txt");
    EXPECT_EQ(findControl("Open Script File"), nullptr);
}

TEST_F(FileDialogInput, PartsChangedFromOutsideNeverLeadPastTheListing) {
    std::string folder;
    Control* dialog = openOnTwoFiles(nullptr, folder);
    Control* list = findControl("FDListBox");
    appendListItem(list, "a row with no entry behind it");
    clickRow(2);
    EXPECT_STREQ(getString(dialog), "");
    // Without its list, field and "Look In:" box it still goes up and lays out.
    for (const char* part : {"FDListBox", "FDFileName", "FDLookIn"})
        destroyControl(findControl(part));
    click(100 + 210 + 15, 136); // up
    setSize(dialog, 400, 400);
    EXPECT_STREQ(getString(dialog), "");
    EXPECT_EQ(findControl("FDOkButton")->y, 400 - 16 - 30);
}

} // namespace
