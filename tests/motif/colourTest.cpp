// Closest-colour allocation and the free-cell count on a real 8-bit PseudoColor screen (screen 1
// of the test display), where cells run out, and on the 24-bit TrueColor screen 0.
#include <gtest/gtest.h>

#include "cvgui.h"
#include "isolated.h"

#include <X11/Xlib.h>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

int tableQueries;                     // XQueryColors calls with more than one colour

Display *openScreen(int screen)
{
    std::string name = getenv("DISPLAY") != nullptr ? getenv("DISPLAY") : ":0";
    name = name.substr(0, name.rfind('.') == std::string::npos || name.rfind('.') < name.rfind(':')
                              ? name.size()
                              : name.rfind('.'));
    name += "." + std::to_string(screen);
    return XOpenDisplay(name.c_str());
}

Display *eightBit()
{
    static Display *d = openScreen(1);
    return d;
}

Colormap colormapOf(Display *d)
{
    return DefaultColormap(d, DefaultScreen(d));
}

// Read/write cells taken away from everybody else, given back at the end of a test.
struct Hold {
    Display *d;
    std::vector<unsigned long> pixels;
    explicit Hold(Display *display) : d(display) {}
    bool take(unsigned int n)
    {
        std::vector<unsigned long> p(n == 0 ? 1 : n);
        if (n > 0 && XAllocColorCells(d, colormapOf(d), False, nullptr, 0, p.data(), n) == 0) {
            return false;
        }
        pixels.insert(pixels.end(), p.begin(), p.begin() + n);
        return true;
    }
    ~Hold()
    {
        if (!pixels.empty()) {
            XFreeColors(d, colormapOf(d), pixels.data(), static_cast<int>(pixels.size()), 0);
        }
        XSync(d, False);
    }
};

// The true count, found the slow way.
int freeCellsByCounting(Display *d)
{
    std::vector<unsigned long> p(256);
    int n = 0;
    while (n < 256 && XAllocColorCells(d, colormapOf(d), False, nullptr, 0, p.data(), static_cast<unsigned int>(n + 1)) != 0) {
        XFreeColors(d, colormapOf(d), p.data(), n + 1, 0);
        n++;
    }
    return n;
}

XColor rgb(unsigned short r, unsigned short g, unsigned short b)
{
    XColor c{};
    c.red = r;
    c.green = g;
    c.blue = b;
    c.flags = DoRed | DoGreen | DoBlue;
    return c;
}

unsigned int distance(const XColor &a, const XColor &b)
{
    double dr = double(a.red) - b.red, dg = double(a.green) - b.green, db = double(a.blue) - b.blue;
    return static_cast<unsigned int>(std::sqrt(dr * dr + dg * dg + db * db));
}

std::vector<XColor> allCells(Display *d)
{
    std::vector<XColor> cells(256);
    for (int i = 0; i < 256; i++) {
        cells[i].pixel = static_cast<unsigned long>(i);
    }
    XQueryColors(d, colormapOf(d), cells.data(), 256);
    return cells;
}

// How far the cell of the colormap nearest to a colour is from it.
unsigned int nearestDistance(Display *d, const XColor &wanted)
{
    unsigned int best = ~0u;
    for (const XColor &c : allCells(d)) {
        best = std::min(best, distance(c, wanted));
    }
    return best;
}

class EightBitScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        d = eightBit();
        ASSERT_NE(d, nullptr) << "no screen 1 on the test display";
        ASSERT_EQ(DefaultDepth(d, DefaultScreen(d)), 8);
        cleanupClosestColor();
        tableQueries = 0;
    }
    void TearDown() override { cleanupClosestColor(); }
    Display *d = nullptr;
};

} // namespace

extern "C" int XQueryColors(Display *d, Colormap cmap, XColor *colors, int n)
{
    using Real = int (*)(Display *, Colormap, XColor *, int);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XQueryColors"));
    if (n > 1) {
        tableQueries++;
    }
    return real(d, cmap, colors, n);
}

TEST_F(EightBitScreen, FreeCellCountIsExactAndCostsNoCells)
{
    EXPECT_EQ(getMaxFreeColorCells(), 256);
    int free = numFreeColorCells(d);
    EXPECT_EQ(free, freeCellsByCounting(d));
    ASSERT_GE(free, 100) << "mwm and the server leave most cells free";

    Hold hold(d);
    ASSERT_TRUE(hold.take(static_cast<unsigned int>(free - 100)));
    EXPECT_EQ(numFreeColorCells(d), 100);
    // The trials give their cells back.
    EXPECT_EQ(freeCellsByCounting(d), 100);

    ASSERT_TRUE(hold.take(100));
    EXPECT_EQ(numFreeColorCells(d), 0);
}

