// A small MIB built in the test, shaped like the standard tree, for tests that need no compiler,
// and the look-ups the MIB tests share.
#ifndef CVGUI_MIBTESTTREE_H
#define CVGUI_MIBTESTTREE_H

#include "cvmibdb.h"
#include "cvsnmp.h"
#include "testenv.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace mibtest {

class TreeBuilder {
public:
    explicit TreeBuilder(cvmib::Model &model) : model_(model) {}

    // Adds a node under the node labelled `parent` (empty: top level) and returns its index.
    uint32_t add(const std::string &parent, uint32_t subid, const std::string &label,
                 int type = CVMIB_T_NONE, int access = CVMIB_A_NONE)
    {
        cvmib::NodeSpec node;
        node.parent = parent.empty() ? cvmib::kNone : find(parent);
        node.subid = subid;
        node.label = label;
        node.type = type;
        node.access = access;
        node.module = module_;
        model_.nodes.push_back(node);
        return static_cast<uint32_t>(model_.nodes.size() - 1);
    }

    cvmib::NodeSpec &node(const std::string &label) { return model_.nodes[find(label)]; }

    // A further definition of the node labelled `label`: the label `as` in the module named
    // (added to the model when it has no such module yet).
    void also(const std::string &label, const std::string &as, const std::string &moduleName)
    {
        uint32_t index = 0;
        while (index < model_.modules.size() && model_.modules[index].name != moduleName) {
            ++index;
        }
        if (index == model_.modules.size()) {
            uint32_t current = module_;
            module(moduleName);
            module_ = current;
        }
        node(label).also.push_back({as, index});
    }

    void module(const std::string &name, bool added = true)
    {
        cvmib::ModuleSpec m;
        m.name = name;
        m.file = "/mibs/" + name + ".mib";
        m.added = added;
        m.source = name + " DEFINITIONS ::= BEGIN END\n";
        model_.modules.push_back(m);
        module_ = static_cast<uint32_t>(model_.modules.size() - 1);
    }

private:
    uint32_t find(const std::string &label)
    {
        for (size_t i = model_.nodes.size(); i-- > 0;) {
            if (model_.nodes[i].label == label) {
                return static_cast<uint32_t>(i);
            }
        }
        ADD_FAILURE() << "no node " << label;
        return 0;
    }

    cvmib::Model &model_;
    uint32_t module_ = cvmib::kNone;
};

