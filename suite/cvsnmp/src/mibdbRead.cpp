// Loading the compiled MIB database. Everything read from the file is checked before it is
// used: a truncated, damaged or hostile file gives an error naming what is wrong, never a read
// outside the image and never a tree that loops.
#include "cvmibdb.h"
#include "mibdbFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <new>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace cvmib {

// XXH64 from the xxHash library, compiled in (header-only), so that the Windows build needs no
// DLL of it.
uint64_t xxh64(const void *data, size_t size)
{
    return XXH64(data, size, 0);
}

namespace {

struct Section {
    uint32_t offset;
    uint32_t count;
    uint16_t recordSize;
};

class Loader {
public:
    Loader(const char *image, size_t size, int *code, std::string *error)
        : p_(reinterpret_cast<const unsigned char *>(image)), size_(size), code_(code), error_(error)
    {
    }

    bool fail(int code, const std::string &text)
    {
        *code_ = code;
        *error_ = text;
        return false;
    }

    // The header and the layout of the sections. The image may hold the tree part of the file
    // only (up to the sources); fileSize is the size of the whole file.
    bool header(uint64_t fileSize, bool withSources, Section &nodes, Section &enums, Section &names,
                Section &modules, Section &definitions)
    {
        if (fileSize == 0) {
            return fail(CVMIB_E_FORMAT, "empty file, not a MIB database");
        }
        if (size_ < sizeof kMagic || std::memcmp(p_, kMagic, sizeof kMagic) != 0) {
            return fail(CVMIB_E_FORMAT, "not a MIB database (no database signature)");
        }
        if (size_ < kHeaderSize) {
            return fail(CVMIB_E_TRUNCATED, "truncated: " + std::to_string(size_) + " bytes, " +
                                               "less than the " + std::to_string(kHeaderSize) +
                                               "-byte header");
        }
        uint16_t major = get16(p_ + 8), minor = get16(p_ + 10);
        if (major != kMajorVersion) {
            std::string version = "database version " + std::to_string(major) + "." +
                                  std::to_string(minor) + "; this library reads " +
                                  std::to_string(kMajorVersion) + ".x";
            if (major < kMajorVersion) {
                version += ": an earlier format, compile the database again from its modules "
                           "(mibtool create)";
            }
            return fail(CVMIB_E_VERSION, version);
        }
        uint32_t headerSize = get32(p_ + 12);
        uint64_t declared = get64(p_ + 16);
        if (declared != fileSize) {
            if (declared > fileSize) {
                return fail(CVMIB_E_TRUNCATED, "truncated: the header gives " +
                                                   std::to_string(declared) + " bytes, the file has " +
                                                   std::to_string(fileSize));
            }
            return fail(CVMIB_E_CORRUPT, "the header gives " + std::to_string(declared) +
                                             " bytes, the file has " + std::to_string(fileSize));
        }
        if (headerSize < kHeaderSize || headerSize > size_) {
            return fail(CVMIB_E_CORRUPT, "bad header size " + std::to_string(headerSize));
        }
        if (get32(p_ + kFlagsOffset) != 0 || get32(p_ + kFlagsOffset + 4) != 0 ||
            get16(p_ + kDefinitionsOffset + 2) != 0 || get32(p_ + kReservedOffset) != 0) {
            return fail(CVMIB_E_CORRUPT, "unknown header flags");
        }
        sourcesOffset_ = get32(p_ + kSourcesOffset);
        sourcesSize_ = get32(p_ + kSourcesOffset + 4);
        if (sourcesOffset_ < headerSize || sourcesOffset_ > fileSize ||
            sourcesSize_ > fileSize - sourcesOffset_) {
            return fail(CVMIB_E_CORRUPT, "sources section lies outside the file");
        }
        if (size_ < (withSources ? fileSize : sourcesOffset_)) {
            return fail(CVMIB_E_TRUNCATED, "truncated: " + std::to_string(size_) + " bytes read");
        }
        // Everything the tree is made of lies between the header and the sources.
        treeEnd_ = sourcesOffset_;
        if (xxh64(p_ + headerSize, treeEnd_ - headerSize) != get64(p_ + kTreeChecksumOffset)) {
            return fail(CVMIB_E_CORRUPT, "checksum mismatch: the file is damaged");
        }
        if (withSources &&
            xxh64(p_ + sourcesOffset_, sourcesSize_) != get64(p_ + kSourcesChecksumOffset)) {
            return fail(CVMIB_E_CORRUPT, "checksum mismatch in the module sources: the file is damaged");
        }
        const uint16_t minimum[5] = {kNodeRecordSize, kEnumRecordSize, kNameRecordSize,
                                     kModuleRecordSize, kDefinitionRecordSize};
        Section *sections[5] = {&nodes, &enums, &names, &modules, &definitions};
        const char *what[5] = {"node", "enum", "name", "module", "definition"};
        for (int i = 0; i < 5; ++i) {
            Section &s = *sections[i];
            // The definitions came with version 2 and sit behind the first four.
            const unsigned char *size = i < 4 ? p_ + kRecordSizesOffset + 2 * i : p_ + kDefinitionsOffset;
            const unsigned char *place = i < 4 ? p_ + kSectionsOffset + 8 * i : p_ + kDefinitionsOffset + 4;
            s.recordSize = get16(size);
            s.offset = get32(place);
            s.count = get32(place + 4);
            if (s.recordSize < minimum[i]) {
                return fail(CVMIB_E_CORRUPT, std::string(what[i]) + " records of " +
                                                 std::to_string(s.recordSize) + " bytes are too short");
            }
            if (!inside(s.offset, uint64_t(s.count) * s.recordSize, headerSize)) {
                return fail(CVMIB_E_CORRUPT, std::string(what[i]) + " section (" +
                                                 std::to_string(s.count) + " records at " +
                                                 std::to_string(s.offset) + ") lies outside the file");
            }
        }
        strOffset_ = get32(p_ + kStringsOffset);
        strSize_ = get32(p_ + kStringsOffset + 4);
        if (!inside(strOffset_, strSize_, headerSize)) {
            return fail(CVMIB_E_CORRUPT, "strings section lies outside the file");
        }
        if (strSize_ > 0 && p_[strOffset_ + strSize_ - 1] != '\0') {
            return fail(CVMIB_E_CORRUPT, "strings section is not terminated");
        }
        return true;
    }

