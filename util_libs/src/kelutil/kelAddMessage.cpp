// The message log: printf-style messages appended to a native list, one item per line, with an
// optional time stamp; old items go first so that the list stays near its size.
#include "kelMsgDlg.h"
#include "kelMsgLog.h"
#include "kelwlib.h"

#include <ctime>
#include <string>

namespace {
time_t firstStamp = 0;                 // when the first stamped message was logged
char composed[KEL_MSGLOG_BUFFER];
} // namespace

int addMessage(KelListWidget *list, char timeStamp, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    size_t stamp = kelMsgLogCompose(composed, timeStamp, time(nullptr), &firstStamp, format, args);
    va_end(args);

    if (list == nullptr) {
        KelError("%s", composed);
        return -1;
    }
    for (int excess = kelMsgLogExcess(KelListGetItemCount(list)); excess > 0; excess--) {
        KelListDeletePos(list, 1);
    }
    // Continuation lines line up under the message text.
    KelMsgLogLines lines(composed, timeStamp ? stamp : KEL_MSGLOG_INDENT);
    std::string line;
    while (lines.next(line)) {
        unsigned char *item = KelGetString(line.c_str());
        if (item == nullptr) {
            KelError("%s", lines.rest());
            return -1;
        }
        KelListAddItemUnselected(list, item, 0);
        KelListSetBottomPos(list, 0);
        KelStringFree(item);
    }
    return 0;
}
