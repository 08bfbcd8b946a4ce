/* POSIX message catalogues for Windows, where the C library has none. Catalogue files are the
 * gencat sources themselves, found through NLSPATH as on POSIX systems. */
#ifndef CV_NL_TYPES_H
#define CV_NL_TYPES_H

#include "cv.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef void *nl_catd;
typedef int nl_item;

#define NL_SETD 1
#define NL_CAT_LOCALE 1

/* With flag 0 the language comes from LANG, with NL_CAT_LOCALE from LC_ALL, LC_MESSAGES, LANG.
 * NLSPATH templates take %N (name), %L (language), %l, %t, %c (its parts) and %%; without
 * NLSPATH the catalogue is looked for as share\locale\%l\LC_MESSAGES\%N.msg beside the
 * directory of the program, then under the "C" language. Returns (nl_catd)-1 on failure. */
CV_API nl_catd catopen(const char *name, int flag);
CV_API char *catgets(nl_catd catalog, int set, int number, const char *defaultText);
CV_API int catclose(nl_catd catalog);

#ifdef __cplusplus
}
#endif

#endif
