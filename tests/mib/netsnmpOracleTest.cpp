// The MIB library held to net-snmp's own library on the same modules (the standard ones, Erlang's,
// Kamailio's with an identifier of two labels, ProFTPD's): every name of every node reads as
// net-snmp reads it, and each node's facts agree with what net-snmp's parser says. net-snmp is
// asked everything first: it exports a variable Mib of its own, which loading through cvsnmp sets.
#include "mibTestTree.h"
#include "msMibInfo.h"

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
        out.push_back(item);
    }
    return out;
}

std::string squeeze(const char *text)
{
    std::istringstream in(text != nullptr ? text : "");
    std::string out, word;
    while (in >> word) {
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

struct Facts {
    std::string module, label, type, typeName, units, description;
    bool leaf = false, cut = false;
    const char *access = nullptr;
    std::vector<std::string> enums, lists;
};

const char *accessText(int access)
{
    const std::map<int, const char *> texts = {
        {MIB_ACCESS_READONLY, "Read-Only"}, {MIB_ACCESS_READWRITE, "Read-Write"},
        {MIB_ACCESS_WRITEONLY, "Write-Only"}, {MIB_ACCESS_NOACCESS, "Not Accessible"},
        {MIB_ACCESS_CREATE, "Read-Create"}, {MIB_ACCESS_NOTIFY, "Accessible-For-Notify"}};
    auto it = texts.find(access);
    return it != texts.end() ? it->second : nullptr;
}

// The type's text; strings show as text or hardware addresses by their display hint, or by the
// convention's name (SMIv1 conventions have no hint). Empty where net-snmp has no type.
std::string typeText(const struct tree *t, const std::string &tc)
{
    std::string hint = t->hint != nullptr ? t->hint : "";
    if (t->type == TYPE_OCTETSTR) {
        return hint == "255a" || tc == "DisplayString" ? "Display String"
               : hint == "1x:" || tc == "PhysAddress" || tc == "MacAddress" ? "Physical Address"
                                                                             : "Octet String";
    }
    const std::map<int, const char *> texts = {
        {TYPE_OBJID, "Object Identifier"}, {TYPE_INTEGER, "Integer"}, {TYPE_INTEGER32, "Integer"},
        {TYPE_NETADDR, "Network Address"}, {TYPE_IPADDR, "IP Address"}, {TYPE_COUNTER, "Counter"},
        {TYPE_GAUGE, "Gauge"}, {TYPE_TIMETICKS, "Timeticks"}, {TYPE_OPAQUE, "Opaque"}, {TYPE_NULL, "Null"},
        {TYPE_COUNTER64, "Counter64"}, {TYPE_BITSTRING, "Bits"}, {TYPE_UINTEGER, "Unsigned32"},
        {TYPE_UNSIGNED32, "Unsigned32"}, {TYPE_NOTIFTYPE, "Notification Type"}, {TYPE_OBJGROUP, "Object Group"},
        {TYPE_NOTIFGROUP, "Notification Group"}, {TYPE_MODID, "Module Identity"},
        {TYPE_AGENTCAP, "Agent Capabilities"}, {TYPE_MODCOMP, "Module Compliance"},
        {TYPE_OBJIDENTITY, "Object Identity"}};
    auto it = texts.find(t->type);
    return it != texts.end() ? it->second : "";
}

std::map<std::string, std::string> names; // name -> net-snmp's identifier, "" when it refuses
std::map<std::string, Facts> facts;       // identifier -> net-snmp's facts of the node
std::set<std::string> twoLabels;          // identifiers net-snmp holds under two labels

void walk(struct tree *t, std::string id, std::set<std::string> &asked)
{
    for (; t != nullptr; t = t->next_peer) {
        std::string here = id + "." + std::to_string(t->subid);
        for (struct tree *s = t->next_peer; s != nullptr; s = s->next_peer) {
            if (s->subid == t->subid) { // net-snmp joins the definitions of one label
                twoLabels.insert(here);
            }
        }
        // Descriptors only: net-snmp names the anonymous enterprise.0 of SMIv1 traps "snmp#".
        std::string label = t->label != nullptr ? t->label : "";
        if (!label.empty() && std::isalpha(static_cast<unsigned char>(label[0])) &&
            label.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_") ==
                std::string::npos) {
            char module[256];
            Facts &f = facts[here];
            f.module = module_name(t->modid, module);
            f.label = t->label;
            for (const std::string &name : {f.label, "ANY::" + f.label, f.module + ":" + f.label}) {
                asked.insert(name);
            }
            for (int i = -1; i < t->number_modules; ++i) {
                asked.insert(std::string(module_name(i < 0 ? t->modid : t->module_list[i], module)) + "::" + f.label);
            }
            const char *tc = t->tc_index >= 0 ? get_tc_descriptor(t->tc_index) : nullptr;
            f.typeName = tc != nullptr ? tc : "";
            f.type = typeText(t, f.typeName);
            f.leaf = t->child_list == nullptr;
            f.access = accessText(t->access);
            f.units = t->units != nullptr ? t->units : "";
            f.description = squeeze(t->description);
            f.cut = t->description != nullptr && std::strlen(t->description) >= MAXQUOTESTR - 1;
            for (struct enum_list *e = t->enums; e != nullptr; e = e->next) {
                f.enums.push_back(std::string(e->label) + "(" + std::to_string(e->value) + ")");
            }
            for (struct index_list *i = t->indexes; i != nullptr; i = i->next) {
                f.lists.push_back(std::string(i->isimplied ? "IMPLIED " : "") + i->ilabel);
            }
            if (t->augments != nullptr && *t->augments != '\0') {
                f.lists.push_back(t->augments);
            }
            for (struct varbind_list *v = t->varbinds; v != nullptr; v = v->next) {
                f.lists.push_back(v->vblabel);
            }
        }
        walk(t->child_list, here, asked);
    }
}

int quiet(netsnmp_log_handler *, int, const char *)
{
    return 1;
}

class NetSnmpOracle : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The database's own names, and each through a module that does not define the node,
        // read from the file without the library.
        int code;
        std::string error;
        auto db = cvmib::Database::loadFile(getenv("CVGUI_ORACLE_MIBDB"), &code, &error);
        ASSERT_TRUE(db) << error;
        std::set<std::string> asked;
        for (size_t i = 0; i < db->nodeCount(); ++i) {
            const CVmibNode &n = db->nodes()[i];
            asked.insert(std::string(n.module ? n.module : "ANY") + "::" + n.label);
            asked.insert(std::string(db->modules()[(i * 7) % db->modules().size()].name) + "::" + n.label);
            for (const CVmibDefinition *d = n.also; d != nullptr; d = d->next) {
                asked.insert(std::string(d->module ? d->module : "ANY") + "::" + d->label);
            }
        }

        netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG)->handler = quiet;
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_SAVE_MIB_DESCRS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_PARSE_LABEL, 1);
        netsnmp_init_mib_internals();
        for (const std::string &dir : split(getenv("CVGUI_ORACLE_DIRS"))) {
            add_mibdir(dir.c_str());
        }
        for (const std::string &file : split(getenv("CVGUI_ORACLE_MODULES"))) {
            read_mib(file.c_str());
        }
        walk(get_tree_head(), "", asked);
        for (const std::string &name : asked) {
            oid o[MAX_OID_LEN];
            size_t length = MAX_OID_LEN;
            std::string &id = names[name];
            for (size_t i = 0; get_node(name.c_str(), o, &length) && i < length; ++i) {
                id += "." + std::to_string(o[i]);
            }
        }
    }

    void SetUp() override { mibtest::loadMib(getenv("CVGUI_ORACLE_MIBDB")); }

    // The identifier the library reads, "" where it refuses the name (as net-snmp's are kept).
    static std::string read(const std::string &name)
    {
        std::string id = mibtest::readName(name.c_str());
        return id == "unreadable" ? "" : id;
    }
};

