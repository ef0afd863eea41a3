#include "core/compare/name_index.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>
#include <string>

#include "core/text/gbk_text.h"

namespace varimonde {

RangeMinimum::RangeMinimum(std::vector<std::uint32_t> values) : values_(std::move(values)) {
    const std::size_t blockCount = (values_.size() + kBlock - 1) / kBlock;
    if (blockCount == 0) return;
    std::vector<std::uint32_t> minima(blockCount);
    for (std::size_t b = 0; b < blockCount; ++b)
        minima[b] = scan(b * kBlock, std::min(values_.size(), (b + 1) * kBlock));
    blockLevels_.push_back(std::move(minima));
    for (std::size_t span = 2; span <= blockCount; span *= 2) {
        const std::vector<std::uint32_t>& below = blockLevels_.back();
        std::vector<std::uint32_t> level(blockCount - span + 1);
        for (std::size_t b = 0; b < level.size(); ++b) level[b] = std::min(below[b], below[b + span / 2]);
        blockLevels_.push_back(std::move(level));
    }
}

std::uint32_t RangeMinimum::scan(std::size_t first, std::size_t last) const {
    return *std::min_element(values_.begin() + static_cast<long>(first), values_.begin() + static_cast<long>(last));
}

std::uint32_t RangeMinimum::query(std::size_t first, std::size_t last) const {
    const std::size_t firstBlock = first / kBlock;
    const std::size_t lastBlock = (last - 1) / kBlock;
    if (lastBlock - firstBlock <= 1) return scan(first, last);
    std::uint32_t result = std::min(scan(first, (firstBlock + 1) * kBlock), scan(lastBlock * kBlock, last));
    // Whole blocks in between: two overlapping power-of-two spans cover them.
    const std::size_t wholeBlocks = lastBlock - firstBlock - 1;
    const std::size_t level = static_cast<std::size_t>(std::bit_width(wholeBlocks)) - 1;
    const std::vector<std::uint32_t>& spans = blockLevels_[level];
    result = std::min(result, spans[firstBlock + 1]);
    return std::min(result, spans[lastBlock - (std::size_t{1} << level)]);
}

namespace {

// The names of a side one after another in one buffer, lower-cased when asked.
class NameBuffer {
  public:
    NameBuffer(const std::vector<std::string_view>& names, bool fold) {
        std::size_t total = 0;
        for (std::string_view name : names) total += name.size();
        text_.reserve(total);
        starts_.reserve(names.size() + 1);
        for (std::string_view name : names) {
            starts_.push_back(static_cast<std::uint32_t>(text_.size()));
            if (fold)
                text_ += asciiLower(name);
            else
                text_ += name;
        }
        starts_.push_back(static_cast<std::uint32_t>(text_.size()));
    }

    std::size_t size() const { return starts_.size() - 1; }
    std::uint32_t start(std::size_t row) const { return starts_[row]; }
    std::uint32_t end(std::size_t row) const { return starts_[row + 1]; }
    std::string_view name(std::size_t row) const { return {text_.data() + starts_[row], end(row) - start(row)}; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    std::vector<std::uint32_t> starts_;
};

// --- exact modes: a hash table of first occurrences ------------------------------------

// The caller's names as they are, where nothing needs to be lower-cased.
class NameViews {
  public:
    explicit NameViews(const std::vector<std::string_view>& names) : names_(names) {}
    std::size_t size() const { return names_.size(); }
    std::string_view name(std::size_t row) const { return names_[row]; }

