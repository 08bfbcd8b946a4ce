// The compiled MIB database file: what is written comes back field for field, and a file that
// is truncated, damaged or forged is refused with an error that says what is wrong.
#include "cvmibdb.h"
#include "mibTestTree.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using cvmib::Database;
using mibtest::findNode;

// Loads an image; a refusal's code and text land in the variables given.
std::unique_ptr<Database> loadImage(const std::string &image, int *code = nullptr, std::string *error = nullptr)
{
    int c;
    std::string e;
    return Database::load(image, code ? code : &c, error ? error : &e);
}

std::string image(const cvmib::Model &model)
{
    std::string out, error;
    EXPECT_TRUE(cvmib::serialize(model, out, &error)) << error;
    return out;
}

uint32_t get32(const std::string &s, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    }
    return v;
}

void set32(std::string &s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    }
}

void set64(std::string &s, size_t at, uint64_t v)
{
    set32(s, at, static_cast<uint32_t>(v));
    set32(s, at + 4, static_cast<uint32_t>(v >> 32));
}

// Offsets of the header fields and of a node record's fields.
constexpr size_t kHeader = 120, kRecordSizes = 40, kNodeSection = 48, kStringSection = 80,
                 kSourcesSection = 88, kDefinitionSection = 104, kNodeRecord = 76;

// Rewrites both checksums, so that a test reaches the structure checks behind them (as a
// forged file would).
void reseal(std::string &s)
{
    uint32_t sources = get32(s, kSourcesSection);
    set64(s, 24, cvmib::xxh64(s.data() + kHeader, sources - kHeader));
    set64(s, 32, cvmib::xxh64(s.data() + sources, std::min<size_t>(get32(s, kSourcesSection + 4),
                                                                  s.size() - sources)));
}
constexpr size_t kParent = 0, kSubid = 4, kLabel = 8, kType = 12, kAccess = 16, kDescription = 28,
                 kEnumFirst = 40, kModule = 64, kDefinitionFirst = 68;

size_t nodeRecord(const std::string &s, uint32_t index)
{
    return get32(s, kNodeSection) + index * kNodeRecord;
}

uint32_t nodeIndex(const Database &db, const char *label)
{
    return static_cast<uint32_t>(findNode(db, label) - db.nodes());
}

TEST(MibDatabase, KeepsEveryFieldCallersRead)
{
    cvmib::Model model = mibtest::standardTree();
    auto db = loadImage(image(model));
    ASSERT_TRUE(db);
    ASSERT_EQ(db->nodeCount(), model.nodes.size());

    // The top level is a sibling list in sub-identifier order, whatever order it was built in.
    const CVmibNode *root = db->root();
    ASSERT_STREQ(root->label, "ccitt");
    ASSERT_STREQ(root->next->label, "iso");
    ASSERT_STREQ(root->next->next->label, "joint-iso-ccitt");
    EXPECT_EQ(root->next->next->next, nullptr);
    EXPECT_EQ(root->parent, nullptr);

    const CVmibNode *system = findNode(*db, "system");
    std::vector<std::string> children;
    for (const CVmibNode *c = system->child; c != nullptr; c = c->next) {
        children.push_back(c->label);
    }
    EXPECT_EQ(children, (std::vector<std::string>{"sysDescr", "sysObjectID", "sysUpTime"}));
    const CVmibNode *descr = findNode(*db, "sysDescr");
    EXPECT_EQ(descr->parent, system);
    EXPECT_EQ(descr->subid, 1u);
    EXPECT_EQ(descr->type, CVMIB_T_DISPLAYSTR);
    EXPECT_EQ(descr->access, CVMIB_A_READONLY);
    EXPECT_EQ(descr->status, CVMIB_S_CURRENT);
    EXPECT_STREQ(descr->typeName, "DisplayString");
    EXPECT_STREQ(descr->typeSuffix, "(SIZE (0..255))");
    EXPECT_STREQ(descr->description, "A textual description of the entity.");
    EXPECT_STREQ(descr->module, "SNMPv2-MIB");
    EXPECT_EQ(descr->units, nullptr);

    const CVmibNode *ifType = findNode(*db, "ifType");
    EXPECT_EQ(mibtest::enumTexts(ifType->enums),
              (std::vector<std::string>{"other(1)", "ethernetCsmacd(6)", "softwareLoopback(24)"}));
    EXPECT_STREQ(findNode(*db, "ifSpeed")->units, "bits per second");

    // INDEX and OBJECTS lists are circular.
    const CVmibName *index = findNode(*db, "ifEntry")->indexes;
    ASSERT_NE(index, nullptr);
    EXPECT_STREQ(index->name, "ifIndex");
    EXPECT_EQ(index->next, index);
    EXPECT_EQ(mibtest::nameTexts(findNode(*db, "linkDown")->objects),
              (std::vector<std::string>{"ifIndex", "ifAdminStatus", "ifOperStatus"}));
    EXPECT_EQ(findNode(*db, "snmpTraps")->objects, nullptr);

    // Every module and label that defines a node.
    const CVmibDefinition *also = findNode(*db, "ifInOctets")->also;
    ASSERT_NE(also, nullptr);
    EXPECT_EQ(std::string(also->module) + "::" + also->label, "RFC1213-MIB::ifInOctets");
    EXPECT_EQ(also->next, nullptr);
    EXPECT_STREQ(findNode(*db, "ifSpeed")->also->label, "ifBandwidth");
    EXPECT_EQ(findNode(*db, "ifDescr")->also, nullptr);

    // Modules with their files, sources and node counts.
    ASSERT_EQ(db->modules().size(), 4u);
    const Database::Module &smi = db->modules()[0];
    EXPECT_STREQ(smi.name, "SNMPv2-SMI");
    EXPECT_STREQ(smi.file, "/mibs/SNMPv2-SMI.mib");
    EXPECT_FALSE(smi.added);
    EXPECT_EQ(std::string(smi.source, smi.sourceSize), "SNMPv2-SMI DEFINITIONS ::= BEGIN END\n");
    EXPECT_EQ(smi.nodeCount, 12u);
    EXPECT_TRUE(db->modules()[2].added);
    EXPECT_EQ(db->modules()[2].nodeCount, 10u); // IF-MIB: ifSpeed counts once under two labels
    // A module counts the nodes it defines again beside another.
    EXPECT_STREQ(db->modules()[3].name, "RFC1213-MIB");
    EXPECT_EQ(db->modules()[3].nodeCount, 3u);

    auto empty = loadImage(image(cvmib::Model()));
    ASSERT_TRUE(empty) << "an empty tree is a valid database";
    EXPECT_EQ(empty->root(), nullptr);
    EXPECT_EQ(empty->nodeCount(), 0u);
}

