// A list with a title that stays over its columns: the title moves sideways with the list's
// horizontal scroll bar.
#include "cvguiP.h"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <cstring>
#include <initializer_list>

namespace {

// Longest title width measured, in letters.
constexpr int maxTitleLetters = 1023;

// A render table from the resource database would win over a font list given in the call (both
// are the same resource in Motif 2): the constant-width font goes in as both.
void stageFont(XmFontList fontList)
{
    if (fontList != nullptr) {
        CVGUI_STAGE(XmNfontList, fontList);
        CVGUI_STAGE(XmNrenderTable, fontList);
    }
}

void followScrollBar(Widget, XtPointer title, XtPointer callData)
{
    auto *cb = static_cast<XmScrollBarCallbackStruct *>(callData);
    XtVaSetValues(static_cast<Widget>(title), XmNleftOffset, -cb->value, nullptr);
}

// The scroll bar goes away when the items fit again: the title returns to the left edge.
void scrollBarUnmapped(Widget, XtPointer title, XEvent *event, Boolean *)
{
    if (event->type == UnmapNotify) {
        XtVaSetValues(static_cast<Widget>(title), XmNleftOffset, 0, nullptr);
    }
}

Widget horizontalScrollBar(Widget list)
{
    Widget bar = nullptr;
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNhorizontalScrollBar, &bar);
    XtGetValues(list, widgetArgs, widgetArgCnt);
    // A list answers for its scroll bars only through its scrolled window.
    if (bar == nullptr && XmIsScrolledWindow(XtParent(list))) {
        XtGetValues(XtParent(list), widgetArgs, widgetArgCnt);
    }
    widgetArgCnt = 0;
    return bar;
}

} // namespace

extern "C" Widget AddMSyncTitleAndListWithFont(Widget parent, char *title, int titleWidth, int visibleCount,
                                               unsigned char selectionPolicy, Widget *titleOut, Widget *listOut,
                                               XmFontList fontList, XmStringCharSet charset)
{
    if (titleWidth > 0 && fontList != nullptr) {
        char letters[maxTitleLetters + 1];
        int n = titleWidth < maxTitleLetters ? titleWidth : maxTitleLetters;
        memset(letters, 'X', n);
        letters[n] = '\0';
        XmString s = XmStringCreateLtoR(letters, charset != nullptr ? charset : const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
        Dimension width = XmStringWidth(fontList, s);
        XmStringFree(s);
        if (width != 0) {
            CVGUI_STAGE(XmNwidth, width);
        }
    }
    Widget form = AddMotifForm(parent, "syncTitleForm");
    XtManageChild(form);

    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    stageFont(fontList);
    CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_NONE);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    Widget label = AddMLabel(form, "syncTitleLabel", title);

    CVGUI_STAGE(XmNtopAttachment, XmATTACH_WIDGET);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNtopWidget, label);
    Widget frame = AddFrame(form, "syncTitleFrame", 0);
    XtManageChild(frame);

    setupList(visibleCount, selectionPolicy);
    stageFont(fontList);
    Widget list = AddSList(frame, "syncTitleList", nullptr, 0);
    XtManageChild(list);

    // The title text starts where the list's text does: inside the frame's shadow and the
    // scrolled window's spacing.
    Widget bar = horizontalScrollBar(list);
    Dimension spacing = 0, shadow = 0;
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNspacing, &spacing);
    XtGetValues(XtParent(list), widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNshadowThickness, &shadow);
    XtGetValues(frame, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNmarginWidth, shadow + spacing);
    XtSetValues(label, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;

    if (bar != nullptr) {
        for (const char *reason : {XmNincrementCallback, XmNdecrementCallback, XmNdragCallback,
                                   XmNpageIncrementCallback, XmNpageDecrementCallback}) {
            XtAddCallback(bar, reason, followScrollBar, label);
        }
        XtAddEventHandler(bar, StructureNotifyMask, True, scrollBarUnmapped, label);
    }
    if (listOut != nullptr) {
        *listOut = list;
    }
    if (titleOut != nullptr) {
        *titleOut = label;
    }
    return form;
}

extern "C" Widget AddMSyncTitleAndList(Widget fontWidget, Widget parent, char *title, int titleWidth, int visibleCount,
                                       unsigned char selectionPolicy, Widget *titleOut, Widget *listOut)
{
    return AddMSyncTitleAndListWithFont(parent, title, titleWidth, visibleCount, selectionPolicy, titleOut, listOut,
                                        getCWFont(fontWidget), const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
}
