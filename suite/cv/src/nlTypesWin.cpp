// catopen/catgets/catclose for Windows over gencat catalogue sources.
#include <nl_types.h>

#include "cvMsgSource.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>
#include <algorithm>
#include <windows.h>

#include "moduleFile.h"

namespace {

struct Catalog {
    cv::MsgTable messages;
};

std::string envOr(const char *name, const char *fallback)
{
    const char *v = getenv(name);
    return v != nullptr && *v != '\0' ? v : fallback;
}

// "de_DE.UTF-8" -> language "de", territory "DE", codeset "UTF-8"
void splitLocale(const std::string &loc, std::string &lang, std::string &terr, std::string &codeset)
{
    size_t us = loc.find('_');
    size_t dot = loc.find('.');
    size_t at = loc.find('@');
    size_t langEnd = std::min({us, dot, at, loc.size()});
    lang = loc.substr(0, langEnd);
    terr = us == std::string::npos ? "" : loc.substr(us + 1, std::min({dot, at, loc.size()}) - us - 1);
    codeset = dot == std::string::npos ? "" : loc.substr(dot + 1, std::min(at, loc.size()) - dot - 1);
}

std::string expand(const std::string &tmpl, const std::string &name, const std::string &loc)
{
    std::string lang, terr, codeset;
    splitLocale(loc, lang, terr, codeset);
    std::string out;
    for (size_t i = 0; i < tmpl.size(); i++) {
        if (tmpl[i] != '%' || i + 1 == tmpl.size()) {
            out += tmpl[i];
            continue;
        }
        switch (tmpl[++i]) {
        case 'N': out += name; break;
        case 'L': out += loc; break;
        case 'l': out += lang; break;
        case 't': out += terr; break;
        case 'c': out += codeset; break;
        case '%': out += '%'; break;
        default: out += '%'; out += tmpl[i];
        }
    }
    return out;
}

bool load(const std::string &path, Catalog &cat)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return cv::parseMsgSource(text.str(), cat.messages, nullptr);
}

std::string defaultPath()
{
    std::string dir = cvModuleFileName(nullptr);
    size_t slash = dir.find_last_of("\\/");
    dir = slash == std::string::npos ? "." : dir.substr(0, slash);
    return dir + "\\..\\share\\locale\\%l\\LC_MESSAGES\\%N.msg:" + dir +
           "\\..\\share\\locale\\C\\LC_MESSAGES\\%N.msg";
}

// NLSPATH separates templates with ':'; a drive letter ("C:\...") is not a separator.
std::vector<std::string> templates(const std::string &path)
{
    std::vector<std::string> out;
    std::string cur;
    for (size_t i = 0; i < path.size(); i++) {
        bool driveColon = path[i] == ':' && cur.size() == 1 && isalpha(static_cast<unsigned char>(cur[0])) &&
                          i + 1 < path.size() && (path[i + 1] == '\\' || path[i + 1] == '/');
        if (path[i] == ':' && !driveColon) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += path[i];
        }
    }
    out.push_back(cur);
    return out;
}

} // namespace

extern "C" nl_catd catopen(const char *name, int flag)
{
    std::string loc = flag == NL_CAT_LOCALE ? envOr("LC_ALL", envOr("LC_MESSAGES", envOr("LANG", "C").c_str()).c_str())
                                            : envOr("LANG", "C");
    std::vector<std::string> candidates;
    if (strchr(name, '/') != nullptr || strchr(name, '\\') != nullptr) {
        candidates.push_back(name);
    } else {
        for (const std::string &t : templates(envOr("NLSPATH", defaultPath().c_str()))) {
            if (!t.empty()) {
                candidates.push_back(expand(t, name, loc));
            }
        }
    }
    for (const std::string &path : candidates) {
        auto *cat = new Catalog;
        if (load(path, *cat)) {
            return cat;
        }
        delete cat;
    }
    errno = ENOENT;
    return reinterpret_cast<nl_catd>(-1);
}

extern "C" char *catgets(nl_catd catalog, int set, int number, const char *defaultText)
{
    if (catalog == nullptr || catalog == reinterpret_cast<nl_catd>(-1)) {
        errno = EBADF;
        return const_cast<char *>(defaultText);
    }
    auto *cat = static_cast<Catalog *>(catalog);
    auto it = cat->messages.find({set, number});
    if (it == cat->messages.end()) {
        errno = ENOMSG;
        return const_cast<char *>(defaultText);
    }
    return const_cast<char *>(it->second.c_str());
}

extern "C" int catclose(nl_catd catalog)
{
    if (catalog == nullptr || catalog == reinterpret_cast<nl_catd>(-1)) {
        errno = EBADF;
        return -1;
    }
    delete static_cast<Catalog *>(catalog);
    return 0;
}
