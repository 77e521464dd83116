#include "platform/ElfSection.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace platform {

namespace {

// Reads fields of the file at absolute offsets in the file's own byte order; a read that
// fails leaves the reader failed and every later field zero.
class ElfFile {
public:
    explicit ElfFile(const std::string& path) : in_(path, std::ios::binary) {}

    bool open() {
        unsigned char ident[16] = {};
        if (!in_.read(reinterpret_cast<char*>(ident), sizeof ident))
            return false;
        if (ident[0] != 0x7F || ident[1] != 'E' || ident[2] != 'L' || ident[3] != 'F')
            return false;
        if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2))
            return false;
        wide_ = ident[4] == 2;
        bigEndian_ = ident[5] == 2;
        return true;
    }

    bool wide() const { return wide_; }
    bool good() const { return static_cast<bool>(in_); }

    std::uint64_t field(std::uint64_t offset, int size) {
        unsigned char bytes[8] = {};
        in_.seekg(static_cast<std::streamoff>(offset));
        if (!in_.read(reinterpret_cast<char*>(bytes), size))
            return 0;
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i) {
            const int at = bigEndian_ ? i : size - 1 - i;
            value = (value << 8) | bytes[at];
        }
        return value;
    }
    // A field that is 4 bytes in 32-bit files and 8 in 64-bit ones.
    std::uint64_t word(std::uint64_t offset) { return field(offset, wide_ ? 8 : 4); }

    std::string bytes(std::uint64_t offset, std::uint64_t size) {
        std::string out(static_cast<std::size_t>(size), '\0');
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(out.data(), static_cast<std::streamsize>(size));
        return out;
    }

private:
    std::ifstream in_;
    bool wide_ = false;
    bool bigEndian_ = false;
};

struct SectionHeader {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

constexpr std::uint32_t SectionNoBits = 8; // SHT_NOBITS: no bytes in the file
constexpr std::uint16_t ExtendedIndex = 0xFFFF;

SectionHeader sectionHeader(ElfFile& elf, std::uint64_t at) {
    SectionHeader h;
    h.name = static_cast<std::uint32_t>(elf.field(at, 4));
    h.type = static_cast<std::uint32_t>(elf.field(at + 4, 4));
    h.offset = elf.word(at + (elf.wide() ? 24 : 16));
    h.size = elf.word(at + (elf.wide() ? 32 : 20));
    h.link = static_cast<std::uint32_t>(elf.field(at + (elf.wide() ? 40 : 24), 4));
    return h;
}

} // namespace

std::optional<std::string> readElfSection(const std::string& path, std::string_view name,
                                          std::size_t maxSize) {
    ElfFile elf(path);
    if (!elf.open())
        return std::nullopt;
    const bool wide = elf.wide();
    const std::uint64_t table = elf.word(wide ? 0x28 : 0x20);
    const std::uint64_t entrySize = elf.field(wide ? 0x3A : 0x2E, 2);
    std::uint64_t count = elf.field(wide ? 0x3C : 0x30, 2);
    std::uint64_t namesIndex = elf.field(wide ? 0x3E : 0x32, 2);
    if (!elf.good() || table == 0 || entrySize < (wide ? 64u : 40u))
        return std::nullopt;
    // Files with very many sections keep the real counts in the first section header.
    const SectionHeader first = sectionHeader(elf, table);
    if (count == 0)
        count = first.size;
    if (namesIndex == ExtendedIndex)
        namesIndex = first.link;
    if (!elf.good() || namesIndex >= count)
        return std::nullopt;

    const SectionHeader names = sectionHeader(elf, table + namesIndex * entrySize);
    if (!elf.good() || names.size > (1u << 24))
        return std::nullopt;
    const std::string nameTable = elf.bytes(names.offset, names.size);
    if (!elf.good())
        return std::nullopt;

    for (std::uint64_t i = 1; i < count; ++i) {
        const SectionHeader h = sectionHeader(elf, table + i * entrySize);
        if (!elf.good())
            return std::nullopt;
        if (h.name >= nameTable.size())
            continue;
        const std::string_view candidate(nameTable.c_str() + h.name);
        if (candidate != name)
            continue;
        if (h.type == SectionNoBits || h.size > maxSize)
            return std::nullopt;
        std::string content = elf.bytes(h.offset, h.size);
        if (!elf.good())
            return std::nullopt;
        return content;
    }
    return std::nullopt;
}

} // namespace platform
