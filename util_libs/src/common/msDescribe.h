// What a description window shows of one chosen object of the MIB selector, portable: the facts
// of a MIB object or of an expression gathered once, for the window and for the saved text.
#ifndef MSDESCRIBE_H
#define MSDESCRIBE_H

#include <string>
#include <utility>
#include <vector>

struct MsDescription {
    bool expression = false;
    int templateId = 0;            // MS_DESC_..._TEMPLATE (msMibInfoCore.h)
    std::string name;              // the full symbolic name, or the expression's name
    std::string objectId;          // numeric, MIB objects only
    std::string type;              // the type text
    std::string access;            // empty for a node without access or not an object
    std::vector<std::string> enums;
    std::string equation;          // expressions only
    std::string description;       // LF line ends
    std::vector<std::pair<std::string, std::string>> rows; // UNITS, INDEX, OBJECTS or AUGMENTS
};

// Gathers the facts of a chosen object: an expression's name in expression mode, else a MIB
// object's name in any form the MIB library reads. 0, or -1 when it cannot be described.
int msDescribe(const char *name, bool expression, MsDescription &out);

// The description as plain text with LF line ends: one "Label: value" line per fact the window
// shows, the enumerations and the description indented below their labels.
std::string msDescriptionText(const MsDescription &d);

#endif
