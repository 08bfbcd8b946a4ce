// The rows of the event description: the event's identifiers in symbolic and numeric form and
// its SNMPv1 trap fields, derived through the MIB library.
#include "descEventRows.h"

#include "cvFormat.h"
#include "cvMsgIds.h"
#include "cvsnmp.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const int kEnterpriseSpecific = 6;
const int kSourcesSize = 300; // the event library's sources text

using cvcommon::format;

std::string orEmpty(const char *text)
{
    return text != nullptr ? text : "";
}

// An identifier read and mapped to its SNMPv1 fields.
struct Identifier {
    std::string given;   // as given, without a final ".*"
    bool wild = false;   // it ended in "*"
    std::string numeric, symbolic;
    std::string numericEnterprise, symbolicEnterprise;
    int generic = 0;
    int specific = 0;
};

// Reads text into id; false (after the warning) when the MIB library cannot read or map it.
bool readIdentifier(const std::string &text, Identifier &id, CVDescribeEventWarnProc warn)
{
    id.given = text;
    if (!text.empty() && text.back() == '*') {
        id.wild = true;
        id.given.erase(text.size() >= 2 ? text.size() - 2 : 0);
    }
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    const CVmibOid *enterprise = nullptr;
    int enterpriseCount = 0;
    if (CVmib_read_objid(id.given.c_str(), oid, &count) != 0 ||
        _CVsnmpV2EventTypeToV1Enterprise(oid, count, &enterprise, &enterpriseCount, &id.generic, &id.specific) != 0) {
        warn(format(cvMsg(CVMSG_EVD_BAD_EVENT_TYPE), text.c_str()).c_str());
        return false;
    }
    // Each text is copied at once: the MIB library's results last until its next call.
    id.numeric = CVmibGetNumericObjidStr(oid, count);
    id.symbolic = CVmib_get_objid_name(oid, count);
    id.numericEnterprise = CVmibGetNumericObjidStr(enterprise, enterpriseCount);
    id.symbolicEnterprise = CVmib_get_objid_name(enterprise, enterpriseCount);
    return true;
}

// The numeric identifier of a standard trap, as its SNMPv1 fields give it.
std::string standardTrapIdentifier(int generic, int specific)
{
    char buffer[CVSNMP_OIDSTR_MAX];
    if (_CVsnmpV1EnterpriseToV2EventTypeStr("", generic, specific, buffer) != 0) {
        return std::string();
    }
    return buffer;
}

class Rows {
public:
    void add(CvMsgId label, std::string value)
    {
        if (count_ < CV_DESCEVENT_ROWS) {
            values_[count_] = std::move(value);
            rows_[count_] = label_edit_info{0, cvMsg(label), nullptr, 0, 0};
            count_++;
        }
    }
    label_edit_info *rows()
    {
        for (int i = 0; i < count_; i++) {
            rows_[i].value = values_[i].c_str();
        }
        return rows_;
    }
    int count() const { return count_; }

private:
    label_edit_info rows_[CV_DESCEVENT_ROWS] = {};
    std::string values_[CV_DESCEVENT_ROWS];
    int count_ = 0;
};

} // namespace

