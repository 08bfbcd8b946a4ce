// The version report of a tool: what it is, which product, which machine and which session.
#include "cvguiP.h"

#include "cv.h"
#include "cvVersionReport.h"
#include "cvutil.h"
#include "cvw.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

const char *productKey = "SOFTWARE\\Brannock\\Corvane\\Zebrant";
void *const localMachine = reinterpret_cast<void *>(0x80000002); // the registry's HKEY_LOCAL_MACHINE

// The machine's configured name (/etc/hostname), which a container or DHCP may have changed
// from the running host name.
std::string staticHostName()
{
    std::ifstream in("/etc/hostname");
    std::string name;
    std::getline(in, name);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r')) {
        name.pop_back();
    }
    return name;
}

std::string systemLine()
{
    struct utsname system;
    if (uname(&system) != 0) {
        return "";
    }
    char line[sizeof system.sysname + sizeof system.release + sizeof system.version + sizeof system.machine + 64];
    snprintf(line, sizeof line, cvMsg(CVMSG_VERSION_OS_UNAME), system.sysname, system.release, system.version,
             system.machine);
    return line;
}

} // namespace

extern "C" int sprintVersion(char *buf, const void *, const char *title, const char *program, const char *extra)
{
    CvVersionFacts facts;
    facts.release = getZBRRelease();
    facts.version = getZBRVersion();

    char host[129];
    if (gethostname(host, sizeof host - 1) == 0) {
        host[sizeof host - 1] = '\0';
        facts.hostName = host;
    }
    std::string computer = staticHostName();
    if (!computer.empty()) {
        facts.computerName = computer.c_str();
    }
    facts.systemLine = systemLine();
    long processors = sysconf(_SC_NPROCESSORS_ONLN);
    facts.processors = processors > 0 ? static_cast<int>(processors) : 1;

    // Only a system with a registry knows an owner; elsewhere the block is left out.
    char *owner = _CVGetRegistryString(localMachine, productKey, "RegisteredOwner");
    char *organization = _CVGetRegistryString(localMachine, productKey, "RegisteredOrganization");
    facts.owner = owner;
    facts.organization = organization;

    char memory[CV_MEMINFO_MAX];
    memory[0] = '\0';
    _CVsprintMemInfo(memory);
    facts.memory = memory;

    facts.sessionId = CVwSessionId();
    facts.serverName = CVServerName();

    int written = cvVersionCopy(cvVersionReport(title, program, extra, facts), buf, CVGUI_VERSION_REPORT_MAX);
    free(owner);
    free(organization);
    return written;
}
