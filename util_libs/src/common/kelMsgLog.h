// The rules of the message log, portable: the time stamp, the length limit, how many old items
// go, and how a message is cut into list items.
#ifndef KELMSGLOG_H
#define KELMSGLOG_H

#include <cstdarg>
#include <cstddef>
#include <ctime>
#include <string>

#define KEL_MSGLOG_BUFFER 51200   // the stamp and the formatted message
#define KEL_MSGLOG_TEXT_MAX 50688 // a longer message is replaced by KEL_MSGLOG_TOO_LONG
#define KEL_MSGLOG_TOO_LONG "ERROR: addMessage() length too large"
#define KEL_MSGLOG_ITEMS 500      // items a list keeps before new lines are added
#define KEL_MSGLOG_LINE 512       // bytes of a line shown, "..." included
#define KEL_MSGLOG_DATE_AFTER 43200 // seconds after the first stamp from which the date is shown
#define KEL_MSGLOG_INDENT 2       // indent of continuation lines without a stamp

// The strftime format of a stamp at now. The first stamped message's time is kept in *first
// (0 until then); from 12 hours after it on, stamps show the date as well as the time.
const char *kelMsgLogStampFormat(time_t now, time_t *first);

// Writes the stamp (when timeStamp is nonzero) and the formatted message behind it into buffer,
// which holds KEL_MSGLOG_BUFFER bytes; returns the stamp's length.
size_t kelMsgLogCompose(char *buffer, int timeStamp, time_t now, time_t *first, const char *format, va_list args);

// How many of the oldest items a list of count items loses before new lines are added.
int kelMsgLogExcess(int count);

// Cuts a composed message into list items at its newlines (multibyte aware, in the current
// locale): the first line as it stands, the following ones behind indent blanks; a line longer
// than KEL_MSGLOG_LINE bytes keeps what fits before "..." within that length.
class KelMsgLogLines {
public:
    KelMsgLogLines(const char *text, size_t indent) : next_(text), indent_(indent) {}
    // The next item; false after the last line.
    bool next(std::string &item);
    // The text not yet taken, from the line that next() would return (or returned last).
    const char *rest() const { return current_ != nullptr ? current_ : next_; }

private:
    const char *next_;
    const char *current_ = nullptr;
    size_t indent_;
    bool first_ = true;
};

#endif
