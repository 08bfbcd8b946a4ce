// The command lines of the grapher and the event configuration tool.
#include "cvToolArgs.h"

namespace {

std::string text(const char *s)
{
    return s != nullptr ? s : "";
}

// Runs of blanks separate names, so a doubled blank makes no empty object.
std::vector<std::string> blankSeparated(const std::string &names)
{
    std::vector<std::string> out;
    size_t start = 0;
    while ((start = names.find_first_not_of(' ', start)) != std::string::npos) {
        size_t end = names.find(' ', start);
        out.push_back(names.substr(start, end == std::string::npos ? end : end - start));
        start = end;
    }
    return out;
}

} // namespace

bool cvGraphArguments(const std::string &executable, const char *objectNames, const char *instance,
                      const char *target, const char *cValue, std::vector<std::string> &args)
{
    std::string names = text(objectNames), at = text(instance), on = text(target);
    bool wildcarded = on == "*";
    std::string list;
    for (const std::string &name : blankSeparated(names)) {
        list += (list.empty() ? "" : ",") + name + "::" + at + (wildcarded ? "::::::*" : "::::::");
        if (list.size() + 1 > CV_GRAPH_SELECTIONS) {
            return false;
        }
    }
    if (!wildcarded) {
        // The node goes with the selections, so it counts against the same room.
        list += " " + on;
        if (list.size() + 1 > CV_GRAPH_SELECTIONS) {
            return false;
        }
    }
    args = {executable};
    if (cValue != nullptr && *cValue != '\0') {
        args.push_back("-c");
        args.push_back(cValue);
    }
    args.push_back("-mib");
    args.push_back(list);
    if (names == "*" || wildcarded) {
        args.push_back("-browse");
    }
    return true;
}

std::vector<std::string> cvTrapArguments(const std::string &executable, const char *eventId,
                                         const char *copyEventId, const char *source)
{
    std::vector<std::string> args = {executable, "-eventId", text(eventId)};
    if (copyEventId != nullptr && *copyEventId != '\0') {
        args.push_back("-copyEventId");
        args.push_back(copyEventId);
    }
    if (source != nullptr && *source != '\0') {
        args.push_back("-source");
        args.push_back(source);
    }
    return args;
}
