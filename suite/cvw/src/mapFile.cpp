// Reading map files.
#include "mapFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace cvw {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits off the next blank-separated word of `rest`.
std::string word(std::string &rest)
{
    size_t begin = 0;
    while (begin < rest.size() && isBlank(rest[begin])) {
        ++begin;
    }
    size_t end = begin;
    while (end < rest.size() && !isBlank(rest[end])) {
        ++end;
    }
    std::string w = rest.substr(begin, end - begin);
    rest.erase(0, end);
    return w;
}

std::string trimmed(const std::string &s)
{
    size_t begin = 0, end = s.size();
    while (begin < end && isBlank(s[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(s[end - 1])) {
        --end;
    }
    return s.substr(begin, end - begin);
}

bool number(const std::string &w, unsigned int &value)
{
    if (w.empty() || w.size() > 10 || w.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    unsigned long long v = std::stoull(w);
    if (v == 0 || v > 0xffffffffull) {
        return false;
    }
    value = static_cast<unsigned int>(v);
    return true;
}

} // namespace

bool parseMap(const std::string &text, Map &map, std::string &error)
{
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    bool header = false;
    auto fail = [&](const std::string &what) {
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        std::string rest = line;
        std::string keyword = word(rest);
        if (keyword.empty() || keyword[0] == '#') {
            continue;
        }
        if (!header) {
            if (keyword != "cvwmap" || trimmed(rest) != "1") {
                return fail("a map file starts with \"cvwmap 1\"");
            }
            header = true;
            continue;
        }
        unsigned int id = 0;
        if (keyword == "session") {
            map.session = trimmed(rest);
            if (map.session.empty()) {
                return fail("session without a name");
            }
        } else if (keyword == "field") {
            std::string name;
            if (!number(word(rest), id) || (name = trimmed(rest)).empty()) {
                return fail("expected: field ID NAME");
            }
            if (!map.fields.emplace(id, name).second) {
                return fail("field " + std::to_string(id) + " defined twice");
            }
        } else if (keyword == "object") {
            if (!number(word(rest), id)) {
                return fail("expected: object ID [SELECTION-NAME]");
            }
            // An object may have no selection name, as on a real map.
            MapObject object;
            object.selectionName = trimmed(rest);
            object.hasSelectionName = !object.selectionName.empty();
            if (!map.objects.emplace(id, object).second) {
                return fail("object " + std::to_string(id) + " defined twice");
            }
        } else if (keyword == "host" || keyword == "value") {
            if (!number(word(rest), id)) {
                return fail("expected an object number after \"" + keyword + "\"");
            }
            auto object = map.objects.find(id);
            if (object == map.objects.end()) {
                return fail("object " + std::to_string(id) + " is not defined");
            }
            if (keyword == "host") {
                std::string host = trimmed(rest);
                if (host.empty() || host.find_first_of(" \t") != std::string::npos) {
                    return fail("expected: host ID HOSTNAME");
                }
                object->second.hostname = host;
                object->second.hasHostname = true;
            } else {
                unsigned int field = 0;
                if (!number(word(rest), field)) {
                    return fail("expected: value ID FIELD-ID TEXT");
                }
                if (!map.fields.count(field)) {
                    return fail("field " + std::to_string(field) + " is not defined");
                }
                object->second.values[field] = trimmed(rest);
            }
        } else if (keyword == "select") {
            for (std::string w = word(rest); !w.empty(); w = word(rest)) {
                if (!number(w, id)) {
                    return fail("\"" + w + "\" is not an object number");
                }
                if (!map.objects.count(id)) {
                    return fail("object " + std::to_string(id) + " is not defined");
                }
                map.selection.push_back(id);
            }
        } else {
            return fail("unknown statement \"" + keyword + "\"");
        }
    }
    if (!header) {
        lineNumber = 1;
        return fail("empty map file; a map file starts with \"cvwmap 1\"");
    }
    return true;
}

bool Session::read(const std::string &file, std::unique_ptr<Map> &out, std::string &text,
                   std::string &error, int &code)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        code = CVW_E_MAP_OPEN;
        error = "cannot read the map file " + file + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    if (map_ && map_->file == file && text == text_) {
        out.reset(); // unchanged
        return true;
    }
    std::unique_ptr<Map> map(new Map);
    map->file = file;
    if (!parseMap(text, *map, error)) {
        code = CVW_E_MAP_FORMAT;
        error = "map file " + file + ", " + error;
        return false;
    }
    if (map->session.empty()) {
        size_t slash = file.find_last_of("/\\");
        std::string base = slash == std::string::npos ? file : file.substr(slash + 1);
        size_t dot = base.rfind('.');
        map->session = dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
    }
    out = std::move(map);
    return true;
}

bool Session::join(const std::string &file, std::string &error, int &code)
{
    leave();
    std::unique_ptr<Map> map;
    std::string text;
    if (!read(file, map, text, error, code)) {
        return false;
    }
    map_ = std::move(map);
    text_ = text;
    return true;
}

void Session::leave()
{
    if (map_) {
        retired_.push_back(std::move(map_));
    }
    text_.clear();
}

const Map *Session::current(bool refresh)
{
    if (!map_ || !refresh) {
        return map_.get();
    }
    std::unique_ptr<Map> fresh;
    std::string text, error;
    int code;
    if (!read(map_->file, fresh, text, error, code)) {
        _CVwSetError(code, error.c_str());
    } else if (fresh) {
        retired_.push_back(std::move(map_));
        map_ = std::move(fresh);
        text_ = text;
    }
    return map_.get();
}

Session &session()
{
    static Session s;
    return s;
}

} // namespace cvw
