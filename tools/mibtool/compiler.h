// The MIB compiler: SMI modules in, through net-snmp's MIB parser, a database model out.
#ifndef MIBTOOL_COMPILER_H
#define MIBTOOL_COMPILER_H

#include "cvmibdb.h"

#include <string>
#include <vector>

namespace mibtool {

struct Diagnostic {
    bool error = false;
    std::string module;     // empty when the parser did not say
    std::string file;
    int line = 0;           // 0 when unknown
    std::string text;
    std::string format() const; // "MODULE (FILE:LINE): text"
};

struct Request {
    std::vector<std::string> searchDirs;     // where imports are looked for (-M), before the
                                             // net-snmp default directories
    std::vector<std::string> files;          // module files to add (replace same-named modules)
    std::vector<cvmib::ModuleSpec> existing; // modules of the database being changed
    std::vector<std::string> remove;         // module names to drop from the added ones
    bool keepGoing = false;                  // leave out modules with errors instead of failing
};

struct Result {
    cvmib::Model model;
    std::vector<Diagnostic> diagnostics;
    std::vector<std::string> refused;        // modules left out (keepGoing)
};

// Compiles the added modules of `existing` (minus `remove`) and the modules of `files`, with
// their imports. False when there were errors (and keepGoing was not set, or nothing was left),
// or when the request itself is wrong (a file that is no module, a module to remove that is not
// there, a module that others still import); the diagnostics say why.
bool compile(const Request &request, Result &result);

} // namespace mibtool

#endif
