// The map file: reading it into the map the session answers from.
#ifndef CVW_MAPFILE_H
#define CVW_MAPFILE_H

#include "cvw.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cvw {

struct MapObject {
    std::string selectionName;
    bool hasSelectionName = false;
    std::string hostname;
    bool hasHostname = false;
    std::map<CVwFieldId, std::string> values;
};

struct Map {
    std::string file;
    std::string session;
    std::map<CVwFieldId, std::string> fields;
    std::map<CVwObjectId, MapObject> objects;
    std::vector<CVwObjectId> selection;
};

// Parses a map file's text; false with a message naming the line when it is malformed.
bool parseMap(const std::string &text, Map &map, std::string &error);

// The session's map: read when joining, and read again when the caller asks for the map's
// current state (the selection, an event). Maps replaced by a newer reading stay alive, since
// callers hold texts of them.
class Session {
public:
    bool join(const std::string &file, std::string &error, int &code);
    void leave();
    bool connected() const { return map_ != nullptr; }
    // The map; null when not connected. With refresh, the file is read again first, and a
    // changed text replaces the map; a file that has become unusable leaves the last good map
    // in place (and records the error).
    const Map *current(bool refresh = false);
    const std::string &appName() const { return appName_; }
    void setAppName(const std::string &name) { appName_ = name; }

private:
    bool read(const std::string &file, std::unique_ptr<Map> &out, std::string &text,
              std::string &error, int &code);
    std::unique_ptr<Map> map_;
    std::vector<std::unique_ptr<Map>> retired_;
    std::string appName_;
    std::string text_;
};

Session &session();

} // namespace cvw

#endif
