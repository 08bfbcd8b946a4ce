// Drawing with the graphics context, read back pixel by pixel from memory bitmaps, text
// metrics, and the X colour names of the system.
#include "kelcore.h"

#include "isolated.h"
#include "support/listres.h"
#include "support/watch.h"
#include "testenv.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

const COLORREF white = RGB(255, 255, 255);

// A 32-bit memory bitmap in a memory device context.
struct Canvas {
    mutable CDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    int width, height;

    Canvas(int w, int h, COLORREF fill = white) : width(w), height(h)
    {
        dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void *bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        CRect all(0, 0, w, h);
        dc.FillSolidRect(&all, fill);
    }
    ~Canvas()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
    }
    COLORREF at(int x, int y) const { return dc.GetPixel(x, y); }
    // "#" for each pixel of the colour, "." for any other, from x0 up to x1 (exclusive).
    std::string row(int y, int x0, int x1, COLORREF ink) const
    {
        std::string s;
        for (int x = x0; x < x1; x++) {
            s += at(x, y) == ink ? '#' : '.';
        }
        return s;
    }
    std::string column(int x, int y0, int y1, COLORREF ink) const
    {
        std::string s;
        for (int y = y0; y < y1; y++) {
            s += at(x, y) == ink ? '#' : '.';
        }
        return s;
    }
    std::vector<COLORREF> pixels() const
    {
        std::vector<COLORREF> all;
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                all.push_back(at(x, y));
            }
        }
        return all;
    }
};

struct GC {
    KelGCVal *gc;
    explicit GC(KelGCVal *g) : gc(g) {}
    ~GC() { free(gc); }
    KelGCVal *operator->() { return gc; }
    operator KelGCVal *() { return gc; }
};

KelGCVal *dashedGC(COLORREF ink, std::vector<char> dashes)
{
    XGCValues values = {};
    values.foreground = ink;
    KelGCVal *gc = KelCreateGC(GCForeground, &values);
    gc->lineStyle = LineOnOffDash;
    gc->lineWidth = 1;
    KelSetDashes(gc, dashes.data(), static_cast<int>(dashes.size()));
    return gc;
}

} // namespace

TEST(GraphicsContext, CreatedFromTheForegroundAndBackgroundOfAMask)
{
    XGCValues values = {};
    values.foreground = 0x0000FF;
    values.background = 0x00FF00;
    values.function = GXxor;
    values.line_width = 9;
    GC red(KelCreateGC(GCForeground | GCFunction, &values));
    EXPECT_EQ(red->background, 0xFFFFFFu) << "background not in the mask";
    GC plain(KelCreateGC(0, &values));
    GC both(KelCreateGC(GCForeground | GCBackground, &values));
    EXPECT_EQ(both->background, 0x00FF00u);

    Canvas canvas(40, 20);
    KelDrawLine(&canvas.dc, red, 2, 5, 30, 5);
    EXPECT_EQ(canvas.row(5, 0, 32, RGB(255, 0, 0)), "..############################..") << "a red line, end point excluded";
    KelDrawLine(&canvas.dc, plain, 2, 10, 6, 10);
    EXPECT_EQ(canvas.row(10, 0, 8, RGB(0, 0, 0)), "..####..");

    // Dashes are bytes taken as signed; the record keeps 20 of them.
    std::vector<char> many(25, 3);
    many[1] = -2;
    KelSetDashes(plain, many.data(), 25);
    EXPECT_EQ(plain->dashCount, KEL_GC_DASHES);
    EXPECT_EQ(plain->dashes[1], static_cast<DWORD>(-2));
}

