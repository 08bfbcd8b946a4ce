// The node list editor's entry rules.
#include "nodeListRules.h"

#include "cv.h"
#include "cvFormat.h"
#include "cvMsgIds.h"
#include "kelArgsCore.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

const size_t kLongestPattern = NODELIST_ENTRY_SIZE - 1;

// The leading decimal digits of [p, end) as a number (none reads as 0); a number too large for
// a field saturates, which keeps it outside every range of real fields.
long leadingNumber(const char *p, const char *end)
{
    long value = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        value = value < LONG_MAX / 100 ? value * 10 + (*p - '0') : LONG_MAX / 100;
    }
    return value;
}

// A field: "*" (or empty, or missing), a range split at its first "-", or a number.
NodeListField readField(const char *begin, const char *end)
{
    NodeListField field = {NodeListField::any, 0, 0};
    if (begin == end || (end - begin == 1 && *begin == '*')) {
        return field;
    }
    const char *dash = static_cast<const char *>(memchr(begin, '-', static_cast<size_t>(end - begin)));
    if (dash != nullptr) {
        field.kind = NodeListField::range;
        field.lo = leadingNumber(begin, dash);
        field.hi = leadingNumber(dash + 1, end);
    } else {
        field.kind = NodeListField::number;
        field.lo = field.hi = leadingNumber(begin, end);
    }
    return field;
}

bool inside(long n, long lo, long hi)
{
    return n >= lo && n <= hi;
}

// a is the pattern's field, b the other's.
bool fieldsAgree(const NodeListField &a, const NodeListField &b)
{
    if (a.kind == NodeListField::any || b.kind == NodeListField::any) {
        return true;
    }
    if (a.kind == NodeListField::range && b.kind == NodeListField::range) {
        return inside(b.lo, a.lo, a.hi) || inside(b.hi, a.lo, a.hi);
    }
    if (a.kind == NodeListField::range) {
        return inside(b.lo, a.lo, a.hi);
    }
    if (b.kind == NodeListField::range) {
        return inside(a.lo, b.lo, b.hi);
    }
    return a.lo == b.lo;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

void *allocate(size_t size)
{
    void *p = malloc(size > 0 ? size : 1);
    if (p == nullptr) {
        kelCriticalError();
    }
    return p;
}

char *copyOf(const char *text)
{
    size_t n = strlen(text) + 1;
    char *copy = static_cast<char *>(allocate(n));
    memcpy(copy, text, n);
    return copy;
}

// "reason:" as a report text starts; a reason too long for the text is cut to half of it, which
// leaves room for the candidates.
void startText(char *text, const char *reason)
{
    const char *separator = cvMsg(CVMSG_NL_REASON_SEPARATOR);
    size_t limit = NODELIST_REPORT_SIZE / 2;
    size_t s = cvcommon::wholeCharacters(separator, strlen(separator), limit / 2);
    size_t n = cvcommon::wholeCharacters(reason, strlen(reason), limit - s);
    memcpy(text, reason, n);
    memcpy(text + n, separator, s);
    text[n + s] = '\0';
}

int reasonIndex(NodeListReport *report, const char *reason)
{
    for (int i = 0; i < report->reasonCount; i++) {
        if (strcmp(report->reasonTexts[i], reason) == 0) {
            return i;
        }
    }
    int i = report->reasonCount;
    auto *reasons = static_cast<char **>(realloc(report->reasonTexts, sizeof(char *) * (i + 1)));
    if (reasons == nullptr) {
        kelCriticalError();
    }
    report->reasonTexts = reasons;
    auto *texts = static_cast<char(*)[NODELIST_REPORT_SIZE]>(
        realloc(report->reportTexts, sizeof(report->reportTexts[0]) * (i + 1)));
    if (texts == nullptr) {
        kelCriticalError();
    }
    report->reportTexts = texts;
    report->reasonTexts[i] = copyOf(reason);
    report->reportTexts[i][0] = '\0';
    report->reasonCount = i + 1;
    return i;
}

} // namespace

bool nodeListReadPattern(const char *text, NodeListPattern *pattern)
{
    if (text == nullptr || !_CVinetIsWild(text) || strlen(text) > kLongestPattern) {
        return false;
    }
    const char *p = text;
    for (int i = 0; i < 4; i++) {
        const char *end = p != nullptr ? strchr(p, '.') : nullptr;
        if (p == nullptr) {
            pattern->fields[i] = readField(nullptr, nullptr); // missing: "*"
        } else if (end == nullptr) {
            end = p + strlen(p);
            pattern->fields[i] = readField(p, end);
            p = nullptr;
        } else {
            pattern->fields[i] = readField(p, end);
            p = end + 1;
        }
    }
    return true;
}

bool nodeListPatternsOverlap(const NodeListPattern &pattern, const NodeListPattern &other)
{
    for (int i = 0; i < 4; i++) {
        if (!fieldsAgree(pattern.fields[i], other.fields[i])) {
            return false;
        }
    }
    return true;
}

