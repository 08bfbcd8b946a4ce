// The facts of a MIB object from the loaded MIB, with the catalogue's type and access texts.
#include "msMibInfo.h"
#include "msMibInfoCore.h"
#include "cvFormat.h"
#include "cvMsgIds.h"

#include <cstring>

namespace {

constexpr int kTypeCount = CVMIB_T_LAST + 1;
constexpr int kAccessCount = CVMIB_A_NOTIFY + 1;

// The catalogue's texts, copied once on the first call. Code 18 has no text of its own.
struct Tables {
    std::string type[kTypeCount];
    bool hasType[kTypeCount] = {};
    std::string access[kAccessCount];
    std::string unknown;
    std::string nameWithText;
};

const Tables &tables()
{
    static const Tables t = [] {
        static const CvMsgId types[kTypeCount] = {
            CVMSG_TYPE_PARTIAL_NAME, CVMSG_TYPE_OBJECT_ID, CVMSG_TYPE_OCTET_STRING,
            CVMSG_TYPE_INTEGER, CVMSG_TYPE_NETWORK_ADDRESS, CVMSG_TYPE_IP_ADDRESS,
            CVMSG_TYPE_COUNTER, CVMSG_TYPE_GAUGE, CVMSG_TYPE_TIMETICKS, CVMSG_TYPE_OPAQUE,
            CVMSG_TYPE_NULL, CVMSG_TYPE_DISPLAY_STRING, CVMSG_TYPE_PHYSICAL_ADDRESS,
            CVMSG_TYPE_USER_DEFINED, CVMSG_TYPE_SEQUENCE_OF, CVMSG_TYPE_SEQUENCE,
            CVMSG_TYPE_MODULE_IDENTITY, CVMSG_TYPE_OBJECT_IDENTITY, CVMSG_UNKNOWN,
            CVMSG_TYPE_NOTIFICATION_TYPE, CVMSG_TYPE_MODULE_COMPLIANCE, CVMSG_TYPE_OBJECT_GROUP,
            CVMSG_TYPE_AGENT_CAPABILITIES, CVMSG_TYPE_COUNTER64, CVMSG_TYPE_BITS,
            CVMSG_TYPE_NOTIFICATION_GROUP, CVMSG_TYPE_UNSIGNED32};
        static const CvMsgId accesses[kAccessCount] = {
            CVMSG_ACCESS_READ_ONLY, CVMSG_ACCESS_READ_WRITE, CVMSG_ACCESS_WRITE_ONLY,
            CVMSG_ACCESS_NOT_ACCESSIBLE, CVMSG_ACCESS_READ_CREATE, CVMSG_ACCESS_FOR_NOTIFY};
        Tables built;
        for (int i = 0; i < kTypeCount; ++i) {
            built.type[i] = cvMsg(types[i]);
            built.hasType[i] = types[i] != CVMSG_UNKNOWN;
        }
        for (int i = 0; i < kAccessCount; ++i) {
            built.access[i] = cvMsg(accesses[i]);
        }
        built.unknown = cvMsg(CVMSG_UNKNOWN);
        built.nameWithText = cvMsg(CVMSG_TYPE_NAME_WITH_TEXT);
        return built;
    }();
    return t;
}

char typeTextBuffer[MS_TYPE_TEXT_SIZE];

// A catalogue format with two texts. A translated format that does not take exactly two
// strings is not trusted with them: the name and the text are then joined plainly.
std::string formatTwo(const std::string &format, const char *a, const char *b)
{
    int strings = 0;
    bool other = false;
    for (size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] == '%') {
            char c = format[++i];
            strings += c == 's';
            other = other || (c != 's' && c != '%');
        }
    }
    if (strings != 2 || other) {
        return std::string(a) + "  (" + b + ") ";
    }
    return cvcommon::format(format.c_str(), a, b);
}

// Copies text into the shared buffer; a text too long is cut before the UTF-8 character that
// would not fit whole.
const char *keep(const std::string &text)
{
    size_t n = text.size();
    if (n >= sizeof typeTextBuffer) {
        n = sizeof typeTextBuffer - 1;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xc0) == 0x80) {
            --n;
        }
    }
    std::memcpy(typeTextBuffer, text.data(), n);
    typeTextBuffer[n] = '\0';
    return typeTextBuffer;
}

