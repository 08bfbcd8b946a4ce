// The facts of a chosen object as its description window shows them.
#include "msDescribe.h"

#include "cvMsgIds.h"
#include "cvutil.h"
#include "mibsel.h"
#include "msMibInfo.h"
#include "msMibInfoCore.h"

namespace {

void addLine(std::string &out, const char *label, const std::string &value)
{
    out += label;
    if (!value.empty()) {
        out += ' ';
        out += value;
    }
    out += '\n';
}

// Each line of text under a label, indented by four blanks.
void addBlock(std::string &out, const char *label, const std::string &text)
{
    out += label;
    out += '\n';
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        out += "    ";
        out.append(text, start, end - start);
        out += '\n';
        start = end + 1;
    }
}

} // namespace

int msDescribe(const char *name, bool expression, MsDescription &out)
{
    out = MsDescription();
    if (name == nullptr) {
        return -1;
    }
    if (expression) {
        Expression *e = expressionListPtr != nullptr ? expressionListPtr->find(name) : nullptr;
        if (e == nullptr) {
            return -1;
        }
        out.expression = true;
        out.templateId = MS_DESC_EXPR_TEMPLATE;
        out.name = e->getName();
        out.equation = e->getEquation() != nullptr ? e->getEquation() : "";
        out.description = e->getDescription() != nullptr ? e->getDescription() : "";
        return 0;
    }
    MsMibInfo info;
    if (msGetMibInfo(name, &info) != 0) {
        return -1;
    }
    const char *numeric = msGetObjectNumericName(name);
    out.objectId = numeric != nullptr ? numeric : "";
    const char *symbolic = numeric != nullptr ? msGetObjectNameByNumericName(numeric) : nullptr;
    out.name = symbolic != nullptr ? symbolic : name;
    out.templateId = msMibInfoTemplate(info);
    out.type = info.typeText != nullptr ? info.typeText : "";
    if (info.accessText != nullptr && info.type != 0) {
        out.access = info.accessText;
    }
    out.enums = msMibInfoEnumLines(info);
    out.description = info.description != nullptr ? info.description : "";
    out.rows = msMibInfoRows(info);
    return 0;
}

std::string msDescriptionText(const MsDescription &d)
{
    std::string out;
    addLine(out, cvMsg(CVMSG_DESC_NAME_LABEL), d.name);
    if (d.expression) {
        addLine(out, cvMsg(CVMSG_DESC_EQUATION_LABEL), d.equation);
    } else {
        addLine(out, cvMsg(CVMSG_DESC_OBJECT_ID_LABEL), d.objectId);
        addLine(out, cvMsg(CVMSG_DESC_TYPE_LABEL), d.type);
        if (!d.access.empty()) {
            addLine(out, cvMsg(CVMSG_DESC_ACCESS_LABEL), d.access);
        }
        for (const auto &row : d.rows) {
            addLine(out, (row.first + ":").c_str(), row.second);
        }
        if (!d.enums.empty()) {
            std::string lines;
            for (const std::string &e : d.enums) {
                lines += e + "\n";
            }
            addBlock(out, cvMsg(CVMSG_DESC_ENUMS_LABEL), lines);
        }
    }
    if (!d.description.empty()) {
        addBlock(out, cvMsg(CVMSG_DESC_DESCRIPTION_LABEL), d.description);
    }
    return out;
}
