// The loaded MIB: which file, loading and reloading it, and the questions callers ask of it.
#include "cvmibdb.h"
#include "cvsnmp.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <string_view>
#include <unordered_map>
#include "cv.h"

CVmibNode *Mib = nullptr;

namespace {

struct Stamp {
    long long mtime = 0;
    long long mtimeNs = 0;
    long long size = -1;
    unsigned long long inode = 0;
    bool operator==(const Stamp &o) const
    {
        return mtime == o.mtime && mtimeNs == o.mtimeNs && size == o.size && inode == o.inode;
    }
};

bool stampOf(const std::string &path, Stamp &s)
{
#ifdef _WIN32
    struct _stat64 st;
    if (_stat64(path.c_str(), &st) != 0) {
        return false;
    }
    s.mtimeNs = 0;
#else
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        return false;
    }
    s.mtimeNs = st.st_mtim.tv_nsec;
#endif
    s.mtime = st.st_mtime;
    s.size = st.st_size;
    s.inode = st.st_ino;
    return true;
}

struct Loaded {
    std::unique_ptr<cvmib::Database> db;
    // Databases replaced by a reload: callers may still hold their nodes and texts.
    std::vector<std::unique_ptr<cvmib::Database>> retired;
    std::string path;
    Stamp stamp;
    std::string error;
    // Descriptor look-up, built on the first relative name: every label of a node, with the
    // module of that definition. Keys and modules point into the database.
    struct Definer {
        CVmibNode *node;
        const char *module;
    };
    std::unordered_multimap<std::string_view, Definer> labels;
    bool labelsBuilt = false;
};

Loaded &loaded()
{
    static Loaded state;
    return state;
}

// The root of the loaded tree. Names are read from here rather than from Mib, which only
// tells callers: a library linked beside this one may export a variable of the same name.
CVmibNode *root()
{
    Loaded &state = loaded();
    return state.db ? state.db->root() : nullptr;
}

std::string defaultFilename()
{
    std::string beside = _CVsharedDataFile("mib.db");
    struct stat st;
    if (stat(beside.c_str(), &st) == 0) {
        return beside;
    }
#ifdef CVSNMP_INSTALLED_MIBDB
    return CVSNMP_INSTALLED_MIBDB;
#else
    return beside;
#endif
}

void buildLabels(Loaded &state)
{
    state.labels.clear();
    if (state.db) {
        CVmibNode *nodes = state.db->nodes();
        state.labels.reserve(state.db->nodeCount());
        for (size_t i = 0; i < state.db->nodeCount(); ++i) {
            state.labels.emplace(nodes[i].label, Loaded::Definer{&nodes[i], nodes[i].module});
            for (const CVmibDefinition *d = nodes[i].also; d != nullptr; d = d->next) {
                state.labels.emplace(d->label, Loaded::Definer{&nodes[i], d->module});
            }
        }
    }
    state.labelsBuilt = true;
}

// The node of a descriptor defined by the module (any module for an empty name or "ANY"); the
// first in file (pre-)order when several nodes carry the label.
CVmibNode *findLabel(std::string_view label, const std::string &module)
{
    Loaded &state = loaded();
    if (!state.labelsBuilt) {
        buildLabels(state);
    }
    auto range = state.labels.equal_range(label);
    CVmibNode *best = nullptr;
    size_t bestIndex = SIZE_MAX;
    CVmibNode *base = state.db ? state.db->nodes() : nullptr;
    bool anyModule = module.empty() || module == "ANY";
    for (auto it = range.first; it != range.second; ++it) {
        CVmibNode *n = it->second.node;
        const char *definer = it->second.module;
        if (!anyModule && (definer == nullptr || module != definer)) {
            continue;
        }
        size_t index = static_cast<size_t>(n - base);
        if (index < bestIndex) {
            best = n;
            bestIndex = index;
        }
    }
    return best;
}

bool parseNumber(const char *begin, const char *end, CVmibOid &value)
{
    if (begin == end || end - begin > 10) {
        return false;
    }
    unsigned long long v = 0;
    for (const char *c = begin; c != end; ++c) {
        if (*c < '0' || *c > '9') {
            return false;
        }
        v = v * 10 + static_cast<unsigned>(*c - '0');
    }
    if (v > 0xffffffffull) {
        return false;
    }
    value = static_cast<CVmibOid>(v);
    return true;
}

CVmibNode *childBySubid(CVmibNode *first, CVmibOid subid)
{
    for (CVmibNode *n = first; n != nullptr && n->subid <= subid; n = n->next) {
        if (n->subid == subid) {
            return n;
        }
    }
    return nullptr;
}

bool sameLabel(const char *label, const char *begin, size_t length)
{
    return std::strncmp(label, begin, length) == 0 && label[length] == '\0';
}

