// The map database: the current selection and the texts of map objects.
#include "cvw.h"
#include "mapFile.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

const cvw::MapObject *object(CVwObjectId id)
{
    const cvw::Map *map = cvw::session().current();
    if (map == nullptr) {
        _CVwSetError(CVW_E_NO_SESSION, nullptr);
        return nullptr;
    }
    auto it = map->objects.find(id);
    if (it == map->objects.end()) {
        _CVwSetError(CVW_E_NO_OBJECT, ("no object " + std::to_string(id) + " in the map").c_str());
        return nullptr;
    }
    return &it->second;
}

} // namespace

extern "C" CVwObjectIdList *CVwGetSelections(int, int)
{
    const cvw::Map *map = cvw::session().current(true);
    if (map == nullptr) {
        _CVwSetError(CVW_E_NO_SESSION, nullptr);
        return nullptr;
    }
    // One block: the list and, behind it, its identifiers.
    size_t n = map->selection.size();
    void *block = std::malloc(sizeof(CVwObjectIdList) + (n ? n : 1) * sizeof(CVwObjectId));
    if (block == nullptr) {
        _CVwSetError(CVW_E_NO_MEMORY, nullptr);
        return nullptr;
    }
    CVwObjectIdList *list = static_cast<CVwObjectIdList *>(block);
    list->count = static_cast<int>(n);
    list->objlist = reinterpret_cast<CVwObjectId *>(list + 1);
    if (n > 0) {
        std::memcpy(list->objlist, map->selection.data(), n * sizeof(CVwObjectId));
    }
    return list;
}

extern "C" void CVwDbFreeObjectIdList(CVwObjectIdList *list)
{
    std::free(list);
}

extern "C" const char *CVwDbObjectIdToHostname(CVwObjectId id)
{
    const cvw::MapObject *o = object(id);
    if (o == nullptr) {
        return nullptr;
    }
    if (!o->hasHostname) {
        _CVwSetError(CVW_E_NO_VALUE, ("object " + std::to_string(id) + " has no host name").c_str());
        return nullptr;
    }
    return o->hostname.c_str();
}

extern "C" const char *CVwDbObjectIdToSelectionName(CVwObjectId id)
{
    const cvw::MapObject *o = object(id);
    if (o == nullptr) {
        return nullptr;
    }
    if (!o->hasSelectionName) {
        _CVwSetError(CVW_E_NO_VALUE, ("object " + std::to_string(id) + " has no selection name").c_str());
        return nullptr;
    }
    return o->selectionName.c_str();
}

extern "C" CVwFieldId CVwDbFieldNameToFieldId(const char *name)
{
    const cvw::Map *map = cvw::session().current();
    if (map == nullptr) {
        _CVwSetError(CVW_E_NO_SESSION, nullptr);
        return 0;
    }
    for (const auto &field : map->fields) {
        if (name != nullptr && field.second == name) {
            return field.first;
        }
    }
    _CVwSetError(CVW_E_NO_OBJECT, (std::string("no field \"") + (name ? name : "") + "\" in the map").c_str());
    return 0;
}

extern "C" const char *CVwDbGetFieldStringValue(CVwObjectId id, CVwFieldId field)
{
    const cvw::MapObject *o = object(id);
    if (o == nullptr) {
        return nullptr;
    }
    auto it = o->values.find(field);
    if (it == o->values.end()) {
        _CVwSetError(CVW_E_NO_VALUE, ("object " + std::to_string(id) + " has no value of field " +
                                      std::to_string(field))
                                         .c_str());
        return nullptr;
    }
    return it->second.c_str();
}

extern "C" int CVwIsIdNull(unsigned long id)
{
    return id == 0;
}
