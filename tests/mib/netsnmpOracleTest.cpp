// The MIB library held to net-snmp's own library on the same modules: the standard ones, Erlang's
// own, and vendor modules of other Debian packages (Kamailio's, with an identifier given two
// names, and ProFTPD's). Every name of every node, qualified by each module that defines it (and
// by modules that do not), reads as net-snmp reads it, and the facts of each node's description
// agree with what net-snmp's parser says of the node.
//
// net-snmp is asked everything first: it exports a variable Mib of its own, which loading the
// database through cvsnmp sets afterwards.
#include "cvmibdb.h"
#include "cvsnmp.h"
#include "msMibInfo.h"
#include "testenv.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/parse.h>

#include <cctype>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> split(const char *list)
{
    std::vector<std::string> out;
    std::istringstream in(list != nullptr ? list : "");
    for (std::string item; std::getline(in, item, ':');) {
        if (!item.empty()) {
            out.push_back(item);
        }
    }
    return out;
}

std::string numeric(const oid *o, size_t length)
{
    std::string out;
    for (size_t i = 0; i < length; ++i) {
        out += "." + std::to_string(o[i]);
    }
    return out;
}

std::string squeeze(const char *text)
{
    std::string out;
    for (const char *c = text != nullptr ? text : ""; *c; ++c) {
        if (std::isspace(static_cast<unsigned char>(*c))) {
            if (!out.empty() && out.back() != ' ') {
                out.push_back(' ');
            }
        } else {
            out.push_back(*c);
        }
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

bool descriptor(const char *label)
{
    if (label == nullptr || !std::isalpha(static_cast<unsigned char>(*label))) {
        return false;
    }
    for (const char *c = label; *c; ++c) {
        if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != '-' && *c != '_') {
            return false;
        }
    }
    return true;
}

// What net-snmp's parser says of a node, in the terms of a description.
struct Facts {
    std::string module;
    std::string label;
    bool leaf = false;
    std::string baseType;     // the type's text, empty when net-snmp has no type for it
    std::string typeName;     // textual convention
    const char *access = nullptr;
    std::string units;
    std::string description;  // white space squeezed
    bool descriptionCut = false;
    std::vector<std::string> enums, indexes, objects;
};

const char *accessText(int access)
{
    switch (access) {
    case MIB_ACCESS_READONLY: return "Read-Only";
    case MIB_ACCESS_READWRITE: return "Read-Write";
    case MIB_ACCESS_WRITEONLY: return "Write-Only";
    case MIB_ACCESS_NOACCESS: return "Not Accessible";
    case MIB_ACCESS_CREATE: return "Read-Create";
    case MIB_ACCESS_NOTIFY: return "Accessible-For-Notify";
    default: return nullptr;
    }
}

// The type's text: strings shown as text or as hardware addresses by their display hint, or by
// the name of the convention (SMIv1 conventions have no hint).
std::string baseType(const struct tree *t, const std::string &typeName)
{
    std::string hint = t->hint != nullptr ? t->hint : "";
    switch (t->type) {
    case TYPE_OBJID: return "Object Identifier";
    case TYPE_OCTETSTR:
        if (hint == "255a" || typeName == "DisplayString") {
            return "Display String";
        }
        if (hint == "1x:" || typeName == "PhysAddress" || typeName == "MacAddress") {
            return "Physical Address";
        }
        return "Octet String";
    case TYPE_INTEGER:
    case TYPE_INTEGER32: return "Integer";
    case TYPE_NETADDR: return "Network Address";
    case TYPE_IPADDR: return "IP Address";
    case TYPE_COUNTER: return "Counter";
    case TYPE_GAUGE: return "Gauge";
    case TYPE_TIMETICKS: return "Timeticks";
    case TYPE_OPAQUE: return "Opaque";
    case TYPE_NULL: return "Null";
    case TYPE_COUNTER64: return "Counter64";
    case TYPE_BITSTRING: return "Bits";
    case TYPE_UINTEGER:
    case TYPE_UNSIGNED32: return "Unsigned32";
    case TYPE_NOTIFTYPE: return "Notification Type";
    case TYPE_OBJGROUP: return "Object Group";
    case TYPE_NOTIFGROUP: return "Notification Group";
    case TYPE_MODID: return "Module Identity";
    case TYPE_AGENTCAP: return "Agent Capabilities";
    case TYPE_MODCOMP: return "Module Compliance";
    case TYPE_OBJIDENTITY: return "Object Identity";
    default: return "";
    }
}

struct Oracle {
    std::vector<std::string> modules;                 // of the database
    std::map<std::string, std::string> names;         // name -> net-snmp's identifier, "" refused
    std::map<std::string, Facts> facts;               // identifier -> net-snmp's facts
    std::set<std::string> twoLabels;                  // identifiers net-snmp has under two labels
};

Oracle *oracle = nullptr;

int quiet(netsnmp_log_handler *, int, const char *)
{
    return 1;
}

std::string netsnmpRead(const std::string &name)
{
    oid o[MAX_OID_LEN];
    size_t length = MAX_OID_LEN;
    return get_node(name.c_str(), o, &length) ? numeric(o, length) : "";
}

void walk(struct tree *t, oid *path, size_t depth, Oracle &o, std::set<std::string> &names)
{
    for (; t != nullptr; t = t->next_peer) {
        path[depth] = t->subid;
        std::string id = numeric(path, depth + 1);
        for (struct tree *s = t->next_peer; s != nullptr; s = s->next_peer) {
            if (s->subid == t->subid && s->label != nullptr && t->label != nullptr &&
                std::strcmp(s->label, t->label) != 0) {
                o.twoLabels.insert(id);
            }
        }
        if (descriptor(t->label)) {
            char module[256];
            names.insert(t->label);
            names.insert(std::string("ANY::") + t->label);
            names.insert(std::string(module_name(t->modid, module)) + ":" + t->label);
            names.insert(std::string(module_name(t->modid, module)) + "::" + t->label);
            for (int i = 0; i < t->number_modules; ++i) {
                names.insert(std::string(module_name(t->module_list[i], module)) + "::" + t->label);
            }
            Facts f;
            f.module = module_name(t->modid, module);
            f.label = t->label;
            f.leaf = t->child_list == nullptr;
            const char *tc = t->tc_index >= 0 ? get_tc_descriptor(t->tc_index) : nullptr;
            f.typeName = tc != nullptr ? tc : "";
            f.baseType = baseType(t, f.typeName);
            f.access = accessText(t->access);
            f.units = t->units != nullptr ? t->units : "";
            f.description = squeeze(t->description);
            f.descriptionCut = t->description != nullptr && std::strlen(t->description) >= MAXQUOTESTR - 1;
            for (struct enum_list *e = t->enums; e != nullptr; e = e->next) {
                f.enums.push_back(std::string(e->label) + "(" + std::to_string(e->value) + ")");
            }
            for (struct index_list *i = t->indexes; i != nullptr; i = i->next) {
                f.indexes.push_back(std::string(i->isimplied ? "IMPLIED " : "") + i->ilabel);
            }
            if (t->augments != nullptr && *t->augments != '\0') {
                f.objects.push_back(t->augments);
            }
            for (struct varbind_list *v = t->varbinds; v != nullptr; v = v->next) {
                f.objects.push_back(v->vblabel);
            }
            o.facts.emplace(id, f);
        }
        walk(t->child_list, path, depth + 1, o, names);
    }
}

class NetSnmpOracle : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const char *path = std::getenv("CVGUI_ORACLE_MIBDB");
        ASSERT_NE(path, nullptr);
        oracle = new Oracle;
        Oracle &o = *oracle;

        // The database's names, read without the library, which must not load before net-snmp
        // is done.
        int code;
        std::string error;
        auto db = cvmib::Database::loadFile(path, &code, &error);
        ASSERT_TRUE(db) << error;
        std::set<std::string> names;
        for (const auto &m : db->modules()) {
            o.modules.push_back(m.name);
        }
        for (size_t i = 0; i < db->nodeCount(); ++i) {
            const CVmibNode &n = db->nodes()[i];
            std::set<std::string> definers;
            if (n.module != nullptr) {
                definers.insert(n.module);
                names.insert(std::string(n.module) + "::" + n.label);
            }
            for (const CVmibDefinition *d = n.also; d != nullptr; d = d->next) {
                definers.insert(d->module != nullptr ? d->module : "");
                names.insert(std::string(d->module != nullptr ? d->module : "ANY") + "::" + d->label);
            }
            // And through a module that defines nothing of the node.
            const std::string &other = o.modules[(i * 7) % o.modules.size()];
            if (!definers.count(other)) {
                names.insert(other + "::" + n.label);
            }
        }

        netsnmp_log_handler *h = netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
        h->handler = quiet;
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_SAVE_MIB_DESCRS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_PARSE_LABEL, 1);
        netsnmp_init_mib_internals();
        for (const std::string &dir : split(std::getenv("CVGUI_ORACLE_DIRS"))) {
            add_mibdir(dir.c_str());
        }
        std::vector<std::string> files = split(std::getenv("CVGUI_ORACLE_MODULES"));
        ASSERT_GT(files.size(), 30u);
        for (const std::string &file : files) {
            read_mib(file.c_str());
        }
        oid ids[MAX_OID_LEN];
        walk(get_tree_head(), ids, 0, o, names);
        for (const std::string &name : names) {
            o.names[name] = netsnmpRead(name);
        }
    }

    static void TearDownTestSuite()
    {
        delete oracle;
        oracle = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(oracle, nullptr);
        setEnv("CVMIBFILE", std::getenv("CVGUI_ORACLE_MIBDB"));
        ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();
    }

    static std::string read(const std::string &name)
    {
        CVmibOid oid[CVMIB_MAX_OID];
        int count = CVMIB_MAX_OID;
        return CVmib_read_objid(name.c_str(), oid, &count) == 0 ? CVmibGetNumericObjidStr(oid, count) : "";
    }
};

