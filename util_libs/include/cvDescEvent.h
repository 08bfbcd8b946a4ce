/** @file
 * The event description as both halves share it: everything known about one received trap or
 * notification turned into label/value rows, which a display function shows ("Describe Event":
 * KelPopupDescribeEvent on the native half, popupDescribeEvent on the Motif half). */
#ifndef CVDESCEVENT_H
#define CVDESCEVENT_H

#include "cvLabelEditInfo.h"
#include "cvutil.h"

#include "cvExport.h"
#define CVDESC_API CV_EXPORT

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @defgroup cvgui_event_rows Event description rows
 * The rows that "Describe Event" shows on both halves, computed once from the event's record,
 * its identifiers, the map object, who acknowledged it and the instance; a display function
 * shows them (the native dialog, the Motif dialog, or a tool's own).
 *
 * Rows, in order and each under its condition: Event Name, Severity, Sources, Event Identifier,
 * Event Identifier (Numeric) (when it differs from the symbolic one), Generic Trap Name (Number),
 * Specific Trap Number and Specific Trap (Hex) (enterprise-specific traps; hex above 64),
 * Enterprise ID, Enterprise ID (Numeric), Received Event Type, Received Generic Trap Number,
 * Received Specific Trap Number, Received Enterprise ID (where the received identifier
 * differs), Corvane Object Identifier, Acknowledged By, Event Instance (UUID). The SNMPv1 fields
 * are derived through the MIB library; the six standard traps are snmpTraps.1 .. snmpTraps.6 in
 * both forms, as RFC 3584 numbers them. An identifier ending in ".*" stands for a subtree: it is
 * shown with ".*", its specific number is -1.
 *
 * @catalogue EVD_BAD_EVENT_TYPE, EVD_TITLE and the row labels EVD_EVENT_NAME .. EVD_INSTANCE
 *
 * @par Example
 * @code
 * static void show(const char *title, label_edit_info *rows, int count, const char *description)
 * {
 *     for (int i = 0; i < count; i++) printf("%s: %s\n", rows[i].label, rows[i].value);
 * }
 * popupDescribeEventForKel(&trap, "nsNotifyRestart", 1, received, objectId, ackBy, uuid, show);
 * @endcode
 * @{
 */

#define CV_DESCEVENT_ROWS 20 /**< room of the row array; at most 17 rows arise */

/** Shows the rows: (title, rows, row count, description). The title, the rows and their texts
 * live only during the call; a display function copies what it keeps. */
typedef void (*CVDescribeEventDisplayProc)(const char *title, label_edit_info *rows, int count,
                                           const char *description);

/**
 * Computes the rows of an event and hands them to display. An identifier the MIB library cannot
 * read, or cannot map to SNMPv1 fields, gives a warning (the half's own warning dialog) with the
 * identifier as given, and display is not called.
 * @param trap          the event's record: name, wildcard flag, description, severity, sources;
 *                      NULL fields (or NULL) show as empty
 * @param eventType     the configured identifier, symbolic or numeric, possibly ending in ".*";
 *                      NULL or "" for none
 * @param showReceived  nonzero: also the identifier as received, where it differs
 * @param receivedType  the identifier as received
 * @param objectId      the map object, 0 for none
 * @param ackBy, uuid   who acknowledged it and the instance; NULL or "" for none
 * @param display       the display function, or NULL
 */
CVDESC_API void popupDescribeEventForKel(trap_record *trap, const char *eventType, char showReceived,
                                         const char *receivedType, unsigned int objectId, const char *ackBy,
                                         const char *uuid, CVDescribeEventDisplayProc display);

/** @} */

#ifdef __cplusplus
}
#endif

#endif
