// Start-up of a native tool: its command line and resources, and dialogs made from this
// library's templates.
#include "kelutilP.h"

#include "kelArgsCore.h"
#include "cvutil.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

CWinApp theApp("cvgui", AfxGetStaticModuleState());

CWinApp *kelApp()
{
    CWinApp *app = AfxGetApp();
    return app != nullptr ? app : &theApp;
}

const char *_CVsetupWinExecutable(int *argc, char ***argv)
{
    CWinApp *app = kelApp();
    char **vector = nullptr;
    int count = cmdlineToArgv(const_cast<char *>(app->m_pszExeName), app->m_lpCmdLine, &vector);
    if (argc != nullptr) {
        *argc = count;
    }
    if (argv != nullptr) {
        *argv = vector;
    }
    return _CVsetupExecutable(count, vector);
}

namespace {

const char productKey[] = "SOFTWARE\\Brannock\\Corvane\\Zebrant";

// The value of a string-typed registry value in a new heap buffer, or null.
char *readRegistryString(HKEY key, const char *name, DWORD size)
{
    char *buf = static_cast<char *>(malloc(size + 1));
    if (buf == nullptr) {
        KelCriticalErrorHandler(0);
    }
    DWORD got = size;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(buf), &got) != ERROR_SUCCESS) {
        free(buf);
        return nullptr;
    }
    buf[got < size ? got : size] = '\0'; // a value stored without its NUL
    return buf;
}

int fromRegistry(void *context, const XtResource *r, void *field)
{
    HKEY key = *static_cast<HKEY *>(context);
    DWORD type = 0;
    DWORD size = 0;
    if (key == nullptr || RegQueryValueExA(key, r->resource_name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return 0;
    }
    const char *t = r->resource_type;
    if (strcmp(t, "String") == 0 || strcmp(t, "Float") == 0) {
        char *text = type == REG_SZ ? readRegistryString(key, r->resource_name, size) : nullptr;
        if (text == nullptr) {
            return 0;
        }
        // The text's own conversion: a heap copy, or a number that must read as one.
        int stored = kelConvertString(t, text, field);
        free(text);
        return stored == 1;
    }
    if (strcmp(t, "Pixel") == 0) {
        // Straight into the field; a value longer than the field is not taken.
        DWORD got = r->resource_size;
        return type == REG_BINARY && size <= r->resource_size &&
               RegQueryValueExA(key, r->resource_name, nullptr, nullptr, static_cast<BYTE *>(field), &got) == ERROR_SUCCESS;
    }
    DWORD number = 0;
    DWORD got = sizeof number;
    if (type != REG_DWORD ||
        RegQueryValueExA(key, r->resource_name, nullptr, nullptr, reinterpret_cast<BYTE *>(&number), &got) != ERROR_SUCCESS) {
        return 0;
    }
    return kelStoreNumber(t, number, field);
}

} // namespace

void KelGetApplicationResources(const char *applicationName, void *base, XtResource *resources, unsigned int count)
{
    std::string path = productKey;
    if (applicationName != nullptr && *applicationName != '\0') {
        path += '\\';
        path += applicationName;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        key = nullptr; // no registry for any resource
    }
    kelFillResources(base, resources, count, fromRegistry, &key);
    if (key != nullptr) {
        RegCloseKey(key);
    }
}

namespace {
// The template in this library's resources, found under the library's module state.
HGLOBAL loadLibraryTemplate(int templateId)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(templateId), RT_DIALOG);
    HRSRC res = FindResourceA(inst, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    return res != nullptr ? LoadResource(inst, res) : nullptr;
}
} // namespace

int CreateFromDll(CDialog *dialog, int templateId, CWnd *parent)
{
    if (AfxGetApp() != nullptr) {
        HGLOBAL tmpl = loadLibraryTemplate(templateId);
        if (tmpl == nullptr) {
            return 0;
        }
        BOOL created = dialog->CreateIndirect(static_cast<LPCDLGTEMPLATE>(LockResource(tmpl)), parent);
        FreeResource(tmpl);
        return created;
    }
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return dialog->Create(templateId, parent);
}

int InitFromDll(CDialog *dialog, int templateId, CWnd *parent)
{
    HGLOBAL tmpl = loadLibraryTemplate(templateId);
    if (tmpl == nullptr) {
        return 0;
    }
    BOOL prepared = dialog->InitModalIndirect(static_cast<LPCDLGTEMPLATE>(LockResource(tmpl)), parent);
    FreeResource(tmpl); // a no-op on Win32: the template stays mapped with the library
    return prepared;
}

HWND kelCreateHiddenWindow(HINSTANCE instance, const char *className, const char *title, WNDPROC proc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}
