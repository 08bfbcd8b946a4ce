// libFuzzer target for the MIB database loader. The fuzzer's bytes get a correct size and
// checksum in their header (when they have one), so that mutations reach the structure checks
// behind those; a loaded database is then walked in full, as the selector and the tree do.
#include "cvmibdb.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>

namespace {

void put32(std::string &s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    }
}

uint32_t get32(const std::string &s, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    }
    return v;
}

// Pre-order over the links, with the parent links to climb back: a loop would run past the
// node count, which the caller checks.
size_t walk(const CVmibNode *root, size_t budget)
{
    size_t seen = 0;
    size_t sum = 0;
    const CVmibNode *node = root;
    while (node != nullptr && seen <= budget) {
        ++seen;
        sum += std::strlen(node->label);
        for (const char *t : {node->typeName, node->description, node->units, node->typeSuffix, node->module}) {
            sum += t != nullptr ? std::strlen(t) : 0;
        }
        for (const CVmibEnum *e = node->enums; e != nullptr; e = e->next) {
            sum += std::strlen(e->name);
        }
        for (const CVmibDefinition *d = node->also; d != nullptr; d = d->next) {
            sum += std::strlen(d->label) + (d->module != nullptr ? std::strlen(d->module) : 0);
        }
        for (const CVmibName *head : {node->indexes, node->objects}) {
            const CVmibName *e = head;
            size_t guard = 0;
            if (e != nullptr) {
                do {
                    sum += std::strlen(e->name);
                    e = e->next;
                } while (e != head && ++guard < 10000000);
            }
        }
        if (node->child != nullptr) {
            if (node->child->parent != node) {
                __builtin_trap(); // a child that does not name its parent
            }
            node = node->child;
            continue;
        }
        while (node != nullptr && node->next == nullptr) {
            node = node->parent;
        }
        node = node != nullptr ? node->next : nullptr;
    }
    volatile size_t keep = sum;
    (void)keep;
    return seen;
}

} // namespace

void put64(std::string &s, size_t at, uint64_t v)
{
    put32(s, at, static_cast<uint32_t>(v));
    put32(s, at + 4, static_cast<uint32_t>(v >> 32));
}

void check(std::string image, bool withSources)
{
    int code = 0;
    std::string error;
    std::unique_ptr<cvmib::Database> db = cvmib::Database::load(std::move(image), &code, &error, withSources);
    if (db) {
        size_t seen = walk(db->root(), db->nodeCount() + 1);
        if (seen > db->nodeCount()) {
            __builtin_trap(); // more nodes reachable than there are: a loop
        }
        for (const auto &m : db->modules()) {
            if (m.source != nullptr && m.sourceSize > 0) {
                volatile char last = m.source[m.sourceSize - 1];
                (void)last;
            }
        }
    } else if (code == 0 || error.empty()) {
        __builtin_trap(); // a refusal must say why
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string image(reinterpret_cast<const char *>(data), size);
    if (size >= 120) {
        put64(image, 16, size);
        uint32_t header = get32(image, 12), sources = get32(image, 88), sourcesSize = get32(image, 92);
        if (header <= sources && sources <= size) {
            put64(image, 24, cvmib::xxh64(image.data() + header, sources - header));
            put64(image, 32, cvmib::xxh64(image.data() + sources, std::min<size_t>(sourcesSize, size - sources)));
        }
    }
    check(image, true);
    check(std::move(image), false);
    return 0;
}
