// Containers: bulletin boards, forms, drawing areas, frames, main and scrolled windows, panes.
#include "cvguiP.h"

#include <Xm/BulletinB.h>
#include <Xm/DrawingA.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/MainW.h>
#include <Xm/PanedW.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>

static int bboardCount, bboardDCount, formCount, formDCount, drawCount, frameCount, mwinCount,
    vpaneCount, sbarCount, swinCount;

extern "C" Widget AddBBoard(Widget parent, const char *name)
{
    GetNam(name, "bboard", &bboardCount);
    return cvguiFinish(XmCreateBulletinBoard(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddBBoardD(Widget parent, const char *name, const char *title)
{
    GetNam(name, "bboardD", &bboardDCount);
    XmString t = GetString(title != nullptr ? title : _nptr);
    CVGUI_STAGE(XmNdialogTitle, t);
    Widget w = XmCreateBulletinBoardDialog(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    XmStringFree(t);
    setupGUIShell(w);
    return cvguiFinish(w, true);
}

extern "C" Widget AddMotifForm(Widget parent, const char *name)
{
    GetNam(name, "form", &formCount);
    return cvguiFinish(XmCreateForm(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddMotifFormD(Widget parent, const char *name, const char *title)
{
    GetNam(name, "form_d", &formDCount);
    // A form dialog gets a title only when the caller named it or titled it.
    XmString t = nullptr;
    if (title != nullptr || name != nullptr) {
        t = GetString(title != nullptr ? title : _nptr);
        CVGUI_STAGE(XmNdialogTitle, t);
    }
    Widget w = XmCreateFormDialog(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    if (t != nullptr) {
        XmStringFree(t);
    }
    setupGUIShell(w);
    return cvguiFinish(w, true);
}

extern "C" Widget AddDraw(Widget parent, const char *name)
{
    GetNam(name, "draw", &drawCount);
    return cvguiFinish(XmCreateDrawingArea(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddFrame(Widget parent, const char *name, int type)
{
    GetNam(name, "frame", &frameCount);
    if (type == 1) {
        CVGUI_STAGE(XmNshadowType, XmSHADOW_IN);
    } else if (type == 2) {
        CVGUI_STAGE(XmNshadowType, XmSHADOW_OUT);
    }
    return cvguiFinish(XmCreateFrame(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddMWin(Widget parent, const char *name)
{
    GetNam(name, "mainWindow", &mwinCount);
    return cvguiFinish(XmCreateMainWindow(parent, _nptr, widgetArgs, widgetArgCnt), false);
}

extern "C" Widget AddVPane(Widget parent, const char *name, Boolean hideSashes)
{
    GetNam(name, "panedWindow", &vpaneCount);
    if (hideSashes) {
        CVGUI_STAGE(XmNsashIndent, 0);
        CVGUI_STAGE(XmNsashHeight, 1);
        CVGUI_STAGE(XmNsashWidth, 1);
        CVGUI_STAGE(XmNsashShadowThickness, 0);
        CVGUI_STAGE(XmNseparatorOn, False);
        CVGUI_STAGE(XmNspacing, 0);
    }
    return cvguiFinish(XmCreatePanedWindow(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddSBar(Widget parent, const char *name)
{
    GetNam(name, "scrollBar", &sbarCount);
    return cvguiFinish(XmCreateScrollBar(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddSWin(Widget parent, const char *name)
{
    GetNam(name, "scrolledWindow", &swinCount);
    return cvguiFinish(XmCreateScrolledWindow(parent, _nptr, widgetArgs, widgetArgCnt), true);
}
