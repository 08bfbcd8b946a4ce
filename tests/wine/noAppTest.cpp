// A tool without an application object of its own: the library's theApp stands in, and dialogs
// come from the library's templates all the same.
#include "kelMsgDlg.h"

#include "../../util_libs/res/kelres.h"

#include <gtest/gtest.h>

TEST(WithoutApplication, TheLibraryTemplatesAreStillFound)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    CDialog dialog;
    ASSERT_TRUE(CreateFromDll(&dialog, IDD_KEL_MSGDLG, nullptr));
    EXPECT_NE(dialog.GetDlgItem(IDC_KEL_MSGTEXT), nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA(nullptr));
}

TEST(WithoutApplication, TheLibrarysApplicationObjectExistsFromLoad)
{
    HMODULE library = GetModuleHandleA("cvgui.dll");
    ASSERT_NE(library, nullptr);
    auto *app = reinterpret_cast<CWinApp *>(GetProcAddress(library, "theApp"));
    ASSERT_NE(app, nullptr);
    EXPECT_TRUE(app->IsKindOf(RUNTIME_CLASS(CWinApp)));
    EXPECT_EQ(app->m_hInstance, library);
    EXPECT_STREQ(app->m_pszAppName, "cvgui");
    EXPECT_STREQ(app->m_pszExeName, "wine_noapp");

    int argc = 0;
    char **argv = nullptr;
    EXPECT_STREQ(_CVsetupWinExecutable(&argc, &argv), "wine_noapp");
    EXPECT_STREQ(argv[0], "wine_noapp");
}