// The child of that label, its own or a further one.
CVmibNode *childByLabel(CVmibNode *first, const char *begin, const char *end)
{
    size_t length = static_cast<size_t>(end - begin);
    for (CVmibNode *n = first; n != nullptr; n = n->next) {
        if (sameLabel(n->label, begin, length)) {
            return n;
        }
    }
    for (CVmibNode *n = first; n != nullptr; n = n->next) {
        for (const CVmibDefinition *d = n->also; d != nullptr; d = d->next) {
            if (sameLabel(d->label, begin, length)) {
                return n;
            }
        }
    }
    return nullptr;
}

// The length of a module name at the start of a name ("IF-MIB::ifDescr", "IF-MIB:ifDescr"), or 0.
size_t modulePrefix(const char *p)
{
    const char *c = p;
    while ((*c >= '0' && *c <= '9') || (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || *c == '-') {
        ++c;
    }
    return *c == ':' ? static_cast<size_t>(c - p) : 0;
}

// The identifier of a node, written only when it fits the caller's room.
bool pathOf(CVmibNode *node, CVmibOid *oid, int room, int &count)
{
    CVmibOid reversed[CVMIB_MAX_OID];
    int n = 0;
    for (; node != nullptr; node = node->parent) {
        if (n == room || n == CVMIB_MAX_OID) {
            return false;
        }
        reversed[n++] = node->subid;
    }
    for (int i = 0; i < n; ++i) {
        oid[i] = reversed[n - 1 - i];
    }
    count = n;
    return true;
}

// Reads a dotted name into at most `room` sub-identifiers; also gives the deepest tree node
// reached and how many sub-identifiers lie beyond it.
bool readName(const char *name, CVmibOid *oid, int room, int &count, CVmibNode **deepest, int *beyond)
{
    count = 0;
    if (deepest) {
        *deepest = nullptr;
    }
    if (name == nullptr || *name == '\0' || room <= 0) {
        return false;
    }
    room = std::min(room, CVMIB_MAX_OID);
    const char *p = name;
    CVmibNode *node = nullptr;       // last matched node
    CVmibNode *level = root();       // candidates for the next component
    bool inTree = true;
    int extra = 0;

    size_t qualified = modulePrefix(p);
    if (*p == '.') {
        ++p;
    } else if (qualified > 0 || !(*p >= '0' && *p <= '9')) {
        // A descriptor somewhere in the MIB, maybe qualified by a module that defines it.
        std::string module(p, qualified);
        if (qualified > 0) {
            p += qualified + 1;
            p += *p == ':' ? 1 : 0;
        }
        const char *end = std::strchr(p, '.');
        if (end == nullptr) {
            end = p + std::strlen(p);
        }
        if (*p >= '0' && *p <= '9') {
            return false; // a number is no descriptor ("IF-MIB::1.3")
        }
        node = findLabel(std::string_view(p, static_cast<size_t>(end - p)), module);
        if (node == nullptr) {
            return false;
        }
        if (!pathOf(node, oid, room, count)) {
            return false;
        }
        level = node->child;
        p = *end == '.' ? end + 1 : end;
        if (*end == '\0') {
            if (deepest) {
                *deepest = node;
            }
            if (beyond) {
                *beyond = 0;
            }
            return true;
        }
    }

    for (;;) {
        const char *end = p;
        while (*end != '\0' && *end != '.') {
            ++end;
        }
        if (end == p || count >= room) {
            return false; // empty component or too long
        }
        CVmibOid subid;
        if (parseNumber(p, end, subid)) {
            CVmibNode *next = inTree ? childBySubid(level, subid) : nullptr;
            if (next != nullptr) {
                node = next;
                level = next->child;
            } else {
                inTree = false;
                ++extra;
            }
        } else {
            CVmibNode *next = inTree ? childByLabel(level, p, end) : nullptr;
            if (next == nullptr) {
                return false;
            }
            node = next;
            level = next->child;
            subid = next->subid;
        }
        oid[count++] = subid;
        if (*end == '\0') {
            break;
        }
        p = end + 1;
    }
    if (deepest) {
        *deepest = node;
    }
    if (beyond) {
        *beyond = extra;
    }
    return true;
}

bool isLeafObject(const CVmibNode *node)
{
    return node->child == nullptr && node->type != CVMIB_T_NONE;
}

// The node a name stands for: the node itself, or the object an instance name belongs to.
CVmibNode *objectOf(const char *name, bool allowInstance)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count;
    CVmibNode *node;
    int beyond;
    if (!readName(name, oid, CVMIB_MAX_OID, count, &node, &beyond) || node == nullptr) {
        return nullptr;
    }
    if (beyond == 0) {
        return node;
    }
    return allowInstance && isLeafObject(node) ? node : nullptr;
}

void appendNumber(std::string &out, CVmibOid v)
{
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    out.push_back('.');
    while (n > 0) {
        out.push_back(digits[--n]);
    }
}

} // namespace

extern "C" const char *CVmib_get_mib_filename(void)
{
    static std::string name;
    const char *env = std::getenv("CVMIBFILE");
    name = env != nullptr && *env != '\0' ? env : defaultFilename();
    return name.c_str();
}