TEST(MibDatabase, WriterRefusesTreesThatCannotBeStored)
{
    std::string out, error;
    cvmib::Model twins = mibtest::standardTree();
    mibtest::TreeBuilder(twins).add("system", 1, "sysTwin");
    EXPECT_FALSE(cvmib::serialize(twins, out, &error));
    EXPECT_NE(error.find("sysTwin"), std::string::npos) << error;

    cvmib::Model late = mibtest::standardTree();
    late.nodes[3].parent = 7; // org under a node defined after it
    EXPECT_FALSE(cvmib::serialize(late, out, &error));
    EXPECT_NE(error.find("parent"), std::string::npos) << error;
}

TEST(MibDatabase, RefusesEmptyForeignAndTruncatedFiles)
{
    int code;
    std::string error;
    EXPECT_FALSE(loadImage("", &code, &error));
    EXPECT_EQ(code, CVMIB_E_FORMAT);
    EXPECT_NE(error.find("empty"), std::string::npos) << error;

    EXPECT_FALSE(loadImage("CVMIBDX\x1a and then some text that is long enough for a header......"
                           "...................",
                           &code, &error));
    EXPECT_EQ(code, CVMIB_E_FORMAT);

    // Every proper prefix of a good file is refused, and says it is truncated when it keeps
    // the signature.
    std::string good = image(mibtest::standardTree());
    for (size_t n = 0; n < good.size(); n += (n < 200 ? 1 : 97)) {
        EXPECT_FALSE(loadImage(good.substr(0, n), &code, &error)) << n;
        if (n >= 8) {
            EXPECT_EQ(code, CVMIB_E_TRUNCATED) << n << ": " << error;
        }
    }
}

TEST(MibDatabase, RefusesDamageAnywhere)
{
    std::string good = image(mibtest::standardTree());
    int code;
    std::string error;
    for (size_t at = kHeader; at < good.size(); at += 13) {
        std::string bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0x20);
        EXPECT_FALSE(loadImage(bad, &code, &error)) << at;
        EXPECT_EQ(code, CVMIB_E_CORRUPT) << at;
    }
    std::string longer = good + "extra";
    EXPECT_FALSE(loadImage(longer, &code, &error));
    EXPECT_EQ(code, CVMIB_E_CORRUPT);
}

