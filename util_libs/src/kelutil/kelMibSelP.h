// Internals of the native MIB selector shared by its source files.
#ifndef KELMIBSELP_H
#define KELMIBSELP_H

#include "kelMibSel.h"

class MsSelView;

// The selector's native record, and the view of its controls that the portable selector uses.
extern KelMsSelInfo kelMsSelInfo;
MsSelView *kelMsView();

// The description windows in the selector's care: closed all (pop-down), or forgotten, left open
// (a resynchronisation).
void kelMsCloseDescWindows();
void kelMsForgetDescWindows();

#endif
