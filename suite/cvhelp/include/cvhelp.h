/* cvhelp - the help call of the suite's Windows tools, as far as cvgui calls it.
 *
 * CVHelpAPI shows help of a kind on a target for a window of the tool. It goes to the suite's
 * help display, the map session library's CVwShowHelp: the help viewer is a program of its own
 * (named by CVW_HELP_VIEWER), so the window only has to be one, or null. Failures are reported the
 * map session library's way, through CVwError() and CVwErrorMsg(). */
#ifndef CVHELP_H
#define CVHELP_H

#include <windows.h>

#ifdef cvhelp_EXPORTS
#define CVHELP_API __declspec(dllexport)
#else
#define CVHELP_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* kind: one of cvw.h's help kinds (cvwHelpFile, cvwHelpVolume, cvwQuickHelp, cvwHelpString,
 * cvwManPage, cvwTextFile). 0 on success, else -1 with the reason in CVwError(). */
CVHELP_API int CVHelpAPI(HWND owner, long kind, const char *target);

#ifdef __cplusplus
}
#endif

#endif