Boolean isOverLap(const char *pattern, const char *other)
{
    NodeListPattern a, b;
    if (!nodeListReadPattern(pattern, &a) || !nodeListReadPattern(other, &b)) {
        return 0;
    }
    return nodeListPatternsOverlap(a, b) ? 1 : 0;
}

std::string nodeListStrip(const char *text)
{
    return cvcommon::stripped(text);
}

bool nodeListHasBlank(const char *text)
{
    for (const char *p = text; *p != '\0'; ++p) {
        if (isBlank(*p)) {
            return true;
        }
    }
    return false;
}

NodeListChecker::NodeListChecker(char **entries, int count, KelNodeListCheckProc check) : check_(check)
{
    entries_.reserve(static_cast<size_t>(count > 0 ? count : 0) * 2);
    for (int i = 0; i < count; i++) {
        remember(entries[i]);
    }
}

void NodeListChecker::remember(const std::string &entry)
{
    entries_.insert(entry);
    NodeListPattern pattern;
    if (nodeListReadPattern(entry.c_str(), &pattern)) {
        wildcards_.push_back(pattern);
    }
}

const char *NodeListChecker::check(const std::string &candidate)
{
    const char *text = candidate.c_str();
    bool wild = _CVinetIsWild(text) != 0;
    if (entries_.count(candidate) != 0) {
        return cvMsg(CVMSG_NL_ALREADY_IN_LIST);
    }
    if (candidate.empty()) {
        return cvMsg(CVMSG_NL_EMPTY_NAME);
    }
    if (nodeListHasBlank(text)) {
        return cvMsg(CVMSG_NL_WHITE_SPACE);
    }
    if (wild && !_CVinetIsValidWild(text)) {
        return cvMsg(CVMSG_NL_BAD_WILDCARD);
    }
    if (wild) {
        NodeListPattern pattern;
        if (nodeListReadPattern(text, &pattern)) {
            for (const NodeListPattern &entry : wildcards_) {
                if (nodeListPatternsOverlap(pattern, entry)) {
                    return cvMsg(CVMSG_NL_WILDCARD_OVERLAPS);
                }
            }
        }
    }
    if (!wild && _CVinetIsIPAddr(text) && strchr(text, '.') != nullptr && !_CVinetIsValidIPAddr(text)) {
        return cvMsg(CVMSG_NL_BAD_IP);
    }
    if (check_ != nullptr) {
        // The check function gets a copy it may write into.
        std::vector<char> copy(text, text + candidate.size() + 1);
        const char *reason = check_(wild ? 1 : 0, copy.data());
        if (reason != nullptr) {
            return reason;
        }
    }
    remember(candidate);
    return nullptr;
}

void nodeListRecord(NodeListReport *report, const char *reason, const char *candidate, NodeListShowProc show,
                    void *context)
{
    int i = reasonIndex(report, reason);
    char *text = report->reportTexts[i];
    if (text[0] == '\0') {
        startText(text, reason);
    }
    char header[NODELIST_REPORT_SIZE];
    startText(header, reason);
    size_t length = strlen(text);
    size_t candidateLength = strlen(candidate);
    size_t line = strlen(NODELIST_REPORT_INDENT) + candidateLength;
    bool holdsCandidates = length > strlen(header);
    if (holdsCandidates &&
        (length + candidateLength >= NODELIST_REPORT_SIZE - 1 || length + line + 1 > NODELIST_REPORT_SIZE)) {
        show(context, text);
        strcpy(text, header);
        length = strlen(text);
    }
    size_t room = NODELIST_REPORT_SIZE - 1 - length;
    char *out = text + length;
    memcpy(out, NODELIST_REPORT_INDENT, strlen(NODELIST_REPORT_INDENT));
    out += strlen(NODELIST_REPORT_INDENT);
    room -= strlen(NODELIST_REPORT_INDENT);
    if (candidateLength <= room) {
        memcpy(out, candidate, candidateLength + 1);
        return;
    }
    // Even alone it is too long for a text: what fits, then "...".
    size_t kept = cvcommon::wholeCharacters(candidate, candidateLength, room - 3);
    memcpy(out, candidate, kept);
    memcpy(out + kept, "...", 4);
}

void nodeListFlushReport(NodeListReport *report, NodeListShowProc show, void *context)
{
    // Each report is freed only after all are shown: a show may run a modal loop.
    for (int i = 0; i < report->reasonCount; i++) {
        if (report->reportTexts[i][0] != '\0') {
            show(context, report->reportTexts[i]);
        }
    }
    for (int i = 0; i < report->reasonCount; i++) {
        free(report->reasonTexts[i]);
    }
    free(report->reasonTexts);
    free(report->reportTexts);
    report->reasonTexts = nullptr;
    report->reportTexts = nullptr;
    report->reasonCount = 0;
}
