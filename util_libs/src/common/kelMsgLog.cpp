// The rules of the message log.
#include "kelMsgLog.h"

#include "cv.h"
#include "cvFormat.h"
#include "cvMsgIds.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char *kelMsgLogStampFormat(time_t now, time_t *first)
{
    if (*first == 0) {
        *first = now;
    }
    // A log that runs past half a day needs the date to tell the days apart.
    if (now - *first > KEL_MSGLOG_DATE_AFTER) {
        return cvMsg(CVMSG_STAMP_DATE_TIME);
    }
    return cvMsg(CVMSG_STAMP_TIME);
}

size_t kelMsgLogCompose(char *buffer, int timeStamp, time_t now, time_t *first, const char *format, va_list args)
{
    size_t stamp = 0;
    buffer[0] = '\0';
    if (timeStamp) {
        const char *stampFormat = kelMsgLogStampFormat(now, first);
        struct tm *local = localtime(&now);
        stamp = local != nullptr ? strftime(buffer, KEL_MSGLOG_BUFFER, stampFormat, local) : 0;
        buffer[stamp] = '\0';
    }
    size_t room = KEL_MSGLOG_BUFFER - stamp;
    int length = vsnprintf(buffer + stamp, room, format, args);
    if (length < 0) {
        buffer[stamp] = '\0';
    } else if (length > KEL_MSGLOG_TEXT_MAX) {
        snprintf(buffer + stamp, room, "%s", KEL_MSGLOG_TOO_LONG);
    }
    return stamp;
}

int kelMsgLogExcess(int count)
{
    return count > KEL_MSGLOG_ITEMS ? count - KEL_MSGLOG_ITEMS : 0;
}

namespace {
// The length of the multibyte character at p, at least 1.
size_t charLength(const char *p)
{
    int n = mblen(p, MB_CUR_MAX);
    return n > 1 ? static_cast<size_t>(n) : 1;
}

} // namespace

bool KelMsgLogLines::next(std::string &item)
{
    if (next_ == nullptr) {
        return false;
    }
    current_ = next_;
    const char *newline = _CVstrchr(current_, '\n');
    size_t length = newline != nullptr ? static_cast<size_t>(newline - current_) : strlen(current_);
    next_ = newline != nullptr ? newline + charLength(newline) : nullptr;

    item.assign(first_ ? 0 : indent_, ' ');
    first_ = false;
    if (length > KEL_MSGLOG_LINE) {
        item.append(current_, cvcommon::wholeCharacters(current_, length, KEL_MSGLOG_LINE - 3));
        item.append("...");
    } else {
        item.append(current_, length);
    }
    return true;
}
