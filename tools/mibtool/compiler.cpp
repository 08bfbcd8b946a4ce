// The MIB compiler over net-snmp's parser. net-snmp reads the modules, resolves their imports
// through its directory index and builds its tree; this file steers it, turns its log messages
// into diagnostics with module, file and line, and converts its tree into the database model.
#include "compiler.h"
#include "smiScan.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/parse.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace mibtool {

std::string Diagnostic::format() const
{
    std::string where;
    if (!module.empty()) {
        where = module;
    }
    if (!file.empty()) {
        std::string place = file + (line > 0 ? ":" + std::to_string(line) : "");
        where = where.empty() ? place : where + " (" + place + ")";
    }
    return (where.empty() ? "" : where + ": ") + (error ? "error: " : "warning: ") + text;
}

namespace {

// One source of modules: a file of the request, or a module kept in the database.
struct Source {
    std::string file;         // the file net-snmp reads
    std::string shownFile;    // the file named in messages and recorded in the database
    std::string text;
    std::vector<ScannedModule> modules;
};

std::vector<std::pair<int, std::string>> *logged = nullptr;

int logToVector(netsnmp_log_handler *, int priority, const char *text)
{
    if (logged != nullptr) {
        std::string line = text;
        while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
            line.pop_back();
        }
        logged->emplace_back(priority, line);
    }
    return 1;
}