std::string typeText(const Tables &t, int type, const char *typeName, const char *suffix)
{
    if (type < 0 || type >= kTypeCount) {
        return t.unknown;
    }
    bool hasName = typeName != nullptr && *typeName != '\0';
    bool hasSuffix = suffix != nullptr && *suffix != '\0';
    if (hasName) {
        if (type == CVMIB_T_USERDEFINED || type == CVMIB_T_SEQUENCEOF || type == 18) {
            return typeName;
        }
        return formatTwo(t.nameWithText, typeName, t.type[type].c_str()) + (hasSuffix ? suffix : "");
    }
    if (!t.hasType[type]) {
        return t.unknown;
    }
    return t.type[type] + (hasSuffix ? std::string(" ") + suffix : std::string());
}

} // namespace

extern "C" int msGetMibInfo(const char *name, MsMibInfo *info)
{
    if (info == nullptr) {
        return -1;
    }
    std::memset(info, 0, sizeof *info);
    if (name == nullptr || (Mib == nullptr && CVmib_load_mib() != 0)) {
        return -1;
    }
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    if (CVmib_read_objid(name, oid, &count) != 0) {
        return -1;
    }
    return msGetMibInfoFromOID(oid, count, info);
}

extern "C" int msGetMibInfoFromOID(const CVmibOid *oid, int length, MsMibInfo *info)
{
    const Tables &t = tables();
    if (info == nullptr) {
        return -1;
    }
    std::memset(info, 0, sizeof *info);
    const CVmibNode *node = oid != nullptr ? CVmib_getTreeByObjId(oid, length, Mib) : nullptr;
    if (node == nullptr) {
        return -1;
    }
    info->leaf = node->child == nullptr;
    info->type = node->type;
    info->access = node->access;
    info->status = node->status;
    info->units = node->units;
    info->typeSuffix = node->typeSuffix;
    info->indexes = node->indexes;
    info->objects = node->objects;
    info->description = node->description;
    info->enums = node->enums;
    info->node = node;
    info->typeText = keep(typeText(t, node->type, node->typeName, node->typeSuffix));
    if (node->access == CVMIB_A_NONE) {
        info->accessText = nullptr;
    } else if (node->access >= 0 && node->access < kAccessCount) {
        info->accessText = t.access[node->access].c_str();
    } else {
        info->accessText = t.unknown.c_str();
    }
    return 0;
}

int msMibInfoTemplate(const MsMibInfo &info)
{
    if (info.type == CVMIB_T_NONE) {
        return MS_DESC_NODE_TEMPLATE;
    }
    return info.enums != nullptr ? MS_DESC_ENUMS_TEMPLATE : MS_DESC_OBJECT_TEMPLATE;
}

std::vector<std::string> msMibInfoEnumLines(const MsMibInfo &info)
{
    std::vector<std::string> lines;
    for (const CVmibEnum *e = info.enums; e != nullptr; e = e->next) {
        lines.push_back(std::string(e->name) + " (" + std::to_string(e->number) + ")");
    }
    return lines;
}

std::string msMibInfoNameList(const CVmibName *head)
{
    std::string out;
    const CVmibName *e = head;
    if (e != nullptr) {
        do {
            out += (out.empty() ? "" : ", ") + std::string(e->name);
            e = e->next;
        } while (e != head && e != nullptr);
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> msMibInfoRows(const MsMibInfo &info)
{
    std::vector<std::pair<std::string, std::string>> rows;
    if (info.units != nullptr) {
        rows.emplace_back(cvMsg(CVMSG_DESC_UNITS), info.units);
    }
    if (info.indexes != nullptr) {
        rows.emplace_back(cvMsg(CVMSG_DESC_INDEX), msMibInfoNameList(info.indexes));
    } else if (info.objects != nullptr) {
        rows.emplace_back(cvMsg(info.type == CVMIB_T_NOTIFTYPE ? CVMSG_DESC_OBJECTS : CVMSG_DESC_AUGMENTS),
                          msMibInfoNameList(info.objects));
    }
    return rows;
}
