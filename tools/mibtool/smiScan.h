// A light scan of SMI module text for what net-snmp's parser reads but does not keep: the
// module names of a file, the imported modules, where a descriptor is defined, the SYNTAX
// clause of each OBJECT-TYPE as written (its type and size or range constraint), and each
// definition's DESCRIPTION whole (net-snmp keeps MAXQUOTESTR bytes of a quoted text).
#ifndef MIBTOOL_SMISCAN_H
#define MIBTOOL_SMISCAN_H

#include <map>
#include <string>
#include <vector>

namespace mibtool {

struct ModuleHeader {
    std::string name;
    int line;                       // of "NAME DEFINITIONS"
    std::vector<std::string> imports;
};

struct Syntax {
    std::string type;               // "INTEGER", "OCTET STRING", "DisplayString", "SEQUENCE OF IfEntry"
    std::string constraint;         // "(SIZE (0..255))", "(-5..5 | 10)", or empty
};

struct ScannedModule {
    ModuleHeader header;
    std::map<std::string, Syntax> syntax;     // by OBJECT-TYPE descriptor
    std::map<std::string, int> definitions;   // descriptor -> line of its definition
    std::map<std::string, std::string> descriptions; // descriptor -> its DESCRIPTION as written
};

// Every module of a file's text, in order.
std::vector<ScannedModule> scanText(const std::string &text);

// Whether the text starts like an SMI module ("NAME DEFINITIONS ::= BEGIN" before anything
// else but comments), as net-snmp checks when it indexes a directory.
bool looksLikeModule(const std::string &text);

} // namespace mibtool

#endif