TEST(MibDatabase, RefusesOtherMajorVersionsAndReadsNewerMinorOnes)
{
    std::string good = image(mibtest::standardTree());
    int code;
    std::string error;
    std::string major = good;
    major[8] = 3;
    EXPECT_FALSE(loadImage(major, &code, &error));
    EXPECT_EQ(code, CVMIB_E_VERSION);
    EXPECT_NE(error.find("version 3.0"), std::string::npos) << error;
    // A database of the first format lacks the further definitions: it is compiled again.
    major[8] = 1;
    EXPECT_FALSE(loadImage(major, &code, &error));
    EXPECT_EQ(code, CVMIB_E_VERSION);
    EXPECT_NE(error.find("version 1.0; this library reads 2.x"), std::string::npos) << error;
    EXPECT_NE(error.find("mibtool create"), std::string::npos) << error;

    // A later minor version may lengthen records: rebuild the node section with four more
    // bytes per record, as a newer writer would, and the fields this reader knows still load.
    auto db = loadImage(good);
    ASSERT_TRUE(db);
    const uint32_t count = get32(good, kNodeSection + 4), oldOffset = get32(good, kNodeSection);
    const uint32_t sources = get32(good, kSourcesSection);
    std::string nodes;
    for (uint32_t i = 0; i < count; ++i) {
        nodes += good.substr(oldOffset + i * kNodeRecord, kNodeRecord) + std::string("\x7f\x7f\x7f\x7f", 4);
    }
    std::string newer = good.substr(0, sources) + nodes + good.substr(sources);
    newer[10] = 1;           // minor version 1
    newer[kRecordSizes] = kNodeRecord + 4;
    set32(newer, kNodeSection, sources);
    set32(newer, kSourcesSection, sources + static_cast<uint32_t>(nodes.size()));
    set32(newer, 16, static_cast<uint32_t>(newer.size()));
    reseal(newer);
    auto later = loadImage(newer, &code, &error);
    ASSERT_TRUE(later) << error;
    EXPECT_STREQ(findNode(*later, "ifType")->enums->next->name, "ethernetCsmacd");
    EXPECT_STREQ(findNode(*later, "ifSpeed")->also->label, "ifBandwidth");
}

// Each forged file passes the checksum and must still be refused by the structure checks.
TEST(MibDatabase, RefusesForgedStructure)
{
    std::string good = image(mibtest::standardTree());
    auto db = loadImage(good);
    ASSERT_TRUE(db);
    const uint32_t org = nodeIndex(*db, "org"), iso = nodeIndex(*db, "iso");
    const uint32_t sysDescr = nodeIndex(*db, "sysDescr"), ifType = nodeIndex(*db, "ifType");
    const uint32_t ifSpeed = nodeIndex(*db, "ifSpeed");
    const uint32_t definitionsAt = get32(good, kDefinitionSection + 4);
    // The definition of ifSpeed's second label: ifInOctets' comes after it.
    const uint32_t bandwidth = get32(good, nodeRecord(good, ifSpeed) + kDefinitionFirst);
    const uint32_t stringsSize = get32(good, kStringSection + 4);

    struct Forgery {
        const char *what;
        std::function<void(std::string &)> apply;
        const char *expected;
    };
    std::vector<Forgery> forgeries = {
        {"node pointing at itself as parent",
         [&](std::string &s) { set32(s, nodeRecord(s, org) + kParent, org); }, "parent"},
        {"parent after the child",
         [&](std::string &s) { set32(s, nodeRecord(s, iso) + kParent, org); }, "parent"},
        {"siblings out of order",
         [&](std::string &s) { set32(s, nodeRecord(s, sysDescr) + kSubid, 9); }, "sub-identifier"},
        {"label past the strings",
         [&](std::string &s) { set32(s, nodeRecord(s, org) + kLabel, stringsSize); }, "outside"},
        {"missing label",
         [&](std::string &s) { set32(s, nodeRecord(s, org) + kLabel, 0xffffffffu); }, "label"},
        {"description at a huge offset",
         [&](std::string &s) { set32(s, nodeRecord(s, sysDescr) + kDescription, 0xfffffff0u); },
         "outside"},
        {"type code out of range",
         [&](std::string &s) { set32(s, nodeRecord(s, sysDescr) + kType, 27); }, "type code"},
        {"access code out of range",
         [&](std::string &s) { set32(s, nodeRecord(s, sysDescr) + kAccess, 6); }, "access code"},
        {"enumeration run overlapping",
         [&](std::string &s) { set32(s, nodeRecord(s, ifType) + kEnumFirst, 1); }, "enumeration"},
        {"module index out of range",
         [&](std::string &s) { set32(s, nodeRecord(s, org) + kModule, 4); }, "module"},
        {"node count beyond the file",
         [&](std::string &s) { set32(s, kNodeSection + 4, 0x10000000u); }, "outside the file"},
        {"strings not terminated",
         [&](std::string &s) {
             s[get32(s, kStringSection) + stringsSize - 1] = 'x';
         },
         "not terminated"},
        {"record size too small", [&](std::string &s) { s[kRecordSizes] = 60; }, "too short"},
        {"sources before the tree's end",
         [&](std::string &s) { set32(s, kSourcesSection, get32(s, kStringSection)); }, "outside the file"},
        {"sources past the end",
         [&](std::string &s) { set32(s, kSourcesSection + 4, 0x7fffffffu); }, "sources section"},
        {"flags of a later format", [&](std::string &s) { s[96] = 1; }, "flags"},
        {"reserved field of a later format", [&](std::string &s) { s[116] = 1; }, "flags"},
        {"further label that breaks names", // "(SIZE (0..255))"
         [&](std::string &s) { set32(s, definitionsAt + bandwidth * 8, get32(s, nodeRecord(s, sysDescr) + 36)); },
         "further label"},
        {"further definition of no module",
         [&](std::string &s) { set32(s, definitionsAt + bandwidth * 8 + 4, 4); }, "definition"},
        {"definition run out of sequence",
         [&](std::string &s) { set32(s, nodeRecord(s, ifSpeed) + kDefinitionFirst, bandwidth + 1); },
         "definition records"},
        {"definitions beyond the file",
         [&](std::string &s) { set32(s, kDefinitionSection + 8, 0x20000000u); }, "outside the file"},
    };
    for (const Forgery &f : forgeries) {
        std::string bad = good;
        f.apply(bad);
        reseal(bad);
        int code = 0;
        std::string error;
        EXPECT_FALSE(loadImage(bad, &code, &error)) << f.what;
        EXPECT_EQ(code, CVMIB_E_CORRUPT) << f.what;
        EXPECT_NE(error.find(f.expected), std::string::npos) << f.what << ": " << error;
    }
}

