// The version report's text, portable: the platform gathers what it knows of the machine and the
// session, this puts it in the report's order and form.
#ifndef CVVERSIONREPORT_H
#define CVVERSIONREPORT_H

#include <string>

// What the report tells about where the tool runs. Null texts are unknown and left out.
struct CvVersionFacts {
    const char *release = nullptr;      // the product's release and version lines
    const char *version = nullptr;
    const char *hostName = nullptr;
    const char *computerName = nullptr; // shown only when it differs from the host name
    std::string systemLine;             // the operating system, with its newline; "" when unknown
    int processors = 1;
    const char *owner = nullptr;        // the registered owner and organization
    const char *organization = nullptr;
    std::string memory;                 // the memory lines
    const char *sessionId = nullptr;    // null or "" when not connected
    const char *serverName = nullptr;
};

// An identification string without a what-string marker ("@(#)") and its leading blanks.
const char *cvVersionClean(const char *text);

// The report for a tool: title and program (with extra, when given) on the first line, then the
// product, the machine, and for every program but the map itself ("cvw") the session lines.
std::string cvVersionReport(const char *title, const char *program, const char *extra, const CvVersionFacts &facts);

// Copies report into buf of size bytes, cut at a character boundary when it does not fit;
// returns the bytes copied, the terminating byte not counted.
int cvVersionCopy(const std::string &report, char *buf, size_t size);

#endif