  private:
    const std::vector<std::string_view>& names_;
};

template <class Names>
std::vector<std::size_t> exactMatches(const Names& wanted, const Names& candidates) {
    struct Slot {
        std::uint32_t rowPlusOne;  // 0: empty
        std::uint32_t tag;         // high bits of the hash, compared before the names
    };
    const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(16, candidates.size() * 2));
    const std::size_t mask = capacity - 1;
    std::vector<Slot> slots(capacity, Slot{0, 0});
    // The first free slot for `name`, or the slot already holding it.
    auto probe = [&](std::string_view name, std::size_t h) {
        const auto tag = static_cast<std::uint32_t>(h >> 32);
        std::size_t i = h & mask;
        while (slots[i].rowPlusOne != 0 && (slots[i].tag != tag || candidates.name(slots[i].rowPlusOne - 1) != name))
            i = (i + 1) & mask;
        return std::pair{i, tag};
    };
    // Names go in blocks: hash a block and fetch its slots, then probe them, so that the
    // cache misses of a large table overlap instead of coming one after another.
    constexpr std::size_t kBlock = 32;
    const std::hash<std::string_view> hash;
    std::size_t hashes[kBlock];
    auto forEachHashed = [&](const Names& names, auto visit) {
        for (std::size_t first = 0; first < names.size(); first += kBlock) {
            const std::size_t count = std::min(kBlock, names.size() - first);
            for (std::size_t k = 0; k < count; ++k) {
                hashes[k] = hash(names.name(first + k));
                __builtin_prefetch(&slots[hashes[k] & mask]);
            }
            for (std::size_t k = 0; k < count; ++k) visit(first + k, probe(names.name(first + k), hashes[k]));
        }
    };
    forEachHashed(candidates, [&](std::size_t row, std::pair<std::size_t, std::uint32_t> slot) {
        if (slots[slot.first].rowPlusOne == 0) slots[slot.first] = {static_cast<std::uint32_t>(row + 1), slot.second};
    });
    std::vector<std::size_t> found(wanted.size(), kNoRow);
    forEachHashed(wanted, [&](std::size_t q, std::pair<std::size_t, std::uint32_t> slot) {
        if (slots[slot.first].rowPlusOne != 0) found[q] = slots[slot.first].rowPlusOne - 1;
    });
    return found;
}

// --- prefix and contains modes: texts in byte order ------------------------------------

// The first 16 bytes of a text as two big-endian numbers, zero-padded: comparing heads
// compares those bytes, and a text that ends early compares as if followed by zeros.
struct Head {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    auto operator<=>(const Head&) const = default;
};

constexpr std::size_t kHeadBytes = 16;

Head headOf(std::string_view text) {
    Head head;
    for (std::size_t i = 0; i < kHeadBytes; ++i) {
        const std::uint64_t byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
        std::uint64_t& half = i < 8 ? head.high : head.low;
        half = half << 8 | byte;
    }
    return head;
}

// The head cut to its first `count` bytes (the rest zero).
Head cutHead(Head head, std::size_t count) {
    if (count >= kHeadBytes) return head;
    if (count >= 8) {
        head.low &= count == 8 ? 0 : ~std::uint64_t{0} << (8 * (kHeadBytes - count));
        return head;
    }
    head.high &= count == 0 ? 0 : ~std::uint64_t{0} << (8 * (8 - count));
    head.low = 0;
    return head;
}

// One indexed text: its head held inline so that most comparisons stay in the entry
// array, where the whole text lies in the buffer, and its row.
struct Entry {
    Head head;
    std::uint32_t start;
    std::uint32_t length;
    std::uint32_t row;
};

// Texts of one buffer kept in byte order.
class OrderedTexts {
  public:
    explicit OrderedTexts(const std::string& text) : text_(text) {}

    void add(std::uint32_t start, std::uint32_t length, std::uint32_t row) {
        entries_.push_back({headOf(text_.substr(start, length)), start, length, row});
    }

    void reserve(std::size_t count) { entries_.reserve(count); }

    // Sorts by comparing texts; a comparison reads the buffer only past equal heads.
    void sort() {
        std::sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) { return lessThan(a, b); });
    }

    const std::vector<Entry>& entries() const { return entries_; }
    std::string_view textOf(const Entry& entry) const { return text_.substr(entry.start, entry.length); }

