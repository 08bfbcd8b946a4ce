// Drawing with Xlib's vocabulary over GDI: a graphics context with colours and line attributes,
// dashed lines through user-styled geometric pens, strings drawn normally or inverted as GXxor
// does, and text measurement.
#include "kelcore.h"

#include <cstdlib>
#include <cstring>

KelGCVal *KelNewGC()
{
    auto *gc = static_cast<KelGCVal *>(calloc(1, sizeof(KelGCVal)));
    if (gc == nullptr) {
        KelCriticalErrorHandler(0);
    }
    gc->foreground = RGB(0, 0, 0);
    gc->background = RGB(255, 255, 255);
    return gc;
}

KelGCVal *KelCreateGC(unsigned long mask, XGCValues *values)
{
    KelGCVal *gc = KelNewGC();
    if (mask & GCForeground) {
        gc->foreground = static_cast<COLORREF>(values->foreground);
    }
    if (mask & GCBackground) {
        gc->background = static_cast<COLORREF>(values->background);
    }
    return gc;
}

void KelSetDashes(KelGCVal *gc, char *dashList, int n)
{
    if (n > KEL_GC_DASHES) {
        n = KEL_GC_DASHES; // the record holds no more
    }
    for (int i = 0; i < n; i++) {
        gc->dashes[i] = static_cast<DWORD>(static_cast<signed char>(dashList[i]));
    }
    gc->dashCount = n < 0 ? 0 : n;
}

namespace {
// X draws an on-off dashed line without a dash list of its own as 4 on, 4 off.
const DWORD defaultDashes[2] = {4, 4};

void makeDashedPen(CPen &pen, KelGCVal *gc)
{
    DWORD style = PS_GEOMETRIC | PS_USERSTYLE;
    switch (gc->capStyle) {
    case CapNotLast:
    case CapButt:
        style |= PS_ENDCAP_FLAT;
        break;
    case CapProjecting:
        style |= PS_ENDCAP_SQUARE;
        break;
    default: // CapRound: round ends
        break;
    }
    switch (gc->joinStyle) {
    case JoinMiter:
        style |= PS_JOIN_MITER;
        break;
    case JoinBevel:
        style |= PS_JOIN_BEVEL;
        break;
    default: // JoinRound
        break;
    }
    const DWORD *dashes = gc->dashes;
    int count = gc->dashCount;
    if (count == 0) {
        dashes = defaultDashes, count = 2;
    }
    // A dash gets the foreground, a gap nothing; the platform takes the first brush.
    for (int i = 0; i < count; i++) {
        gc->dashBrushes[i].lbStyle = i % 2 == 0 ? BS_SOLID : BS_NULL;
        gc->dashBrushes[i].lbColor = gc->foreground;
        gc->dashBrushes[i].lbHatch = 0;
    }
    pen.CreatePen(static_cast<int>(style), gc->lineWidth, &gc->dashBrushes[0], count, dashes);
}
} // namespace

void KelDrawLine(CDC *dc, KelGCVal *gc, int x1, int y1, int x2, int y2)
{
    CPen pen;
    if (gc->lineStyle == LineOnOffDash) {
        makeDashedPen(pen, gc);
    } else {
        pen.CreatePen(PS_SOLID, gc->lineWidth, gc->foreground);
    }
    if (pen.GetSafeHandle() == nullptr) {
        return; // a pen the platform refuses draws nothing, rather than with whatever pen is selected
    }
    CPen *previous = dc->SelectObject(&pen);
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    dc->SelectObject(previous);
}

void KelDrawLines(CDC *dc, KelGCVal *gc, XPoint *points, int n, int mode)
{
    if (n < 2) {
        return;
    }
    int x = points[0].x, y = points[0].y;
    for (int i = 1; i < n; i++) {
        int nx = points[i].x, ny = points[i].y;
        if (mode == CoordModePrevious) {
            nx += x, ny += y;
        }
        KelDrawLine(dc, gc, x, y, nx, ny);
        x = nx, y = ny;
    }
}

void KelDrawString(CDC *dc, KelGCVal *gc, int x, int y, const char *text)
{
    if (gc->function == GXxor) {
        KelDrawStringInvert(dc, gc, x, y, text);
    } else {
        KelDrawStringNormal(dc, gc, x, y, text);
    }
}

void KelDrawStringNormal(CDC *dc, KelGCVal *gc, int x, int y, const char *text)
{
    COLORREF previous = dc->SetTextColor(gc->foreground);
    dc->TextOut(x, y - KelDcGetMaxFontHeight(dc), text, static_cast<int>(strlen(text)));
    dc->SetTextColor(previous);
}

void KelDrawStringInvert(CDC *dc, KelGCVal *, int x, int y, const char *text)
{
    int length = static_cast<int>(strlen(text));
    CSize size = dc->GetTextExtent(text, length);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(dc, size.cx, size.cy);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap *previous = memory.SelectObject(&bitmap);
    // The memory context's own font and colours: the block inverts the background around the
    // glyphs, and a second drawing at the same place undoes the first.
    memory.TextOut(0, 0, text, length);
    dc->BitBlt(x, y - size.cy, size.cx, size.cy, &memory, 0, 0, SRCINVERT);
    memory.SelectObject(previous);
}

CDC *KelGetDC(CWnd *w)
{
    return w->GetDC();
}

void KelReleaseDC(CWnd *w, CDC *dc)
{
    w->ReleaseDC(dc);
}

int KelDcGetMaxFontHeight(CDC *dc)
{
    TEXTMETRICA metrics;
    dc->GetTextMetrics(&metrics);
    return metrics.tmHeight;
}

int KelDcGetTextWidth(CDC *dc, const char *text)
{
    return dc->GetTextExtent(text, static_cast<int>(strlen(text))).cx;
}

void KelDcGetTextExtent(CDC *dc, const char *text, int *width, int *height)
{
    CSize size = dc->GetTextExtent(text, static_cast<int>(strlen(text)));
    *width = size.cx;
    *height = size.cy;
}

void KelGetTextExtent(CWnd *w, const char *text, int *width, int *height)
{
    CDC *dc = w->GetDC();
    CFont *previous = dc->SelectObject(w->GetFont());
    KelDcGetTextExtent(dc, text, width, height);
    if (previous != nullptr) {
        dc->SelectObject(previous);
    }
    w->ReleaseDC(dc);
}
