// The version report's text.
#include "cvVersionReport.h"

#include "cvFormat.h"
#include "cvMsgIds.h"

#include <cstdlib>
#include <cstring>

namespace {

using cvcommon::format;

bool hasText(const char *s)
{
    return s != nullptr && *s != '\0';
}

} // namespace

const char *cvVersionClean(const char *text)
{
    if (text == nullptr) {
        return "";
    }
    if (strncmp(text, "@(#)", 4) == 0) {
        text += 4;
    }
    while (*text == ' ') {
        text++;
    }
    return text;
}

std::string cvVersionReport(const char *title, const char *program, const char *extra, const CvVersionFacts &facts)
{
    std::string out = format("%s (%s", cvVersionClean(title), cvVersionClean(program));
    if (hasText(extra)) {
        out += format(", %s", cvVersionClean(extra));
    }
    out += ")\n\n";
    out += format("%s\n%s\n", facts.release != nullptr ? facts.release : "", facts.version != nullptr ? facts.version : "");

    out += "\n";
    out += cvMsg(CVMSG_VERSION_RUNNING_ON);
    if (facts.hostName != nullptr) {
        out += format(" %s", facts.hostName);
    }
    if (facts.computerName != nullptr && (facts.hostName == nullptr || strcmp(facts.computerName, facts.hostName) != 0)) {
        out += format(" (%s)", facts.computerName);
    }
    out += facts.systemLine;
    if (facts.processors != 1) {
        out += format(cvMsg(CVMSG_VERSION_PROCESSORS), facts.processors);
    }
    if (hasText(facts.owner) || hasText(facts.organization)) {
        out += "\n";
        for (const char *line : {facts.owner, facts.organization}) {
            if (hasText(line)) {
                out += format("%s\n", line);
            }
        }
    }
    out += "\n";
    out += facts.memory;

    // The map program is the session; it does not report using one.
    if (program == nullptr || strcmp(program, "cvw") != 0) {
        out += "\n";
        if (hasText(facts.sessionId)) {
            out += format(cvMsg(CVMSG_VERSION_SESSION), facts.sessionId);
        } else {
            out += cvMsg(CVMSG_VERSION_NO_SESSION);
        }
        out += format(cvMsg(CVMSG_VERSION_SERVER), facts.serverName != nullptr ? facts.serverName : "");
    }
    return out;
}

int cvVersionCopy(const std::string &report, char *buf, size_t size)
{
    if (buf == nullptr || size == 0) {
        return 0;
    }
    // A cut never leaves half a multibyte character at the end.
    size_t kept = report.size() < size ? report.size()
                                       : cvcommon::wholeCharacters(report.c_str(), report.size(), size - 1);
    memcpy(buf, report.data(), kept);
    buf[kept] = '\0';
    return static_cast<int>(kept);
}