TEST_F(NetSnmpOracle, EveryNameReadsAsNetSnmpReadsIt)
{
    size_t qualified = 0, refused = 0, differ = 0;
    for (const auto &[name, expected] : oracle->names) {
        std::string ours = read(name);
        if (ours != expected && ++differ <= 20) {
            ADD_FAILURE() << name << ": net-snmp reads \"" << expected << "\", the library \"" << ours << "\"";
        }
        qualified += name.find(':') != std::string::npos;
        refused += expected.empty();
    }
    EXPECT_EQ(differ, 0u) << "of " << oracle->names.size() << " names";
    // The ones that did not read before each node kept every module and label.
    EXPECT_EQ(read("RFC1213-MIB::ifInOctets"), ".1.3.6.1.2.1.2.2.1.10");
    EXPECT_EQ(read("STANDARD-MIB::system"), ".1.3.6.1.2.1.1");
    EXPECT_EQ(read("KAMAILIO-MIB::kamailioNetTcpAsyncWqBlkSize"), read("kamailioNetTcpAsyncWqMax"));
    EXPECT_NE(read("kamailioNetTcpAsyncWqBlkSize"), "");
    // Enough of each kind to mean something.
    EXPECT_GT(qualified, 1500u);
    EXPECT_GT(refused, 300u);
}