TEST_F(EightBitScreen, NearColourSharesTheExistingCellAndAFarOneGetsANewCell)
{
    XColor red = rgb(65535, 0, 0);
    ASSERT_NE(XAllocColor(d, colormapOf(d), &red), 0);
    int free = numFreeColorCells(d);

    XColor wanted = rgb(64000, 900, 300);
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &wanted, 3000), 0);
    EXPECT_EQ(wanted.pixel, red.pixel);
    EXPECT_EQ(wanted.red, 65535) << "the caller gets the colour of the cell it shares";
    EXPECT_EQ(wanted.green, 0);
    EXPECT_EQ(numFreeColorCells(d), free);

    // An exact match, and the table is built once.
    XColor exact = rgb(65535, 0, 0);
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &exact, 0), 0);
    EXPECT_EQ(exact.pixel, red.pixel);
    EXPECT_EQ(numFreeColorCells(d), free);
    EXPECT_EQ(tableQueries, 1);

    XColor far = rgb(0x1200, 0x5600, 0x9a00);
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &far, 0), 0);
    EXPECT_EQ(numFreeColorCells(d), free - 1);
    XColor cell{};
    cell.pixel = far.pixel;
    XQueryColor(d, colormapOf(d), &cell);
    EXPECT_EQ(cell.red, 0x1212);
    EXPECT_EQ(cell.blue, 0x9a9a);

    unsigned long pixels[] = {red.pixel, wanted.pixel, exact.pixel, far.pixel};
    XFreeColors(d, colormapOf(d), pixels, 4, 0);
    XSync(d, False);
}

TEST_F(EightBitScreen, WritableCellsAreNeverShared)
{
    // Another client's read/write cell holds exactly the colour asked for.
    Hold hold(d);
    ASSERT_TRUE(hold.take(1));
    XColor stored = rgb(0x3300, 0x6600, 0x9900);
    stored.pixel = hold.pixels[0];
    XStoreColor(d, colormapOf(d), &stored);
    XSync(d, False);
    XColor check{};
    check.pixel = stored.pixel;
    XQueryColor(d, colormapOf(d), &check);

    int free = numFreeColorCells(d);
    XColor wanted = check;
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &wanted, 0), 0);
    EXPECT_NE(wanted.pixel, stored.pixel);
    EXPECT_EQ(numFreeColorCells(d), free - 1) << "one new read-only cell, the failed trial given back";
    XFreeColors(d, colormapOf(d), &wanted.pixel, 1, 0);
    XSync(d, False);
}

TEST_F(EightBitScreen, FullColormapStillGivesTheNearestColour)
{
    // Fill every free cell with read-only colours of a grey ramp.
    std::vector<unsigned long> taken;
    for (int i = 0; numFreeColorCells(d) > 0 && i < 4096; i++) {
        unsigned short v = static_cast<unsigned short>((i * 16) % 65536);
        XColor grey = rgb(v, v, static_cast<unsigned short>(65535 - v));
        if (XAllocColor(d, colormapOf(d), &grey) != 0) {
            taken.push_back(grey.pixel);
        }
    }
    ASSERT_EQ(numFreeColorCells(d), 0);

    XColor wanted = rgb(40000, 1000, 20000);
    unsigned int best = nearestDistance(d, wanted);
    XColor got = wanted;
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &got, best), 0);
    EXPECT_EQ(distance(got, wanted), best);
    taken.push_back(got.pixel);

    // Nothing near enough and no cell left: the allocation fails.
    std::vector<XColor> cells = allCells(d);
    XColor far{};
    for (unsigned short g = 0x0500;; g += 0x0100) {
        far = rgb(0x0300, g, 0x0700);
        bool present = false;
        for (const XColor &c : cells) {
            present = present || (c.red >> 8 == far.red >> 8 && c.green >> 8 == far.green >> 8 && c.blue >> 8 == far.blue >> 8);
        }
        if (!present) {
            break;
        }
    }
    EXPECT_EQ(allocClosestColor(d, colormapOf(d), &far, 0), 0);

    XFreeColors(d, colormapOf(d), taken.data(), static_cast<int>(taken.size()), 0);
    // Given back before any other process looks at the colormap.
    XSync(d, False);
}

CHILD_TEST(ColourScenario, SmallestRejectedDistanceIsKept)
{
    Display *d = eightBit();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(getSmallestDist(), 0x7FFFFFFFu);
    XColor wanted = rgb(0x1200, 0x5600, 0x9a00);
    unsigned int best = nearestDistance(d, wanted);
    ASSERT_GT(best, 0u);
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &wanted, 0), 0);
    EXPECT_EQ(getSmallestDist(), best);

    // A farther rejection does not raise it; the table's end does not reset it.
    XColor farther = rgb(0, 65535, 0);
    allocClosestColor(d, colormapOf(d), &farther, 0);
    EXPECT_EQ(getSmallestDist(), best);
    cleanupClosestColor();
    EXPECT_EQ(getSmallestDist(), best);
}

TEST(ClosestColour, SmallestRejectedDistanceIsKept)
{
    EXPECT_TRUE(runIsolated("ColourScenario.InChild_SmallestRejectedDistanceIsKept"));
}

TEST(ClosestColour, TrueColorAllocatesExactlyWithoutATable)
{
    Display *d = openScreen(0);
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(DefaultVisual(d, DefaultScreen(d))->c_class, TrueColor);
    cleanupClosestColor();
    tableQueries = 0;
    XColor orange = rgb(65535, 0x8000, 0);
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &orange, 0), 0);
    EXPECT_EQ(orange.pixel, 0xff8000u);
    XColor again = rgb(0x1000, 0x2000, 0x3000);
    ASSERT_NE(allocClosestColor(d, colormapOf(d), &again, 100), 0);
    EXPECT_EQ(again.pixel, 0x102030u);
    EXPECT_EQ(tableQueries, 0);
    EXPECT_EQ(numFreeColorCells(d), 0) << "nothing to allocate read/write on TrueColor";
    XCloseDisplay(d);
}
