// Constants and byte helpers of the MIB database file layout (described in cvmibdb.h).
#ifndef CVMIBDB_FORMAT_H
#define CVMIBDB_FORMAT_H

#include <cstdint>
#include <string>

namespace cvmib {

constexpr char kMagic[8] = {'C', 'V', 'M', 'I', 'B', 'D', 'B', 0x1a};
constexpr uint32_t kHeaderSize = 120;
constexpr uint32_t kTreeChecksumOffset = 24;
constexpr uint32_t kSourcesChecksumOffset = 32;
constexpr uint32_t kRecordSizesOffset = 40;
constexpr uint32_t kSectionsOffset = 48;    // nodes, enums, names, modules: offset and count
constexpr uint32_t kStringsOffset = 80;     // offset and size
constexpr uint32_t kSourcesOffset = 88;     // offset and size
constexpr uint32_t kFlagsOffset = 96;       // flags, reserved
constexpr uint32_t kDefinitionsOffset = 104; // record size and reserved, offset, count
constexpr uint32_t kReservedOffset = 116;
constexpr uint16_t kNodeRecordSize = 76;
constexpr uint16_t kEnumRecordSize = 8;
constexpr uint16_t kNameRecordSize = 8;
constexpr uint16_t kModuleRecordSize = 20;
constexpr uint16_t kDefinitionRecordSize = 8;
constexpr uint32_t kNameImplied = 1;
constexpr uint32_t kModuleAdded = 1;

inline void put16(std::string &out, uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xff));
    out.push_back(static_cast<char>(v >> 8));
}

inline void put32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    }
}

inline void put64(std::string &out, uint64_t v)
{
    put32(out, static_cast<uint32_t>(v));
    put32(out, static_cast<uint32_t>(v >> 32));
}

inline uint16_t get16(const unsigned char *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t get32(const unsigned char *p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline uint64_t get64(const unsigned char *p)
{
    return get32(p) | (static_cast<uint64_t>(get32(p + 4)) << 32);
}

inline void set64(char *p, uint64_t v)
{
    for (int i = 0; i < 8; ++i) {
        p[i] = static_cast<char>((v >> (8 * i)) & 0xff);
    }
}

} // namespace cvmib

#endif
