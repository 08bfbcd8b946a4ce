// libFuzzer target for the node list editor's entry rules: the wildcard and address checks, the
// overlap test and a batch with its grouped report. The input is a list of lines: the first
// half are the list's entries, the rest the batch's candidates. Besides running clean under
// ASan and UBSan, it holds the rules to what callers rely on:
//   - an overlap found between two valid wildcards is real: some address matches both;
//   - a wildcard always overlaps itself, and never a plain address;
//   - every refused candidate's report line is in a text of at most 1023 bytes, whole when it
//     fits into one.
#include "cv.h"
#include "nodeListRules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Does the address (four numbers) match the valid wildcard?
bool matches(const char *wildcard, const long address[4])
{
    const char *p = wildcard;
    for (int i = 0; i < 4; i++) {
        const char *end = strchr(p, '.');
        if (end == nullptr) {
            end = p + strlen(p);
        }
        std::string field(p, end);
        long a = address[i];
        if (field != "*") {
            size_t dash = field.find('-');
            if (dash == std::string::npos) {
                if (atol(field.c_str()) != a) {
                    return false;
                }
            } else if (a < atol(field.substr(0, dash).c_str()) || a > atol(field.substr(dash + 1).c_str())) {
                return false;
            }
        }
        p = *end != '\0' ? end + 1 : end;
    }
    return true;
}

// A witness of an overlap: field by field, a value both sides allow.
bool witness(const char *a, const char *b, long address[4])
{
    NodeListPattern pa, pb;
    if (!nodeListReadPattern(a, &pa) || !nodeListReadPattern(b, &pb)) {
        return false;
    }
    for (int i = 0; i < 4; i++) {
        const NodeListField &x = pa.fields[i], &y = pb.fields[i];
        if (x.kind == NodeListField::any) {
            address[i] = y.kind == NodeListField::any ? 0 : y.lo;
        } else if (y.kind == NodeListField::any) {
            address[i] = x.lo;
        } else {
            address[i] = y.lo >= x.lo && y.lo <= x.hi ? y.lo : y.hi >= x.lo && y.hi <= x.hi ? y.hi : x.lo;
        }
    }
    return true;
}

void checkPair(const std::string &a, const std::string &b)
{
    bool overlap = isOverLap(a.c_str(), b.c_str()) != 0;
    bool validA = _CVinetIsWild(a.c_str()) && _CVinetIsValidWild(a.c_str());
    bool validB = _CVinetIsWild(b.c_str()) && _CVinetIsValidWild(b.c_str());
    if (overlap && validA && validB) {
        long address[4];
        if (!witness(a.c_str(), b.c_str(), address) || !matches(a.c_str(), address) || !matches(b.c_str(), address)) {
            abort(); // an overlap reported where no address matches both
        }
    }
    if (validA && !isOverLap(a.c_str(), a.c_str())) {
        abort();
    }
    if (overlap && (!_CVinetIsWild(a.c_str()) || !_CVinetIsWild(b.c_str()))) {
        abort();
    }
    _CVinetIsIPAddr(a.c_str());
    _CVinetIsValidIPAddr(a.c_str());
}

struct Shown {
    std::vector<std::string> texts;
    static void show(void *self, const char *text)
    {
        if (strlen(text) > NODELIST_REPORT_SIZE - 1) {
            abort();
        }
        static_cast<Shown *>(self)->texts.push_back(text);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; i++) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else if (data[i] != '\0') {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    for (size_t i = 0; i + 1 < lines.size() && i < 64; i++) {
        checkPair(lines[i], lines[i + 1]);
        checkPair(lines[i + 1], lines[i]);
    }

    size_t half = lines.size() / 2;
    std::vector<char *> entries;
    for (size_t i = 0; i < half; i++) {
        entries.push_back(&lines[i][0]);
    }
    NodeListChecker checker(entries.data(), static_cast<int>(entries.size()), nullptr);
    NodeListReport report = {};
    Shown shown;
    std::vector<std::string> refused;
    for (size_t i = half; i < lines.size(); i++) {
        std::string candidate = nodeListStrip(lines[i].c_str());
        const char *reason = checker.check(candidate);
        if (reason != nullptr) {
            nodeListRecord(&report, reason, candidate.c_str(), Shown::show, &shown);
            refused.push_back(candidate);
        }
    }
    nodeListFlushReport(&report, Shown::show, &shown);
    if (report.reasonCount != 0 || report.reasonTexts != nullptr) {
        abort();
    }
    // Each refused name that fits a text is in one, whole, on a line of its own.
    for (const std::string &name : refused) {
        if (name.size() + 64 > NODELIST_REPORT_SIZE) {
            continue;
        }
        std::string line = "\n    " + name;
        bool found = false;
        for (const std::string &text : shown.texts) {
            size_t at = text.find(line);
            while (at != std::string::npos && !found) {
                found = at + line.size() == text.size() || text[at + line.size()] == '\n';
                at = text.find(line, at + 1);
            }
        }
        if (!found) {
            abort();
        }
    }
    return 0;
}