bool readText(const std::string &path, std::string &text, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

std::string expandHome(const std::string &dir)
{
    const char *home = std::getenv("HOME");
    std::string out = dir;
    size_t at = out.find("$HOME");
    if (at != std::string::npos) {
        out.replace(at, 5, home != nullptr ? home : "");
    }
    return out;
}

std::vector<std::string> split(const std::string &list, char sep)
{
    std::vector<std::string> out;
    std::string item;
    std::istringstream in(list);
    while (std::getline(in, item, sep)) {
        if (!item.empty()) {
            out.push_back(item);
        }
    }
    return out;
}

// Parser messages that say a definition was lost or a module could not be read. Others
// ("Warning: ...", undefined groups in conformance statements, macro notes) leave the tree whole.
bool isError(int priority, const std::string &text)
{
    static const char *const benign[] = {"Warning", "MIB search path", "Undefined OBJECT-GROUP",
                                         "Undefined NOTIFICATION-GROUP", "Group not found",
                                         "Object not found", "Notification not found", "Did not find",
                                         "Importing "};
    static const char *const fatal[] = {"Unlinked OID", "Cannot adopt OID", "Undefined identifier",
                                        "Cannot find module",
                                        "Expected", "Bad ", "Unexpected", "Too many", "Unknown"};
    for (const char *p : fatal) {
        if (text.compare(0, std::strlen(p), p) == 0) {
            return true;
        }
    }
    for (const char *p : benign) {
        if (text.compare(0, std::strlen(p), p) == 0) {
            return false;
        }
    }
    return priority <= LOG_ERR;
}

class Compiler {
public:
    Compiler(const Request &request, Result &result) : req_(request), res_(result) {}

    bool run()
    {
        if (!gather()) {
            return false;
        }
        tempDir_ = makeTempDir();
        if (tempDir_.empty()) {
            return usage("", "cannot make a temporary directory: " + std::string(std::strerror(errno)));
        }
        bool ok = rounds();
        std::error_code ec;
        fs::remove_all(tempDir_, ec);
        return ok;
    }

private:
    bool usage(const std::string &file, const std::string &text)
    {
        Diagnostic d;
        d.error = true;
        d.file = file;
        d.text = text;
        res_.diagnostics.push_back(d);
        return false;
    }

    // The modules to compile: those added before (minus the removed and the replaced), then
    // every module of the request's files.
    bool gather()
    {
        for (const std::string &path : req_.files) {
            Source s;
            std::string error;
            if (!readText(path, s.text, error)) {
                return usage("", error);
            }
            if (!looksLikeModule(s.text)) {
                return usage(path, "not an SMI module (no \"NAME DEFINITIONS ::= BEGIN\" at its start)");
            }
            s.file = path;
            s.shownFile = fs::absolute(path).lexically_normal().string();
            s.modules = scanText(s.text);
            for (const ScannedModule &m : s.modules) {
                added_.push_back(m.header.name);
            }
            files_.push_back(std::move(s));
        }
        std::set<std::string> replaced(added_.begin(), added_.end());
        std::set<std::string> present;
        for (const cvmib::ModuleSpec &m : req_.existing) {
            present.insert(m.name);
        }
        for (const std::string &name : req_.remove) {
            auto it = std::find_if(req_.existing.begin(), req_.existing.end(),
                                   [&](const cvmib::ModuleSpec &m) { return m.name == name; });
            if (it == req_.existing.end()) {
                return usage("", "module " + name + " is not in the database");
            }
            if (!it->added) {
                return usage("", "module " + name + " was not added but imported; remove the modules "
                                                    "that import it");
            }
        }
        std::set<std::string> removed(req_.remove.begin(), req_.remove.end());
        for (const cvmib::ModuleSpec &m : req_.existing) {
            if (replaced.count(m.name) || removed.count(m.name)) {
                continue;
            }
            Source s;
            s.shownFile = m.file;
            s.text = m.source;
            s.modules = scanText(s.text);
            kept_.push_back(std::move(s));
            if (m.added) {
                added_.push_back(m.name);
            }
        }
        // A removed module that a remaining one imports would come back at once.
        for (const Source &s : kept_) {
            for (const ScannedModule &m : s.modules) {
                for (const std::string &import : m.header.imports) {
                    if (removed.count(import)) {
                        return usage("", "cannot remove " + import + ": " + m.header.name + " imports it");
                    }
                }
            }
        }
        return true;
    }

    std::string makeTempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "mibtool-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        return mkdtemp(buffer.data()) != nullptr ? std::string(buffer.data()) : std::string();
    }

    bool rounds()
    {
        // Kept modules are handed to net-snmp as files of a directory of their own.
        keptDir_ = tempDir_ + "/kept";
        fs::create_directory(keptDir_);
        for (size_t i = 0; i < kept_.size(); ++i) {
            Source &s = kept_[i];
            s.file = keptDir_ + "/" + std::to_string(i) + ".mib";
            std::ofstream(s.file, std::ios::binary) << s.text;
        }
        std::set<std::string> refused;
        for (;;) {
            std::vector<std::string> explicitModules;
            for (const std::string &name : added_) {
                if (!refused.count(name)) {
                    explicitModules.push_back(name);
                }
            }
            if (explicitModules.empty() && !added_.empty()) {
                return false;
            }
            std::vector<Diagnostic> diagnostics;
            parse(explicitModules, refused, diagnostics);
            std::set<std::string> failed;
            for (const Diagnostic &d : diagnostics) {
                if (d.error) {
                    failed.insert(d.module);
                }
            }
            if (failed.empty()) {
                res_.diagnostics.insert(res_.diagnostics.end(), diagnostics.begin(), diagnostics.end());
                res_.refused.assign(refused.begin(), refused.end());
                bool ok = build(explicitModules);
                shutdown_mib();
                return ok;
            }
            shutdown_mib();
            if (!req_.keepGoing || failed.count("")) {
                res_.diagnostics.insert(res_.diagnostics.end(), diagnostics.begin(), diagnostics.end());
                return false;
            }
            // Leave out the failed modules and every added module that depends on one of them.
            for (const Diagnostic &d : diagnostics) {
                if (d.error) {
                    res_.diagnostics.push_back(d);
                }
            }
            size_t before = refused.size();
            refused.insert(failed.begin(), failed.end());
            for (const std::string &name : explicitModules) {
                if (dependsOn(name, refused)) {
                    refused.insert(name);
                }
            }
            if (refused.size() == before) {
                return false; // errors that leaving out modules does not cure
            }
        }
    }

    const ScannedModule *scanned(const std::string &name) const
    {
        for (const auto *list : {&files_, &kept_, &found_}) {
            for (const Source &s : *list) {
                for (const ScannedModule &m : s.modules) {
                    if (m.header.name == name) {
                        return &m;
                    }
                }
            }
        }
        return nullptr;
    }

    bool dependsOn(const std::string &name, const std::set<std::string> &refused) const
    {
        std::set<std::string> seen;
        std::vector<std::string> todo{name};
        while (!todo.empty()) {
            std::string m = todo.back();
            todo.pop_back();
            if (!seen.insert(m).second) {
                continue;
            }
            if (m != name && refused.count(m)) {
                return true;
            }
            int id = which_module(m.c_str());
            struct module *mp = id >= 0 ? find_module(id) : nullptr;
            if (mp != nullptr) {
                for (int i = 0; i < mp->no_imports; ++i) {
                    struct module *im = find_module(mp->imports[i].modid);
                    if (im != nullptr) {
                        todo.push_back(im->name);
                    }
                }
            }
            if (const ScannedModule *s = scanned(m)) {
                todo.insert(todo.end(), s->header.imports.begin(), s->header.imports.end());
            }
        }
        return false;
    }

    void parse(const std::vector<std::string> &explicitModules, const std::set<std::string> &refused,
               std::vector<Diagnostic> &diagnostics)
    {
        std::vector<std::pair<int, std::string>> messages;
        logged = &messages;
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_SAVE_MIB_DESCRS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_PARSE_LABEL, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_WARNINGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_ERRORS, 1);
        netsnmp_init_mib_internals();

        // net-snmp prefers the directory indexed last: the defaults first, then the request's
        // directories (the first named wins), the files' own directories, then the modules kept
        // in the database. The request's files are read last, over all of them.
        const char *env = std::getenv("MIBDIRS");
        std::string defaults = env != nullptr ? env : netsnmp_get_mib_directory();
        std::vector<std::string> dirs;
        for (const std::string &d : split(defaults, ':')) {
            dirs.push_back(expandHome(d));
        }
        for (auto it = req_.searchDirs.rbegin(); it != req_.searchDirs.rend(); ++it) {
            dirs.push_back(*it);
            std::error_code ec;
            if (!fs::is_directory(*it, ec) && warnedDirs_.insert(*it).second) {
                Diagnostic d;
                d.file = *it;
                d.text = "no such directory to look for modules in";
                res_.diagnostics.push_back(d);
            }
        }
        for (const Source &s : files_) {
            dirs.push_back(fs::path(s.file).parent_path().string());
        }
        searched_.clear();
        for (const std::string &d : dirs) {
            std::error_code ec;
            if (!d.empty() && fs::is_directory(d, ec)) {
                add_mibdir(indexOf(d).c_str());
                searched_ = d + (searched_.empty() ? "" : ":" + searched_);
            }
        }
        if (!kept_.empty()) {
            add_mibdir(keptDir_.c_str());
            searched_ = "(the database's modules):" + searched_;
        }
        messages.clear(); // indexing the directories says nothing about the modules

        // The first definition of a node is the one net-snmp keeps: read SMIv2 modules before
        // SMIv1 ones, so that IF-MIB's ifTable wins over RFC1213-MIB's.
        struct Read {
            bool v1;
            const Source *file;
            std::string module;
        };
        std::vector<Read> reads;
        for (const Source &s : files_) {
            bool wanted = false, v2 = false;
            for (const ScannedModule &m : s.modules) {
                wanted = wanted || !refused.count(m.header.name);
                v2 = v2 || isSmiV2(m);
            }
            if (wanted) {
                reads.push_back({!v2, &s, ""});
            }
        }
        for (const std::string &name : explicitModules) {
            if (!isFromFiles(name)) {
                const ScannedModule *m = scanned(name);
                reads.push_back({m == nullptr || !isSmiV2(*m), nullptr, name});
            }
        }
        std::stable_sort(reads.begin(), reads.end(), [](const Read &a, const Read &b) { return !a.v1 && b.v1; });
        for (const Read &r : reads) {
            if (r.file != nullptr) {
                read_mib(r.file->file.c_str());
            } else {
                read_module(r.module.c_str());
            }
        }
        logged = nullptr;
        for (const auto &[priority, text] : messages) {
            // Notes on the SMI's own macro definitions say nothing about the modules.
            if (text.find(" MACRO (lines ") == std::string::npos) {
                diagnostics.push_back(diagnose(priority, text));
            }
        }
    }

    static bool isSmiV2(const ScannedModule &m)
    {
        return m.header.name == "SNMPv2-SMI" ||
               std::find(m.header.imports.begin(), m.header.imports.end(), "SNMPv2-SMI") != m.header.imports.end();
    }

    // net-snmp opens every entry of a directory it indexes, and waits forever on a FIFO: it
    // gets a directory of links to the regular files instead.
    std::string indexOf(const std::string &dir)
    {
        auto known = indexes_.find(dir);
        if (known != indexes_.end()) {
            return known->second;
        }
        std::string index = tempDir_ + "/index" + std::to_string(indexes_.size());
        std::error_code ec;
        fs::create_directory(index, ec);
        for (const auto &entry : fs::directory_iterator(dir, ec)) {
            std::string name = entry.path().filename().string();
            std::error_code fileError;
            if (name.empty() || name[0] == '.' || name.back() == '~' || !entry.is_regular_file(fileError)) {
                continue;
            }
            fs::create_symlink(fs::absolute(entry.path()), index + "/" + name, fileError);
        }
        indexes_[dir] = index;
        return index;
    }

    // The file behind a path net-snmp names: links of an index lead to the real file.
    std::string realPath(const std::string &file) const
    {
        if (file.compare(0, tempDir_.size() + 6, tempDir_ + "/index") == 0) {
            std::error_code ec;
            fs::path target = fs::read_symlink(file, ec);
            if (!ec) {
                return target.lexically_normal().string();
            }
        }
        return file;
    }

    bool isFromFiles(const std::string &name) const
    {
        for (const Source &s : files_) {
            for (const ScannedModule &m : s.modules) {
                if (m.header.name == name) {
                    return true;
                }
            }
        }
        return false;
    }

    const Source *sourceOfFile(const std::string &file) const
    {
        for (const auto *list : {&files_, &kept_}) {
            for (const Source &s : *list) {
                if (s.file == file) {
                    return &s;
                }
            }
        }
        return nullptr;
    }

    // The module, file and line a parser message is about.
    Diagnostic diagnose(int priority, const std::string &text)
    {
        Diagnostic d;
        d.error = isError(priority, text);
        d.text = text;
        if (text.compare(0, 15, "MIB search path") == 0) {
            // net-snmp names its own default path; say where this compiler looked, the
            // directory that wins first.
            d.text = "MIB search path: " + searched_;
            return d;
        }
        std::string file;
        size_t at = text.rfind(": At line ");
        size_t near = text.rfind(" near line ");
        if (at != std::string::npos) {
            d.line = std::atoi(text.c_str() + at + 10);
            size_t in = text.find(" in ", at + 10);
            if (in != std::string::npos) {
                file = text.substr(in + 4);
            }
            d.text = text.substr(0, at);
        } else if (near != std::string::npos) {
            d.line = std::atoi(text.c_str() + near + 11);
            size_t of = text.find(" of ", near + 11);
            if (of != std::string::npos) {
                file = text.substr(of + 4);
            }
            d.text = text.substr(0, near);
        }
        size_t prefix = text.compare(0, 16, "Unlinked OID in ") == 0       ? 16
                        : text.compare(0, 20, "Cannot adopt OID in ") == 0 ? 20
                                                                          : 0;
        if (prefix > 0) {
            size_t colon = text.find(':', prefix);
            d.module = text.substr(prefix, colon == std::string::npos ? std::string::npos : colon - prefix);
            // "... label ::= { parent n }": the definition's own line.
            size_t assign = text.find(" ::= ");
            if (colon != std::string::npos && assign != std::string::npos) {
                std::string label = text.substr(colon + 2, assign - colon - 2);
                if (const ScannedModule *m = scanned(d.module)) {
                    auto def = m->definitions.find(label);
                    d.line = def != m->definitions.end() ? def->second : 0;
                }
            }
            int id = which_module(d.module.c_str());
            struct module *mp = id >= 0 ? find_module(id) : nullptr;
            file = mp != nullptr && mp->file != nullptr ? mp->file : "";
        }
        if (!file.empty()) {
            file = realPath(file);
            const Source *s = sourceOfFile(file);
            d.file = s != nullptr ? s->shownFile : file;
            if (d.module.empty()) {
                d.module = moduleAt(s, file, d.line);
            }
        }
        return d;
    }

    std::string moduleAt(const Source *s, const std::string &file, int line)
    {
        std::vector<ScannedModule> scannedHere;
        const std::vector<ScannedModule> *modules = s != nullptr ? &s->modules : nullptr;
        if (modules == nullptr) {
            std::string text, error;
            if (!readText(file, text, error)) {
                return "";
            }
            scannedHere = scanText(text);
            modules = &scannedHere;
        }
        std::string name;
        for (const ScannedModule &m : *modules) {
            if (name.empty() || line <= 0 || m.header.line <= line) {
                name = m.header.name;
            }
        }
        return name;
    }

    // ---- net-snmp's tree into the model ----

    int typeCode(struct tree *t, const Syntax *syntax, std::string &typeName)
    {
        const char *tc = t->tc_index >= 0 ? get_tc_descriptor(t->tc_index) : nullptr;
        typeName = tc != nullptr ? tc : "";
        std::string hint = t->hint != nullptr ? t->hint : "";
        if (t->parent != nullptr && t->parent->type == TYPE_TRAPTYPE) {
            return CVMIB_T_NOTIFTYPE;
        }
        switch (t->type) {
        case TYPE_OBJID: return CVMIB_T_OBJID;
        case TYPE_OCTETSTR:
            if (typeName == "DisplayString" || hint == "255a") {
                return CVMIB_T_DISPLAYSTR;
            }
            if (typeName == "PhysAddress" || typeName == "MacAddress" || hint == "1x:") {
                return CVMIB_T_PHYSADDR;
            }
            return CVMIB_T_OCTETSTR;
        case TYPE_INTEGER:
        case TYPE_INTEGER32: return CVMIB_T_INTEGER;
        case TYPE_NETADDR: return CVMIB_T_NETADDR;
        case TYPE_IPADDR: return CVMIB_T_IPADDR;
        case TYPE_COUNTER: return CVMIB_T_COUNTER;
        case TYPE_GAUGE: return CVMIB_T_GAUGE;
        case TYPE_TIMETICKS: return CVMIB_T_TIMETICKS;
        case TYPE_OPAQUE: return CVMIB_T_OPAQUE;
        case TYPE_NULL: return CVMIB_T_NULL;
        case TYPE_COUNTER64: return CVMIB_T_COUNTER64;
        case TYPE_BITSTRING: return CVMIB_T_BITS;
        case TYPE_NSAPADDRESS: typeName = "NsapAddress"; return CVMIB_T_USERDEFINED;
        case TYPE_UINTEGER:
        case TYPE_UNSIGNED32: return CVMIB_T_UNSIGNED32;
        case TYPE_TRAPTYPE: return CVMIB_T_NONE; // the enterprise.0 node of SMIv1 traps
        case TYPE_NOTIFTYPE: return CVMIB_T_NOTIFTYPE;
        case TYPE_OBJGROUP: return CVMIB_T_OBJGROUP;
        case TYPE_NOTIFGROUP: return CVMIB_T_NOTIFGROUP;
        case TYPE_MODID: return CVMIB_T_MODID;
        case TYPE_AGENTCAP: return CVMIB_T_AGENTCAP;
        case TYPE_MODCOMP: return CVMIB_T_MODCOMP;
        case TYPE_OBJIDENTITY: return CVMIB_T_OBJIDENTITY;
        default: break;
        }
        if (t->access == 0) {
            return CVMIB_T_NONE; // an OBJECT IDENTIFIER value: no object
        }
        // An OBJECT-TYPE whose syntax net-snmp has no type for: tables, rows, unknown types.
        std::string written = syntax != nullptr ? syntax->type : "";
        if (written.compare(0, 12, "SEQUENCE OF ") == 0 ||
            (written.empty() && t->child_list != nullptr && t->child_list->next_peer == nullptr &&
             (t->child_list->indexes != nullptr || t->child_list->augments != nullptr))) {
            typeName = written;
            return CVMIB_T_SEQUENCEOF;
        }
        if (t->indexes != nullptr || t->augments != nullptr) {
            typeName = written;
            return CVMIB_T_SEQUENCE;
        }
        typeName = written;
        return CVMIB_T_USERDEFINED;
    }

    static int accessCode(int access)
    {
        switch (access) {
        case MIB_ACCESS_READONLY: return CVMIB_A_READONLY;
        case MIB_ACCESS_READWRITE: return CVMIB_A_READWRITE;
        case MIB_ACCESS_WRITEONLY: return CVMIB_A_WRITEONLY;
        case MIB_ACCESS_NOACCESS: return CVMIB_A_NOACCESS;
        case MIB_ACCESS_CREATE: return CVMIB_A_READCREATE;
        case MIB_ACCESS_NOTIFY: return CVMIB_A_NOTIFY;
        default: return CVMIB_A_NONE;
        }
    }

    static uint32_t statusCode(int status)
    {
        switch (status) {
        case MIB_STATUS_CURRENT: return CVMIB_S_CURRENT;
        case MIB_STATUS_DEPRECATED: return CVMIB_S_DEPRECATED;
        case MIB_STATUS_OBSOLETE: return CVMIB_S_OBSOLETE;
        case MIB_STATUS_MANDATORY: return CVMIB_S_MANDATORY;
        case MIB_STATUS_OPTIONAL: return CVMIB_S_OPTIONAL;
        default: return CVMIB_S_NONE;
        }
    }

    // The constraint from net-snmp's ranges, for a SYNTAX clause the scan did not see.
    static std::string rangesText(struct tree *t, int code)
    {
        if (t->ranges == nullptr) {
            return "";
        }
        bool unsignedType = code == CVMIB_T_GAUGE || code == CVMIB_T_COUNTER ||
                            code == CVMIB_T_TIMETICKS || code == CVMIB_T_UNSIGNED32;
        auto number = [&](int v) {
            return unsignedType ? std::to_string(static_cast<unsigned>(v)) : std::to_string(v);
        };
        std::string out;
        for (struct range_list *r = t->ranges; r != nullptr; r = r->next) {
            out += out.empty() ? "" : " | ";
            out += number(r->low);
            if (r->high != r->low) {
                out += ".." + number(r->high);
            }
        }
        bool size = code == CVMIB_T_OCTETSTR || code == CVMIB_T_DISPLAYSTR ||
                    code == CVMIB_T_PHYSADDR || code == CVMIB_T_OPAQUE;
        return size ? "(SIZE (" + out + "))" : "(" + out + ")";
    }

    // Descriptions as written are indented like the module; drop the common indentation of
    // the continuation lines.
    static std::string dedent(const char *text)
    {
        if (text == nullptr) {
            return "";
        }
        std::vector<std::string> lines = {""};
        for (const char *c = text; *c; ++c) {
            if (*c == '\n') {
                lines.emplace_back();
            } else if (*c != '\r') {
                lines.back().push_back(*c);
            }
        }
        size_t indent = std::string::npos;
        for (size_t i = 1; i < lines.size(); ++i) {
            size_t first = lines[i].find_first_not_of(" \t");
            if (first != std::string::npos) {
                indent = std::min(indent, first);
            }
        }
        std::string out;
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string line = lines[i];
            if (i > 0) {
                out.push_back('\n');
                line = line.size() > indent ? line.substr(indent) : line.find_first_not_of(" \t") == std::string::npos ? "" : line;
            }
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
                line.pop_back();
            }
            out += line;
        }
        while (!out.empty() && out.back() == '\n') {
            out.pop_back();
        }
        return out;
    }

    static bool goodLabel(const char *label, unsigned long subid)
    {
        if (label == nullptr || *label == '\0') {
            return false;
        }
        bool digits = true;
        for (const char *c = label; *c; ++c) {
            if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != '-' && *c != '_') {
                return false;
            }
            digits = digits && std::isdigit(static_cast<unsigned char>(*c));
        }
        return !digits || std::strtoul(label, nullptr, 10) == subid;
    }

    uint32_t moduleIndex(int modid)
    {
        struct module *mp = find_module(modid);
        if (mp == nullptr) {
            return cvmib::kNone;
        }
        auto it = moduleIndex_.find(mp->name);
        return it != moduleIndex_.end() ? it->second : cvmib::kNone;
    }

    void addNode(struct tree *t, uint32_t parent)
    {
        cvmib::NodeSpec node;
        node.parent = parent;
        node.subid = static_cast<uint32_t>(t->subid);
        // Anonymous nodes (the enterprise.0 of SMIv1 traps) are named by their number.
        node.label = goodLabel(t->label, t->subid) ? t->label : std::to_string(t->subid);
        node.module = moduleIndex(t->modid);
        const ScannedModule *scan = node.module != cvmib::kNone
                                        ? scanned(res_.model.modules[node.module].name)
                                        : nullptr;
        const Syntax *syntax = nullptr;
        if (scan != nullptr) {
            auto it = scan->syntax.find(node.label);
            syntax = it != scan->syntax.end() ? &it->second : nullptr;
        }
        node.type = typeCode(t, syntax, node.typeName);
        node.access = node.type == CVMIB_T_NONE ? CVMIB_A_NONE : accessCode(t->access);
        node.status = statusCode(t->status);
        node.description = dedent(t->description);
        // net-snmp cuts a quoted text at MAXQUOTESTR bytes; a description that long is taken
        // whole from the module's text instead.
        if (t->description != nullptr && std::strlen(t->description) >= MAXQUOTESTR - 1 && scan != nullptr) {
            auto whole = scan->descriptions.find(node.label);
            if (whole != scan->descriptions.end()) {
                node.description = dedent(whole->second.c_str());
            }
        }
        node.units = t->units != nullptr ? t->units : "";
        // net-snmp copies a textual convention's ranges into the object: only a SYNTAX clause
        // the scan did not see falls back on them.
        node.typeSuffix = syntax != nullptr ? syntax->constraint : rangesText(t, node.type);
        for (struct enum_list *e = t->enums; e != nullptr; e = e->next) {
            node.enums.push_back({e->value, e->label != nullptr ? e->label : ""});
        }
        for (struct index_list *i = t->indexes; i != nullptr; i = i->next) {
            if (i->ilabel != nullptr) {
                node.indexes.push_back({i->ilabel, i->isimplied != 0});
            }
        }
        if (t->augments != nullptr && *t->augments != '\0') {
            node.objects.push_back({t->augments, false});
        }
        for (struct varbind_list *v = t->varbinds; v != nullptr; v = v->next) {
            if (v->vblabel != nullptr) {
                node.objects.push_back({v->vblabel, false});
            }
        }
        res_.model.nodes.push_back(std::move(node));
    }

    // Every module that defines a node under each of its labels, beside the kept definition:
    // net-snmp reads "MODULE::label" through any of them.
    void addDefinitions(const std::vector<struct tree *> &group, cvmib::NodeSpec &node)
    {
        for (struct tree *t : group) {
            if (!goodLabel(t->label, t->subid)) {
                continue;
            }
            std::vector<int> modids(t->module_list, t->module_list + std::max(t->number_modules, 0));
            modids.insert(modids.begin(), t->modid);
            for (int modid : modids) {
                cvmib::Definition d{t->label, moduleIndex(modid)};
                bool known = d.label == node.label && d.module == node.module;
                for (const cvmib::Definition &o : node.also) {
                    known = known || (o.label == d.label && o.module == d.module);
                }
                if (!known) {
                    node.also.push_back(std::move(d));
                }
            }
        }
    }

    // Siblings of one sub-identifier (one node defined under two names) become one node: the
    // one that says most, with the children of all and every name of each.
    void addLevel(std::vector<struct tree *> siblings, uint32_t parent)
    {
        std::stable_sort(siblings.begin(), siblings.end(),
                         [](struct tree *a, struct tree *b) { return a->subid < b->subid; });
        for (size_t i = 0; i < siblings.size();) {
            size_t j = i;
            struct tree *keep = siblings[i];
            std::vector<struct tree *> children;
            for (; j < siblings.size() && siblings[j]->subid == siblings[i]->subid; ++j) {
                struct tree *t = siblings[j];
                if (keep->type == TYPE_OTHER && keep->access == 0 && (t->type != TYPE_OTHER || t->access != 0)) {
                    keep = t;
                }
                for (struct tree *c = t->child_list; c != nullptr; c = c->next_peer) {
                    children.push_back(c);
                }
            }
            for (size_t k = i; k < j; ++k) {
                if (siblings[k] != keep && siblings[k]->label != nullptr && keep->label != nullptr &&
                    std::strcmp(siblings[k]->label, keep->label) != 0) {
                    Diagnostic d;
                    d.text = std::string("sub-identifier ") + std::to_string(keep->subid) + " is both " +
                             keep->label + " and " + siblings[k]->label + "; both names read, the facts are " +
                             keep->label + "'s";
                    res_.diagnostics.push_back(d);
                }
            }
            addNode(keep, parent);
            addDefinitions(std::vector<struct tree *>(siblings.begin() + i, siblings.begin() + j),
                           res_.model.nodes.back());
            addLevel(children, static_cast<uint32_t>(res_.model.nodes.size() - 1));
            i = j;
        }
    }

    // The modules net-snmp read: the added ones and everything they import.
    void collectModules(const std::vector<std::string> &explicitModules)
    {
        std::set<std::string> explicitSet(explicitModules.begin(), explicitModules.end());
        std::vector<int> todo;
        for (const std::string &name : explicitModules) {
            todo.push_back(which_module(name.c_str()));
        }
        std::set<int> seen;
        while (!todo.empty()) {
            int id = todo.back();
            todo.pop_back();
            struct module *mp = id >= 0 ? find_module(id) : nullptr;
            if (mp == nullptr || !seen.insert(id).second) {
                continue;
            }
            for (int i = 0; i < mp->no_imports; ++i) {
                todo.push_back(mp->imports[i].modid);
            }
            cvmib::ModuleSpec spec;
            spec.name = mp->name;
            spec.added = explicitSet.count(spec.name) > 0;
            std::string file = realPath(mp->file != nullptr ? mp->file : "");
            const Source *s = sourceOfFile(file);
            std::string error;
            if (s != nullptr) {
                spec.file = s->shownFile;
                spec.source = s->text;
            } else if (!file.empty()) {
                spec.file = fs::absolute(file).lexically_normal().string();
                readText(file, spec.source, error);
                // Modules found through the search path are scanned for their syntax too.
                Source found;
                found.file = file;
                found.shownFile = spec.file;
                found.text = spec.source;
                found.modules = scanText(found.text);
                found_.push_back(std::move(found));
            }
            // net-snmp does not list the macro modules (SNMPv2-CONF, RFC-1212, ...) among the
            // imports it records, yet reads them: keep them, so that the database compiles
            // again from its own sources.
            if (const ScannedModule *own = scanned(spec.name)) {
                for (const std::string &import : own->header.imports) {
                    todo.push_back(which_module(import.c_str()));
                }
            }
            moduleIndex_[spec.name] = static_cast<uint32_t>(res_.model.modules.size());
            res_.model.modules.push_back(std::move(spec));
        }
        // Added modules first, then imports, each by name: a stable listing.
        std::vector<size_t> order(res_.model.modules.size());
        for (size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        std::vector<cvmib::ModuleSpec> &mods = res_.model.modules;
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return std::make_pair(!mods[a].added, mods[a].name) < std::make_pair(!mods[b].added, mods[b].name);
        });
        std::vector<cvmib::ModuleSpec> sorted;
        for (size_t i : order) {
            moduleIndex_[mods[i].name] = static_cast<uint32_t>(sorted.size());
            sorted.push_back(std::move(mods[i]));
        }
        mods = std::move(sorted);
        kept_.insert(kept_.end(), std::make_move_iterator(found_.begin()), std::make_move_iterator(found_.end()));
        found_.clear();
    }

    bool build(const std::vector<std::string> &explicitModules)
    {
        collectModules(explicitModules);
        std::vector<struct tree *> top;
        for (struct tree *t = get_tree_head(); t != nullptr; t = t->next_peer) {
            top.push_back(t);
        }
        addLevel(top, cvmib::kNone);
        return true;
    }

    const Request &req_;
    Result &res_;
    std::vector<Source> files_;   // the request's files
    std::vector<Source> kept_;    // modules kept from the database (and found ones, late)
    std::vector<Source> found_;
    std::vector<std::string> added_;
    std::string tempDir_;
    std::map<std::string, uint32_t> moduleIndex_;
    std::set<std::string> warnedDirs_;
    std::string searched_;
    std::string keptDir_;
    std::map<std::string, std::string> indexes_;
};

} // namespace

bool compile(const Request &request, Result &result)
{
    static bool logging = false;
    if (!logging) {
        netsnmp_log_handler *h = netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
        if (h != nullptr) {
            h->handler = logToVector;
        }
        logging = true;
    }
    Compiler compiler(request, result);
    return compiler.run();
}

} // namespace mibtool
