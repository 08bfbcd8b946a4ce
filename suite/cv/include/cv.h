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

/* ---- Paths (paths.cpp) ---- */

/* Expands the %VARIABLE% references of pathTemplate from the environment ("%%" is a "%"), turns
 * "/" and "\" into the platform's separator and joins fileName to it with that separator
 * (either part may be null or empty). A variable that is not set expands to nothing, or stays
 * as written with CV_BUILDPATH_KEEP_UNSET. The result is library-owned, valid until the next
 * call; null for a null template and file name. */
#define CV_BUILDPATH_KEEP_UNSET 1
CV_API const char *_CVBuildPath(const char *pathTemplate, const char *fileName, int flags);

/* Nonzero for an absolute path: "/..." (and on Windows "\...", "X:\..." or "X:/..."). */
CV_API int _CVisAbsPath(const char *path);

/* The path of a data file installed with the suite's libraries: share/cvgui/NAME beside the
 * directory that holds them (in the build tree as once installed). Library-owned, valid until
 * the next call. */
CV_API const char *_CVsharedDataFile(const char *name);

/* ---- Internet and IPX addresses (inet.cpp) ---- */

/* Nonzero when the text looks like a numeric address: digits and dots only, a digit among them. */
CV_API int _CVinetIsIPAddr(const char *text);
/* Nonzero for a dotted IPv4 address: four fields of one to three digits, each 0..255. */
CV_API int _CVinetIsValidIPAddr(const char *text);

typedef struct CVipxAddr {
    unsigned char net[4];
    unsigned char node[6];
} CVipxAddr;
/* Nonzero for an IPX address "NETWORK:NODE" (1 to 8 and exactly 12 hexadecimal digits); fills
 * *address when it is not null. */
CV_API int _CVipx_addr(const char *text, CVipxAddr *address);

/* Nonzero when the text is meant as an IP wildcard: only digits, ".", "*" and "-", and a "*" or
 * "-" among them (a host name has letters). */
CV_API int _CVinetIsWild(const char *text);
/* Nonzero for a valid IP wildcard: four "."-separated fields, each "*", a number 0..255, or a
 * range LO-HI of such numbers with LO <= HI. */
CV_API int _CVinetIsValidWild(const char *text);

/* ---- Strings (strings.cpp) ---- */

/* strtok: the next token of text (null: of the text given before) up to one of delimiters,
 * which is overwritten with a NUL. With emptyFields nonzero, two delimiters in a row give an
 * empty field, as strsep does; otherwise runs of delimiters separate as in strtok. Null when
 * there is no more. Not reentrant, like strtok. */
CV_API char *_CVstrtok(char *text, const char *delimiters, int emptyFields);

/* Strips white space in place: mode 0 at the start, 1 at the end, 2 at both ends. Returns text
 * (whose address does not change). */
CV_API char *_CVstrip_whitespace(char *text, int mode);

/* strchr and strrchr that step over multibyte characters of the current locale, so that a
 * trail byte of a double-byte character is never taken for the character searched for. */
CV_API char *_CVstrchr(const char *text, int c);
CV_API char *_CVstrrchr(const char *text, int c);

/* The system's text for an error number (never null). */
CV_API const char *_CVstrerror(int errnum);

/* ---- System (system.cpp) ---- */

/* The management server: CV_SERVER from the environment, else this host. */
CV_API const char *CVServerName(void);
/* Nonzero when this program runs on the management server (CV_SERVER unset, or naming this
 * host). */
CV_API int CVisOnCVServer(void);

/* A string value (REG_SZ or REG_EXPAND_SZ) of the registry key subkey under hkey (an HKEY), as
 * a malloc'd copy the caller frees; null when absent. There is no registry elsewhere: null. */
CV_API char *_CVGetRegistryString(void *hkey, const char *subkey, const char *valueName);

/* Ignores a signal given by the suite's number (the SVR4 numbers: 1 HUP, 2 INT, 3 QUIT,
 * 13 PIPE, 14 ALRM, 15 TERM, 16 USR1, 17 USR2, 18 CHLD). 0, or -1 for a number it does not
 * know. On Windows, where no such signal is sent but INT and TERM, ignoring one is a no-op. */
CV_API int _CVsigIgnore(int suiteSignal);

/* ---- The X Toolkit on Windows (xtMemory.cpp) ---- */

#if defined(_WIN32) && !defined(_XtIntrinsic_h)
/* The X Toolkit's allocation calls for native tools: exhaustion ends the program. */
CV_API char *XtMalloc(unsigned int size);
CV_API void XtFree(char *p);
CV_API char *XtNewString(const char *s);
#endif

#ifdef __cplusplus
}
#endif

#endif
