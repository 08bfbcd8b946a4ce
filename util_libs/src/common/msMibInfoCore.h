// What the description windows make of an object's facts, portable: which template a node gets,
// its enumeration lines and its UNITS, INDEX, OBJECTS or AUGMENTS rows.
#ifndef MSMIBINFOCORE_H
#define MSMIBINFOCORE_H

#include "msMibInfo.h"

#include <string>
#include <utility>
#include <vector>

// Templates of the description windows.
enum {
    MS_DESC_ENUMS_TEMPLATE = 28417,  // an object with enumerations
    MS_DESC_NODE_TEMPLATE = 28418,   // type code 0: a node that is not an object
    MS_DESC_EXPR_TEMPLATE = 28419,   // an expression
    MS_DESC_OBJECT_TEMPLATE = 28420  // an object without enumerations
};

// The template for a MIB node's facts.
int msMibInfoTemplate(const MsMibInfo &info);

// "name (number)" for each enumeration, in the MIB's order.
std::vector<std::string> msMibInfoEnumLines(const MsMibInfo &info);

// The names of a circular INDEX or OBJECTS/AUGMENTS list joined with ", ", empty for none.
std::string msMibInfoNameList(const CVmibName *head);

// The label/value rows of an object: "UNITS" when it has units, then "INDEX" when it has an
// index, else "OBJECTS" (a notification) or "AUGMENTS" (a row) when it has such a list.
std::vector<std::pair<std::string, std::string>> msMibInfoRows(const MsMibInfo &info);

#endif
