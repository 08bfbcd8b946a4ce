// Loading the compiled MIB database against the baselines it replaces or stands on: net-snmp
// parsing the same standard modules, and reading the file's bytes. The ratios are printed at
// the end, from the times of this one run.
#include "cvmibdb.h"

#include <benchmark/benchmark.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/parse.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace {

std::string standardDatabase()
{
    const char *path = std::getenv("CVGUI_STANDARD_MIBDB");
    return path != nullptr ? path : CVGUI_STANDARD_MIBDB;
}

std::vector<std::string> standardModules()
{
    std::vector<std::string> files;
    std::istringstream in(CVGUI_STANDARD_MODULES);
    std::string file;
    while (std::getline(in, file, '|')) {
        files.push_back(file);
    }
    return files;
}

int quiet(netsnmp_log_handler *, int, const char *)
{
    return 1;
}

void BM_NetSnmpParseStandardModules(benchmark::State &state)
{
    netsnmp_log_handler *h = netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
    h->handler = quiet;
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_SAVE_MIB_DESCRS, 1);
    std::vector<std::string> files = standardModules();
    std::vector<std::string> dirs;
    std::istringstream in(CVGUI_MIB_DIRS);
    for (std::string d; std::getline(in, d, '|');) {
        dirs.push_back(d);
    }
    for (auto _ : state) {
        netsnmp_init_mib_internals();
        for (const std::string &d : dirs) {
            add_mibdir(d.c_str());
        }
        for (const std::string &f : files) {
            read_mib(f.c_str());
        }
        benchmark::DoNotOptimize(get_tree_head());
        shutdown_mib();
    }
    netsnmp_remove_loghandler(h);
}
BENCHMARK(BM_NetSnmpParseStandardModules)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

void loadFile(benchmark::State &state, const std::string &path)
{
    size_t nodes = 0;
    for (auto _ : state) {
        int code;
        std::string error;
        auto db = cvmib::Database::loadFile(path, &code, &error);
        if (!db) {
            state.SkipWithError(error.c_str());
            return;
        }
        nodes = db->nodeCount();
        benchmark::DoNotOptimize(db->root());
    }
    state.counters["nodes"] = static_cast<double>(nodes);
}

void BM_LoadStandardDatabase(benchmark::State &state)
{
    loadFile(state, standardDatabase());
}
BENCHMARK(BM_LoadStandardDatabase)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// A generated MIB of 100,000 objects: 1,000 tables of 99 columns under one enterprise, with
// descriptions, type names, constraints, enumerations and indexes like real ones.
std::string generatedDatabase()
{
    static std::string file;
    if (!file.empty()) {
        return file;
    }
    cvmib::Model model;
    model.modules.push_back({"BENCH-MIB", "/bench/BENCH-MIB.mib", true, ""});
    auto add = [&](uint32_t parent, uint32_t subid, std::string label) {
        cvmib::NodeSpec n;
        n.parent = parent;
        n.subid = subid;
        n.label = std::move(label);
        n.module = 0;
        model.nodes.push_back(std::move(n));
        return static_cast<uint32_t>(model.nodes.size() - 1);
    };
    uint32_t top = add(cvmib::kNone, 1, "iso");
    const std::pair<uint32_t, const char *> path[] = {
        {3, "org"}, {6, "dod"}, {1, "internet"}, {4, "private"}, {1, "enterprises"}};
    for (const auto &[subid, label] : path) {
        top = add(top, subid, label);
    }
    uint32_t enterprise = add(top, 99999, "benchMIB");
    while (model.nodes.size() < 100000) {
        uint32_t t = static_cast<uint32_t>(model.nodes.size());
        uint32_t table = add(enterprise, t, "benchTable" + std::to_string(t));
        model.nodes[table].type = CVMIB_T_SEQUENCEOF;
        model.nodes[table].typeName = "SEQUENCE OF BenchEntry" + std::to_string(t);
        uint32_t entry = add(table, 1, "benchEntry" + std::to_string(t));
        model.nodes[entry].type = CVMIB_T_SEQUENCE;
        model.nodes[entry].indexes = {{"benchIndex" + std::to_string(t), false}};
        for (uint32_t c = 1; c <= 97 && model.nodes.size() < 100000; ++c) {
            uint32_t col = add(entry, c, "benchColumn" + std::to_string(t) + "x" + std::to_string(c));
            cvmib::NodeSpec &n = model.nodes[col];
            n.type = c % 3 == 0 ? CVMIB_T_INTEGER : c % 3 == 1 ? CVMIB_T_DISPLAYSTR : CVMIB_T_COUNTER;
            n.access = CVMIB_A_READONLY;
            n.status = CVMIB_S_CURRENT;
            n.typeName = n.type == CVMIB_T_DISPLAYSTR ? "DisplayString" : "";
            n.typeSuffix = n.type == CVMIB_T_DISPLAYSTR ? "(SIZE (0..255))" : "";
            n.description = "The value of column " + std::to_string(c) + " of table " + std::to_string(t) +
                            ", counted since the agent last restarted; see the\nconformance section for "
                            "which agents must support it.";
            if (n.type == CVMIB_T_INTEGER) {
                n.enums = {{1, "up"}, {2, "down"}, {3, "testing"}};
            }
        }
    }
    std::string image, error;
    if (!cvmib::serialize(model, image, &error)) {
        std::fprintf(stderr, "bench: %s\n", error.c_str());
        std::exit(1);
    }
    file = (std::filesystem::temp_directory_path() / "cvgui-bench-100k.db").string();
    if (!cvmib::writeFileAtomically(file, image, &error)) {
        std::fprintf(stderr, "bench: %s\n", error.c_str());
        std::exit(1);
    }
    return file;
}

void BM_Load100kNodes(benchmark::State &state)
{
    loadFile(state, generatedDatabase());
}
BENCHMARK(BM_Load100kNodes)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_ReadFile100kNodes(benchmark::State &state)
{
    std::string path = generatedDatabase();
    for (auto _ : state) {
        std::string data, error;
        cvmib::readFile(path, data, &error);
        benchmark::DoNotOptimize(data.data());
    }
}
BENCHMARK(BM_ReadFile100kNodes)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// Keeps each benchmark's median CPU time per iteration for the ratios: the machine is shared,
// and the median of several repetitions of CPU time is what other work disturbs least.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" && !r.error_occurred) {
                times[r.run_name.function_name] = r.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &t = reporter.times;
    auto ratio = [&](const char *a, const char *b, const char *what) {
        if (t.count(a) && t.count(b) && t[b] > 0) {
            std::printf("%-62s %8.1f\n", what, t[a] / t[b]);
        }
    };
    std::printf("\nratios of this run (median CPU times):\n");
    ratio("BM_NetSnmpParseStandardModules", "BM_LoadStandardDatabase",
          "net-snmp parsing the standard modules / loading their database");
    ratio("BM_Load100kNodes", "BM_ReadFile100kNodes", "loading 100,000 nodes / reading the file's bytes");
    if (t.count("BM_Load100kNodes")) {
        std::printf("%-62s %8.2f ms\n", "loading 100,000 nodes (median CPU time)", t["BM_Load100kNodes"]);
    }
    benchmark::Shutdown();
    return 0;
}