    // A text field: none, or an offset into the strings section (which ends with a NUL, so
    // every offset inside it starts a terminated text).
    bool text(uint32_t ref, const char **out, const char *field, size_t node)
    {
        if (ref == kNone) {
            *out = nullptr;
            return true;
        }
        if (ref >= strSize_) {
            return badText(ref, field, node);
        }
        *out = reinterpret_cast<const char *>(p_ + strOffset_ + ref);
        return true;
    }

    // Kept out of line, so that the check above stays small enough to inline.
    __attribute__((noinline)) bool badText(uint32_t ref, const char *field, size_t node)
    {
        return fail(CVMIB_E_CORRUPT, "record " + std::to_string(node) + ": " + field +
                                         " text offset " + std::to_string(ref) +
                                         " is outside the strings section");
    }

    // A module's text inside the sources section.
    bool source(uint32_t ref, uint32_t length) const
    {
        return ref < sourcesSize_ && length <= sourcesSize_ - ref;
    }

    const char *sourceText(uint32_t ref) const
    {
        return reinterpret_cast<const char *>(p_ + sourcesOffset_ + ref);
    }

    const unsigned char *record(const Section &s, size_t i) const
    {
        return p_ + s.offset + i * s.recordSize;
    }

private:
    // Inside the tree part: after the header, before the sources.
    bool inside(uint64_t offset, uint64_t length, uint64_t headerSize) const
    {
        return length == 0 || (offset >= headerSize && offset <= treeEnd_ && length <= treeEnd_ - offset);
    }

    const unsigned char *p_;
    size_t size_;
    int *code_;
    std::string *error_;
    uint32_t strOffset_ = 0;
    uint32_t strSize_ = 0;
    uint32_t sourcesOffset_ = 0;
    uint32_t sourcesSize_ = 0;
    uint64_t treeEnd_ = 0;
};

bool validLabel(const char *label, CVmibOid subid)
{
    if (*label == '\0') {
        return false;
    }
    bool digits = true;
    for (const char *c = label; *c != '\0'; ++c) {
        unsigned char ch = static_cast<unsigned char>(*c);
        bool digit = ch >= '0' && ch <= '9';
        bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        if (!digit && !letter && ch != '-' && ch != '_') {
            return false;
        }
        digits = digits && digit;
    }
    // A numeric label must read as the node's own number, or names would resolve two ways.
    return !digits || std::strtoul(label, nullptr, 10) == subid;
}

// Checks that a node's run of list records continues exactly where the previous node's ended.
bool takeRun(uint32_t first, uint32_t count, uint32_t &cursor, uint32_t total)
{
    if (first != cursor || count > total - cursor) {
        return false;
    }
    cursor += count;
    return true;
}

} // namespace

