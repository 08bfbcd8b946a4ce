/* The event description, as both halves share it: everything known about one received trap or
 * notification turned into label/value rows, which a display function shows ("Describe Event":
 * KelPopupDescribeEvent on the native half, popupDescribeEvent on the Motif half). */
#ifndef CVDESCEVENT_H
#define CVDESCEVENT_H

#include "cvutil.h"

#if defined(_WIN32)
#if defined(cvgui_EXPORTS)
#define CVDESC_API __declspec(dllexport)
#elif defined(CVGUI_STATIC)
#define CVDESC_API
#else
#define CVDESC_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define CVDESC_API __attribute__((visibility("default")))
#else
#define CVDESC_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One row of a label/edit form (cvgui.h has the same record for CreateLabelEditForm). */
#ifndef CVGUI_LABEL_EDIT_INFO
#define CVGUI_LABEL_EDIT_INFO
typedef struct {
    int id;                 /* handed to the label function */
    const char *label;      /* NULL shows an empty label */
    const char *value;      /* NULL shows an empty field */
    unsigned short columns; /* 0: the default width */
    char editable;          /* Boolean */
} label_edit_info;
#endif

#define CV_DESCEVENT_ROWS 20 /* room of the row array; at most 17 rows arise */

/* Shows the rows: (title, rows, row count, description). The title, the rows and their texts
 * live only during the call; copy what is kept. */
typedef void (*CVDescribeEventDisplayProc)(const char *title, label_edit_info *rows, int count,
                                           const char *description);

/* Computes the rows of an event and hands them to display (when not NULL):
 *   trap          the event's record: name, wildcard flag, description, severity and sources
 *                 (NULL fields show as empty);
 *   eventType     the configured event identifier, symbolic or numeric, possibly ending in ".*"
 *                 (a subtree); NULL or "" for none;
 *   showReceived  nonzero: also the identifier as received (receivedType) when it differs;
 *   objectId      the map object (0 for none); ackBy, uuid: NULL or "" for none.
 * Rows, in order and each under its condition: Event Name, Severity, Sources, Event Identifier,
 * Event Identifier (Numeric), Generic Trap Name (Number), Specific Trap Number, Specific Trap
 * (Hex), Enterprise ID, Enterprise ID (Numeric), Received Event Type, Received Generic Trap
 * Number, Received Specific Trap Number, Received Enterprise ID, Corvane Object Identifier,
 * Acknowledged By, Event Instance (UUID) (catalogue texts 103-120); the title is catalogue 102
 * with the event's name. The SNMPv1 fields are derived through the MIB library; the six standard
 * traps are snmpTraps.1 .. snmpTraps.6, as RFC 3584 numbers them. An identifier the MIB library
 * cannot read is reported with a warning (catalogue 101) and nothing is displayed. */
CVDESC_API void popupDescribeEventForKel(trap_record *trap, const char *eventType, char showReceived,
                                         const char *receivedType, unsigned int objectId, const char *ackBy,
                                         const char *uuid, CVDescribeEventDisplayProc display);

#ifdef __cplusplus
}
#endif

#endif
