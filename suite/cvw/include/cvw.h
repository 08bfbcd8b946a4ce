/* cvw - the suite's map session library, as far as cvgui calls it.
 *
 * A session is a map file (format below) named by the session argument of _CVwInitSession or,
 * when that is null or empty, by the environment variable CVWMAPFILE. The map's objects, fields
 * and current selection are read from it; the file is read again whenever it has changed, so a
 * map (or a test, or the demo) changes the selection by rewriting it. Events of the map (end of
 * session, actions) reach the registered callbacks through CVwDispatchEvent().
 *
 * Map file: UTF-8 text, one statement a line; blank lines and lines starting with "#" are
 * ignored; the last argument of a statement is the rest of its line (blanks inside kept, blanks
 * around dropped). Identifiers are decimal numbers 1..4294967295 (0 is the null identifier).
 *   cvwmap 1                           first statement: format and version
 *   session NAME                       the session's name (CVwSessionId); default: the file name
 *   field ID NAME                      a field of the map database ("IP Address")
 *   object ID [SELECTION-NAME]         an object and its selection name (if it has one)
 *   host ID HOSTNAME                   the object's host name
 *   value ID FIELD-ID TEXT             the object's value of a field
 *   select ID...                       objects in the current selection, in order (may repeat)
 *
 * Help requests go to the help viewer named by CVW_HELP_VIEWER (see CVwShowHelp).
 *
 * Errors: every call that fails records an error number, which CVwError() returns until the
 * next failure, and CVwErrorMsg() explains. Strings returned by the map database belong to the
 * library and stay valid for the life of the process. Nothing here is thread-safe: the GUI
 * thread calls it. */
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

typedef unsigned int CVwObjectId;
typedef unsigned int CVwFieldId;

/* A list of map objects, allocated by the library; free it with CVwDbFreeObjectIdList. */
typedef struct CVwObjectIdList {
    int count;
    CVwObjectId *objlist;      /* count identifiers */
} CVwObjectIdList;

/* What the map tells an action callback about itself. */
typedef struct CVwMapInfo {
    const char *mapName;       /* the session's name */
    const char *mapFile;       /* the map file */
} CVwMapInfo;

/* ---- Errors (error.cpp) ---- */

/* Error numbers; the help calls have theirs below. */
#define CVW_E_VERSION 11       /* a session protocol version other than CVW_VERSION */
#define CVW_E_ARGUMENT 12      /* a null or out-of-range argument */
#define CVW_E_EVENT 13         /* an event type the library does not know */
#define CVW_E_NO_OBJECT 14     /* no such object or field in the map */
#define CVW_E_NO_SESSION 15    /* no map session is running: callers pass over it silently */
#define CVW_E_MAP_OPEN 16      /* the map file cannot be read */
#define CVW_E_MAP_FORMAT 17    /* the map file is malformed */
#define CVW_E_NO_VALUE 18      /* the object has no such value */
#define CVW_E_NO_MEMORY 19

/* The number of the last failure (0 before any). */
CVW_API int CVwError(void);
/* The text of an error number: the details of the last failure when it is that number (which
 * file, which line, the viewer command and the system's reason), else the general text. The
 * text stays valid until the next failing call. */
CVW_API char *CVwErrorMsg(int number);
/* Records a failure; every part of the library (the session, the map database, help) reports
 * through it. A null or empty detail keeps the general text. */
CVW_API void _CVwSetError(int number, const char *detail);

/* ---- Session (session.cpp) ---- */

#define CVW_VERSION 5

/* Joins the session of the map file named by sessionArg, or by CVWMAPFILE. 0 on success;
 * otherwise -1 with CVW_E_NO_SESSION when neither names one, CVW_E_MAP_OPEN or
 * CVW_E_MAP_FORMAT for a map file that cannot be used, CVW_E_VERSION for another version.
 * Joining again leaves the previous session and its callbacks. */
CVW_API int _CVwInitSession(int version, const char *appName, const char *sessionArg);

/* The session's name, or null when not connected. */
CVW_API const char *CVwSessionId(void);

/* Events. */
#define CVW_END_SESSION 1      /* the map ends the session */
#define CVW_ACTION 2           /* the user chose an action on the map */

/* End of session callback: (client data, CVW_END_SESSION, 1 for a normal end or 0). */
typedef void (*CVwCallbackProc)(void *clientData, unsigned long event, int normal);
/* Action callback: (client data, action name, the application's name, the objects selected on
 * the map, argc and argv of the action, the map, the event's serial number). The selection and
 * the texts live for the call only. */
typedef void (*CVwActionProc)(void *clientData, char *action, char *appName,
                              CVwObjectIdList *selection, int argc, char **argv, CVwMapInfo *map,
                              unsigned long serial);

/* Registers an end-of-session callback (event CVW_END_SESSION; flags 0). 0 on success, -1 when
 * not connected, for another event or for a null procedure. */
CVW_API int CVwAddCallback(int event, int flags, CVwCallbackProc proc, void *clientData);
/* Registers an action callback for the named action, or for every action when action is null.
 * 0 on success, -1 when not connected or for a null procedure. */
CVW_API int CVwAddActionCallback(const char *action, CVwActionProc proc, void *clientData);

/* Delivers an event of the map to the registered callbacks, in the order they were registered:
 * CVW_END_SESSION (normal: 1 or 0), after which the session is left, or CVW_ACTION (action,
 * argc, argv) with the map's current selection. Returns the number of callbacks called, or -1
 * (not connected, unknown event type, an action without a name). */
typedef struct CVwEvent {
    int type;
    int normal;
    const char *action;
    int argc;
    char **argv;
} CVwEvent;
CVW_API int CVwDispatchEvent(const CVwEvent *event);

/* ---- Map database (mapDb.cpp) ---- */

/* The objects selected on the map (both arguments 0), or null with an error. */
CVW_API CVwObjectIdList *CVwGetSelections(int reserved1, int reserved2);
CVW_API void CVwDbFreeObjectIdList(CVwObjectIdList *list);

/* Texts of an object, or null (with CVW_E_NO_OBJECT or CVW_E_NO_VALUE). */
CVW_API const char *CVwDbObjectIdToHostname(CVwObjectId id);
CVW_API const char *CVwDbObjectIdToSelectionName(CVwObjectId id);
/* A field's identifier, or the null identifier when the map has no such field. */
CVW_API CVwFieldId CVwDbFieldNameToFieldId(const char *name);
CVW_API const char *CVwDbGetFieldStringValue(CVwObjectId id, CVwFieldId field);
/* Nonzero for the null identifier of an object or a field. */
CVW_API int CVwIsIdNull(unsigned long id);

/* ---- Help (help.cpp) ---- */

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

#define CVW_ENOHELPVIEWER 40  /* CVW_HELP_VIEWER is not set or empty */
#define CVW_EBADHELPTYPE 41   /* not one of the help kinds above */
#define CVW_ENOHELPTARGET 42  /* null or empty target */
#define CVW_EHELPVIEWER 43    /* the viewer command could not be started */

#ifdef __cplusplus
}
#endif

#endif
