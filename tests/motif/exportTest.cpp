// What libcvgui.so offers a tool that links against it: the builders under plain C names and the
// shared data, and nothing of its internals.
#include <gtest/gtest.h>

#include <X11/Intrinsic.h>
#include <dlfcn.h>
#include <elf.h>
#include <link.h>

namespace {

void *library()
{
    static void *handle = dlopen(CVGUI_LIBRARY, RTLD_NOW);
    return handle;
}

} // namespace

TEST(Exports, BuildersAndSharedDataUnderPlainNames)
{
    ASSERT_NE(library(), nullptr) << dlerror();
    for (const char *name : {"AddPButton", "AddMotifFormD", "GetNam", "setupGUIShell", "registerCloseCB",
                             "WlibRegisterHelp", "getWidgetName", "convertButtonInfo", "toplevel", "widgetArgCnt", "_nptr",
                             "AddSEdit", "CreateLabelEditForm2", "AddError", "Error", "askToSaveOrClose",
                             "tellUserThenExit", "x_internal_error_str", "toldUser", "tellUserModal", "help_CB",
                             "_CVsetupGUIExecutable", "_CVGetApplicationResources", "allocClosestColor",
                             "setCursorForWaiting", "addHelpMenuItems", "WlibOnItemHelp", "cvwContextSensitiveHelpCB",
                             "execCmdFromGUI", "execXzbgraph", "sprintVersion", "addMessage",
                             "AddButtonPanelB", "AddSList", "CVxmListAddItemSorted", "AddMSyncTitleAndList",
                             "CVxmgetCharStringFromXmString", "allFonts", "generateFontName",
                             "sprintFontNameFromFontList",
                             "popupDescribeEvent", "popupDescribeEventForKel", "msCreateMibSelector", "msDescribeChosen",
                             "msResyncMibSelector", "msGetObjectName", "msGetMibInfo"}) {
        EXPECT_NE(dlsym(library(), name), nullptr) << name;
    }
    // The staged argument list holds exactly 50 entries.
    void *args = dlsym(library(), "widgetArgs");
    ASSERT_NE(args, nullptr);
    Dl_info info;
    ElfW(Sym) *symbol = nullptr;
    ASSERT_NE(dladdr1(args, &info, reinterpret_cast<void **>(&symbol), RTLD_DL_SYMENT), 0);
    EXPECT_EQ(symbol->st_size, 50 * sizeof(Arg));
}

TEST(Exports, CatalogueLookupStaysInside)
{
    ASSERT_NE(library(), nullptr) << dlerror();
    EXPECT_EQ(dlsym(library(), "_util_libsMsg"), nullptr);
    EXPECT_EQ(dlsym(library(), "___util_libsMsg_fd__"), nullptr);
    // The font calls that other parts of the library share.
    for (const char *name : {"getCWFont", "getCWFontSet", "createBoldFont", "convertStringToFontSet", "_Z9getCWFontP9_WidgetRec"}) {
        EXPECT_EQ(dlsym(library(), name), nullptr) << name;
    }
}