void cvDescribeEventRows(trap_record *trap, const char *eventType, char showReceived, const char *receivedType,
                         unsigned int objectId, const char *ackBy, const char *uuid,
                         CVDescribeEventDisplayProc display, CVDescribeEventWarnProc warn)
{
    trap_record none = {};
    if (trap == nullptr) {
        trap = &none;
    }
    // A tool that has not loaded the MIB yet still gets names; a failed load leaves numbers.
    CVmib_load_mib();

    Identifier configured;
    std::string type = orEmpty(eventType);
    if (!type.empty()) {
        if (!readIdentifier(type, configured, warn)) {
            return;
        }
        if (configured.wild) {
            configured.numericEnterprise = configured.given;
            configured.symbolicEnterprise = configured.symbolic;
            configured.specific = -1;
        } else if (configured.generic != kEnterpriseSpecific) {
            // A standard trap: snmpTraps.(generic + 1) both ways.
            configured.numeric = standardTrapIdentifier(configured.generic, configured.specific);
            configured.symbolic = format("%s.%d", CVmib_get_objid_name(_CVsnmp_snmpTraps, _CVsnmp_snmpTraps_len),
                                         configured.generic + 1);
        }
    }

    Rows rows;
    std::string title = format(cvMsg(CVMSG_EVD_TITLE), orEmpty(trap->name).c_str());
    rows.add(CVMSG_EVD_EVENT_NAME, orEmpty(trap->name));
    rows.add(CVMSG_EVD_SEVERITY, severityToString(trap->severity));
    char sources[kSourcesSize];
    trpFmtSprintNodes(trap, sources, sizeof sources);
    rows.add(CVMSG_EVD_SOURCES, sources);

    const char *wildSuffix = configured.wild || trap->wildcard != 0 ? ".*" : "";
    rows.add(CVMSG_EVD_EVENT_ID, configured.symbolic + wildSuffix);
    if (configured.symbolic != configured.numeric) {
        rows.add(CVMSG_EVD_EVENT_ID_NUMERIC, configured.numeric + wildSuffix);
    }
    if (!type.empty()) {
        rows.add(CVMSG_EVD_GENERIC_TRAP, format("%s (%d)", genericTrapName(configured.generic), configured.generic));
        if (configured.generic == kEnterpriseSpecific) {
            rows.add(CVMSG_EVD_SPECIFIC_TRAP, format("%d", configured.specific));
            if (configured.specific > 64) {
                rows.add(CVMSG_EVD_SPECIFIC_TRAP_HEX,
                         format(cvMsg(CVMSG_EVD_HEX_FORMAT), static_cast<unsigned int>(configured.specific)));
            }
        }
    }
    if (!configured.symbolicEnterprise.empty()) {
        rows.add(CVMSG_EVD_ENTERPRISE, configured.symbolicEnterprise);
    }
    if (!type.empty() && configured.symbolicEnterprise != configured.numericEnterprise) {
        rows.add(CVMSG_EVD_ENTERPRISE_NUMERIC, configured.numericEnterprise);
    }

    std::string received = orEmpty(receivedType);
    if (showReceived && received != configured.given) {
        Identifier got;
        if (!readIdentifier(received, got, warn)) {
            return;
        }
        std::string text = got.given;
        if (got.wild) {
            text += ".*";
        } else if (got.generic != kEnterpriseSpecific) {
            text = standardTrapIdentifier(got.generic, got.specific);
        }
        rows.add(CVMSG_EVD_RECEIVED_TYPE, text);
        if (got.generic != configured.generic) {
            rows.add(CVMSG_EVD_RECEIVED_GENERIC, format("%d", got.generic));
        }
        if (got.specific != configured.specific) {
            rows.add(CVMSG_EVD_RECEIVED_SPECIFIC, format("%d", got.specific));
        }
        if (got.numericEnterprise != configured.numericEnterprise) {
            rows.add(CVMSG_EVD_RECEIVED_ENTERPRISE, got.numericEnterprise);
        }
    }

    if (objectId != 0) {
        // Map identifiers run to 4294967295: shown unsigned.
        rows.add(CVMSG_EVD_OBJECT_ID, format("%u", objectId));
    }
    if (ackBy != nullptr && *ackBy != '\0') {
        rows.add(CVMSG_EVD_ACKNOWLEDGED_BY, ackBy);
    }
    if (uuid != nullptr && *uuid != '\0') {
        rows.add(CVMSG_EVD_INSTANCE, uuid);
    }

    if (display != nullptr) {
        display(title.c_str(), rows.rows(), rows.count(), orEmpty(trap->description).c_str());
    }
}