TEST_F(NetSnmpOracle, EveryNameReadsAsNetSnmpReadsIt)
{
    size_t differ = 0, refused = 0;
    for (const auto &[name, expected] : names) {
        std::string ours = read(name);
        if (ours != expected && ++differ <= 20) {
            ADD_FAILURE() << name << ": net-snmp reads \"" << expected << "\", the library \"" << ours << "\"";
        }
        refused += expected.empty();
    }
    EXPECT_EQ(differ, 0u) << "of " << names.size() << " names";
    EXPECT_GT(names.size(), 5000u);
    EXPECT_GT(refused, 300u);
    EXPECT_EQ(read("RFC1213-MIB::ifInOctets"), ".1.3.6.1.2.1.2.2.1.10");
    EXPECT_EQ(read("STANDARD-MIB::system"), ".1.3.6.1.2.1.1");
    EXPECT_EQ(read("KAMAILIO-MIB::kamailioNetTcpAsyncWqBlkSize"), ".1.3.6.1.4.1.34352.3.1.3.1.4.1.3.12");
}

TEST_F(NetSnmpOracle, FactsOfEachNodeAgreeWithNetSnmp)
{
    size_t compared = 0, typed = 0;
    for (const auto &[id, f] : facts) {
        MsMibInfo info;
        ASSERT_EQ(msGetMibInfo(id.c_str(), &info), 0) << id;
        // The facts are one definition's: compare where both kept the same one.
        if (info.node->module == nullptr || f.module != info.node->module || f.label != info.node->label ||
            twoLabels.count(id)) {
            continue;
        }
        SCOPED_TRACE(f.module + "::" + f.label);
        ++compared;
        EXPECT_EQ(info.leaf, f.leaf ? 1 : 0);
        EXPECT_STREQ(info.accessText, info.type == CVMIB_T_NONE ? nullptr : f.access);
        if (!f.type.empty()) {
            ++typed;
            std::string expected = f.typeName.empty() ? f.type : f.typeName + "  (" + f.type + ") ";
            EXPECT_EQ(std::string(info.typeText).substr(0, expected.size()), expected);
        }
        EXPECT_EQ(info.units != nullptr ? info.units : "", f.units);
        EXPECT_EQ(squeeze(info.description).substr(0, f.cut ? f.description.size() : std::string::npos),
                  f.description);
        std::vector<std::string> lists = mibtest::nameTexts(info.indexes), objects = mibtest::nameTexts(info.objects);
        lists.insert(lists.end(), objects.begin(), objects.end());
        EXPECT_EQ(mibtest::enumTexts(info.enums), f.enums);
        EXPECT_EQ(lists, f.lists);
    }
    EXPECT_GT(compared, 1000u);
    EXPECT_GT(typed, 700u);
}

} // namespace
