// SNMPv1 traps and SNMPv2 notifications, mapped both ways as RFC 3584 (section 3) does.
#include "cvsnmp.h"

#include <cstdio>
#include <cstring>

extern "C" {
const CVmibOid _CVsnmp_snmpTraps[] = {1, 3, 6, 1, 6, 3, 1, 1, 5};
const int _CVsnmp_snmpTraps_len = sizeof _CVsnmp_snmpTraps / sizeof _CVsnmp_snmpTraps[0];
}

namespace {

// The generic traps coldStart(0) .. egpNeighborLoss(5) are snmpTraps.1 .. snmpTraps.6.
const int kStandardTraps = 6;
const int kEnterpriseSpecific = 6;

bool isStandardTrap(const CVmibOid *oid, int count)
{
    return count == _CVsnmp_snmpTraps_len + 1 &&
           std::memcmp(oid, _CVsnmp_snmpTraps, sizeof _CVsnmp_snmpTraps) == 0 &&
           oid[count - 1] >= 1 && oid[count - 1] <= static_cast<CVmibOid>(kStandardTraps);
}

} // namespace

extern "C" int _CVsnmpV2EventTypeToV1Enterprise(const CVmibOid *oid, int count,
                                                const CVmibOid **enterprise, int *enterpriseCount,
                                                int *generic, int *specific)
{
    static CVmibOid storage[CVMIB_MAX_OID];
    if (oid == nullptr || count < 2 || count > CVMIB_MAX_OID || enterprise == nullptr ||
        enterpriseCount == nullptr || generic == nullptr || specific == nullptr) {
        return -1;
    }
    if (isStandardTrap(oid, count)) {
        std::memcpy(storage, _CVsnmp_snmpTraps, sizeof _CVsnmp_snmpTraps);
        *enterprise = storage;
        *enterpriseCount = _CVsnmp_snmpTraps_len;
        *generic = static_cast<int>(oid[count - 1]) - 1;
        *specific = 0;
        return 0;
    }
    // The specific-trap field is an INTEGER of 0..2147483647: a larger last sub-identifier has
    // no SNMPv1 form.
    if (oid[count - 1] > 0x7fffffffu) {
        return -1;
    }
    int length = count - 1;
    if (length >= 2 && oid[length - 1] == 0) {
        --length;
    }
    std::memmove(storage, oid, sizeof(CVmibOid) * length);
    *enterprise = storage;
    *enterpriseCount = length;
    *generic = kEnterpriseSpecific;
    *specific = static_cast<int>(oid[count - 1]);
    return 0;
}

extern "C" int _CVsnmpV1EnterpriseToV2EventTypeStrN(const char *enterprise, int generic,
                                                    int specific, char *buffer, size_t size)
{
    if (buffer == nullptr || size == 0) {
        return -1;
    }
    buffer[0] = '\0';
    CVmibOid oid[CVMIB_MAX_OID];
    int count;
    if (generic >= 0 && generic < kStandardTraps) {
        std::memcpy(oid, _CVsnmp_snmpTraps, sizeof _CVsnmp_snmpTraps);
        count = _CVsnmp_snmpTraps_len;
        oid[count++] = static_cast<CVmibOid>(generic + 1);
    } else if (generic == kEnterpriseSpecific && specific >= 0) {
        count = CVMIB_MAX_OID - 2; // room for ".0.specific"
        if (enterprise == nullptr || CVmib_read_objid(enterprise, oid, &count) != 0) {
            return -1;
        }
        oid[count++] = 0;
        oid[count++] = static_cast<CVmibOid>(specific);
    } else {
        return -1;
    }
    const char *text = CVmibGetNumericObjidStr(oid, count);
    size_t length = std::strlen(text);
    if (length >= size) {
        return -1;
    }
    std::memcpy(buffer, text, length + 1);
    return 0;
}

extern "C" int _CVsnmpV1EnterpriseToV2EventTypeStr(const char *enterprise, int generic,
                                                   int specific, char *buffer)
{
    return _CVsnmpV1EnterpriseToV2EventTypeStrN(enterprise, generic, specific, buffer,
                                                CVSNMP_OIDSTR_MAX);
}
