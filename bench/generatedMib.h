// The large MIB the tree benchmarks of both builds open (tables of 97 integer columns under one
// enterprise, written as a compiled database file), and the size of the loaded one.
#ifndef CVGUI_BENCH_GENERATED_MIB_H
#define CVGUI_BENCH_GENERATED_MIB_H

#include "cvmibdb.h"
#include "cvsnmp.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

// Writes a MIB of `nodes` nodes to `file` and returns the file's name; exits when it cannot.
inline std::string writeGeneratedMib(size_t nodes, const std::string &file)
{
    cvmib::Model model;
    model.modules.push_back({"BENCH-MIB", "/bench/BENCH-MIB.mib", true, ""});
    auto add = [&](uint32_t parent, uint32_t subid, std::string label, int type) {
        cvmib::NodeSpec n;
        n.parent = parent;
        n.subid = subid;
        n.label = std::move(label);
        n.type = type;
        n.module = 0;
        model.nodes.push_back(std::move(n));
        return static_cast<uint32_t>(model.nodes.size() - 1);
    };
    uint32_t top = add(cvmib::kNone, 1, "iso", CVMIB_T_NONE);
    const std::pair<uint32_t, const char *> path[] = {{3, "org"}, {6, "dod"}, {1, "internet"}, {4, "private"}, {1, "enterprises"}};
    for (const auto &[subid, label] : path) {
        top = add(top, subid, label, CVMIB_T_NONE);
    }
    uint32_t enterprise = add(top, 99999, "benchMIB", CVMIB_T_NONE);
    for (uint32_t t = 1; model.nodes.size() < nodes; t++) {
        uint32_t table = add(enterprise, t, "benchTable" + std::to_string(t), CVMIB_T_SEQUENCEOF);
        uint32_t entry = add(table, 1, "benchEntry" + std::to_string(t), CVMIB_T_SEQUENCE);
        for (uint32_t c = 1; c <= 97 && model.nodes.size() < nodes; c++) {
            add(entry, c, "benchColumn" + std::to_string(t) + "x" + std::to_string(c), CVMIB_T_INTEGER);
        }
    }
    std::string image, error;
    if (!cvmib::serialize(model, image, &error) || !cvmib::writeFileAtomically(file, image, &error)) {
        fprintf(stderr, "bench: %s\n", error.c_str());
        exit(1);
    }
    return file;
}

// The nodes of the loaded MIB.
inline size_t nodeCount()
{
    size_t n = 0;
    for (const CVmibNode *node = Mib; node != nullptr;) {
        n++;
        if (node->child != nullptr) {
            node = node->child;
            continue;
        }
        while (node != nullptr && node->next == nullptr) {
            node = node->parent;
        }
        node = node != nullptr ? node->next : nullptr;
    }
    return n;
}

#endif
