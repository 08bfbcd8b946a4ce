// The rows of a description, from the MIB object facts or the expression library.
#include "msDescribe.h"

#include "cvMsgIds.h"
#include "cvutil.h"
#include "mibsel.h"
#include "msMibInfo.h"

#include <cstdio>

namespace {

// The names of a circular INDEX, OBJECTS or AUGMENTS list joined with ", ".
std::string joined(const CVmibName *head)
{
    std::string text;
    const CVmibName *e = head;
    do {
        if (!text.empty()) {
            text += ", ";
        }
        text += e->name != nullptr ? e->name : "";
        e = e->next;
    } while (e != nullptr && e != head);
    return text;
}

bool describeExpression(const char *name, MsDescription &out)
{
    Expression *e = expressionListPtr != nullptr ? expressionListPtr->find(name) : nullptr;
    if (e == nullptr) {
        return false;
    }
    out.expression = true;
    out.title = cvMsg(CVMSG_DESC_EXPRESSION_TITLE);
    out.name = name;
    out.rows = {{cvMsg(CVMSG_DESC_NAME), name}, {cvMsg(CVMSG_DESC_EQUATION), e->getEquation()}};
    out.description = e->getDescription();
    return true;
}

bool describeMibObject(const char *name, MsDescription &out)
{
    MsMibInfo info;
    if (msGetMibInfo(name, &info) != 0) {
        return false;
    }
    const char *numeric = msGetObjectNumericName(name);
    std::string oid = numeric != nullptr ? numeric : "";
    const char *symbolic = msGetObjectNameByNumericName(oid.c_str());
    out.title = cvMsg(CVMSG_DESC_MIB_VARIABLE_TITLE);
    out.name = symbolic != nullptr ? symbolic : name;
    out.rows = {{cvMsg(CVMSG_DESC_NAME), out.name},
                {cvMsg(CVMSG_DESC_OBJECT_ID), oid},
                {cvMsg(CVMSG_DESC_TYPE), info.typeText != nullptr ? info.typeText : ""}};
    if (info.accessText != nullptr && info.type != CVMIB_T_NONE) {
        out.rows.push_back({cvMsg(CVMSG_DESC_ACCESS), info.accessText});
    }
    if (info.units != nullptr) {
        out.rows.push_back({cvMsg(CVMSG_DESC_UNITS), info.units});
    }
    if (info.indexes != nullptr) {
        out.rows.push_back({cvMsg(CVMSG_DESC_INDEX), joined(info.indexes)});
    } else if (info.objects != nullptr) {
        CvMsgId label = info.type == CVMIB_T_NOTIFTYPE ? CVMSG_DESC_OBJECTS : CVMSG_DESC_AUGMENTS;
        out.rows.push_back({cvMsg(label), joined(info.objects)});
    }
    for (const CVmibEnum *e = info.enums; e != nullptr; e = e->next) {
        char number[16];
        snprintf(number, sizeof number, " (%d)", e->number);
        out.enums.push_back(std::string(e->name != nullptr ? e->name : "") + number);
    }
    out.description = info.description != nullptr ? info.description : "";
    return true;
}

} // namespace

bool msDescribeObject(const char *name, bool expression, MsDescription &out)
{
    out = MsDescription();
    if (name == nullptr) {
        return false;
    }
    bool found = expression ? describeExpression(name, out) : describeMibObject(name, out);
    if (!found) {
        out = MsDescription();
    }
    return found;
}

std::string msDescriptionText(const MsDescription &d)
{
    std::string text;
    for (const MsDescRow &row : d.rows) {
        text += row.label + ": " + row.value + "\n";
    }
    if (!d.enums.empty()) {
        text += std::string(cvMsg(CVMSG_DESC_ENUMS)) + ":\n";
        for (const std::string &e : d.enums) {
            text += "    " + e + "\n";
        }
    }
    if (!d.description.empty()) {
        text += "\n" + d.description;
        if (d.description.back() != '\n') {
            text += "\n";
        }
    }
    return text;
}
