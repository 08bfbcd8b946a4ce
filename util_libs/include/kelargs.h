/** @file
 * The native half's command line and application resources, with the Xt-shaped types they take.
 * Portable: the same code serves cvgui.dll and the tests that run natively. */
#ifndef KELARGS_H
#define KELARGS_H

#include "cvExport.h"
#include "cvguiVersion.h"

#if defined(_WIN32)
#define KEL_API CV_EXPORT
#else
#define KEL_API /* the Motif half keeps its command-line parser to itself */
#endif

/** Option tables and resource lists keep the X Toolkit's layout, so a tool's Motif-style start-up
 * code serves both halves. When the X Toolkit's headers came first, their types are used. */
#ifndef _XtIntrinsic_h
typedef char *String;
typedef char *XPointer;
typedef void *XtPointer;
typedef unsigned int Cardinal;
typedef char Boolean;
typedef unsigned short Dimension;
typedef unsigned long Pixel;
typedef struct _WidgetRec *Widget;
typedef void (*XtCallbackProc)(Widget widget, XtPointer closure, XtPointer callData);

typedef enum {
    XrmoptionNoArg,    /**< value is the option's value */
    XrmoptionIsArg,    /**< value is the option string itself */
    XrmoptionStickyArg, /**< value follows the option without a blank */
    XrmoptionSepArg,   /**< value is the next argument */
    XrmoptionResArg,   /**< the next argument is a resource line */
    XrmoptionSkipArg,  /**< ignore this option and the next argument */
    XrmoptionSkipLine, /**< ignore this option and the rest of the line */
    XrmoptionSkipNArgs /**< ignore this option and the next value arguments */
} XrmOptionKind;

typedef struct {
    char *option;
    char *specifier;
    XrmOptionKind argKind;
    XPointer value;
} XrmOptionDescRec, *XrmOptionDescList;

typedef struct _XtResource {
    String resource_name;
    String resource_class;
    String resource_type;
    Cardinal resource_size;
    Cardinal resource_offset;
    String default_type;
    XtPointer default_addr;
} XtResource, *XtResourceList;
#endif

/** @addtogroup kel_resources
 * @{
 */
#define KEL_ARGV_SIZE 128    /**< argument vector entries, with entry 0 and the closing null */
#define KEL_OPTION_VALUES 128 /**< (specifier, value) pairs kept from the command line */

#ifdef __cplusplus
extern "C++" {

/** Cuts commandLine into words: blanks separate words; a word that starts with a double or a
 * single quote runs to the next such quote (no escapes; text right after the closing quote
 * starts a new word). Entry 0 is programName. The vector and a copy of the line belong to the
 * library and are replaced by the next call. More than 126 words end the process. */
KEL_API int cmdlineToArgv(char *programName, char *commandLine, char ***argv);

/** Applies an option table to argv (null-terminated): leading arguments that match an option are
 * recorded and removed, up to the first one that matches none. */
KEL_API void KelParseCommandLineOptions(XrmOptionDescRec *options, int optionCount, int *argc, char **argv);

} /* extern "C++" */
#endif

/** @} */

#endif
