/* The library's message catalogue lookup (not exported). */
#ifndef UTILLIBSMSG_H
#define UTILLIBSMSG_H

#include <nl_types.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The text of message number in set of the "util_libs" catalogue, or defaultText. The result
 * stays valid for the life of the process. */
const char *_util_libsMsg(int set, int number, const char *defaultText);
nl_catd ___util_libsMsg_fd__(void);

#ifdef __cplusplus
}
#endif

#endif
