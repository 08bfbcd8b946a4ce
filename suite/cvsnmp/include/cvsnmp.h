/* cvsnmp - the suite's MIB library, as far as cvgui calls it.
 *
 * The MIB is one compiled MIB database file (see cvmibdb.h), produced from SMI modules by the
 * "Load/Unload MIBs" utility (mibtool) and loaded here by portable code. The file is named by
 * the environment variable CVMIBFILE, else the database installed beside the library
 * (<libdir>/../share/cvgui/mib.db). Its modification time is the sync stamp of the MIB selector:
 * the utility replaces it atomically, and CVmib_load_mib() loads it again when it has changed.
 *
 * Names: a dotted name is absolute when it starts with "." (".iso.org.dod.internet",
 * ".1.3.6.1", mixed forms too), and otherwise starts with a descriptor looked up anywhere in the
 * MIB ("sysDescr.0", "ifEntry.ifDescr"), optionally qualified by a module that defines it
 * ("IF-MIB::ifDescr", "RFC1213-MIB::ifDescr"; also "IF-MIB:ifDescr", and "ANY::" for any module).
 * A name without a leading dot that starts with a number is numeric from the root ("1.3.6.1").
 * Numeric sub-identifiers may continue past the known tree (instances, unknown enterprises).
 *
 * Text results marked "library-owned" stay valid until the next call of the same function;
 * callers copy them at once. Nodes stay valid for the life of the process, also across
 * reloads of a changed file. Nothing here is thread-safe: the GUI thread calls it. */
#ifndef CVSNMP_H
#define CVSNMP_H

#include <stddef.h>

#if defined(_WIN32)
#ifdef cvsnmp_EXPORTS
#define CVSNMP_API __declspec(dllexport)
#else
#define CVSNMP_API __declspec(dllimport)
#endif
#else
#define CVSNMP_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One sub-identifier of an object identifier. */
typedef unsigned int CVmibOid;

/* The longest object identifier the library reads or writes. */
#define CVMIB_MAX_OID 256

/* Room for the longest numeric dotted text of an identifier, with its terminating byte. */
#define CVSNMP_OIDSTR_MAX (CVMIB_MAX_OID * 11 + 1)

/* Type codes of a node (the description windows index their type table with them). */
enum {
    CVMIB_T_NONE = 0,           /* not an object: a partial object name */
    CVMIB_T_OBJID = 1,
    CVMIB_T_OCTETSTR = 2,
    CVMIB_T_INTEGER = 3,
    CVMIB_T_NETADDR = 4,
    CVMIB_T_IPADDR = 5,
    CVMIB_T_COUNTER = 6,
    CVMIB_T_GAUGE = 7,
    CVMIB_T_TIMETICKS = 8,
    CVMIB_T_OPAQUE = 9,
    CVMIB_T_NULL = 10,
    CVMIB_T_DISPLAYSTR = 11,    /* OCTET STRING shown as text (DisplayString and its kind) */
    CVMIB_T_PHYSADDR = 12,      /* OCTET STRING shown as a hardware address */
    CVMIB_T_USERDEFINED = 13,
    CVMIB_T_SEQUENCEOF = 14,    /* a table */
    CVMIB_T_SEQUENCE = 15,      /* a table entry (conceptual row) */
    CVMIB_T_MODID = 16,         /* MODULE-IDENTITY */
    CVMIB_T_OBJIDENTITY = 17,   /* OBJECT-IDENTITY */
    CVMIB_T_NOTIFTYPE = 19,     /* NOTIFICATION-TYPE and SMIv1 TRAP-TYPE */
    CVMIB_T_MODCOMP = 20,       /* MODULE-COMPLIANCE */
    CVMIB_T_OBJGROUP = 21,      /* OBJECT-GROUP */
    CVMIB_T_AGENTCAP = 22,      /* AGENT-CAPABILITIES */
    CVMIB_T_COUNTER64 = 23,
    CVMIB_T_BITS = 24,
    CVMIB_T_NOTIFGROUP = 25,    /* NOTIFICATION-GROUP */
    CVMIB_T_UNSIGNED32 = 26,
    CVMIB_T_LAST = 26
};

