#include "cfb/compound_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <numeric>
#include <stdexcept>

namespace pwt::cfb {

namespace {

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint32_t kMiniStreamCutoff = 4096;
constexpr uint32_t kEntrySize = 128;
constexpr uint32_t kIdsPerSector = kSectorSize / 4;
constexpr uint32_t kHeaderDifatSlots = 109;

constexpr uint32_t kFreeSect = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSect = 0xFFFFFFFD;
constexpr uint32_t kDifSect = 0xFFFFFFFC;
constexpr uint32_t kNoStream = 0xFFFFFFFF;

enum : uint8_t { kRed = 0, kBlack = 1 };
enum : uint8_t { kTypeStream = 2, kTypeRoot = 5 };

uint32_t sectorsFor(uint64_t bytes, uint32_t unit) { return uint32_t((bytes + unit - 1) / unit); }

void put16(std::string &out, uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

void put32(std::string &out, uint32_t v) {
    put16(out, uint16_t(v & 0xFFFF));
    put16(out, uint16_t(v >> 16));
}

void padTo(std::string &out, size_t unit) { out.append((unit - out.size() % unit) % unit, '\0'); }

// Marks sectors [first, first + count) as one chain.
void chain(std::vector<uint32_t> &table, uint32_t first, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i)
        table[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
}

struct Entry {
    std::string name;
    uint8_t type = kTypeStream;
    uint8_t color = kBlack;
    uint32_t left = kNoStream, right = kNoStream, child = kNoStream;
    uint32_t start = kEndOfChain;
    uint64_t size = 0;
};

// Directory order: shorter names first, then code point by code point after upper-casing.
bool entryLess(const std::string &a, const std::string &b) {
    if (a.size() != b.size())
        return a.size() < b.size();
    for (size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = std::toupper(static_cast<unsigned char>(a[i]));
        const unsigned char y = std::toupper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    return false;
}

int depthOf(size_t count) {
    int depth = 0;
    while (count > 1) {
        count /= 2;
        ++depth;
    }
    return depth;
}

// Builds a balanced tree over sorted[lo, hi) and returns its root. Splitting at the middle keeps every
// empty link within one level of the deepest node, so colouring only the deepest level red keeps the
// black height equal on every path and never puts a red node under a red one.
uint32_t buildTree(std::vector<Entry> &entries, const std::vector<uint32_t> &sorted, size_t lo, size_t hi,
                   int depth, int deepest, bool complete) {
    if (lo >= hi)
        return kNoStream;
    const size_t mid = lo + (hi - lo) / 2;
    Entry &node = entries[sorted[mid]];
    node.color = depth == deepest && !complete ? kRed : kBlack;
    node.left = buildTree(entries, sorted, lo, mid, depth + 1, deepest, complete);
    node.right = buildTree(entries, sorted, mid + 1, hi, depth + 1, deepest, complete);
    return sorted[mid];
}

void putEntry(std::string &out, const Entry &e) {
    const size_t begin = out.size();
    for (char c : e.name)
        put16(out, static_cast<unsigned char>(c));
    out.append(64 - e.name.size() * 2, '\0');
    put16(out, uint16_t(e.name.empty() ? 0 : (e.name.size() + 1) * 2));
    out += char(e.name.empty() ? 0 : e.type);
    out += char(e.color);
    put32(out, e.left);
    put32(out, e.right);
    put32(out, e.child);
    out.append(16 + 4 + 8 + 8, '\0');  // CLSID, state bits, creation and modification times
    put32(out, e.start);
    put32(out, uint32_t(e.size));
    put32(out, 0);  // version 3 keeps the high half of the size zero
    if (out.size() - begin != kEntrySize)
        throw std::logic_error("directory entry of the wrong size");
}

} // namespace

void writeCompoundFile(const std::vector<Stream> &streams, std::ostream &out) {
    std::vector<Entry> entries(1);
    entries[0].name = "Root Entry";
    entries[0].type = kTypeRoot;
    for (const Stream &s : streams) {
        if (s.name.empty() || s.name.size() > 31)
            throw std::invalid_argument("compound file stream name must have 1 to 31 characters");
        if (s.data.size() > 0xFFFFFFFFu)
            throw std::invalid_argument("compound file stream too large");
        Entry e;
        e.name = s.name;
        e.size = s.data.size();
        entries.push_back(e);
    }

    // Small streams share the mini stream, cut into 64-byte mini sectors.
    std::string mini;
    std::vector<uint32_t> miniFat;
    for (size_t i = 0; i < streams.size(); ++i) {
        const std::string &data = streams[i].data;
        if (data.empty() || data.size() >= kMiniStreamCutoff)
            continue;
        const uint32_t first = uint32_t(miniFat.size()), count = sectorsFor(data.size(), kMiniSectorSize);
        miniFat.resize(first + count);
        chain(miniFat, first, count);
        entries[i + 1].start = first;
        mini += data;
        padTo(mini, kMiniSectorSize);
    }
    miniFat.resize(sectorsFor(miniFat.size() * 4, kSectorSize) * kIdsPerSector, kFreeSect);

    // Sector order: large streams, the mini stream, the mini FAT, the directory, the FAT, the DIFAT.
    uint32_t next = 0;
    std::vector<std::pair<uint32_t, uint32_t>> runs;  // first sector and count of each chain
    for (size_t i = 0; i < streams.size(); ++i) {
        const std::string &data = streams[i].data;
        if (data.size() < kMiniStreamCutoff)
            continue;
        const uint32_t count = sectorsFor(data.size(), kSectorSize);
        entries[i + 1].start = next;
        runs.emplace_back(next, count);
        next += count;
    }
    const uint32_t miniStreamSectors = sectorsFor(mini.size(), kSectorSize);
    if (miniStreamSectors) {
        entries[0].start = next;
        entries[0].size = mini.size();
        runs.emplace_back(next, miniStreamSectors);
        next += miniStreamSectors;
    }
    const uint32_t miniFatFirst = next, miniFatSectors = uint32_t(miniFat.size() / kIdsPerSector);
    if (miniFatSectors)
        runs.emplace_back(miniFatFirst, miniFatSectors);
    next += miniFatSectors;
    const uint32_t directoryFirst = next, directorySectors = sectorsFor(entries.size() * kEntrySize, kSectorSize);
    runs.emplace_back(directoryFirst, directorySectors);
    next += directorySectors;

    // The FAT has to describe its own sectors and those of the DIFAT that lists it.
    uint32_t fatSectors = 0, difatSectors = 0;
    for (;;) {
        const uint32_t needFat = sectorsFor(uint64_t(next) + fatSectors + difatSectors, kIdsPerSector);
        const uint32_t needDifat =
            needFat > kHeaderDifatSlots ? sectorsFor(needFat - kHeaderDifatSlots, kIdsPerSector - 1) : 0;
        if (needFat == fatSectors && needDifat == difatSectors)
            break;
        fatSectors = needFat;
        difatSectors = needDifat;
    }
    const uint32_t fatFirst = next, difatFirst = fatFirst + fatSectors;

    std::vector<uint32_t> fat(size_t(fatSectors) * kIdsPerSector, kFreeSect);
    for (const auto &run : runs)
        chain(fat, run.first, run.second);
    std::fill_n(fat.begin() + fatFirst, fatSectors, kFatSect);
    std::fill_n(fat.begin() + difatFirst, difatSectors, kDifSect);

    std::vector<uint32_t> sorted(streams.size());
    std::iota(sorted.begin(), sorted.end(), 1u);
    std::sort(sorted.begin(), sorted.end(),
              [&](uint32_t a, uint32_t b) { return entryLess(entries[a].name, entries[b].name); });
    const int deepest = depthOf(sorted.size());
    const bool complete = ((sorted.size() + 1) & sorted.size()) == 0;
    entries[0].child = buildTree(entries, sorted, 0, sorted.size(), 0, deepest, complete);

    std::string header;
    header.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header.append(16, '\0');  // CLSID
    put16(header, 0x003E);    // minor version
    put16(header, 0x0003);    // major version
    put16(header, 0xFFFE);    // byte order
    put16(header, 9);         // sector shift: 512 bytes
    put16(header, 6);         // mini sector shift: 64 bytes
    header.append(6, '\0');
    put32(header, 0);  // directory sectors: always 0 in version 3
    put32(header, fatSectors);
    put32(header, directoryFirst);
    put32(header, 0);  // transaction signature
    put32(header, kMiniStreamCutoff);
    put32(header, miniFatSectors ? miniFatFirst : kEndOfChain);
    put32(header, miniFatSectors);
    put32(header, difatSectors ? difatFirst : kEndOfChain);
    put32(header, difatSectors);
    for (uint32_t i = 0; i < kHeaderDifatSlots; ++i)
        put32(header, i < fatSectors ? fatFirst + i : kFreeSect);
    out.write(header.data(), header.size());

    std::string sector;
    auto flush = [&] {
        padTo(sector, kSectorSize);
        out.write(sector.data(), sector.size());
        sector.clear();
    };
    for (size_t i = 0; i < streams.size(); ++i) {
        if (streams[i].data.size() < kMiniStreamCutoff)
            continue;
        out.write(streams[i].data.data(), streams[i].data.size());
        sector.assign((kSectorSize - streams[i].data.size() % kSectorSize) % kSectorSize, '\0');
        out.write(sector.data(), sector.size());
        sector.clear();
    }
    sector = std::move(mini);
    flush();
    for (uint32_t id : miniFat)
        put32(sector, id);
    flush();
    for (const Entry &e : entries)
        putEntry(sector, e);
    Entry unused;
    unused.type = 0;
    unused.color = kRed;
    unused.start = 0;
    while (sector.size() % kSectorSize)
        putEntry(sector, unused);
    flush();
    for (uint32_t id : fat)
        put32(sector, id);
    flush();
    for (uint32_t d = 0; d < difatSectors; ++d) {
        const uint32_t base = kHeaderDifatSlots + d * (kIdsPerSector - 1);
        for (uint32_t i = 0; i < kIdsPerSector - 1; ++i)
            put32(sector, base + i < fatSectors ? fatFirst + base + i : kFreeSect);
        put32(sector, d + 1 < difatSectors ? difatFirst + d + 1 : kEndOfChain);
        flush();
    }
}

} // namespace pwt::cfb
