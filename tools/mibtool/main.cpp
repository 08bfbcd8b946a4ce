// mibtool: the "Load/Unload MIBs" utility. Adds SMI modules to the compiled MIB database,
// removes them, lists what it holds and shows what it says of an object.
#include "compiler.h"
#include "cvmibdb.h"
#include "cvsnmp.h"
#include "smiScan.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char usageText[] =
    "usage: mibtool [-f DATABASE] [-M DIR]... [-k] [-q] COMMAND [ARG...]\n"
    "\n"
    "  add FILE|DIR...     compile the modules of the files (of every module file in a\n"
    "                      directory) into the database, with the modules they import;\n"
    "                      a module already there under the same name is replaced\n"
    "  remove MODULE...    take added modules out; imports no other module needs go too\n"
    "  create FILE|DIR...  make the database anew from these modules alone\n"
    "  list                the modules held: added or only imported, nodes, source file\n"
    "  show NAME...        what the database holds for objects (symbolic or numeric names)\n"
    "\n"
    "  -f DATABASE  the database file (default: $CVMIBFILE, else the installed one)\n"
    "  -M DIR       look for imported modules in DIR (before $MIBDIRS or net-snmp's own\n"
    "               directories; the first -M wins); may be repeated\n"
    "  -k           keep going: leave out modules with errors, and those importing them\n"
    "  -q           do not print warnings\n";

struct Options {
    std::string database;
    std::vector<std::string> searchDirs;
    bool keepGoing = false;
    bool quiet = false;
    std::string command;
    std::vector<std::string> args;
};

int usage(const char *problem)
{
    if (problem != nullptr) {
        std::fprintf(stderr, "mibtool: %s\n", problem);
    }
    std::fputs(usageText, stderr);
    return 2;
}

int failure(const std::string &text)
{
    std::fprintf(stderr, "mibtool: %s\n", text.c_str());
    return 1;
}

// The module files named: files as given, directories by their module files in name order.
bool expandFiles(const std::vector<std::string> &args, std::vector<std::string> &files, std::string &error)
{
    for (const std::string &arg : args) {
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            std::vector<std::string> found;
            for (const auto &entry : fs::directory_iterator(arg, ec)) {
                if (!entry.is_regular_file(ec) || entry.path().filename().string()[0] == '.') {
                    continue;
                }
                std::ifstream in(entry.path(), std::ios::binary);
                std::string head(4096, '\0');
                in.read(&head[0], static_cast<std::streamsize>(head.size()));
                head.resize(static_cast<size_t>(in.gcount()));
                if (mibtool::looksLikeModule(head)) {
                    found.push_back(entry.path().string());
                }
            }
            if (ec) {
                error = arg + ": " + ec.message();
                return false;
            }
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else if (fs::exists(arg, ec)) {
            files.push_back(arg);
        } else {
            error = arg + ": no such file or directory";
            return false;
        }
    }
    return true;
}

bool loadExisting(const std::string &path, bool mustExist, std::vector<cvmib::ModuleSpec> &modules,
                  std::string &error)
{
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        if (mustExist) {
            error = path + ": no MIB database there";
            return false;
        }
        return true;
    }
    int code;
    auto db = cvmib::Database::loadFile(path, &code, &error, true);
    if (!db) {
        if (code != CVMIB_E_VERSION) { // that text says so itself
            error += "\n(use \"mibtool create\" to make the database anew)";
        }
        return false;
    }
    for (const auto &m : db->modules()) {
        cvmib::ModuleSpec spec;
        spec.name = m.name;
        spec.file = m.file != nullptr ? m.file : "";
        spec.added = m.added;
        spec.source.assign(m.source != nullptr ? m.source : "", m.sourceSize);
        modules.push_back(std::move(spec));
    }
    return true;
}