TEST(Lines, OnOffDashesFollowTheDashListAndStartAgainAtEveryPoint)
{
    Canvas canvas(40, 40);
    const COLORREF ink = RGB(0, 0, 128);
    GC gc(dashedGC(ink, {4, 2}));
    KelDrawLine(&canvas.dc, gc, 0, 10, 20, 10);
    EXPECT_EQ(canvas.row(10, 0, 22, ink), "####..####..####..##..") << "gaps draw nothing";

    GC wide(dashedGC(ink, {6, 3}));
    wide->lineWidth = 3;
    KelDrawLine(&canvas.dc, wide, 0, 16, 30, 16);
    for (int y = 15; y <= 17; y++) {
        EXPECT_EQ(canvas.row(y, 0, 18, ink), "######...######...") << "a three pixel wide dashed line, row " << y;
    }

    const COLORREF green = RGB(0, 128, 0);
    GC corners(dashedGC(green, {4, 2}));
    XPoint corner[] = {{0, 20}, {5, 20}, {5, 40}};
    KelDrawLines(&canvas.dc, corners, corner, 3, CoordModeOrigin);
    EXPECT_EQ(canvas.row(20, 0, 5, green), "####.");
    // Carried on, the sixth pixel of the pattern would be a gap: it starts with a dash instead.
    EXPECT_EQ(canvas.column(5, 20, 40, green), "####..####..####..##");
}

TEST(Lines, RelativePointsAndSolidStyles)
{
    Canvas canvas(40, 40);
    const COLORREF ink = RGB(200, 0, 200);
    XGCValues values = {};
    values.foreground = ink;
    GC gc(KelCreateGC(GCForeground, &values));
    XPoint relative[] = {{10, 10}, {5, 0}, {0, 5}};
    KelDrawLines(&canvas.dc, gc, relative, 3, CoordModePrevious);
    EXPECT_EQ(canvas.row(10, 8, 18, ink), "..######..") << "(10,10) to (15,10)";
    EXPECT_EQ(canvas.column(15, 9, 17, ink), ".#####..") << "(15,10) to (15,15)";
    EXPECT_EQ(canvas.at(7, 5), white) << "not taken as absolute points";

    std::vector<COLORREF> before = canvas.pixels();
    KelDrawLines(&canvas.dc, gc, relative, 1, CoordModeOrigin);
    EXPECT_TRUE(canvas.pixels() == before) << "one point draws nothing";
    gc->lineStyle = LineDoubleDash;
    KelSetDashes(gc, std::vector<char>{1, 1}.data(), 2);
    KelDrawLine(&canvas.dc, gc, 0, 30, 10, 30);
    EXPECT_EQ(canvas.row(30, 0, 10, ink), "##########") << "double dashes draw solid";
    gc->lineStyle = LineSolid;
    gc->lineWidth = 3;
    KelDrawLine(&canvas.dc, gc, 30, 20, 30, 30);
    EXPECT_EQ(canvas.row(25, 27, 34, ink), "..###..") << "three pixels wide";
}

TEST(Strings, NormalStringsSitOnTheirBottomLineInTheForeground)
{
    Canvas canvas(100, 60);
    const COLORREF ink = RGB(0, 0, 255);
    XGCValues values = {};
    values.foreground = ink;
    GC gc(KelCreateGC(GCForeground, &values));
    canvas.dc.SetTextColor(RGB(1, 2, 3));
    int height = KelDcGetMaxFontHeight(&canvas.dc);
    ASSERT_GT(height, 5);
    KelDrawString(&canvas.dc, gc, 10, 50, "Hg|");
    EXPECT_EQ(canvas.dc.GetTextColor(), RGB(1, 2, 3)) << "the text colour is given back";
    int inkPixels = 0, outside = 0;
    for (int y = 0; y < 60; y++) {
        for (int x = 0; x < 100; x++) {
            COLORREF c = canvas.at(x, y);
            if (c != white) {
                bool inCell = y >= 50 - height && y < 50;
                outside += !inCell;
                inkPixels += c == ink;
            }
        }
    }
    EXPECT_GT(inkPixels, 10);
    EXPECT_EQ(outside, 0) << "all of the text lies in the cell above y";
}