    // For each wanted name (in `wanted`, sorted), the first row among the texts here that
    // begin with it (and, when `exact`, are as long), or kNoRow. Empty wanted names give
    // `emptyRow` when `emptyIsSpecial`.
    std::vector<std::size_t> firstRows(const OrderedTexts& wanted, bool exact, std::size_t emptyRow,
                                       bool emptyIsSpecial) const {
        std::vector<std::uint32_t> rows(entries_.size());
        for (std::size_t k = 0; k < entries_.size(); ++k) rows[k] = entries_[k].row;
        const RangeMinimum firstRow(std::move(rows));

        // Wanted names in byte order: the first text not below each one only moves forward.
        std::vector<std::size_t> found(wanted.entries().size(), kNoRow);
        std::size_t cursor = 0;
        for (const Entry& query : wanted.entries()) {
            const std::string_view key = wanted.textOf(query);
            if (emptyIsSpecial && key.empty()) {
                found[query.row] = emptyRow;
                continue;
            }
            cursor = gallop(cursor, [&](const Entry& entry) { return compareLeading(entry, key, query.head) < 0; });
            // Texts equal to the key come first among those that begin with it.
            const std::size_t runEnd = gallop(cursor, [&](const Entry& entry) {
                return compareLeading(entry, key, query.head) == 0 && (!exact || entry.length == key.size());
            });
            if (runEnd > cursor) found[query.row] = firstRow.query(cursor, runEnd);
        }
        return found;
    }

  private:
    // Sign of (the entry's text cut to the key's length) against the key: 0 when the text
    // begins with the key. `keyHead` is the key's head.
    int compareLeading(const Entry& entry, std::string_view key, const Head& keyHead) const {
        const std::size_t count = std::min(key.size(), kHeadBytes);
        const Head head = cutHead(entry.head, count);
        if (head != keyHead) return head < keyHead ? -1 : 1;
        if (entry.length < count) return -1;
        if (count == key.size()) return 0;
        if (entry.length == kHeadBytes) return -1;
        const std::size_t cut = std::min<std::size_t>(entry.length, key.size());
        return textOf(entry).substr(kHeadBytes, cut - kHeadBytes).compare(key.substr(kHeadBytes));
    }

    bool lessThan(const Entry& a, const Entry& b) const {
        if (a.head != b.head) return a.head < b.head;
        if (std::min(a.length, b.length) <= kHeadBytes) return a.length < b.length;
        return textOf(a).substr(kHeadBytes) < textOf(b).substr(kHeadBytes);
    }

    // First k from `from` on where `holds` is false, `holds` being true then false. Steps
    // of doubling length, then bisection: cheap when the answer is near.
    template <class Holds>
    std::size_t gallop(std::size_t from, Holds holds) const {
        const std::size_t size = entries_.size();
        std::size_t lo = from;
        std::size_t hi = from;
        for (std::size_t step = 1; hi < size && holds(entries_[hi]); step *= 2) {
            lo = hi + 1;
            hi = lo + step;
        }
        hi = std::min(hi, size);
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (holds(entries_[mid]))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    std::string_view text_;
    std::vector<Entry> entries_;
};

// The wanted names in byte order, each entry's row being its index in `wanted`.
OrderedTexts sortedNames(const NameBuffer& names) {
    OrderedTexts sorted(names.text());
    sorted.reserve(names.size());
    for (std::size_t row = 0; row < names.size(); ++row)
        sorted.add(names.start(row), names.end(row) - names.start(row), static_cast<std::uint32_t>(row));
    sorted.sort();
    return sorted;
}

// The first seven bytes of a suffix (zero-padded) and then its length up to 7: in the
// order of these keys a suffix that is a prefix of another comes first, as in byte order.
std::uint64_t headKey(std::string_view text, std::size_t start, std::size_t end) {
    const std::size_t length = std::min<std::size_t>(end - start, 7);
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 7; ++i) key = key << 8 | (i < length ? static_cast<unsigned char>(text[start + i]) : 0);
    return key << 8 | length;
}