int compileAndWrite(const Options &o, mibtool::Request &request)
{
    mibtool::Result result;
    bool ok = mibtool::compile(request, result);
    for (const auto &d : result.diagnostics) {
        if (d.error || !o.quiet) {
            std::fprintf(stderr, "%s\n", d.format().c_str());
        }
    }
    for (const std::string &m : result.refused) {
        std::fprintf(stderr, "mibtool: left out %s: it has errors or imports a module with errors\n",
                     m.c_str());
    }
    if (!ok) {
        return failure("errors: " + o.database + " is unchanged");
    }
    std::string image, error;
    if (!cvmib::serialize(result.model, image, &error)) {
        return failure(error);
    }
    std::error_code ec;
    fs::path parent = fs::path(o.database).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent, ec);
    }
    if (!cvmib::writeFileAtomically(o.database, image, &error)) {
        return failure(error);
    }
    size_t added = std::count_if(result.model.modules.begin(), result.model.modules.end(),
                                 [](const cvmib::ModuleSpec &m) { return m.added; });
    if (!o.quiet) {
        std::printf("%s: %zu modules (%zu added), %zu nodes\n", o.database.c_str(),
                    result.model.modules.size(), added, result.model.nodes.size());
    }
    return 0;
}

int commandAddOrCreate(const Options &o, bool fresh)
{
    if (o.args.empty()) {
        return usage("name the module files or directories");
    }
    mibtool::Request request;
    request.searchDirs = o.searchDirs;
    request.keepGoing = o.keepGoing;
    std::string error;
    if (!expandFiles(o.args, request.files, error)) {
        return failure(error);
    }
    if (request.files.empty()) {
        return failure("no module files among the arguments");
    }
    if (!fresh && !loadExisting(o.database, false, request.existing, error)) {
        return failure(error);
    }
    return compileAndWrite(o, request);
}

int commandRemove(const Options &o)
{
    if (o.args.empty()) {
        return usage("name the modules to remove");
    }
    mibtool::Request request;
    request.searchDirs = o.searchDirs;
    request.remove = o.args;
    std::string error;
    if (!loadExisting(o.database, true, request.existing, error)) {
        return failure(error);
    }
    return compileAndWrite(o, request);
}

int commandList(const Options &o)
{
    int code;
    std::string error;
    auto db = cvmib::Database::loadFile(o.database, &code, &error);
    if (!db) {
        return failure(error);
    }
    std::printf("%-32s %-8s %6s  %s\n", "MODULE", "", "NODES", "FILE");
    for (const auto &m : db->modules()) {
        std::printf("%-32s %-8s %6zu  %s\n", m.name, m.added ? "added" : "imported", m.nodeCount,
                    m.file != nullptr ? m.file : "");
    }
    return 0;
}

const char *const typeNames[] = {"none", "Object Identifier", "Octet String", "Integer", "Network Address",
                                 "IP Address", "Counter", "Gauge", "Timeticks", "Opaque", "Null",
                                 "Display String", "Physical Address", "User Defined", "Sequence Of",
                                 "Sequence", "Module Identity", "Object Identity", "-",
                                 "Notification Type", "Module Compliance", "Object Group",
                                 "Agent Capabilities", "Counter64", "Bits", "Notification Group",
                                 "Unsigned32"};
const char *const accessNames[] = {"read-only", "read-write", "write-only", "not-accessible",
                                   "read-create", "accessible-for-notify"};
const char *const statusNames[] = {"-", "current", "deprecated", "obsolete", "mandatory", "optional"};

std::string list(const CVmibName *head)
{
    std::string out;
    const CVmibName *e = head;
    if (e != nullptr) {
        do {
            out += (out.empty() ? "" : ", ") + std::string(e->implied ? "IMPLIED " : "") + e->name;
            e = e->next;
        } while (e != head);
    }
    return out;
}

