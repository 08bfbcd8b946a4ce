// What a description window shows of a chosen MIB object or expression, as labelled rows and a
// description text, shared by every view that describes (and by saving a description to a file).
#ifndef MSDESCRIBE_H
#define MSDESCRIBE_H

#include <string>
#include <vector>

struct MsDescRow {
    std::string label;
    std::string value;
};

struct MsDescription {
    bool expression = false;
    std::string title;              // "Describe MIB Variable" or "Describe Expression"
    std::string name;               // the full symbolic name, or the expression's name
    std::vector<MsDescRow> rows;    // Name first; then Object ID, Type, Access, UNITS, INDEX or
                                    // OBJECTS or AUGMENTS (MIB objects), or Equation
    std::vector<std::string> enums; // "name (number)", in definition order
    std::string description;
};

// Fills out for a name of the MIB (symbolic, numeric or mixed) or, in expression mode, an
// expression's name; false when there is no such object (out is then empty).
bool msDescribeObject(const char *name, bool expression, MsDescription &out);

// The description as plain text: "Label: value" lines, the enumerations one a line, a blank
// line and the description.
std::string msDescriptionText(const MsDescription &d);

#endif