/* Access codes; -1 (CVMIB_A_NONE) for nodes that are not objects. */
enum {
    CVMIB_A_NONE = -1,
    CVMIB_A_READONLY = 0,
    CVMIB_A_READWRITE = 1,
    CVMIB_A_WRITEONLY = 2,
    CVMIB_A_NOACCESS = 3,
    CVMIB_A_READCREATE = 4,
    CVMIB_A_NOTIFY = 5
};

/* SMI status of a definition. */
enum {
    CVMIB_S_NONE = 0,
    CVMIB_S_CURRENT = 1,
    CVMIB_S_DEPRECATED = 2,
    CVMIB_S_OBSOLETE = 3,
    CVMIB_S_MANDATORY = 4,
    CVMIB_S_OPTIONAL = 5
};

/* A named number of an enumerated INTEGER or a named bit of BITS; a null-terminated list in
 * definition order. */
typedef struct CVmibEnum {
    struct CVmibEnum *next;
    int number;
    const char *name;
} CVmibEnum;

/* An element of the INDEX list or of the OBJECTS / AUGMENTS list. The lists are circular: the
 * last element's next is the head, so walk them with do { ... } while ((e = e->next) != head). */
typedef struct CVmibName {
    struct CVmibName *next;
    int implied;                /* INDEX element marked IMPLIED */
    const char *name;
} CVmibName;

/* A further definition of a node, beside its own label and module: another module that defines
 * it too (ifInOctets in RFC1213-MIB as well as IF-MIB), or another label that a module gives the
 * same identifier. A null-terminated list; the module may be null. */
typedef struct CVmibDefinition {
    struct CVmibDefinition *next;
    const char *label;
    const char *module;
} CVmibDefinition;

/* A node of the loaded MIB tree. Texts may be null. */
typedef struct CVmibNode {
    struct CVmibNode *child;    /* first child, children in MIB order (ascending sub-identifier) */
    struct CVmibNode *next;     /* next sibling */
    struct CVmibNode *parent;   /* null for a top-level node */
    const char *label;
    CVmibOid subid;
    int type;                   /* CVMIB_T_... */
    int access;                 /* CVMIB_A_... */
    int status;                 /* CVMIB_S_...; the word the description copies as is */
    const char *typeName;       /* textual convention or defined type ("DisplayString", "IfEntry",
                                   "SEQUENCE OF IfEntry"); null for the SMI's own types */
    const char *description;
    CVmibEnum *enums;
    const char *units;
    const char *typeSuffix;     /* size or range constraint as written: "(SIZE (0..255))" */
    CVmibName *indexes;         /* INDEX list head, or null */
    CVmibName *objects;         /* OBJECTS (notifications), or AUGMENTS (entries) list head, or null */
    const char *module;         /* the module whose definition the node's facts come from */
    CVmibDefinition *also;      /* the node's further definitions, or null; names read through
                                   every label and module of the node */
} CVmibNode;

/* The first top-level node of the loaded MIB (its siblings are the other top-level nodes), or
 * null while nothing is loaded. */
CVSNMP_API extern CVmibNode *Mib;

/* Loads the MIB database, or loads it again when the file has changed since. 0 when a MIB is
 * loaded; otherwise an error code below, CVmib_load_error() says why, and what was loaded
 * before stays loaded. */
enum {
    CVMIB_E_OPEN = 1,           /* the file cannot be opened or read */
    CVMIB_E_FORMAT = 2,         /* not a MIB database: empty, bad magic */
    CVMIB_E_VERSION = 3,        /* a database version this library does not read */
    CVMIB_E_TRUNCATED = 4,      /* shorter than it says */
    CVMIB_E_CORRUPT = 5,        /* checksum, sizes, offsets, counts or contents wrong */
    CVMIB_E_NOMEM = 6
};
CVSNMP_API int CVmib_load_mib(void);
CVSNMP_API const char *CVmib_load_error(void);

/* The path of the MIB database file (library-owned). */
CVSNMP_API const char *CVmib_get_mib_filename(void);

/* The name as an absolute symbolic path of the loaded MIB (".iso.org...sysDescr.0"); a name
 * that cannot be read is returned as given. Library-owned. */
CVSNMP_API const char *CVmib_get_loaded_path(const char *name);

/* Reads a symbolic or numeric dotted name. *count holds the room of oid on entry (at most
 * CVMIB_MAX_OID are used) and the number of sub-identifiers on return. 0 on success, -1 when
 * the name cannot be read (unknown descriptor, bad number, too long). */