Database::~Database()
{
    delete[] nodes_;
    delete[] enums_;
    delete[] names_;
    delete[] definitions_;
}

std::unique_ptr<Database> Database::load(std::string image, int *code, std::string *error,
                                         bool withSources)
{
    std::unique_ptr<char[]> copy(new (std::nothrow) char[image.size() + 1]);
    if (!copy) {
        *code = CVMIB_E_NOMEM;
        *error = "out of memory";
        return nullptr;
    }
    std::memcpy(copy.get(), image.data(), image.size());
    return parse(std::move(copy), image.size(), image.size(), withSources, code, error);
}

std::unique_ptr<Database> Database::parse(std::unique_ptr<char[]> image, size_t size,
                                          uint64_t fileSize, bool withSources, int *code,
                                          std::string *error)
{
    std::unique_ptr<Database> db(new (std::nothrow) Database);
    if (!db) {
        *code = CVMIB_E_NOMEM;
        *error = "out of memory";
        return nullptr;
    }
    db->image_ = std::move(image); // texts point into this block from here on
    Loader in(db->image_.get(), size, code, error);
    Section nodes, enums, names, modules, definitions;
    if (!in.header(fileSize, withSources, nodes, enums, names, modules, definitions)) {
        return nullptr;
    }

    db->nodes_ = new (std::nothrow) CVmibNode[nodes.count ? nodes.count : 1]();
    db->enums_ = new (std::nothrow) CVmibEnum[enums.count ? enums.count : 1]();
    db->names_ = new (std::nothrow) CVmibName[names.count ? names.count : 1]();
    db->definitions_ = new (std::nothrow) CVmibDefinition[definitions.count ? definitions.count : 1]();
    std::vector<CVmibNode *> lastChild;
    // The last node that counted for each module, so that a node counts once per module.
    std::vector<uint32_t> countedFor;
    bool allocated = db->nodes_ != nullptr && db->enums_ != nullptr && db->names_ != nullptr &&
                     db->definitions_ != nullptr;
    try {
        lastChild.assign(size_t(nodes.count) + 1, nullptr);
        db->modules_.resize(modules.count);
        countedFor.assign(modules.count, kNone);
    } catch (const std::bad_alloc &) {
        allocated = false;
    }
    if (!allocated) {
        *code = CVMIB_E_NOMEM;
        *error = "out of memory for " + std::to_string(nodes.count) + " nodes";
        return nullptr;
    }

    for (uint32_t i = 0; i < modules.count; ++i) {
        const unsigned char *r = in.record(modules, i);
        Module &m = db->modules_[i];
        uint32_t sourceRef = get32(r + 12), sourceSize = get32(r + 16);
        if (!in.text(get32(r), &m.name, "module name", i) || !in.text(get32(r + 4), &m.file, "file", i)) {
            return nullptr;
        }
        if (m.name == nullptr || *m.name == '\0') {
            in.fail(CVMIB_E_CORRUPT, "module " + std::to_string(i) + " has no name");
            return nullptr;
        }
        if (sourceRef != kNone && !in.source(sourceRef, sourceSize)) {
            in.fail(CVMIB_E_CORRUPT, std::string("module ") + m.name + ": source size " +
                                         std::to_string(sourceSize) + " runs past its text");
            return nullptr;
        }
        if (get32(r + 8) & ~kModuleAdded) {
            in.fail(CVMIB_E_CORRUPT, std::string("module ") + m.name + ": unknown flags");
            return nullptr;
        }
        m.added = (get32(r + 8) & kModuleAdded) != 0;
        bool present = withSources && sourceRef != kNone;
        m.source = present ? in.sourceText(sourceRef) : nullptr;
        m.sourceSize = present ? sourceSize : 0;
        m.nodeCount = 0;
    }

    for (uint32_t i = 0; i < enums.count; ++i) {
        const unsigned char *r = in.record(enums, i);
        CVmibEnum &e = db->enums_[i];
        e.number = static_cast<int32_t>(get32(r));
        if (!in.text(get32(r + 4), &e.name, "enum name", i)) {
            return nullptr;
        }
        if (e.name == nullptr) {
            in.fail(CVMIB_E_CORRUPT, "enum " + std::to_string(i) + " has no name");
            return nullptr;
        }
    }
    for (uint32_t i = 0; i < names.count; ++i) {
        const unsigned char *r = in.record(names, i);
        CVmibName &n = db->names_[i];
        uint32_t flags = get32(r + 4);
        if (!in.text(get32(r), &n.name, "list name", i)) {
            return nullptr;
        }
        if (n.name == nullptr || *n.name == '\0' || (flags & ~kNameImplied)) {
            in.fail(CVMIB_E_CORRUPT, "list element " + std::to_string(i) + " is malformed");
            return nullptr;
        }
        n.implied = (flags & kNameImplied) != 0;
    }

    // Definition labels and modules; the labels are checked against their node's number below.
    for (uint32_t i = 0; i < definitions.count; ++i) {
        const unsigned char *r = in.record(definitions, i);
        CVmibDefinition &d = db->definitions_[i];
        if (!in.text(get32(r), &d.label, "definition label", i)) {
            return nullptr;
        }
        uint32_t module = get32(r + 4);
        if (d.label == nullptr || (module != kNone && module >= modules.count)) {
            in.fail(CVMIB_E_CORRUPT, "definition " + std::to_string(i) + " is malformed");
            return nullptr;
        }
        d.module = module != kNone ? db->modules_[module].name : nullptr;
    }

    uint32_t enumCursor = 0, nameCursor = 0, definitionCursor = 0;
    for (uint32_t i = 0; i < nodes.count; ++i) {
        const unsigned char *r = in.record(nodes, i);
        CVmibNode &node = db->nodes_[i];
        auto bad = [&](const std::string &what) {
            in.fail(CVMIB_E_CORRUPT, "node " + std::to_string(i) +
                                         (node.label ? std::string(" (") + node.label + ")" : "") +
                                         ": " + what);
            return nullptr;
        };
        uint32_t parent = get32(r);
        node.subid = get32(r + 4);
        if (!in.text(get32(r + 8), &node.label, "label", i) ||
            !in.text(get32(r + 24), &node.typeName, "type name", i) ||
            !in.text(get32(r + 28), &node.description, "description", i) ||
            !in.text(get32(r + 32), &node.units, "units", i) ||
            !in.text(get32(r + 36), &node.typeSuffix, "type suffix", i)) {
            return nullptr;
        }
        if (node.label == nullptr || !validLabel(node.label, node.subid)) {
            return bad("missing or malformed label");
        }
        node.type = static_cast<int32_t>(get32(r + 12));
        node.access = static_cast<int32_t>(get32(r + 16));
        node.status = static_cast<int32_t>(get32(r + 20));
        if (node.type < CVMIB_T_NONE || node.type > CVMIB_T_LAST) {
            return bad("type code " + std::to_string(node.type) + " out of range");
        }
        if (node.access < CVMIB_A_NONE || node.access > CVMIB_A_NOTIFY) {
            return bad("access code " + std::to_string(node.access) + " out of range");
        }
        if (node.status < CVMIB_S_NONE || node.status > CVMIB_S_OPTIONAL) {
            return bad("status " + std::to_string(node.status) + " out of range");
        }

        // Parents come first, so links built here can never form a loop.
        CVmibNode *up = nullptr;
        size_t slot = nodes.count; // the top level
        if (parent != kNone) {
            if (parent >= i) {
                return bad("its parent " + std::to_string(parent) + " does not come before it");
            }
            up = &db->nodes_[parent];
            slot = parent;
        }
        CVmibNode *previous = lastChild[slot];
        if (previous != nullptr && previous->subid >= node.subid) {
            return bad("sub-identifier " + std::to_string(node.subid) +
                       " does not follow its sibling's " + std::to_string(previous->subid));
        }
        node.parent = up;
        if (previous != nullptr) {
            previous->next = &node;
        } else if (up != nullptr) {
            up->child = &node;
        }
        lastChild[slot] = &node;

        uint32_t enumFirst = get32(r + 40), enumCount = get32(r + 44);
        if (!takeRun(enumFirst, enumCount, enumCursor, enums.count)) {
            return bad("enumeration records out of sequence");
        }
        for (uint32_t k = 0; k < enumCount; ++k) {
            db->enums_[enumFirst + k].next = k + 1 < enumCount ? &db->enums_[enumFirst + k + 1] : nullptr;
        }
        node.enums = enumCount ? &db->enums_[enumFirst] : nullptr;

        CVmibName **lists[2] = {&node.indexes, &node.objects};
        for (int l = 0; l < 2; ++l) {
            uint32_t first = get32(r + 48 + 8 * l), count = get32(r + 52 + 8 * l);
            if (!takeRun(first, count, nameCursor, names.count)) {
                return bad("INDEX or OBJECTS records out of sequence");
            }
            for (uint32_t k = 0; k < count; ++k) {
                db->names_[first + k].next = &db->names_[first + (k + 1) % count];
            }
            *lists[l] = count ? &db->names_[first] : nullptr;
        }

        auto count = [&](uint32_t module) {
            if (module != kNone && countedFor[module] != i) {
                countedFor[module] = i;
                ++db->modules_[module].nodeCount;
            }
        };
        uint32_t module = get32(r + 64);
        if (module != kNone) {
            if (module >= modules.count) {
                return bad("module index " + std::to_string(module) + " out of range");
            }
            node.module = db->modules_[module].name;
            count(module);
        }

        uint32_t definitionFirst = get32(r + 68), definitionCount = get32(r + 72);
        if (!takeRun(definitionFirst, definitionCount, definitionCursor, definitions.count)) {
            return bad("definition records out of sequence");
        }
        for (uint32_t k = 0; k < definitionCount; ++k) {
            CVmibDefinition &d = db->definitions_[definitionFirst + k];
            if (!validLabel(d.label, node.subid)) {
                return bad("further label " + std::to_string(k + 1) + " is malformed");
            }
            d.next = k + 1 < definitionCount ? &d + 1 : nullptr;
            count(get32(in.record(definitions, definitionFirst + k) + 4));
        }
        node.also = definitionCount ? &db->definitions_[definitionFirst] : nullptr;
    }
    if (enumCursor != enums.count || nameCursor != names.count || definitionCursor != definitions.count) {
        in.fail(CVMIB_E_CORRUPT, "list records left over after the last node");
        return nullptr;
    }
    db->nodeCount_ = nodes.count;
    return db;
}

