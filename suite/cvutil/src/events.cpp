// Event texts: severities, the sources of an event, generic trap names.
#include "cvutil.h"

#include <algorithm>
#include <cstring>

extern "C" const char *severityToString(eventSeverity severity)
{
    switch (severity) {
    case EV_SEV_NORMAL: return "Normal";
    case EV_SEV_WARNING: return "Warning";
    case EV_SEV_MINOR: return "Minor";
    case EV_SEV_MAJOR: return "Major";
    case EV_SEV_CRITICAL: return "Critical";
    default: return "Unknown";
    }
}

extern "C" int trpFmtSprintNodes(const trap_record *trap, char *buffer, int size)
{
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    const size_t room = static_cast<size_t>(size) - 1; // for the terminating byte
    size_t length = 0;
    auto append = [&](const char *text, size_t n) {
        std::memcpy(buffer + length, text, n);
        length += n;
    };
    if (trap == nullptr || trap->nodeCount <= 0 || trap->nodes == nullptr) {
        const char all[] = "All nodes";
        append(all, std::min(room, sizeof all - 1));
        buffer[length] = '\0';
        return static_cast<int>(length);
    }
    static const char more[] = ", ...";
    for (int i = 0; i < trap->nodeCount; ++i) {
        const char *node = trap->nodes[i] != nullptr ? trap->nodes[i] : "";
        size_t n = std::strlen(node);
        size_t separator = i > 0 ? 2 : 0;
        bool last = i + 1 == trap->nodeCount;
        // A name goes in whole when it fits and, unless it is the last, leaves room for ", ...".
        size_t needed = separator + n + (last ? 0 : sizeof more - 1);
        if (length + needed > room) {
            if (i == 0) {
                append(node, std::min(room, n)); // not even one fits: cut it
            } else {
                append(more, std::min(room - length, sizeof more - 1));
            }
            break;
        }
        if (separator) {
            append(", ", 2);
        }
        append(node, n);
    }
    buffer[length] = '\0';
    return static_cast<int>(length);
}

extern "C" const char *genericTrapName(int generic)
{
    static const char *const names[] = {"coldStart", "warmStart", "linkDown", "linkUp",
                                        "authenticationFailure", "egpNeighborLoss",
                                        "enterpriseSpecific"};
    return generic >= 0 && generic <= 6 ? names[generic] : "unknown";
}
