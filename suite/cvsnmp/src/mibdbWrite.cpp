// Writing the compiled MIB database: the file image of a model, and the atomic replacement of
// the file that the MIB selector watches.
#include "cvmibdb.h"
#include "mibdbFormat.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unordered_map>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <sys/utime.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cvmib {

namespace {

class StringTable {
public:
    StringTable() { data_.push_back('\0'); } // offset 0 is the empty text, never referenced
    uint32_t add(const std::string &text)
    {
        if (text.empty()) {
            return kNone;
        }
        auto found = index_.find(text);
        if (found != index_.end()) {
            return found->second;
        }
        uint32_t offset = static_cast<uint32_t>(data_.size());
        data_.append(text);
        data_.push_back('\0');
        index_.emplace(text, offset);
        return offset;
    }
    // Large texts (module sources) are not worth a look-up.
    uint32_t addUnique(const std::string &text)
    {
        uint32_t offset = static_cast<uint32_t>(data_.size());
        data_.append(text);
        data_.push_back('\0');
        return offset;
    }
    const std::string &data() const { return data_; }

private:
    std::string data_;
    std::unordered_map<std::string, uint32_t> index_;
};

void fail(std::string *error, const std::string &text)
{
    if (error != nullptr) {
        *error = text;
    }
}

} // namespace

bool serialize(const Model &model, std::string &image, std::string *error)
{
    const size_t n = model.nodes.size();
    // Children lists, sorted, then a pre-order walk gives the file order.
    std::vector<std::vector<uint32_t>> children(n + 1); // [n] holds the top level
    for (size_t i = 0; i < n; ++i) {
        const NodeSpec &node = model.nodes[i];
        if (node.parent != kNone && node.parent >= i) {
            fail(error, "node " + node.label + ": its parent does not come before it");
            return false;
        }
        if (node.module != kNone && node.module >= model.modules.size()) {
            fail(error, "node " + node.label + ": no such module");
            return false;
        }
        children[node.parent == kNone ? n : node.parent].push_back(static_cast<uint32_t>(i));
    }
    for (auto &list : children) {
        std::stable_sort(list.begin(), list.end(), [&](uint32_t a, uint32_t b) {
            return model.nodes[a].subid < model.nodes[b].subid;
        });
        for (size_t k = 1; k < list.size(); ++k) {
            if (model.nodes[list[k]].subid == model.nodes[list[k - 1]].subid) {
                fail(error, "nodes " + model.nodes[list[k - 1]].label + " and " +
                                model.nodes[list[k]].label + " share sub-identifier " +
                                std::to_string(model.nodes[list[k]].subid));
                return false;
            }
        }
    }
    std::vector<uint32_t> order;
    std::vector<uint32_t> newIndex(n, kNone);
    order.reserve(n);
    std::vector<std::pair<const std::vector<uint32_t> *, size_t>> stack;
    stack.emplace_back(&children[n], 0);
    while (!stack.empty()) {
        auto &top = stack.back();
        if (top.second == top.first->size()) {
            stack.pop_back();
            continue;
        }
        uint32_t i = (*top.first)[top.second++];
        newIndex[i] = static_cast<uint32_t>(order.size());
        order.push_back(i);
        stack.emplace_back(&children[i], 0);
    }

    StringTable strings;
    std::string nodes, enums, names, modules, definitions;
    nodes.reserve(n * kNodeRecordSize);
    uint32_t enumCount = 0, nameCount = 0, definitionCount = 0;
    for (uint32_t i : order) {
        const NodeSpec &node = model.nodes[i];
        if (node.label.empty()) {
            fail(error, "a node under sub-identifier " + std::to_string(node.subid) + " has no label");
            return false;
        }
        put32(nodes, node.parent == kNone ? kNone : newIndex[node.parent]);
        put32(nodes, node.subid);
        put32(nodes, strings.add(node.label));
        put32(nodes, static_cast<uint32_t>(node.type));
        put32(nodes, static_cast<uint32_t>(node.access));
        put32(nodes, node.status);
        put32(nodes, strings.add(node.typeName));
        put32(nodes, strings.add(node.description));
        put32(nodes, strings.add(node.units));
        put32(nodes, strings.add(node.typeSuffix));
        put32(nodes, enumCount);
        put32(nodes, static_cast<uint32_t>(node.enums.size()));
        for (const EnumItem &e : node.enums) {
            put32(enums, static_cast<uint32_t>(e.number));
            put32(enums, strings.add(e.name.empty() ? std::to_string(e.number) : e.name));
        }
        enumCount += static_cast<uint32_t>(node.enums.size());
        for (const auto *list : {&node.indexes, &node.objects}) {
            put32(nodes, nameCount);
            put32(nodes, static_cast<uint32_t>(list->size()));
            for (const NameItem &item : *list) {
                if (item.name.empty()) {
                    fail(error, "node " + node.label + ": an empty INDEX or OBJECTS name");
                    return false;
                }
                put32(names, strings.add(item.name));
                put32(names, item.implied ? kNameImplied : 0);
            }
            nameCount += static_cast<uint32_t>(list->size());
        }
        put32(nodes, node.module);
        put32(nodes, definitionCount);
        put32(nodes, static_cast<uint32_t>(node.also.size()));
        for (const Definition &d : node.also) {
            if (d.label.empty() || (d.module != kNone && d.module >= model.modules.size())) {
                fail(error, "node " + node.label + ": a further definition without label or module");
                return false;
            }
            put32(definitions, strings.add(d.label));
            put32(definitions, d.module);
        }
        definitionCount += static_cast<uint32_t>(node.also.size());
    }
    std::string sources;
    for (const ModuleSpec &m : model.modules) {
        if (m.name.empty()) {
            fail(error, "a module without a name");
            return false;
        }
        put32(modules, strings.add(m.name));
        put32(modules, strings.add(m.file));
        put32(modules, m.added ? kModuleAdded : 0);
        put32(modules, m.source.empty() ? kNone : static_cast<uint32_t>(sources.size()));
        put32(modules, static_cast<uint32_t>(m.source.size()));
        sources += m.source;
    }

    const std::string &text = strings.data();
    uint64_t size = kHeaderSize;
    auto place = [&size](const std::string &section) {
        uint64_t offset = size;
        size += section.size();
        size = (size + 3) & ~uint64_t(3);
        return offset;
    };
    uint64_t nodeOffset = place(nodes), enumOffset = place(enums), nameOffset = place(names),
             moduleOffset = place(modules), definitionOffset = place(definitions),
             stringOffset = place(text);
    uint64_t sourcesOffset = size;
    size += sources.size();
    if (size > 0xffffffffu) {
        fail(error, "the database would exceed 4 GB");
        return false;
    }

    image.assign(size, '\0');
    std::memcpy(&image[nodeOffset], nodes.data(), nodes.size());
    std::memcpy(&image[enumOffset], enums.data(), enums.size());
    std::memcpy(&image[nameOffset], names.data(), names.size());
    std::memcpy(&image[moduleOffset], modules.data(), modules.size());
    std::memcpy(&image[definitionOffset], definitions.data(), definitions.size());
    std::memcpy(&image[stringOffset], text.data(), text.size());
    std::memcpy(&image[sourcesOffset], sources.data(), sources.size());

    std::string header(kMagic, sizeof kMagic);
    put16(header, kMajorVersion);
    put16(header, kMinorVersion);
    put32(header, kHeaderSize);
    put64(header, size);
    put64(header, 0); // checksums, below
    put64(header, 0);
    put16(header, kNodeRecordSize);
    put16(header, kEnumRecordSize);
    put16(header, kNameRecordSize);
    put16(header, kModuleRecordSize);
    put32(header, static_cast<uint32_t>(nodeOffset));
    put32(header, static_cast<uint32_t>(order.size()));
    put32(header, static_cast<uint32_t>(enumOffset));
    put32(header, enumCount);
    put32(header, static_cast<uint32_t>(nameOffset));
    put32(header, nameCount);
    put32(header, static_cast<uint32_t>(moduleOffset));
    put32(header, static_cast<uint32_t>(model.modules.size()));
    put32(header, static_cast<uint32_t>(stringOffset));
    put32(header, static_cast<uint32_t>(text.size()));
    put32(header, static_cast<uint32_t>(sourcesOffset));
    put32(header, static_cast<uint32_t>(sources.size()));
    put32(header, 0); // flags
    put32(header, 0); // reserved
    put16(header, kDefinitionRecordSize);
    put16(header, 0);
    put32(header, static_cast<uint32_t>(definitionOffset));
    put32(header, definitionCount);
    put32(header, 0); // reserved
    std::memcpy(&image[0], header.data(), header.size());
    set64(&image[kTreeChecksumOffset], xxh64(image.data() + kHeaderSize, sourcesOffset - kHeaderSize));
    set64(&image[kSourcesChecksumOffset], xxh64(image.data() + sourcesOffset, sources.size()));
    return true;
}

