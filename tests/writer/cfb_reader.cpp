#include "cfb_reader.h"

#include "little_endian.h"

#include <cctype>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <vector>

namespace pwt::test {

namespace {

constexpr uint32_t kEndOfChain = 0xFFFFFFFE, kFatSect = 0xFFFFFFFD, kDifSect = 0xFFFFFFFC, kFree = 0xFFFFFFFF;

class Reader {
public:
    explicit Reader(const std::string &file) : file_(file) {
        require(file.size() >= 512 && file.compare(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") == 0,
                "signature");
        require(u16(file, 0x1A) == 3 && u16(file, 0x1C) == 0xFFFE && u16(file, 0x1E) == 9 &&
                    u16(file, 0x20) == 6,
                "version 3 header");
        require((file.size() - 512) % 512 == 0, "file is not whole sectors");
        sectorCount_ = uint32_t((file.size() - 512) / 512);
        contents_.fatSectors = u32(file, 0x2C);
        contents_.miniFatSectors = u32(file, 0x40);
        contents_.difatSectors = u32(file, 0x48);
        require(u32(file, 0x38) == 4096, "mini stream cutoff");

        std::vector<uint32_t> fatIds;
        for (uint32_t i = 0; i < 109 && fatIds.size() < contents_.fatSectors; ++i)
            fatIds.push_back(u32(file, 0x4C + 4 * i));
        uint32_t difat = u32(file, 0x44);
        for (uint32_t d = 0; d < contents_.difatSectors; ++d) {
            for (uint32_t i = 0; i < 127 && fatIds.size() < contents_.fatSectors; ++i)
                fatIds.push_back(u32(file, offset(difat) + 4 * i));
            difatIds_.insert(difat);
            difat = u32(file, offset(difat) + 508);
        }
        require(difat == kEndOfChain || contents_.difatSectors == 0, "DIFAT chain does not end");
        require(fatIds.size() == contents_.fatSectors, "DIFAT lists too few FAT sectors");
        for (uint32_t id : fatIds)
            for (uint32_t i = 0; i < 128; ++i)
                fat_.push_back(u32(file, offset(id) + 4 * i));
        for (uint32_t id : fatIds)
            require(fat_.at(id) == kFatSect, "FAT sector not marked in the FAT");
        for (uint32_t id : difatIds_)
            require(fat_.at(id) == kDifSect, "DIFAT sector not marked in the FAT");

        const std::string directory = readChain(u32(file, 0x30), fat_, 512, nullptr);
        const std::string miniFatBytes = readChain(u32(file, 0x3C), fat_, 512, nullptr);
        for (size_t i = 0; i + 4 <= miniFatBytes.size(); i += 4)
            miniFat_.push_back(u32(miniFatBytes, i));

        require(directory.size() >= 128 && directory[0x42] == 5, "first entry is the root");
        miniStream_ = readChain(u32(directory, 0x74), fat_, 512, nullptr);
        require(miniStream_.size() >= u32(directory, 0x78), "mini stream shorter than the root says");

        bool seenUnused = false;
        for (size_t at = 0; at + 128 <= directory.size(); at += 128) {
            const bool unused = directory[at + 0x42] == 0;
            require(!(seenUnused && !unused), "an unused directory slot before a real entry");
            seenUnused = seenUnused || unused;
        }
        const uint32_t top = u32(directory, 0x4C);
        blackHeight(directory, top);
        std::set<uint32_t> seen;
        collect(directory, top, seen);
    }

    CompoundFileContents take() { return std::move(contents_); }

private:
    size_t offset(uint32_t sector) const {
        require(sector < sectorCount_, "sector number past the end of the file");
        return 512 + size_t(sector) * 512;
    }

    std::string readChain(uint32_t first, const std::vector<uint32_t> &table, size_t unit,
                          const std::string *store) const {
        std::string data;
        std::set<uint32_t> visited;
        for (uint32_t id = first; id != kEndOfChain;) {
            require(id < table.size(), "chain leaves its table");
            require(visited.insert(id).second, "chain loops");
            if (store) {
                require((id + 1) * unit <= store->size(), "mini sector past the mini stream");
                data.append(*store, id * unit, unit);
            } else {
                data.append(file_, offset(id), unit);
            }
            id = table[id];
            require(id != kFree && id != kFatSect && id != kDifSect, "chain runs into a special sector");
        }
        return data;
    }

    // Checks the red-black rules below an entry and returns the number of black nodes on each path.
    int blackHeight(const std::string &dir, uint32_t id, bool parentRed = false) const {
        if (id == 0xFFFFFFFF)
            return 1;
        const size_t at = size_t(id) * 128;
        require(at + 128 <= dir.size(), "sibling link past the directory");
        const bool red = dir[at + 0x43] == 0;
        require(!(red && parentRed), "red entry under a red entry");
        const int left = blackHeight(dir, u32(dir, at + 0x44), red);
        const int right = blackHeight(dir, u32(dir, at + 0x48), red);
        require(left == right, "unequal black heights");
        return left + (red ? 0 : 1);
    }

    std::string nameAt(const std::string &dir, size_t at) const {
        const uint16_t bytes = u16(dir, at + 0x40);
        require(bytes >= 2 && bytes <= 64 && bytes % 2 == 0, "entry name length");
        std::string name;
        for (size_t i = 0; i + 2 < bytes; i += 2) {
            const uint16_t c = u16(dir, at + i);
            require(c < 0x80, "test names are ASCII");
            name += char(c);
        }
        require(u16(dir, at + bytes - 2) == 0, "entry name not terminated");
        return name;
    }

    void collect(const std::string &dir, uint32_t id, std::set<uint32_t> &seen,
                 const std::string *low = nullptr, const std::string *high = nullptr) {
        if (id == 0xFFFFFFFF)
            return;
        require(seen.insert(id).second, "entry reached twice");
        const size_t at = size_t(id) * 128;
        const std::string name = nameAt(dir, at);
        auto less = [](const std::string &a, const std::string &b) {
            if (a.size() != b.size())
                return a.size() < b.size();
            for (size_t i = 0; i < a.size(); ++i)
                if (std::toupper(uint8_t(a[i])) != std::toupper(uint8_t(b[i])))
                    return std::toupper(uint8_t(a[i])) < std::toupper(uint8_t(b[i]));
            return false;
        };
        require(!low || less(*low, name), "sibling order");
        require(!high || less(name, *high), "sibling order");
        require(dir[at + 0x42] == 2, "only streams under the root");
        const uint32_t start = u32(dir, at + 0x74), size = u32(dir, at + 0x78);
        require(u32(dir, at + 0x7C) == 0, "size above 4 GiB in version 3");
        std::string data = size == 0     ? std::string()
                           : size < 4096 ? readChain(start, miniFat_, 64, &miniStream_)
                                         : readChain(start, fat_, 512, nullptr);
        require(data.size() >= size && data.size() - size < (size < 4096 ? 64u : 512u),
                "chain length vs size");
        data.resize(size);
        contents_.streams[name] = std::move(data);
        collect(dir, u32(dir, at + 0x44), seen, low, &name);
        collect(dir, u32(dir, at + 0x48), seen, &name, high);
    }

    const std::string &file_;
    uint32_t sectorCount_ = 0;
    std::vector<uint32_t> fat_, miniFat_;
    std::set<uint32_t> difatIds_;
    std::string miniStream_;
    CompoundFileContents contents_;
};

} // namespace

CompoundFileContents readCompoundFile(const std::string &file) { return Reader(file).take(); }

} // namespace pwt::test
