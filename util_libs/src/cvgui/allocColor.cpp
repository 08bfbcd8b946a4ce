// Colours on small shared colormaps: share the nearest existing cell instead of using up a new one.
#include "cvguiP.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr unsigned long excluded = 0xFFFFFFFFul;

// One entry per colormap cell, built on first need for the colormap of that call.
XColor *table;
int tableSize;
unsigned int smallestDist = 0x7FFFFFFF;

unsigned int distance(const XColor &a, const XColor &b)
{
    double r = static_cast<double>(a.red) - b.red;
    double g = static_cast<double>(a.green) - b.green;
    double bl = static_cast<double>(a.blue) - b.blue;
    return static_cast<unsigned int>(std::sqrt(r * r + g * g + bl * bl));
}

// Xlib counts the cells of a TrueColor or DirectColor map per primary; the colours it can show
// are every combination of them.
long colourCount(const Visual *visual)
{
    long n = visual->map_entries;
    if (visual->c_class == TrueColor || visual->c_class == DirectColor) {
        return n * n * n;
    }
    return n;
}
} // namespace

extern "C" int getMaxFreeColorCells(void)
{
    return 256;
}

extern "C" int numFreeColorCells(Display *display)
{
    Colormap colormap = DefaultColormap(display, DefaultScreen(display));
    unsigned long pixels[256];
    int lowestFailure = 257;
    int highestSuccess = 0;
    int trial = 128;
    while (trial != highestSuccess && trial != lowestFailure) {
        if (XAllocColorCells(display, colormap, False, nullptr, 0, pixels, static_cast<unsigned int>(trial)) != 0) {
            highestSuccess = trial;
            XFreeColors(display, colormap, pixels, trial, 0);
        } else {
            lowestFailure = trial;
        }
        trial = (lowestFailure + highestSuccess + 1) / 2;
    }
    return highestSuccess > getMaxFreeColorCells() ? -1 : highestSuccess;
}

extern "C" unsigned int getSmallestDist(void)
{
    return smallestDist;
}

extern "C" Status allocClosestColor(Display *display, Colormap colormap, XColor *color, unsigned int maxDistance)
{
    if (table == nullptr) {
        const Visual *visual = DefaultVisual(display, DefaultScreen(display));
        // Deep visuals have every colour at hand: no table is needed.
        if (colourCount(visual) > 256 && XAllocColor(display, colormap, color) != 0) {
            return 1;
        }
        int size = visual->map_entries;
        table = static_cast<XColor *>(calloc(static_cast<size_t>(size), sizeof(XColor)));
        if (table == nullptr) {
            return XAllocColor(display, colormap, color);
        }
        for (int i = 0; i < size; i++) {
            table[i].pixel = static_cast<unsigned long>(i);
        }
        XQueryColors(display, colormap, table, size);
        tableSize = size;
    }

    int freeBefore = numFreeColorCells(display);
    for (;;) {
        unsigned int best = 0xFFFFFFFFu;
        int chosen = -1;
        for (int i = 0; i < tableSize && best != 0; i++) {
            if (table[i].pixel == excluded) {
                continue;
            }
            unsigned int d = distance(table[i], *color);
            if (d < best) {
                best = d;
                chosen = i;
            }
        }
        if (best > maxDistance) {
            if (best < smallestDist) {
                smallestDist = best;
            }
            return XAllocColor(display, colormap, color);
        }
        if (chosen < 0) {
            return 0; // every cell excluded and no limit
        }
        XColor candidate = table[chosen];
        if (XAllocColor(display, colormap, &candidate) == 0) {
            table[chosen].pixel = excluded;
            continue;
        }
        if (numFreeColorCells(display) != freeBefore) {
            // The server made a new cell rather than share this one.
            table[chosen].pixel = excluded;
            XFreeColors(display, colormap, &candidate.pixel, 1, 0);
            continue;
        }
        *color = table[chosen];
        return 1;
    }
}

extern "C" void cleanupClosestColor(void)
{
    free(table);
    table = nullptr;
    tableSize = 0;
}
