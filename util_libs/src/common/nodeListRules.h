// The node list editor's entry rules, portable: stripping, the refusal rules of a batch in their
// order, the overlap test of IP wildcards, and the grouped report of refused candidates with its
// 1024-byte texts. The dialog is a thin view over these.
#ifndef NODELISTRULES_H
#define NODELISTRULES_H

#include "kelNodeListTypes.h"

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#define NODELIST_ENTRY_SIZE 512 // a typed entry's buffer: at most 511 bytes
#define NODELIST_REPORT_INDENT "\n    "

// One "."-separated field of a wildcard as the overlap test reads it.
struct NodeListField {
    enum Kind { any, range, number } kind;
    long lo, hi; // a number has lo == hi
};

struct NodeListPattern {
    NodeListField fields[4];
};

// Reads a wildcard for the overlap test; false when it is none or longer than 511 bytes.
bool nodeListReadPattern(const char *text, NodeListPattern *pattern);
bool nodeListPatternsOverlap(const NodeListPattern &pattern, const NodeListPattern &other);

// White space stripped at both ends, as _CVstrip_whitespace does.
std::string nodeListStrip(const char *text);
// A space, tab or newline inside the text.
bool nodeListHasBlank(const char *text);

// Applies the refusal rules of one batch, in order, against the entries of the list as it was
// when the batch started plus the candidates accepted since. The list's entries are read once;
// duplicates are found by hashing, overlaps by one pass over the list's wildcards.
class NodeListChecker {
public:
    NodeListChecker(char **entries, int count, KelNodeListCheckProc check);

    // Null when the candidate (stripped already) is accepted, which makes it an entry; else the
    // reason for refusing it (a catalogue text or the check function's).
    const char *check(const std::string &candidate);

private:
    void remember(const std::string &entry);

    KelNodeListCheckProc check_;
    std::unordered_set<std::string> entries_;
    std::vector<NodeListPattern> wildcards_; // the wildcard entries, in list order
};

// Shows one finished report text as it stands (a "%" in it is no format directive).
typedef void (*NodeListShowProc)(void *context, const char *text);

// Adds a refused candidate under its reason. When its line does not fit into the reason's text,
// the text gathered so far is shown at once and the text starts again with the reason; a line
// that does not fit even then is cut, ending in "...".
void nodeListRecord(NodeListReport *report, const char *reason, const char *candidate, NodeListShowProc show,
                    void *context);
// Shows every report text in the order in which the reasons first occurred, then frees them all.
void nodeListFlushReport(NodeListReport *report, NodeListShowProc show, void *context);

#endif