// iso.org.dod.internet with parts of mib-2 (system, interfaces), enterprises and snmpTraps,
// beside the other two top-level arcs.
inline cvmib::Model standardTree()
{
    cvmib::Model model;
    TreeBuilder t(model);
    t.module("SNMPv2-SMI", false);
    t.add("", 1, "iso");
    t.add("", 0, "ccitt"); // out of order on purpose: the file keeps siblings sorted
    t.add("", 2, "joint-iso-ccitt");
    t.add("iso", 3, "org");
    t.add("org", 6, "dod");
    t.add("dod", 1, "internet");
    t.add("internet", 2, "mgmt");
    t.add("mgmt", 1, "mib-2");
    t.add("internet", 4, "private");
    t.add("private", 1, "enterprises");
    t.add("internet", 6, "snmpV2");
    t.add("snmpV2", 3, "snmpModules");

    t.module("SNMPv2-MIB");
    t.add("mib-2", 1, "system");
    t.add("system", 1, "sysDescr", CVMIB_T_DISPLAYSTR, CVMIB_A_READONLY);
    cvmib::NodeSpec &descr = t.node("sysDescr");
    descr.typeName = "DisplayString";
    descr.typeSuffix = "(SIZE (0..255))";
    descr.description = "A textual description of the entity.";
    descr.status = CVMIB_S_CURRENT;
    t.add("system", 3, "sysUpTime", CVMIB_T_TIMETICKS, CVMIB_A_READONLY);
    t.add("system", 2, "sysObjectID", CVMIB_T_OBJID, CVMIB_A_READONLY);
    t.add("snmpModules", 1, "snmpMIB", CVMIB_T_MODID);
    t.add("snmpMIB", 1, "snmpMIBObjects");
    t.add("snmpMIBObjects", 5, "snmpTraps");
    const char *traps[] = {"coldStart", "warmStart", "linkDown", "linkUp", "authenticationFailure"};
    for (uint32_t i = 0; i < 5; ++i) {
        t.add("snmpTraps", i + 1, traps[i], CVMIB_T_NOTIFTYPE);
    }

    t.module("IF-MIB");
    t.add("mib-2", 2, "interfaces");
    t.add("interfaces", 1, "ifNumber", CVMIB_T_INTEGER, CVMIB_A_READONLY);
    t.add("interfaces", 2, "ifTable", CVMIB_T_SEQUENCEOF, CVMIB_A_NOACCESS);
    t.node("ifTable").typeName = "SEQUENCE OF IfEntry";
    t.add("ifTable", 1, "ifEntry", CVMIB_T_SEQUENCE, CVMIB_A_NOACCESS);
    t.node("ifEntry").typeName = "IfEntry";
    t.node("ifEntry").indexes = {{"ifIndex", false}};
    t.add("ifEntry", 1, "ifIndex", CVMIB_T_INTEGER, CVMIB_A_READONLY);
    t.add("ifEntry", 2, "ifDescr", CVMIB_T_DISPLAYSTR, CVMIB_A_READONLY);
    t.add("ifEntry", 3, "ifType", CVMIB_T_INTEGER, CVMIB_A_READONLY);
    t.node("ifType").typeName = "IANAifType";
    t.node("ifType").enums = {{1, "other"}, {6, "ethernetCsmacd"}, {24, "softwareLoopback"}};
    t.add("ifEntry", 5, "ifSpeed", CVMIB_T_GAUGE, CVMIB_A_READONLY);
    t.node("ifSpeed").units = "bits per second";
    t.add("ifEntry", 6, "ifPhysAddress", CVMIB_T_PHYSADDR, CVMIB_A_READONLY);
    t.add("ifEntry", 10, "ifInOctets", CVMIB_T_COUNTER, CVMIB_A_READONLY);
    t.node("linkDown").objects = {{"ifIndex", false}, {"ifAdminStatus", false}, {"ifOperStatus", false}};

    // RFC1213-MIB defines again what SNMPv2-MIB and IF-MIB define, and a faulty module gives one
    // identifier a second name.
    t.also("system", "system", "RFC1213-MIB");
    t.also("sysDescr", "sysDescr", "RFC1213-MIB");
    t.also("ifInOctets", "ifInOctets", "RFC1213-MIB");
    t.also("ifSpeed", "ifBandwidth", "IF-MIB");
    return model;
}

// A scratch directory of its own for each test.
inline std::string scratchDir(const std::string &name)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("cvgui-" + name);
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir.string();
}

inline std::string writeDatabase(const cvmib::Model &model, const std::string &path)
{
    std::string image, error;
    EXPECT_TRUE(cvmib::serialize(model, image, &error)) << error;
    EXPECT_TRUE(cvmib::writeFileAtomically(path, image, &error)) << error;
    return image;
}

// Points the MIB library at a database file and loads it.
inline void loadMib(const std::string &path)
{
    setEnv("CVMIBFILE", path.c_str());
    ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();
}

// The node of a loaded database file labelled `label`, or null.
inline const CVmibNode *findNode(const cvmib::Database &db, const char *label)
{
    for (size_t i = 0; i < db.nodeCount(); ++i) {
        if (std::strcmp(db.nodes()[i].label, label) == 0) {
            return &db.nodes()[i];
        }
    }
    return nullptr;
}

// An enumeration as "name(number)" texts, in order.
inline std::vector<std::string> enumTexts(const CVmibEnum *e)
{
    std::vector<std::string> out;
    for (; e != nullptr; e = e->next) {
        out.push_back(std::string(e->name) + "(" + std::to_string(e->number) + ")");
    }
    return out;
}

// A circular INDEX or OBJECTS list ("IMPLIED " before an implied index); a list that never comes
// back to its head stops at 100 entries.
inline std::vector<std::string> nameTexts(const CVmibName *head)
{
    std::vector<std::string> out;
    for (const CVmibName *e = head; e != nullptr && out.size() < 100; e = e->next == head ? nullptr : e->next) {
        out.push_back(std::string(e->implied ? "IMPLIED " : "") + e->name);
    }
    return out;
}

// A name as the loaded MIB reads it: its numeric identifier, or its full symbolic name; the
// text "unreadable" when the library refuses the name.
inline std::string readName(const char *name, bool symbolic = false)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    if (CVmib_read_objid(name, oid, &count) != 0) {
        return "unreadable";
    }
    return symbolic ? CVmib_get_objid_name(oid, count) : CVmibGetNumericObjidStr(oid, count);
}

} // namespace mibtest

#endif