TEST(Strings, AnExclusiveOrStringDrawnTwiceLeavesTheBackgroundAsItWas)
{
    Canvas canvas(120, 60);
    for (int x = 0; x < 120; x += 4) {
        CRect stripe(x, 0, x + 2, 60);
        canvas.dc.FillSolidRect(&stripe, RGB(x * 2, 90, 255 - x * 2));
    }
    std::vector<COLORREF> before = canvas.pixels();
    GC gc(KelNewGC());
    gc->function = GXxor;
    KelDrawString(&canvas.dc, gc, 20, 45, "XOR text");
    std::vector<COLORREF> once = canvas.pixels();
    int changed = 0;
    for (size_t i = 0; i < once.size(); i++) {
        changed += once[i] != before[i];
    }
    EXPECT_GT(changed, 50) << "the first drawing shows";
    EXPECT_EQ(canvas.at(0, 0), before[0]) << "outside the text's block nothing changes";
    KelDrawString(&canvas.dc, gc, 20, 45, "XOR text");
    EXPECT_TRUE(canvas.pixels() == before) << "the second drawing undoes the first";
}

TEST(TextMetrics, AWindowsTextIsMeasuredInItsOwnFont)
{
    SIZE size;
    int w = 0, h = 0;
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_LISTS));
    CWnd *label = dialog.GetDlgItem(IDC_UP);
    LOGFONTA lf = {};
    lf.lfHeight = -30;
    strcpy(lf.lfFaceName, "Tahoma");
    HFONT big = CreateFontIndirectA(&lf);
    label->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE);
    HDC dc = GetDC(label->m_hWnd);
    HGDIOBJ old = SelectObject(dc, big);
    GetTextExtentPoint32A(dc, "Hello, world", 12, &size);
    SelectObject(dc, old);
    ReleaseDC(label->m_hWnd, dc);
    KelGetTextExtent(label, "Hello, world", &w, &h);
    EXPECT_EQ(w, size.cx);
    EXPECT_EQ(h, size.cy);
    DeleteObject(big);
}

// ---- X colour names.

namespace {
std::string systemNamesCopy()
{
    std::string text = readFile("/etc/X11/rgb.txt");
    std::string path = treeDir("CVGUI_BINARY_DIR") + "/rgb-wine.txt";
    FILE *f = fopen(path.c_str(), "wb");
    std::string rest = text.substr(text.find('\n') + 1);
    fwrite(rest.data(), 1, rest.size(), f);
    fclose(f);
    return path;
}
} // namespace

TEST(ColourNames, TheSystemNamesConvertAfterLoading)
{
    unsigned long ref = 0;
    int r = -1, g = -1, b = -1;
    EXPECT_EQ(KelXColorConvert("snow", &ref, &r, &g, &b), -1) << "nothing loaded yet";
    EXPECT_EQ(KelXColorDBInit(const_cast<char *>("no-such-file.txt")), -1);
    std::string path = systemNamesCopy();
    ASSERT_EQ(KelXColorDBInit(&path[0]), 0);
    ASSERT_EQ(KelXColorConvert("SNOW", &ref, &r, &g, &b), 0);
    EXPECT_EQ(ref, 0x00FAFAFFul);
    EXPECT_EQ(r * 65536 + g * 256 + b, 0xFFFAFA);
    // The rest of the names and notations: unit_xcolordb.
}

CHILD_TEST(ColourNames, LoadingTheCommentedFile)
{
    WindowWatcher box(testApp.m_pszAppName, "OK", true);
    KelXColorDBInit(const_cast<char *>("/etc/X11/rgb.txt"));
    printf("RETURNED\n");
}

TEST(ColourNames, AFileWithItsCommentLineEndsTheProcessWithInternalError)
{
    EXPECT_TRUE(endedWith("ColourNames.InChild_LoadingTheCommentedFile", "TEXT[Internal Error]"));
}
