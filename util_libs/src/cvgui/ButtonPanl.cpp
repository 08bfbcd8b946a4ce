// Button panel records.
#include "cvguiP.h"

extern "C" ButtonPanelItem *convertButtonInfo(ButtonInfo *in, int count, ButtonLabelProc labelProc,
                                              XtPointer labelArg)
{
    auto *out = reinterpret_cast<ButtonPanelItem *>(XtMalloc(sizeof(ButtonPanelItem) * count));
    for (int i = 0; i < count; i++) {
        out[i].label = labelProc != nullptr ? labelProc(labelArg, in[i].key, in[i].label) : in[i].label;
        out[i].name = in[i].name;
        out[i].callback = in[i].callback;
        out[i].clientData = in[i].clientData;
        out[i].isDefault = in[i].isDefault;
    }
    return out;
}
