/* cvutil - the suite's utility library, as far as cvgui calls it. */
#ifndef CVUTIL_H
#define CVUTIL_H

#if defined(_WIN32)
#ifdef cvutil_EXPORTS
#define CVUTIL_API __declspec(dllexport)
#else
#define CVUTIL_API __declspec(dllimport)
#endif
#else
#define CVUTIL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Records the program's name from argv[0] and returns it (valid for the life of the process). */
CVUTIL_API const char *_CVsetupExecutable(int argc, char **argv);

/* Sets the C library's locale from the environment for the named program; 0 on success, -1
 * when the environment names a locale that is not installed (the "C" locale stays). */
CVUTIL_API int _CVinitLocales(const char *programName, int fromEnvironment);

/* Queues as insque/remque: an element's first two fields are its forward and backward links.
 * _CVinsque puts element right after predecessor (a NULL predecessor starts a linear list);
 * _CVremque unlinks element from its neighbours. */
CVUTIL_API void _CVinsque(void *element, void *predecessor);
CVUTIL_API void _CVremque(void *element);

#ifdef __cplusplus
}
#endif

#endif
