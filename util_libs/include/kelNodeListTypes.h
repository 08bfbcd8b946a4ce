/** @file
 * The node list editor's portable types: the check function, the grouped report of one batch,
 * and the overlap test of IP wildcards (kelNodeList.h has the editor itself). */
#ifndef KELNODELISTTYPES_H
#define KELNODELISTTYPES_H

#include "kelargs.h"

/** @addtogroup kel_nodelist
 * @{ */

#define NODELIST_REPORT_SIZE 1024 /**< one report text, its terminating byte included */

/** An extra check of a candidate: (wildcard flag, candidate) -> NULL to accept, else the reason
 * for refusing it (read, not freed). */
typedef char *(*KelNodeListCheckProc)(Boolean wild, char *entry);

/** The refusals of one batch, grouped by reason; empty between batches. */
struct NodeListReport {
    char **reasonTexts;                        /**< the distinct reasons, in order of first occurrence */
    char (*reportTexts)[NODELIST_REPORT_SIZE]; /**< the report text being built for each reason */
    int reasonCount;                           /**< entries in both arrays */
};

/**
 * True when the two IP wildcard patterns can match a common address, tested from the pattern's
 * side. False when either is not a wildcard or is longer than 511 bytes. Missing or empty fields
 * count as "*". Field by field, "*" on either side agrees; a number agrees with an equal number
 * and with a range holding it; a range of the pattern agrees with a range of the other when one
 * of the other's bounds lies inside it. That last rule is one-sided: 10.2.1-10.* overlaps
 * 10.2.5-6.*, but 10.2.5-6.* does not overlap 10.2.1-10.*.
 */
KEL_API Boolean isOverLap(const char *pattern, const char *other);

/** @} */

#endif