CVSNMP_API int CVmib_read_objid(const char *name, CVmibOid *oid, int *count);

/* Symbolic dotted name: labels as far as the tree knows the identifier, then numbers
 * (".iso.org.dod.internet.mgmt.mib-2.system.sysDescr.0"). Library-owned. */
CVSNMP_API const char *CVmib_get_objid_name(const CVmibOid *oid, int count);

/* Numeric dotted text (".1.3.6.1.2.1.1.1.0"). Library-owned. */
CVSNMP_API const char *CVmibGetNumericObjidStr(const CVmibOid *oid, int count);

/* The node of an identifier, searched from root and its following siblings (pass Mib). An
 * instance of a leaf object (sysDescr.0) gives the object. Null when there is none. */
CVSNMP_API CVmibNode *CVmib_getTreeByObjId(const CVmibOid *oid, int count, CVmibNode *root);

/* Calls childFunction with the label of each child of the named node, in MIB order, until it
 * returns nonzero. flags: 0 for MIB order, CVMIB_CHILDREN_SORTED for the labels in byte order.
 * A name that is not a node of the MIB is reported through messageFunction (when given) and
 * gives -1; otherwise 0. */
#define CVMIB_CHILDREN_SORTED 1
typedef int (*CVmibChildFunction)(const char *label);
typedef int (*CVmibMessageFunction)(const char *format, ...);
CVSNMP_API int CVmib_get_children(const char *name, CVmibChildFunction childFunction,
                                  CVmibMessageFunction messageFunction, int flags);

/* Nonzero when the named node has children. */
CVSNMP_API int CVmib_has_children(const char *name);

/* Nonzero when the named object (or an instance of it) has an integer value: INTEGER and its
 * enumerations, Integer32, Counter, Gauge, TimeTicks, Counter64, Unsigned32. */
CVSNMP_API int CVmib_is_int(const char *name);

/* SNMPv1/SNMPv2 notification mapping (RFC 3584). */

/* snmpTraps (1.3.6.1.6.3.1.1.5), under which the six standard traps are numbered 1..6. */
CVSNMP_API extern const CVmibOid _CVsnmp_snmpTraps[];
CVSNMP_API extern const int _CVsnmp_snmpTraps_len;

/* SNMPv2 notification identifier to SNMPv1 trap fields: a standard trap (snmpTraps.1..6) gives
 * enterprise snmpTraps, generic 0..5 and specific 0; any other identifier gives generic 6, the
 * last sub-identifier as specific number and as enterprise the identifier without it (and
 * without the "0" before it, when there is one). *enterprise points to library-owned storage,
 * valid until the next call. 0 on success, -1 when the identifier cannot be mapped. */
CVSNMP_API int _CVsnmpV2EventTypeToV1Enterprise(const CVmibOid *oid, int count,
                                                const CVmibOid **enterprise, int *enterpriseCount,
                                                int *generic, int *specific);

/* SNMPv1 trap fields to the numeric text of the SNMPv2 notification identifier: generic 0..5
 * gives snmpTraps.(generic+1) (the enterprise is not used and may be empty), generic 6 gives
 * enterprise.0.specific, with the enterprise read as a symbolic or numeric name. The buffer
 * holds CVSNMP_OIDSTR_MAX bytes (the N form takes its size); it is written only within them.
 * 0 on success, -1 (and an empty buffer) when the fields cannot be mapped. */
CVSNMP_API int _CVsnmpV1EnterpriseToV2EventTypeStr(const char *enterprise, int generic,
                                                   int specific, char *buffer);
CVSNMP_API int _CVsnmpV1EnterpriseToV2EventTypeStrN(const char *enterprise, int generic,
                                                    int specific, char *buffer, size_t size);

/* Host look-up through the system resolver. */
#define CVSNMP_HOSTNAME_MAX 1025
typedef struct CVsnmpHost {
    char name[CVSNMP_HOSTNAME_MAX];   /* the official (canonical) host name */
    char address[46];                 /* the first address, as text */
    int family;                       /* 4 or 6 */
} CVsnmpHost;

/* Fills *host for a host name or address. 0 on success, -1 when the name does not resolve. */
CVSNMP_API int CVsnmpHostAddress(const char *name, CVsnmpHost *host);

#ifdef __cplusplus
}
#endif

#endif
