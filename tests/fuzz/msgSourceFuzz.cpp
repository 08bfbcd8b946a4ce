// libFuzzer target for the reader of message catalogue sources (the gencat format), which the
// Windows build uses in place of catopen/catgets. Every message read is looked at, as catgets
// hands it out.
#include "cvMsgSource.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    cv::MsgTable messages;
    std::string error;
    bool ok = cv::parseMsgSource(std::string(reinterpret_cast<const char *>(data), size), messages, &error);
    if (!ok && error.rfind("line ", 0) != 0) {
        __builtin_trap(); // a refusal always names its line
    }
    size_t sum = 0;
    for (const auto &m : messages) {
        sum += std::strlen(m.second.c_str()) + static_cast<size_t>(m.first.first);
    }
    return sum == static_cast<size_t>(-1);
}