// A dot, or a number other than the node's own sub-identifier (3), would read as another name.
TEST(MibDatabase, RefusesLabelsThatWouldBreakNames)
{
    for (const auto &[label, loads] : {std::pair<const char *, bool>{"sys.UpTime", false}, {"4", false}, {"3", true}}) {
        cvmib::Model model = mibtest::standardTree();
        mibtest::TreeBuilder(model).node("sysUpTime").label = label;
        EXPECT_EQ(loadImage(image(model)) != nullptr, loads) << label;
    }
}

// The file on disk: replaced whole with a later time, sources read only when asked for, and
// errors that name the file.
TEST(MibDatabase, FileIsReplacedWholeAndReadAsAsked)
{
    std::string dir = mibtest::scratchDir("atomic");
    std::string path = dir + "/mib.db";
    std::string good = mibtest::writeDatabase(mibtest::standardTree(), path);
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    int code;
    std::string error;
    auto tree = Database::loadFile(path, &code, &error);
    ASSERT_TRUE(tree) << error;
    EXPECT_EQ(tree->modules()[1].source, nullptr);
    EXPECT_STREQ(tree->modules()[1].name, "SNMPv2-MIB");
    auto whole = Database::loadFile(path, &code, &error, true);
    ASSERT_TRUE(whole) << error;
    EXPECT_EQ(std::string(whole->modules()[1].source, whole->modules()[1].sourceSize),
              "SNMPv2-MIB DEFINITIONS ::= BEGIN END\n");

    // A second change within the same second must still move a one-second time stamp.
    cvmib::Model changed = mibtest::standardTree();
    mibtest::TreeBuilder(changed).add("system", 4, "sysContact");
    mibtest::writeDatabase(changed, path);
    struct stat after;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_GT(after.st_mtime, before.st_mtime);
    auto db = Database::loadFile(path, &code, &error);
    ASSERT_TRUE(db) << error;
    EXPECT_NE(findNode(*db, "sysContact"), nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "nothing is left beside it";

    // Damage in the sources does not stop the tree from loading, but is found when they are read.
    std::string bad = good;
    bad[bad.size() - 3] ^= 0x01;
    EXPECT_TRUE(loadImage(bad, &code, &error) == nullptr);
    EXPECT_EQ(code, CVMIB_E_CORRUPT);
    EXPECT_NE(error.find("module sources"), std::string::npos) << error;
    EXPECT_TRUE(Database::load(bad, &code, &error, false)) << error;

    std::string missing = dir + "/none.db";
    EXPECT_FALSE(Database::loadFile(missing, &code, &error));
    EXPECT_EQ(code, CVMIB_E_OPEN);
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << good.substr(0, good.size() / 2);
    EXPECT_FALSE(Database::loadFile(path, &code, &error));
    EXPECT_EQ(code, CVMIB_E_TRUNCATED);
    EXPECT_EQ(error.rfind(path + ": truncated", 0), 0u) << error;
}

TEST(MibDatabase, ChecksumIsXxh64)
{
    // The reference values of XXH64 (seed 0), so that xxhsum -H1 checks a database too.
    EXPECT_EQ(cvmib::xxh64("abc", 3), 0x44bc2cf5ad770999ull);
}

} // namespace