namespace {

bool statTime(const std::string &path, long long *seconds)
{
#ifdef _WIN32
    struct _stat64 st;
    if (_stat64(path.c_str(), &st) != 0) {
        return false;
    }
#else
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        return false;
    }
#endif
    *seconds = static_cast<long long>(st.st_mtime);
    return true;
}

bool setTime(const std::string &path, long long seconds)
{
#ifdef _WIN32
    struct __utimbuf64 times;
    times.actime = seconds;
    times.modtime = seconds;
    return _utime64(path.c_str(), &times) == 0;
#else
    struct timespec times[2];
    times[0].tv_sec = seconds;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
#endif
}

} // namespace

bool writeFileAtomically(const std::string &path, const std::string &image, std::string *error)
{
#ifdef _WIN32
    std::string temp = path + ".new." + std::to_string(_getpid());
#else
    std::string temp = path + ".new." + std::to_string(getpid());
#endif
    FILE *f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) {
        fail(error, temp + ": " + std::strerror(errno));
        return false;
    }
    bool ok = std::fwrite(image.data(), 1, image.size(), f) == image.size() && std::fflush(f) == 0;
#ifdef _WIN32
    ok = ok && _commit(_fileno(f)) == 0;
#else
    ok = ok && fsync(fileno(f)) == 0;
#endif
    int savedErrno = errno;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        fail(error, temp + ": " + std::strerror(savedErrno ? savedErrno : errno));
        std::remove(temp.c_str());
        return false;
    }
    long long oldTime, newTime;
    if (statTime(path, &oldTime) && statTime(temp, &newTime) && newTime <= oldTime) {
        setTime(temp, oldTime + 1);
    }
#ifdef _WIN32
    ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        fail(error, path + ": cannot replace the file (Windows error " +
                        std::to_string(GetLastError()) + ")");
    }
#else
    ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        fail(error, path + ": " + std::strerror(errno));
    }
#endif
    if (!ok) {
        std::remove(temp.c_str());
    }
    return ok;
}

} // namespace cvmib
