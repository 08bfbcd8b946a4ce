// Registry-backed application resources, the tool's argument vector, and dialogs made from the
// library's own templates by a tool with an application object.
#include "kelMsgDlg.h"

#include "../../util_libs/res/kelres.h"
#include "support/watch.h"

#include <cstddef>
#include <gtest/gtest.h>

namespace {

CWinApp testApp;

const char appKey[] = "SOFTWARE\\Brannock\\Corvane\\Zebrant\\cvguitest";

struct Settings {
    char *title;
    int count;
    unsigned short width;
    short offset;
    char iconic;
    float scale;
    unsigned int pixel;
    unsigned int bigPixel;
    int wrongType;
};

XtResource resource(const char *name, const char *type, unsigned size, unsigned offset, const char *defaultType,
                    const void *defaultAddr)
{
    return {const_cast<char *>(name), const_cast<char *>(name), const_cast<char *>(type), size, offset,
            const_cast<char *>(defaultType), const_cast<void *>(defaultAddr)};
}

XtResource resources[] = {
    resource("title", "String", sizeof(char *), offsetof(Settings, title), "String", "Default title"),
    resource("count", "Int", sizeof(int), offsetof(Settings, count), "String", "5"),
    resource("width", "Dimension", 2, offsetof(Settings, width), "String", "120"),
    resource("offset", "Short", 2, offsetof(Settings, offset), "String", "-1"),
    resource("iconic", "Boolean", 1, offsetof(Settings, iconic), "String", "False"),
    resource("scale", "Float", sizeof(float), offsetof(Settings, scale), "String", "1.0"),
    resource("pixel", "Pixel", 4, offsetof(Settings, pixel), "Immediate", reinterpret_cast<void *>(0x111111)),
    resource("bigPixel", "Pixel", 4, offsetof(Settings, bigPixel), "Immediate", reinterpret_cast<void *>(0x222222)),
    resource("wrongType", "Int", sizeof(int), offsetof(Settings, wrongType), "String", "9"),
};
const unsigned resourceCount = sizeof resources / sizeof resources[0];

class RegistryResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, appKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        setString("title", "From the registry");
        setDword("count", 300);
        setDword("width", 70000); // a 16-bit field keeps the low half
        setDword("offset", static_cast<DWORD>(-20));
        setDword("iconic", 2);
        setString("scale", "2.5");
        DWORD pixel = 0x00C08040;
        RegSetValueExA(key, "pixel", 0, REG_BINARY, reinterpret_cast<BYTE *>(&pixel), 4);
        unsigned char big[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        RegSetValueExA(key, "bigPixel", 0, REG_BINARY, big, 8);
        setString("wrongType", "42");
        char *argv[] = {const_cast<char *>("tool"), nullptr};
        int argc = 1;
        KelParseCommandLineOptions(nullptr, 0, &argc, argv); // no options recorded
    }
    void TearDown() override
    {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, appKey);
    }
    void setString(const char *name, const char *value)
    {
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value), static_cast<DWORD>(strlen(value) + 1));
    }
    void setDword(const char *name, DWORD value)
    {
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<BYTE *>(&value), sizeof value);
    }
    HKEY key = nullptr;
};

} // namespace

TEST_F(RegistryResources, RegistryValuesOverrideTheDefaults)
{
    Settings s = {};
    KelGetApplicationResources("cvguitest", &s, resources, resourceCount);
    EXPECT_STREQ(s.title, "From the registry");
    EXPECT_EQ(s.count, 300);
    EXPECT_EQ(s.width, 70000 & 0xFFFF);
    EXPECT_EQ(s.offset, -20);
    EXPECT_EQ(s.iconic, 1);
    EXPECT_FLOAT_EQ(s.scale, 2.5f);
    EXPECT_EQ(s.pixel, 0x00C08040u);
    EXPECT_EQ(s.bigPixel, 0x222222u) << "a binary value longer than the field is not taken";
    EXPECT_EQ(s.wrongType, 9) << "a value of the wrong registry type is not taken";
    free(s.title);

    setString("scale", "fast");
    KelGetApplicationResources("cvguitest", &s, resources, resourceCount);
    EXPECT_FLOAT_EQ(s.scale, 1.0f) << "a number that does not read gives the default";
    free(s.title);

    KelGetApplicationResources("nosuchtool", &s, resources, resourceCount);
    EXPECT_STREQ(s.title, "Default title") << "another application has no registry values";
    EXPECT_EQ(s.count, 5);
    free(s.title);
}

TEST_F(RegistryResources, TheCommandLineOverridesTheRegistry)
{
    char optTitle[] = "-title", specTitle[] = "title", optIconic[] = "-noicon", specIconic[] = "iconic",
         valFalse[] = "False";
    XrmOptionDescRec options[] = {{optTitle, specTitle, XrmoptionSepArg, nullptr},
                                  {optIconic, specIconic, XrmoptionNoArg, valFalse}};
    char w0[] = "tool", w1[] = "-title", w2[] = "Hello", w3[] = "-noicon";
    char *argv[] = {w0, w1, w2, w3, nullptr};
    int argc = 4;
    KelParseCommandLineOptions(options, 2, &argc, argv);
    EXPECT_EQ(argc, 1);

    Settings s = {};
    KelGetApplicationResources("cvguitest", &s, resources, resourceCount);
    EXPECT_STREQ(s.title, "Hello");
    EXPECT_EQ(s.iconic, 0);
    EXPECT_EQ(s.count, 300) << "other resources still come from the registry";
    free(s.title);
}

TEST(Startup, TheArgumentVectorComesFromTheApplicationObject)
{
    int argc = 0;
    char **argv = nullptr;
    const char *name = _CVsetupWinExecutable(&argc, &argv);
    ASSERT_GE(argc, 1);
    EXPECT_STREQ(argv[0], testApp.m_pszExeName);
    EXPECT_STREQ(name, "wine_kelresources");
    // The words are those of the command line after the program name.
    std::string rebuilt;
    for (int i = 1; i < argc; i++) {
        rebuilt += std::string(i > 1 ? " " : "") + argv[i];
    }
    EXPECT_EQ(rebuilt, testApp.m_lpCmdLine);
    EXPECT_EQ(argv[argc], nullptr);
}

TEST(LibraryTemplates, AToolWithAnApplicationObjectCreatesTheMessageDialog)
{
    ASSERT_NE(AfxGetApp(), nullptr);
    CDialog dialog;
    ASSERT_TRUE(CreateFromDll(&dialog, IDD_KEL_MSGDLG, nullptr));
    EXPECT_NE(dialog.GetDlgItem(IDC_KEL_MSGTEXT), nullptr);
    EXPECT_NE(dialog.GetDlgItem(IDC_KEL_MSGICON), nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA(nullptr)) << "the tool's module state is back";
    EXPECT_FALSE(CreateFromDll(&dialog, 4242, nullptr)) << "no such template";
}

TEST(LibraryTemplates, InitFromDllPreparesAModalDialog)
{
    struct Modal : CDialog {
        BOOL OnInitDialog() override
        {
            SetWindowText("Prepared");
            SetDlgItemText(IDC_KEL_MSGTEXT, "from the library");
            return TRUE;
        }
    } dialog;
    ASSERT_TRUE(InitFromDll(&dialog, IDD_KEL_MSGDLG, nullptr));
    WindowWatcher user("Prepared", "OK");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "the template's one button has the id IDCANCEL";
    SeenWindow seen = user.wait();
    ASSERT_EQ(seen.texts.size(), 1u);
    EXPECT_EQ(seen.texts[0], "from the library");
}
