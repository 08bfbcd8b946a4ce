/* msMibInfo.h - the facts of a MIB object. Both halves of the library export it. */
#ifndef MSMIBINFO_H
#define MSMIBINFO_H

#include "cvsnmp.h"

#include "cvExport.h"
#define MS_API CV_EXPORT

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @defgroup ms_mibinfo MIB object facts
 * What a description window shows of a MIB object, for the MIB selector and for applications
 * that only need the facts: the node of the loaded MIB (cvsnmp.h) and what it says (type,
 * access, units, index, objects or augments, enumerations, description), with the type and
 * access turned into the catalogue's texts.
 *
 * Type text: for a type code above 26, "UNKNOWN". Otherwise, when the node has a type name (a
 * textual convention or defined type): for codes 13, 14 and 18 the type name alone; for the
 * others "%s  (%s) " of the type name and the type's text, directly followed by the type suffix
 * when there is one ("DisplayString  (Display String) (SIZE (0..255))"). Without a type name:
 * the type's text, then a blank and the suffix when there is one ("Integer (1..10)"); code 18
 * has no text of its own and gives "UNKNOWN". A text longer than the buffer is cut, never in the
 * middle of a UTF-8 character. Access text: null for access code -1, "Read-Only" ...
 * "Accessible-For-Notify" for 0 to 5, "UNKNOWN" otherwise. The catalogue's texts are read once,
 * on the first call.
 *
 * @par Catalogue texts:
 * TYPE_PARTIAL_NAME ... TYPE_UNSIGNED32, UNKNOWN, ACCESS_READ_ONLY ... ACCESS_FOR_NOTIFY,
 * TYPE_NAME_WITH_TEXT
 *
 * @par Example
 * @code
 * MsMibInfo info;
 * if (msGetMibInfo("sysDescr.0", &info) == 0)
 *     puts(info.typeText);
 * @endcode
 * @{
 */

/** Room of the type text buffer shared by all calls, the terminating byte included. */
#define MS_TYPE_TEXT_SIZE 256

/** The facts of one MIB node. Every pointer points into the loaded MIB (valid for the life of
 * the process, also across reloads) or, for typeText and accessText, into the library; the
 * caller frees nothing. */
typedef struct MsMibInfo {
    int leaf;                  /**< 1 when the node has no children, else 0 */
    int type;                  /**< the MIB library's type code (CVMIB_T_..., 0 for a node that
                                    is not an object) */
    int access;                /**< the MIB library's access code (CVMIB_A_..., -1 for none) */
    int status;                /**< the node's SMI status (CVMIB_S_...), copied as it is */
    const char *typeText;      /**< the type text; points into one buffer of MS_TYPE_TEXT_SIZE
                                    bytes that the next call overwrites */
    const char *description;   /**< the DESCRIPTION text, or null */
    const CVmibEnum *enums;    /**< first named number (or named bit), or null */
    const CVmibNode *node;     /**< the MIB library's node itself */
    const char *accessText;    /**< from the access table; null for access code -1 */
    const char *units;         /**< the UNITS text, or null */
    const char *typeSuffix;    /**< size or range constraint after the type, or null */
    const CVmibName *indexes;  /**< head of the circular INDEX list, or null */
    const CVmibName *objects;  /**< head of the circular OBJECTS (notifications) or AUGMENTS
                                    (rows) list, or null */
} MsMibInfo;

/**
 * The facts of the object a symbolic or numeric name stands for.
 * Names as the MIB library reads them: ".iso.org...sysDescr", "sysDescr.0" (an instance gives
 * its object), "IF-MIB::ifInOctets", ".1.3.6.1.2.1.1.1". When no MIB is loaded yet, loads it
 * (CVmib_load_mib).
 * @param name  the name
 * @param info  the record to fill; zeroed first
 * @return 0, or -1 when the name cannot be read or names no node (or info is null); the record
 *         then stays zeroed
 * @catalogue the type and access texts (see the family)
 * @frees nothing: the record points into the MIB and the library
 */
MS_API int msGetMibInfo(const char *name, MsMibInfo *info);

/**
 * The facts of the node of an identifier, searched from the loaded MIB's root (Mib).
 * @param oid     the sub-identifiers
 * @param length  how many
 * @param info    the record to fill; zeroed first
 * @return 0, or -1 when there is no such node (or info is null)
 * @catalogue the type and access texts (see the family)
 * @frees nothing: the record points into the MIB and the library
 */
MS_API int msGetMibInfoFromOID(const CVmibOid *oid, int length, MsMibInfo *info);

/** @} */

#ifdef __cplusplus
}
#endif

#endif
