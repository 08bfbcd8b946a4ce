/* cvutil - the suite's utility library, as far as cvgui calls it. */
#ifndef CVUTIL_H
#define CVUTIL_H

#if defined(_WIN32)
#ifdef cvutil_EXPORTS
#define CVUTIL_API __declspec(dllexport)
#else
#define CVUTIL_API __declspec(dllimport)
#endif
#else
#define CVUTIL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Records the program's name from argv[0] and returns it (valid for the life of the process). */
CVUTIL_API const char *_CVsetupExecutable(int argc, char **argv);

/* Sets the C library's locale from the environment for the named program; 0 on success, -1
 * when the environment names a locale that is not installed (the "C" locale stays). */
CVUTIL_API int _CVinitLocales(const char *programName, int fromEnvironment);

/* Queues as insque/remque: an element's first two fields are its forward and backward links.
 * _CVinsque puts element right after predecessor (a NULL predecessor starts a linear list);
 * _CVremque unlinks element from its neighbours. */
CVUTIL_API void _CVinsque(void *element, void *predecessor);
CVUTIL_API void _CVremque(void *element);

/* ---- Product and machine (version.cpp) ---- */

/* The product's release and version texts (one line each, no newline). */
CVUTIL_API const char *getZBRRelease(void);
CVUTIL_API const char *getZBRVersion(void);

/* Appends the machine's memory (physical and swap or paging file: total and free, in MB) as
 * lines ending in newlines at buf, and returns the characters written. It never writes more than
 * CV_MEMINFO_MAX bytes, the terminating byte included; nothing (0) when the system does not say. */
#define CV_MEMINFO_MAX 256
CVUTIL_API int _CVsprintMemInfo(char *buf);

/* ---- Events (events.cpp) ---- */

/* Severity of an event. */
typedef enum eventSeverity {
    EV_SEV_NORMAL = 0,
    EV_SEV_WARNING = 1,
    EV_SEV_MINOR = 2,
    EV_SEV_MAJOR = 3,
    EV_SEV_CRITICAL = 4,
    /* A record read from outside may carry any int here; this keeps every int a valid value
       in C++ as well as in C. */
    EV_SEV_ANY_INT_ = 0x7fffffff
} eventSeverity;

/* An event (trap or notification) as the event library keeps its configuration. */
typedef struct trap_record {
    char *name;               /* the event's name */
    int wildcard;             /* nonzero: the event identifier stands for a subtree (".*") */
    char *description;
    eventSeverity severity;
    int nodeCount;            /* the sources the event is configured for; 0: every node */
    char **nodes;
} trap_record;

/* "Normal", "Warning", "Minor", "Major", "Critical"; "Unknown" for any other value. */
CVUTIL_API const char *severityToString(eventSeverity severity);

/* Writes the event's sources into buffer (size bytes with the terminating byte): the node names
 * joined by ", ", "All nodes" when there are none. A list that does not fit ends with the last
 * whole name that does and ", ..." (or is cut when not even one fits). Returns the length
 * written; nothing is written past size bytes. */
CVUTIL_API int trpFmtSprintNodes(const trap_record *trap, char *buffer, int size);

/* The SNMPv1 generic trap's name: "coldStart" (0) .. "egpNeighborLoss" (5),
 * "enterpriseSpecific" (6); "unknown" otherwise. */
CVUTIL_API const char *genericTrapName(int generic);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
/* ---- Expressions (expressions.cpp) ----
 *
 * Named formulas over MIB objects, which the MIB selector offers beside the objects. They are
 * read from the file named by the environment variable CVEXPRFILE, else the one installed beside
 * the library (<libdir>/../share/cvgui/expressions.txt), on the first use of the list:
 *   # comment
 *   expression NAME        starts an expression (a name without blanks)
 *   equation TEXT          its formula (exactly one)
 *   description TEXT       a line of its description (may repeat; lines are joined by newlines) */
class CVUTIL_API Expression {
public:
    Expression(const char *name, const char *equation, const char *description);
    ~Expression();
    Expression(const Expression &) = delete;
    Expression &operator=(const Expression &) = delete;
    const char *getName() const;
    const char *getEquation() const;
    const char *getDescription() const;   /* "" when there is none */

private:
    char *name_;
    char *equation_;
    char *description_;
};

class CVUTIL_API ExpressionList {
public:
    ExpressionList();
    ~ExpressionList();
    ExpressionList(const ExpressionList &) = delete;
    ExpressionList &operator=(const ExpressionList &) = delete;

    /* Replaces the list by the expressions of a file: 0, or -1 with lastError() naming the file
     * and the line, the list unchanged. */
    int read(const char *path);
    /* The expression of that name, or null. */
    Expression *find(const char *name) const;
    int count() const;
    Expression *at(int index) const;      /* in file order; null out of range */
    const char *lastError() const;        /* "" when the last read succeeded */
    static const char *defaultFile();

private:
    void load() const;
    struct Impl;
    Impl *impl_;
};

/* Walks a list in file order: it() gives each expression, then null. */
class CVUTIL_API ExpressionListIterator {
public:
    explicit ExpressionListIterator(const ExpressionList &list);
    explicit ExpressionListIterator(const ExpressionList *list);
    Expression *operator()();
    void reset();

private:
    const ExpressionList *list_;
    int next_;
};

/* The expression library of the process. */
CVUTIL_API extern ExpressionList *expressionListPtr;

/* 0 with *result the named expression, or -1 with *result null. */
CVUTIL_API int nameToExpression(const char *name, Expression **result);
#endif

#endif
