#include "core/compare/name_index.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/text/gbk_text.h"

namespace varimonde {

RangeMinimum::RangeMinimum(std::vector<std::size_t> values) : values_(std::move(values)) {
    const std::size_t blockCount = (values_.size() + kBlock - 1) / kBlock;
    if (blockCount == 0) return;
    std::vector<std::size_t> minima(blockCount);
    for (std::size_t b = 0; b < blockCount; ++b)
        minima[b] = scan(b * kBlock, std::min(values_.size(), (b + 1) * kBlock));
    blockLevels_.push_back(std::move(minima));
    for (std::size_t span = 2; span <= blockCount; span *= 2) {
        const std::vector<std::size_t>& below = blockLevels_.back();
        std::vector<std::size_t> level(blockCount - span + 1);
        for (std::size_t b = 0; b < level.size(); ++b) level[b] = std::min(below[b], below[b + span / 2]);
        blockLevels_.push_back(std::move(level));
    }
}

std::size_t RangeMinimum::scan(std::size_t first, std::size_t last) const {
    return *std::min_element(values_.begin() + static_cast<long>(first), values_.begin() + static_cast<long>(last));
}

std::size_t RangeMinimum::query(std::size_t first, std::size_t last) const {
    const std::size_t firstBlock = first / kBlock;
    const std::size_t lastBlock = (last - 1) / kBlock;
    if (lastBlock - firstBlock <= 1) return scan(first, last);
    std::size_t result = std::min(scan(first, (firstBlock + 1) * kBlock), scan(lastBlock * kBlock, last));
    // Whole blocks in between: two overlapping power-of-two spans cover them.
    const std::size_t wholeBlocks = lastBlock - firstBlock - 1;
    const std::size_t level = static_cast<std::size_t>(std::bit_width(wholeBlocks)) - 1;
    const std::vector<std::size_t>& spans = blockLevels_[level];
    result = std::min(result, spans[firstBlock + 1]);
    return std::min(result, spans[lastBlock - (std::size_t{1} << level)]);
}

namespace {

// Positions of `text` in the byte order of their suffixes, where the suffix at a position
// ends where its own name ends (`ends[pos]`), so no suffix runs into the next name. Equal
// suffixes of different names stay next to each other in any order. Prefix doubling with
// two counting sorts per round; the rounds stop once the ranks cover the longest name.
std::vector<std::uint32_t> sortSuffixes(std::string_view text, const std::vector<std::uint32_t>& ends,
                                        std::size_t longest) {
    const std::size_t size = text.size();
    std::vector<std::uint32_t> rank(size);
    for (std::size_t i = 0; i < size; ++i) rank[i] = static_cast<unsigned char>(text[i]);
    std::vector<std::uint32_t> order(size);
    std::vector<std::uint32_t> sorted(size);
    std::vector<std::uint32_t> counts(std::max<std::size_t>(size, 256) + 2);

    auto countingSort = [&](const std::vector<std::uint32_t>& input, std::vector<std::uint32_t>& output, auto key) {
        std::fill(counts.begin(), counts.end(), 0);
        for (std::uint32_t pos : input) ++counts[key(pos) + 1];
        for (std::size_t k = 1; k < counts.size(); ++k) counts[k] += counts[k - 1];
        for (std::uint32_t pos : input) output[counts[key(pos)]++] = pos;
    };

    for (std::size_t i = 0; i < size; ++i) order[i] = static_cast<std::uint32_t>(i);
    countingSort(order, sorted, [&](std::uint32_t pos) { return rank[pos]; });
    std::swap(order, sorted);
    std::vector<std::uint32_t> nextRank(size);
    for (std::size_t span = 1; span < longest; span *= 2) {
        // 0 when the suffix ends within `span` bytes, else 1 + the rank `span` bytes on.
        auto second = [&](std::uint32_t pos) { return pos + span < ends[pos] ? rank[pos + span] + 1 : 0; };
        countingSort(order, sorted, second);
        countingSort(sorted, order, [&](std::uint32_t pos) { return rank[pos]; });
        std::uint32_t current = 0;
        for (std::size_t k = 0; k < size; ++k) {
            if (k > 0 && (rank[order[k]] != rank[order[k - 1]] || second(order[k]) != second(order[k - 1]))) ++current;
            nextRank[order[k]] = current;
        }
        std::swap(rank, nextRank);
        if (current + 1 == size) break;
    }
    return order;
}

// Where `wanted` is a prefix of the entry text: below, at or above the run of such entries.
int compareLeading(std::string_view text, std::string_view wanted) {
    return text.substr(0, wanted.size()).compare(wanted);
}

}  // namespace

NameIndex::NameIndex(const std::vector<std::string_view>& names, const MatchOptions& options) {
    if (options.exactMatch) {
        mode_ = options.caseSensitive ? Mode::Exact : Mode::ExactFolded;
        buildExact(names);
    } else if (options.caseSensitive) {
        mode_ = Mode::Prefix;
        buildPrefix(names);
    } else {
        mode_ = Mode::Contains;
        buildContains(names);
    }
}

void NameIndex::buildExact(const std::vector<std::string_view>& names) {
    firstRowByName_.reserve(names.size());
    if (mode_ == Mode::Exact) {
        for (std::size_t row = 0; row < names.size(); ++row) firstRowByName_.try_emplace(names[row], row);
        return;
    }
    std::vector<std::size_t> starts;
    starts.reserve(names.size() + 1);
    for (std::string_view name : names) {
        starts.push_back(folded_.size());
        folded_ += asciiLower(name);
    }
    starts.push_back(folded_.size());
    for (std::size_t row = 0; row < names.size(); ++row) {
        const std::string_view folded(folded_.data() + starts[row], starts[row + 1] - starts[row]);
        firstRowByName_.try_emplace(folded, row);
    }
}

void NameIndex::buildPrefix(const std::vector<std::string_view>& names) {
    entries_.reserve(names.size());
    for (std::size_t row = 0; row < names.size(); ++row) entries_.push_back({names[row], row});
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.text < b.text; });
    std::vector<std::size_t> rows(entries_.size());
    for (std::size_t k = 0; k < entries_.size(); ++k) rows[k] = entries_[k].row;
    entryRows_ = RangeMinimum(std::move(rows));
}