extern "C" int CVmib_load_mib(void)
{
    Loaded &state = loaded();
    std::string path = CVmib_get_mib_filename();
    Stamp stamp;
    bool present = stampOf(path, stamp);
    if (state.db && path == state.path && present && stamp == state.stamp) {
        Mib = state.db->root();
        return 0;
    }
    int code = 0;
    std::unique_ptr<cvmib::Database> db = cvmib::Database::loadFile(path, &code, &state.error);
    if (!db) {
        return code;
    }
    if (state.db) {
        state.retired.push_back(std::move(state.db));
    }
    state.db = std::move(db);
    state.path = path;
    state.stamp = stamp;
    state.error.clear();
    state.labels.clear();
    state.labelsBuilt = false;
    Mib = state.db->root();
    return 0;
}

extern "C" const char *CVmib_load_error(void)
{
    return loaded().error.c_str();
}

extern "C" int CVmib_read_objid(const char *name, CVmibOid *oid, int *count)
{
    if (oid == nullptr || count == nullptr) {
        return -1;
    }
    int n;
    if (!readName(name, oid, *count, n, nullptr, nullptr)) {
        return -1;
    }
    *count = n;
    return 0;
}

extern "C" const char *CVmib_get_objid_name(const CVmibOid *oid, int count)
{
    static std::string text;
    text.clear();
    CVmibNode *level = root();
    for (int i = 0; oid != nullptr && i < count && i < CVMIB_MAX_OID; ++i) {
        CVmibNode *node = childBySubid(level, oid[i]);
        if (node != nullptr) {
            text.push_back('.');
            text.append(node->label);
            level = node->child;
        } else {
            appendNumber(text, oid[i]);
            level = nullptr;
        }
    }
    return text.c_str();
}

extern "C" const char *CVmibGetNumericObjidStr(const CVmibOid *oid, int count)
{
    static std::string text;
    text.clear();
    for (int i = 0; oid != nullptr && i < count && i < CVMIB_MAX_OID; ++i) {
        appendNumber(text, oid[i]);
    }
    return text.c_str();
}

extern "C" const char *CVmib_get_loaded_path(const char *name)
{
    static std::string text;
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    if (name != nullptr && CVmib_read_objid(name, oid, &count) == 0) {
        text = CVmib_get_objid_name(oid, count);
    } else {
        text = name != nullptr ? name : "";
    }
    return text.c_str();
}

extern "C" CVmibNode *CVmib_getTreeByObjId(const CVmibOid *oid, int count, CVmibNode *root)
{
    if (oid == nullptr || count <= 0 || root == nullptr) {
        return nullptr;
    }
    CVmibNode *level = root;
    CVmibNode *node = nullptr;
    for (int i = 0; i < count; ++i) {
        CVmibNode *next = childBySubid(level, oid[i]);
        if (next == nullptr) {
            return node != nullptr && isLeafObject(node) ? node : nullptr;
        }
        node = next;
        level = next->child;
    }
    return node;
}

extern "C" int CVmib_get_children(const char *name, CVmibChildFunction childFunction,
                                  CVmibMessageFunction messageFunction, int flags)
{
    CVmibNode *node = objectOf(name, false);
    if (node == nullptr) {
        if (messageFunction != nullptr) {
            messageFunction(root() == nullptr ? "no MIB is loaded, cannot list %s"
                                           : "%s is not an object of the loaded MIB",
                            name != nullptr ? name : "");
        }
        return -1;
    }
    if (childFunction == nullptr) {
        return 0;
    }
    if (flags & CVMIB_CHILDREN_SORTED) {
        std::vector<const char *> labels;
        for (CVmibNode *c = node->child; c != nullptr; c = c->next) {
            labels.push_back(c->label);
        }
        std::sort(labels.begin(), labels.end(),
                  [](const char *a, const char *b) { return std::strcmp(a, b) < 0; });
        for (const char *label : labels) {
            if (childFunction(label) != 0) {
                break;
            }
        }
        return 0;
    }
    for (CVmibNode *c = node->child; c != nullptr; c = c->next) {
        if (childFunction(c->label) != 0) {
            break;
        }
    }
    return 0;
}

extern "C" int CVmib_has_children(const char *name)
{
    CVmibNode *node = objectOf(name, false);
    return node != nullptr && node->child != nullptr;
}

extern "C" int CVmib_is_int(const char *name)
{
    CVmibNode *node = objectOf(name, true);
    if (node == nullptr) {
        return 0;
    }
    switch (node->type) {
    case CVMIB_T_INTEGER:
    case CVMIB_T_COUNTER:
    case CVMIB_T_GAUGE:
    case CVMIB_T_TIMETICKS:
    case CVMIB_T_COUNTER64:
    case CVMIB_T_UNSIGNED32:
        return 1;
    default:
        return 0;
    }
}
