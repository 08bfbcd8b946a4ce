// The compiled MIB database: one file holding a whole MIB tree, written by the MIB compiler
// (mibtool) and loaded by the cvsnmp library in both builds.
//
// File layout (version 2.0; all integers little-endian, offsets from the start of the file):
//
//   header (120 bytes)
//     0  magic "CVMIBDB" 0x1a
//     8  u16 major version (2), u16 minor version (0)
//    12  u32 header size
//    16  u64 file size
//    24  u64 tree checksum: XXH64 (seed 0) of the bytes from the end of the header to the
//        sources section
//    32  u64 sources checksum: XXH64 of the sources section
//    40  u16 node, enum, name and module record sizes (4 x u16)
//    48  u32 offset, u32 count of: nodes, enums, names, modules
//    80  u32 offset, u32 size of: strings, sources
//    96  u32 flags (0), u32 reserved (0)
//   104  u16 definition record size, u16 reserved (0), u32 offset, u32 count of: definitions
//   116  u32 reserved (0)
//   node records, in pre-order (a parent before its children, siblings by ascending sub-identifier)
//     u32 parent index (0xffffffff at the top), u32 sub-identifier, u32 label,
//     i32 type code, i32 access code, u32 status, u32 type name, u32 description, u32 units,
//     u32 type suffix, u32 first enum, u32 enum count, u32 first index name, u32 index count,
//     u32 first object name, u32 object count, u32 module index (0xffffffff: none),
//     u32 first definition, u32 definition count
//   enum records: i32 number, u32 name            (each node's run follows the previous node's)
//   name records: u32 name, u32 flags (1: IMPLIED) (index run, then object run, node by node)
//   definition records: u32 label, u32 module index (0xffffffff: none)  (node by node)
//     A node's further definitions beside its own label and module: every other module that
//     defines it (ifInOctets in IF-MIB and RFC1213-MIB), and every other label a module gives
//     the same identifier. Names read through any of them.
//   module records: u32 name, u32 source file, u32 flags (1: added by the user, not only
//                   imported), u32 source text offset (in the sources section), u32 its size
//   strings: NUL-terminated texts; the section ends with a NUL byte
//   sources: the module texts, last in the file
// A text field is an offset into the strings section, 0xffffffff for none. The tree (every
// section but the sources) lies before the sources, so that a reader of the tree reads and checks
// that part alone; the module texts are read and checked only by the MIB compiler. Readers accept
// a newer minor version with longer records (they read the fields they know); a new major version
// is refused.
#ifndef CVMIBDB_H
#define CVMIBDB_H

#include "cvsnmp.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cvmib {

constexpr uint32_t kNone = 0xffffffffu;
constexpr uint16_t kMajorVersion = 2;
constexpr uint16_t kMinorVersion = 0;

// The tree as the compiler builds it and the writer stores it.
struct EnumItem {
    int32_t number = 0;
    std::string name;
};

struct NameItem {
    std::string name;
    bool implied = false;
};

// A further definition of a node: another module defining it, or another label of it.
struct Definition {
    std::string label;
    uint32_t module = kNone;     // index into Model::modules
};

struct NodeSpec {
    uint32_t parent = kNone;     // index into Model::nodes
    uint32_t subid = 0;
    std::string label;
    int32_t type = CVMIB_T_NONE;
    int32_t access = CVMIB_A_NONE;
    uint32_t status = CVMIB_S_NONE;
    std::string typeName;        // empty strings are stored as none
    std::string description;
    std::string units;
    std::string typeSuffix;
    std::vector<EnumItem> enums;
    std::vector<NameItem> indexes;
    std::vector<NameItem> objects;
    uint32_t module = kNone;     // index into Model::modules
    std::vector<Definition> also; // further definitions, without (label, module) itself
};

struct ModuleSpec {
    std::string name;
    std::string file;            // where its source was read from
    bool added = false;          // named by the user (otherwise only imported)
    std::string source;          // the module's text, kept so that it can be compiled again
};

struct Model {
    std::vector<ModuleSpec> modules;
    std::vector<NodeSpec> nodes; // any order with parents before children
};

// The file image of a model. Nodes are written in pre-order with siblings sorted; a model whose
// parents do not come first, or with two siblings of one sub-identifier, is refused (false).
bool serialize(const Model &model, std::string &image, std::string *error);

// Replaces the file at path: writes a temporary file beside it, flushes it, and renames it over
// the old one, so that a reader sees the old or the new file and never a part. The new file's
// modification time is made later than the old one's (by whole seconds), so that every change
// moves a time stamp of one-second resolution.
bool writeFileAtomically(const std::string &path, const std::string &image, std::string *error);

// XXH64 with seed 0, the checksum of the file's two parts (xxhsum -H1 prints it).
uint64_t xxh64(const void *data, size_t size);

// A loaded database: the nodes, lists and texts of one file, alive as long as this object.
class Database {
public:
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    CVmibNode *root() const { return nodeCount_ ? nodes_ : nullptr; }
    CVmibNode *nodes() const { return nodes_; }
    size_t nodeCount() const { return nodeCount_; }

    struct Module {
        const char *name;
        const char *file;
        bool added;
        const char *source;
        size_t sourceSize;
        size_t nodeCount;        // nodes the module defines, under any of its labels
    };
    const std::vector<Module> &modules() const { return modules_; }

    // Parses and validates a whole file image (taking it over). Null with *code (a CVMIB_E_
    // value) and *error set when anything in it is wrong. Without withSources the module texts
    // are neither checked nor offered (Module::source is null).
    static std::unique_ptr<Database> load(std::string image, int *code, std::string *error,
                                          bool withSources = true);
    // Reads and loads a file, by default only its tree part; errors name the file.
    static std::unique_ptr<Database> loadFile(const std::string &path, int *code,
                                              std::string *error, bool withSources = false);

private:
    Database() = default;
    static std::unique_ptr<Database> parse(std::unique_ptr<char[]> image, size_t size,
                                           uint64_t fileSize, bool withSources, int *code,
                                           std::string *error);
    std::unique_ptr<char[]> image_;
    CVmibNode *nodes_ = nullptr;
    size_t nodeCount_ = 0;
    CVmibEnum *enums_ = nullptr;
    CVmibName *names_ = nullptr;
    CVmibDefinition *definitions_ = nullptr;
    std::vector<Module> modules_;
};

// Reads a whole file; false with *error naming the file and the system's reason.
bool readFile(const std::string &path, std::string &data, std::string *error);

} // namespace cvmib

#endif