bool readFile(const std::string &path, std::string &data, std::string *error)
{
    FILE *f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        if (error != nullptr) {
            *error = path + ": " + std::strerror(errno);
        }
        return false;
    }
    data.clear();
    char buffer[1 << 16];
    size_t n;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        long size = std::ftell(f);
        if (size > 0) {
            data.reserve(static_cast<size_t>(size));
        }
        std::fseek(f, 0, SEEK_SET);
    }
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        data.append(buffer, n);
    }
    bool ok = !std::ferror(f);
    int savedErrno = errno;
    std::fclose(f);
    if (!ok && error != nullptr) {
        *error = path + ": " + std::strerror(savedErrno);
    }
    return ok;
}

std::unique_ptr<Database> Database::loadFile(const std::string &path, int *code, std::string *error,
                                             bool withSources)
{
    FILE *f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        *code = CVMIB_E_OPEN;
        *error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    // The tree part alone, unless the sources are wanted: its end is in the header. The block
    // is not cleared first: every byte of it is read from the file.
    std::unique_ptr<char[]> image;
    size_t size = 0;
    uint64_t fileSize = 0;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long end = ok ? std::ftell(f) : -1;
    ok = ok && end >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        fileSize = static_cast<uint64_t>(end);
        size_t want = static_cast<size_t>(fileSize);
        unsigned char head[kHeaderSize];
        size_t got = std::fread(head, 1, sizeof head, f);
        if (!withSources && got == sizeof head && std::memcmp(head, kMagic, sizeof kMagic) == 0) {
            uint64_t treeEnd = get32(head + kSourcesOffset);
            want = treeEnd >= got && treeEnd <= fileSize ? static_cast<size_t>(treeEnd) : want;
        }
        size = std::min(got, want);
        image.reset(new (std::nothrow) char[want + 1]);
        if (!image) {
            std::fclose(f);
            *code = CVMIB_E_NOMEM;
            *error = path + ": out of memory";
            return nullptr;
        }
        std::memcpy(image.get(), head, size);
        if (want > got) {
            ok = std::fread(image.get() + got, 1, want - got, f) == want - got;
            size = want;
        }
    }
    int savedErrno = errno;
    std::fclose(f);
    if (!ok) {
        *code = CVMIB_E_OPEN;
        *error = path + ": " + std::strerror(savedErrno);
        return nullptr;
    }
    std::unique_ptr<Database> db = parse(std::move(image), size, fileSize, withSources, code, error);
    if (!db) {
        *error = path + ": " + *error;
    }
    return db;
}

} // namespace cvmib
