// Reader of message catalogue sources in the gencat format, so that a platform without
// catopen/catgets reads the same catalogue files.
#ifndef CVMSGSOURCE_H
#define CVMSGSOURCE_H

#include "cv.h"

#include <map>
#include <string>
#include <utility>

namespace cv {

using MsgTable = std::map<std::pair<int, int>, std::string>; // (set, number) -> text

// Parses a catalogue source: $set, $delset, $quote and comments; message lines "number text"
// with the escapes \n \t \v \b \r \f \\ \ddd, a quoted text when a quote character is set, and
// continuation lines ending in a backslash. A number alone is an empty message; a number given
// twice in one set is refused, as gencat does. Returns false and a "line N: ..." error for a
// malformed source.
CV_API bool parseMsgSource(const std::string &source, MsgTable &messages, std::string *error);

} // namespace cv

#endif