int commandShow(const Options &o)
{
    if (o.args.empty()) {
        return usage("name the objects to show");
    }
#ifdef _WIN32
    _putenv_s("CVMIBFILE", o.database.c_str());
#else
    setenv("CVMIBFILE", o.database.c_str(), 1);
#endif
    if (CVmib_load_mib() != 0) {
        return failure(CVmib_load_error());
    }
    int status = 0;
    for (const std::string &name : o.args) {
        CVmibOid oid[CVMIB_MAX_OID];
        int count = CVMIB_MAX_OID;
        CVmibNode *node = nullptr;
        if (CVmib_read_objid(name.c_str(), oid, &count) == 0) {
            node = CVmib_getTreeByObjId(oid, count, Mib);
        }
        if (node == nullptr) {
            std::fprintf(stderr, "mibtool: %s: not in the MIB\n", name.c_str());
            status = 1;
            continue;
        }
        std::printf("%s\n", CVmib_get_objid_name(oid, count));
        std::printf("  oid          %s\n", CVmibGetNumericObjidStr(oid, count));
        // Every module that defines the node, then the node's other labels with theirs.
        std::string modules = node->module ? node->module : "-";
        std::string labels;
        for (const CVmibDefinition *d = node->also; d != nullptr; d = d->next) {
            std::string module = d->module ? d->module : "-";
            if (std::strcmp(d->label, node->label) != 0) {
                labels += (labels.empty() ? "" : ", ") + std::string(d->label) + " (" + module + ")";
            } else if ((", " + modules + ", ").find(", " + module + ", ") == std::string::npos) {
                modules += ", " + module;
            }
        }
        std::printf("  module       %s\n", modules.c_str());
        if (!labels.empty()) {
            std::printf("  also named   %s\n", labels.c_str());
        }
        std::printf("  type         %d %s%s%s%s%s\n", node->type, typeNames[node->type],
                    node->typeName ? " (" : "", node->typeName ? node->typeName : "",
                    node->typeName ? ")" : "", node->typeSuffix ? (" " + std::string(node->typeSuffix)).c_str() : "");
        std::printf("  access       %s\n", node->access >= 0 ? accessNames[node->access] : "-");
        std::printf("  status       %s\n", statusNames[node->status]);
        if (node->units) {
            std::printf("  units        %s\n", node->units);
        }
        for (const CVmibEnum *e = node->enums; e != nullptr; e = e->next) {
            std::printf("  enum         %s(%d)\n", e->name, e->number);
        }
        if (node->indexes) {
            std::printf("  index        %s\n", list(node->indexes).c_str());
        }
        if (node->objects) {
            std::printf("  %-12s %s\n", node->type == CVMIB_T_SEQUENCE ? "augments" : "objects",
                        list(node->objects).c_str());
        }
        std::string children;
        for (const CVmibNode *c = node->child; c != nullptr; c = c->next) {
            children += (children.empty() ? "" : " ") + std::string(c->label);
        }
        if (!children.empty()) {
            std::printf("  children     %s\n", children.c_str());
        }
        if (node->description) {
            std::string text = node->description;
            for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 15) {
                text.insert(at + 1, 14, ' ');
            }
            std::printf("  description  %s\n", text.c_str());
        }
    }
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] != '\0'; ++i) {
        std::string opt = argv[i];
        if ((opt == "-f" || opt == "-M") && i + 1 < argc) {
            (opt == "-f" ? o.database : (o.searchDirs.emplace_back(), o.searchDirs.back())) = argv[++i];
        } else if (opt == "-k") {
            o.keepGoing = true;
        } else if (opt == "-q") {
            o.quiet = true;
        } else if (opt == "-h" || opt == "--help") {
            std::fputs(usageText, stdout);
            return 0;
        } else {
            return usage(("unknown option " + opt).c_str());
        }
    }
    if (i >= argc) {
        return usage(nullptr);
    }
    o.command = argv[i++];
    o.args.assign(argv + i, argv + argc);
    if (o.database.empty()) {
        o.database = CVmib_get_mib_filename();
    }
    if (o.command == "add") {
        return commandAddOrCreate(o, false);
    }
    if (o.command == "create") {
        return commandAddOrCreate(o, true);
    }
    if (o.command == "remove") {
        return commandRemove(o);
    }
    if (o.command == "list") {
        return commandList(o);
    }
    if (o.command == "show") {
        return commandShow(o);
    }
    return usage(("unknown command " + o.command).c_str());
}
