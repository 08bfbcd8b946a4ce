// The message log on a Motif list: the rules of the native one (stamps, the length limit, old
// items dropped, long lines cut), each line one item, the newest kept in view.
#include "cvguiP.h"

#include "kelMsgLog.h"

#include <Xm/List.h>
#include <cstdarg>
#include <ctime>
#include <string>

namespace {
time_t firstStamp = 0; // when the first stamped message was logged
char composed[KEL_MSGLOG_BUFFER];
} // namespace

extern "C" int addMessage(Widget list, char timeStamp, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    cvguiAddMessageV(list, timeStamp, format, args);
    va_end(args);
    // Callers count on 0 whatever happens.
    return 0;
}

void cvguiAddMessageV(Widget list, char timeStamp, const char *format, va_list args)
{
    size_t stamp = kelMsgLogCompose(composed, timeStamp, time(nullptr), &firstStamp, format, args);

    // A message with nowhere to go is still shown.
    if (list == nullptr || !XmIsList(list)) {
        Error("%s", composed);
        return;
    }
    int count = 0;
    XtVaGetValues(list, XmNitemCount, &count, nullptr);
    for (int excess = kelMsgLogExcess(count); excess > 0; excess--) {
        XmListDeletePos(list, 1);
    }
    // Continuation lines line up under the message text.
    KelMsgLogLines lines(composed, timeStamp ? stamp : KEL_MSGLOG_INDENT);
    std::string line;
    while (lines.next(line)) {
        XmString item = XmStringCreateLocalized(const_cast<char *>(line.c_str()));
        if (item == nullptr) {
            Error("%s", lines.rest());
            return;
        }
        XmListAddItemUnselected(list, item, 0);
        XmListSetBottomPos(list, 0);
        XmStringFree(item);
    }
}