void NameIndex::buildContains(const std::vector<std::string_view>& names) {
    std::vector<std::size_t> starts;
    starts.reserve(names.size() + 1);
    std::size_t longest = 0;
    for (std::size_t row = 0; row < names.size(); ++row) {
        starts.push_back(folded_.size());
        folded_ += asciiLower(names[row]);
        longest = std::max(longest, names[row].size());
        if (firstNonEmptyRow_ == kNoRow && !names[row].empty()) firstNonEmptyRow_ = row;
    }
    starts.push_back(folded_.size());

    // Per byte: where its name ends, which row it belongs to, whether a character starts there.
    std::vector<std::uint32_t> ends(folded_.size());
    std::vector<std::uint32_t> owners(folded_.size());
    std::vector<bool> boundaries(folded_.size(), false);
    for (std::size_t row = 0; row < names.size(); ++row) {
        const std::string_view name(folded_.data() + starts[row], starts[row + 1] - starts[row]);
        for (std::size_t pos = 0; pos < name.size(); pos += charLength(name, pos)) boundaries[starts[row] + pos] = true;
        for (std::size_t pos = starts[row]; pos < starts[row + 1]; ++pos) {
            ends[pos] = static_cast<std::uint32_t>(starts[row + 1]);
            owners[pos] = static_cast<std::uint32_t>(row);
        }
    }

    for (std::uint32_t pos : sortSuffixes(folded_, ends, longest)) {
        if (!boundaries[pos]) continue;
        entries_.push_back({std::string_view(folded_.data() + pos, ends[pos] - pos), owners[pos]});
    }
    std::vector<std::size_t> rows(entries_.size());
    for (std::size_t k = 0; k < entries_.size(); ++k) rows[k] = entries_[k].row;
    entryRows_ = RangeMinimum(std::move(rows));
}

std::size_t NameIndex::firstEntryMatch(std::string_view wanted) const {
    const auto below = std::partition_point(entries_.begin(), entries_.end(),
                                            [&](const Entry& e) { return compareLeading(e.text, wanted) < 0; });
    const auto end = std::partition_point(below, entries_.end(),
                                          [&](const Entry& e) { return compareLeading(e.text, wanted) == 0; });
    if (below == end) return kNoRow;
    return entryRows_.query(static_cast<std::size_t>(below - entries_.begin()),
                            static_cast<std::size_t>(end - entries_.begin()));
}

std::size_t NameIndex::firstMatch(std::string_view wanted) const {
    switch (mode_) {
        case Mode::Exact: {
            const auto found = firstRowByName_.find(wanted);
            return found == firstRowByName_.end() ? kNoRow : found->second;
        }
        case Mode::ExactFolded: {
            const auto found = firstRowByName_.find(asciiLower(wanted));
            return found == firstRowByName_.end() ? kNoRow : found->second;
        }
        case Mode::Prefix:
            return firstEntryMatch(wanted);
        case Mode::Contains:
            if (wanted.empty()) return firstNonEmptyRow_;
            return firstEntryMatch(asciiLower(wanted));
    }
    return kNoRow;
}

}  // namespace varimonde
