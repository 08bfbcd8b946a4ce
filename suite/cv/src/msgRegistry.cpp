// The suite's catalogue registry: who to tell when the catalogues must be reopened.
#include "cv.h"

#include <vector>

namespace {
std::vector<int *> &registered()
{
    static std::vector<int *> words;
    return words;
}
} // namespace

extern "C" void ____msg_register_first(int *stateWord)
{
    registered().push_back(stateWord);
}

extern "C" void _CVmsgReopenAll(void)
{
    for (int *word : registered()) {
        *word = CV_MSG_REOPEN;
    }
}
