/* cvw - the map session library, as far as cvgui calls it. */
#ifndef CVW_H
#define CVW_H

#if defined(_WIN32)
#ifdef cvw_EXPORTS
#define CVW_API __declspec(dllexport)
#else
#define CVW_API __declspec(dllimport)
#endif
#else
#define CVW_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Help ------------------------------------------------------------------------------- */

/* Kinds of help, the helpType of CVwShowHelp. */
enum {
    cvwHelpFile = 2,
    cvwHelpVolume = 8,   /* a help volume topic, "volume:topic" */
    cvwQuickHelp = 16,
    cvwHelpString = 32,
    cvwManPage = 64,
    cvwTextFile = 128
};

/* The environment variable that names the help viewer: a command, optionally followed by
 * blank-separated arguments. CVwShowHelp starts it as
 *     <command> [<arguments>] <kind> <target>
 * with kind one of "file", "volume", "quick", "string", "man", "text", and does not wait for it.
 * Returns 0 once the viewer is started; -1 on failure, with CVwError() and CVwErrorMsg() telling
 * why (no viewer named, unknown help type, no target, the viewer could not be started). */
#define CVW_HELP_VIEWER_ENV "CVW_HELP_VIEWER"
CVW_API int CVwShowHelp(int helpType, char *target);

/* ---- Errors ----------------------------------------------------------------------------- */

#define CVW_ENOHELPVIEWER 40  /* CVW_HELP_VIEWER is not set or empty */
#define CVW_EBADHELPTYPE 41   /* not one of the help kinds above */
#define CVW_ENOHELPTARGET 42  /* null or empty target */
#define CVW_EHELPVIEWER 43    /* the viewer command could not be started */

/* The number of the last error, 0 before any. */
CVW_API int CVwError(void);
/* The text for an error number; for the last error it names the details (the viewer command
 * and the system's reason). The text stays valid until the next failing call. */
CVW_API char *CVwErrorMsg(int error);

#ifdef __cplusplus
}
#endif

#endif
