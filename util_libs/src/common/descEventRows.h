// The rows of the event description, portable: both halves' popupDescribeEventForKel hand their
// own warning dialog to this.
#ifndef DESCEVENTROWS_H
#define DESCEVENTROWS_H

#include "cvDescEvent.h"

// Shows a warning text as it stands.
typedef void (*CVDescribeEventWarnProc)(const char *text);

void cvDescribeEventRows(trap_record *trap, const char *eventType, char showReceived, const char *receivedType,
                         unsigned int objectId, const char *ackBy, const char *uuid,
                         CVDescribeEventDisplayProc display, CVDescribeEventWarnProc warn);

#endif
