/* cv - the suite's base library, as far as cvgui calls it. */
#ifndef CV_H
#define CV_H

#if defined(_WIN32)
#ifdef cv_EXPORTS
#define CV_API __declspec(dllexport)
#else
#define CV_API __declspec(dllimport)
#endif
#else
#define CV_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The catalogue registry: a catalogue user registers its state word; a reopen request stores
 * CV_MSG_REOPEN in every registered word, and the owner reopens its catalogue on next use. */
#define CV_MSG_REOPEN 0x12344321
CV_API void ____msg_register_first(int *stateWord);
CV_API void _CVmsgReopenAll(void);

/* The program name: as given to _CVsetProgname, else the running executable's. With
 * basenameOnly non-zero, without directories and (on Windows) without ".exe". */
CV_API const char *_CVgetProgname(int basenameOnly);
CV_API void _CVsetProgname(const char *name);

/* The last component of path: a pointer into path itself ("" for NULL). A trailing separator
 * gives "". On Windows both separators and a drive prefix count. */
CV_API char *_CVbasename(const char *path);

#ifdef __cplusplus
}
#endif

#endif