// Positions of `text` in the byte order of their suffixes, where the suffix at a position
// ends where its own name ends (`ends[pos]`), so no suffix runs into the next name. Equal
// suffixes of different names end up next to each other in any order.
//
// Prefix doubling that only refines open runs: the suffixes are first sorted by their
// seven-byte head; each round then sorts every run of suffixes that are still equal over
// the `covered` bytes compared so far by the rank of the suffix `covered` bytes further on.
// A run is closed once its suffixes are shorter than `covered`: they are then equal.
// Unlike comparing suffixes directly, this stays O(n log n) on long repetitive names.
std::vector<std::uint32_t> sortSuffixes(std::string_view text, const std::vector<std::uint32_t>& ends) {
    const std::size_t size = text.size();
    std::vector<std::uint32_t> order(size);
    std::vector<std::uint32_t> rank(size);  // index in `order` of the first suffix of its run
    struct Run {
        std::uint32_t first, last;
    };
    std::vector<Run> open;
    std::size_t covered = 7;
    {
        std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed(size);
        for (std::size_t pos = 0; pos < size; ++pos)
            keyed[pos] = {headKey(text, pos, ends[pos]), static_cast<std::uint32_t>(pos)};
        std::sort(keyed.begin(), keyed.end());
        for (std::size_t k = 0; k < size;) {
            std::size_t end = k + 1;
            while (end < size && keyed[end].first == keyed[k].first) ++end;
            for (std::size_t j = k; j < end; ++j) {
                order[j] = keyed[j].second;
                rank[keyed[j].second] = static_cast<std::uint32_t>(k);
            }
            if (end - k > 1 && ends[order[k]] - order[k] >= covered)
                open.push_back({static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(end)});
            k = end;
        }
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> refined;  // (rank further on + 1 or 0, position)
    while (!open.empty()) {
        // All keys first: the ranks they read must be those of the round before.
        refined.clear();
        for (const Run& run : open) {
            for (std::size_t k = run.first; k < run.last; ++k) {
                const std::uint32_t pos = order[k];
                const std::uint32_t further = pos + covered < ends[pos] ? rank[pos + covered] + 1 : 0;
                refined.push_back({further, pos});
            }
        }
        std::vector<Run> stillOpen;
        auto slice = refined.begin();
        for (const Run& run : open) {
            const auto sliceEnd = slice + (run.last - run.first);
            std::sort(slice, sliceEnd);
            for (std::size_t k = run.first; k < run.last;) {
                std::size_t end = k + 1;
                while (end < run.last && slice[end - run.first].first == slice[k - run.first].first) ++end;
                for (std::size_t j = k; j < end; ++j) {
                    order[j] = slice[j - run.first].second;
                    rank[order[j]] = static_cast<std::uint32_t>(k);
                }
                if (end - k > 1 && ends[order[k]] - order[k] >= 2 * covered)
                    stillOpen.push_back({static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(end)});
                k = end;
            }
            slice = sliceEnd;
        }
        open.swap(stillOpen);
        covered *= 2;
    }
    return order;
}

// Which suffixes can begin a wanted name: their first byte is a whole wanted name, or
// their first two bytes begin one. Empty wanted names are answered apart.
class SuffixFilter {
  public:
    explicit SuffixFilter(const NameBuffer& wanted) : pairs_(std::make_unique<std::bitset<65536>>()) {
        for (std::size_t q = 0; q < wanted.size(); ++q) {
            const std::string_view name = wanted.name(q);
            if (name.size() == 1) singles_.set(byte(name, 0));
            if (name.size() >= 2) pairs_->set(byte(name, 0) << 8 | byte(name, 1));
        }
    }

    bool keeps(std::string_view text, std::size_t pos, std::size_t end) const {
        if (singles_.test(byte(text, pos))) return true;
        return pos + 1 < end && pairs_->test(byte(text, pos) << 8 | byte(text, pos + 1));
    }

  private:
    static std::size_t byte(std::string_view text, std::size_t pos) { return static_cast<unsigned char>(text[pos]); }

    std::bitset<256> singles_;
    std::unique_ptr<std::bitset<65536>> pairs_;
};

// Names up to this length have their suffixes sorted by direct comparison.
constexpr std::size_t kDirectSortLength = 64;

// `sortedWanted`: the wanted names in byte order (from `sortedNames(wanted)`).
std::vector<std::size_t> containsMatches(const NameBuffer& wanted, const OrderedTexts& sortedWanted,
                                         const NameBuffer& candidates) {
    std::size_t firstNonEmptyRow = kNoRow;
    std::size_t longest = 0;
    for (std::size_t row = 0; row < candidates.size(); ++row) {
        const std::size_t length = candidates.name(row).size();
        if (firstNonEmptyRow == kNoRow && length > 0) firstNonEmptyRow = row;
        longest = std::max(longest, length);
    }
    const SuffixFilter filter(wanted);
    const std::string& text = candidates.text();
    OrderedTexts suffixes(text);
    if (longest <= kDirectSortLength) {
        for (std::size_t row = 0; row < candidates.size(); ++row) {
            const std::string_view name = candidates.name(row);
            const std::uint32_t start = candidates.start(row);
            for (std::size_t pos = 0; pos < name.size(); pos += charLength(name, pos)) {
                if (!filter.keeps(name, pos, name.size())) continue;
                suffixes.add(static_cast<std::uint32_t>(start + pos), static_cast<std::uint32_t>(name.size() - pos),
                             static_cast<std::uint32_t>(row));
            }
        }
        suffixes.sort();
    } else {
        std::vector<std::uint32_t> ends(text.size());
        std::vector<std::uint32_t> owners(text.size());
        std::vector<bool> boundaries(text.size(), false);
        for (std::size_t row = 0; row < candidates.size(); ++row) {
            const std::string_view name = candidates.name(row);
            for (std::size_t pos = 0; pos < name.size(); pos += charLength(name, pos))
                boundaries[candidates.start(row) + pos] = true;
            std::fill(ends.begin() + candidates.start(row), ends.begin() + candidates.end(row), candidates.end(row));
            std::fill(owners.begin() + candidates.start(row), owners.begin() + candidates.end(row),
                      static_cast<std::uint32_t>(row));
        }
        for (std::uint32_t pos : sortSuffixes(text, ends)) {
            if (boundaries[pos] && filter.keeps(text, pos, ends[pos])) suffixes.add(pos, ends[pos] - pos, owners[pos]);
        }
    }
    return suffixes.firstRows(sortedWanted, false, firstNonEmptyRow, true);
}

}  // namespace

MatchedRows matchNames(const std::vector<std::string_view>& names1, const std::vector<std::string_view>& names2,
                       const MatchOptions& options) {
    if (options.exactMatch && options.caseSensitive) {
        const NameViews views1(names1);
        const NameViews views2(names2);
        return {exactMatches(views1, views2), exactMatches(views2, views1)};
    }
    const bool fold = !options.caseSensitive;
    const NameBuffer buffer1(names1, fold);
    const NameBuffer buffer2(names2, fold);
    if (options.exactMatch) return {exactMatches(buffer1, buffer2), exactMatches(buffer2, buffer1)};
    // Each side's names in byte order serve both as the wanted names of one direction and,
    // in the prefix mode, as the texts searched in the other.
    const OrderedTexts sorted1 = sortedNames(buffer1);
    const OrderedTexts sorted2 = sortedNames(buffer2);
    if (options.caseSensitive)
        return {sorted2.firstRows(sorted1, false, kNoRow, false), sorted1.firstRows(sorted2, false, kNoRow, false)};
    return {containsMatches(buffer1, sorted1, buffer2), containsMatches(buffer2, sorted2, buffer1)};
}

}  // namespace varimonde