TEST_F(NetSnmpOracle, FactsOfEachNodeAgreeWithNetSnmp)
{
    size_t compared = 0, objects = 0, withTypeName = 0;
    for (const auto &[id, f] : oracle->facts) {
        MsMibInfo info;
        ASSERT_EQ(msGetMibInfo(id.c_str(), &info), 0) << id << " " << f.label;
        // Facts come from one definition; where net-snmp kept another module's, or a second
        // label's, there is nothing to hold them to.
        if (info.node->module == nullptr || f.module != info.node->module || f.label != info.node->label ||
            oracle->twoLabels.count(id)) {
            continue;
        }
        SCOPED_TRACE(f.module + "::" + f.label + " " + id);
        ++compared;
        EXPECT_EQ(info.leaf, f.leaf ? 1 : 0);
        EXPECT_STREQ(info.accessText, info.type == CVMIB_T_NONE ? nullptr : f.access);
        if (!f.baseType.empty()) {
            ++objects;
            std::string text = info.typeText;
            std::string expected = f.baseType;
            if (!f.typeName.empty() && f.typeName != f.baseType) {
                expected = f.typeName + "  (" + f.baseType + ") ";
                ++withTypeName;
            }
            EXPECT_EQ(text.substr(0, expected.size()), expected) << text;
        }
        EXPECT_EQ(info.units != nullptr ? info.units : "", f.units);
        std::string description = squeeze(info.description);
        if (f.descriptionCut) {
            description = description.substr(0, f.description.size());
        }
        EXPECT_EQ(description, f.description);
        std::vector<std::string> enums, indexes, objectNames;
        for (const CVmibEnum *e = info.enums; e != nullptr; e = e->next) {
            enums.push_back(std::string(e->name) + "(" + std::to_string(e->number) + ")");
        }
        for (const auto &[list, out] : {std::make_pair(info.indexes, &indexes), std::make_pair(info.objects, &objectNames)}) {
            const CVmibName *e = list;
            if (e != nullptr) {
                do {
                    out->push_back(std::string(e->implied ? "IMPLIED " : "") + e->name);
                    e = e->next;
                } while (e != list);
            }
        }
        EXPECT_EQ(enums, f.enums);
        EXPECT_EQ(indexes, f.indexes);
        EXPECT_EQ(objectNames, f.objects);
    }
    EXPECT_GT(compared, 1000u);
    EXPECT_GT(objects, 700u);
    EXPECT_GT(withTypeName, 100u);
}

} // namespace
