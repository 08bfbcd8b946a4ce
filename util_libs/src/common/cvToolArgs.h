// The command lines the suite's tools are started with, portable: the MIB grapher on a set of
// objects and the event configuration tool on one event.
#ifndef CVTOOLARGS_H
#define CVTOOLARGS_H

#include <string>
#include <vector>

#define CV_GRAPH_SELECTIONS 8192 // bytes of the grapher's selection list, terminating byte included

// The grapher's arguments for the blank-separated objectNames at instance on target ("*": every
// node, the selections wildcarded), with the "-c" value when cValue is not empty. Null texts count
// as "". False, with args untouched, when the selection list does not fit CV_GRAPH_SELECTIONS.
bool cvGraphArguments(const std::string &executable, const char *objectNames, const char *instance,
                      const char *target, const char *cValue, std::vector<std::string> &args);

// The event configuration tool's arguments: "-eventId", then "-copyEventId" and "-source" when
// given (not null, not empty).
std::vector<std::string> cvTrapArguments(const std::string &executable, const char *eventId,
                                         const char *copyEventId, const char *source);

#endif
