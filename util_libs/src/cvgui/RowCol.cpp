// Row-columns, button boxes and radio boxes.
#include "cvguiP.h"

#include <Xm/RowColumn.h>

static int rowColCount, hRowColCount, buttonBoxCount, radioBoxCount;

extern "C" Widget AddRowCol(Widget parent, const char *name)
{
    GetNam(name, "rowCol", &rowColCount);
    return cvguiFinish(XmCreateRowColumn(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddHRowCol(Widget parent, const char *name)
{
    GetNam(name, "hRowCol", &hRowColCount);
    CVGUI_STAGE(XmNorientation, XmHORIZONTAL);
    return AddRowCol(parent, _nptr);
}

extern "C" Widget AddButtonBox(Widget parent, const char *name, int flags)
{
    GetNam(name, "buttonBox", &buttonBoxCount);
    if (flags & CVGUI_BOX_HORIZONTAL) {
        CVGUI_STAGE(XmNorientation, XmHORIZONTAL);
    }
    if (flags & CVGUI_BOX_COLUMNS) {
        CVGUI_STAGE(XmNpacking, XmPACK_COLUMN);
        if (flags & 0x0F00) {
            CVGUI_STAGE(XmNnumColumns, (flags >> 8) & 0xF);
        }
    }
    if (flags & 0xFF) {
        CVGUI_STAGE(XmNspacing, flags & 0xFF);
    }
    return AddRowCol(parent, _nptr);
}

extern "C" Widget AddRadioBox(Widget parent, const char *name)
{
    GetNam(name, "radioBox", &radioBoxCount);
    return cvguiFinish(XmCreateRadioBox(parent, _nptr, widgetArgs, widgetArgCnt), true);
}
