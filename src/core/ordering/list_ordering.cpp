#include "core/ordering/list_ordering.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>

#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

namespace varimonde {

namespace {

constexpr double kTolerance = 1e-7;

// Sign of key - other, numbers within the tolerance being equal.
int compareNumbers(double key, double other) {
    const double difference = key - other;
    if (difference > kTolerance) return 1;
    if (difference < -kTolerance) return -1;
    return 0;
}

bool isNumericType(SortKeyType type) {
    return type == SortKeyType::Number || type == SortKeyType::DateTime || type == SortKeyType::ImageIndex;
}

double numericKey(std::string_view text, SortKeyType type) {
    return type == SortKeyType::DateTime ? daysFromDateText(text) : numberFromText(text);
}

// The bisection of the insertion sort. `compareAt(x)` gives the sign of key - sortedKeys[x]
// (x 1-based); the same steps serve the plain search, the rank-only simulation and the
// fallback, so all three place keys identically.
template <class CompareAt>
std::size_t bisectInsertPosition(std::size_t count, CompareAt compareAt) {
    if (count == 0) return 1;
    if (compareAt(count) >= 0) return count + 1;
    if (compareAt(1) <= 0) return 1;
    std::size_t lo = 1;
    std::size_t hi = count;
    while (lo + 1 < hi) {
        const std::size_t mid = (lo + hi) / 2;
        const int order = compareAt(mid);
        if (order == 0) {
            lo = mid;
            break;
        }
        if (order < 0)
            hi = mid;
        else
            lo = mid;
    }
    return lo + 1;
}

// --- date-time keys -------------------------------------------------------------------

// Reads a date-time text from left to right; every read either advances or leaves the
// position where it was.
class TextCursor {
  public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }

    bool take(std::string_view literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }

    // 1 to maxDigits decimal digits.
    std::optional<int> takeNumber(int maxDigits) {
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }

    bool takeBlanks() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        return pos_ > start;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Days from 1970-01-01 in the proleptic Gregorian calendar.
long daysFromCivil(long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

constexpr long kDaysFrom1899To1970 = 25569;

std::optional<double> readDate(TextCursor& cursor) {
    const auto year = cursor.takeNumber(4);
    if (!year) return std::nullopt;
    std::string_view afterMonth;
    if (cursor.take("-"))
        afterMonth = "-";
    else if (cursor.take("/"))
        afterMonth = "/";
    else if (cursor.take("."))
        afterMonth = ".";
    else if (cursor.take(u8"年"_gbk))
        afterMonth = u8"月"_gbk;
    else
        return std::nullopt;
    const auto month = cursor.takeNumber(2);
    if (!month || !cursor.take(afterMonth)) return std::nullopt;
    const auto day = cursor.takeNumber(2);
    if (!day) return std::nullopt;
    if (afterMonth == u8"月"_gbk) cursor.take(u8"日"_gbk);
    if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;
    return static_cast<double>(daysFromCivil(*year, *month, *day) + kDaysFrom1899To1970);
}

// "HH:MM[:SS]" or "HH时MM分[SS秒]" as a fraction of a day.
std::optional<double> readTime(TextCursor& cursor) {
    const auto hour = cursor.takeNumber(2);
    if (!hour) return std::nullopt;
    const bool chinese = !cursor.take(":");
    if (chinese && !cursor.take(u8"时"_gbk)) return std::nullopt;
    const auto minute = cursor.takeNumber(2);
    if (!minute) return std::nullopt;
    std::optional<int> second = 0;
    if (chinese) {
        if (!cursor.take(u8"分"_gbk)) return std::nullopt;
        if (!cursor.atEnd()) {
            second = cursor.takeNumber(2);
            if (!second || !cursor.take(u8"秒"_gbk)) return std::nullopt;
        }
    } else if (cursor.take(":")) {
        second = cursor.takeNumber(2);
        if (!second) return std::nullopt;
    }
    if (*hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
    return (*hour * 3600.0 + *minute * 60.0 + *second) / 86400.0;
}

// --- rank structures ------------------------------------------------------------------

// Counts per slot with prefix sums and search by cumulative count, both O(log n).
class FenwickTree {
  public:
    // `filled`: every slot starts with one unit.
    explicit FenwickTree(std::size_t size, bool filled = false) : tree_(size + 1, 0) {
        if (!filled) return;
        for (std::size_t i = 1; i <= size; ++i) tree_[i] = lowestBit(i);
    }

    // Adds +1 or -1 (unsigned wrap-around makes -1 a subtraction).
    void add(std::size_t slot, int delta) {
        for (std::size_t i = slot + 1; i < tree_.size(); i += lowestBit(i)) tree_[i] += static_cast<std::size_t>(delta);
    }

    // Sum of the slots before `slot`.
    std::size_t prefix(std::size_t slot) const {
        std::size_t sum = 0;
        for (std::size_t i = slot; i > 0; i -= lowestBit(i)) sum += tree_[i];
        return sum;
    }

    // The slot holding the k-th unit (k 1-based, at most the total).
    std::size_t findKth(std::size_t k) const {
        std::size_t pos = 0;
        std::size_t step = 1;
        while (step * 2 < tree_.size()) step *= 2;
        for (; step > 0; step /= 2) {
            if (pos + step < tree_.size() && tree_[pos + step] < k) {
                pos += step;
                k -= tree_[pos];
            }
        }
        return pos;
    }

  private:
    static std::size_t lowestBit(std::size_t i) { return i & (~i + 1); }

    std::vector<std::size_t> tree_;
};

// The final order from the positions at which each row was inserted: walking backwards, a
// row takes the p-th slot not taken by a row inserted after it.
std::vector<std::size_t> placementFromPositions(const std::vector<std::size_t>& positions) {
    const std::size_t count = positions.size();
    FenwickTree freeSlots(count, true);
    std::vector<std::size_t> placement(count);
    for (std::size_t i = count; i-- > 0;) {
        const std::size_t slot = freeSlots.findKth(positions[i]);
        placement[slot] = i;
        freeSlots.add(slot, -1);
    }
    return placement;
}

// Group numbers in key order; rows with equal keys share a group.
using GroupIds = std::vector<std::uint32_t>;

GroupIds groupTextKeys(const std::vector<std::string>& keys, bool foldUpper) {
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return compareChars(keys[a], keys[b], foldUpper) < 0; });
    GroupIds groups(keys.size());
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && compareChars(keys[order[k - 1]], keys[order[k]], foldUpper) != 0) ++group;
        groups[order[k]] = group;
    }
    return groups;
}

// The tolerance makes "equal" intransitive when numbers form a chain of close steps
// (0, 0.6e-7, 1.2e-7). Grouping is only possible when every cluster of close numbers
// spans no more than the tolerance; otherwise there is no group order to rank by.
std::optional<GroupIds> groupNumberKeys(const std::vector<double>& values) {
    std::vector<std::uint32_t> order(values.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return values[a] < values[b]; });
    GroupIds groups(values.size());
    std::uint32_t group = 0;
    double clusterStart = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const double value = values[order[k]];
        if (k == 0 || value - values[order[k - 1]] > kTolerance) {
            if (k > 0) ++group;
            clusterStart = value;
        } else if (value - clusterStart > kTolerance) {
            return std::nullopt;
        }
        groups[order[k]] = group;
    }
    return groups;
}

// Insertion positions when keys fall into ordered groups: the sorted keys are then always
// grouped, so the ranks of a key's smaller, equal and larger keys follow from counts alone,
// and the bisection runs on ranks without looking at any key.
std::vector<std::size_t> positionsFromGroups(const GroupIds& groups) {
    const std::size_t groupCount = groups.empty() ? 0 : *std::max_element(groups.begin(), groups.end()) + 1;
    FenwickTree placed(groupCount);
    std::vector<std::size_t> equalCount(groupCount, 0);
    std::vector<std::size_t> positions(groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::uint32_t group = groups[i];
        const std::size_t smaller = placed.prefix(group);
        const std::size_t equal = equalCount[group];
        positions[i] = bisectInsertPosition(i, [&](std::size_t x) {
            if (x <= smaller) return 1;
            return x > smaller + equal ? -1 : 0;
        });
        placed.add(group, 1);
        ++equalCount[group];
    }
    return positions;
}

// An array of numbers with access and insertion by rank in O(log n) (an implicit treap).
// Used when the keys cannot be grouped: the bisection then reads actual keys.
class RankedNumbers {
  public:
    explicit RankedNumbers(std::size_t capacity) {
        nodes_.reserve(capacity + 1);
        nodes_.push_back({});
    }

    std::size_t size() const { return nodes_[root_].size; }

    // The number at 1-based rank.
    double at(std::size_t rank) const {
        std::uint32_t node = root_;
        while (true) {
            const std::size_t leftSize = nodes_[nodes_[node].left].size;
            if (rank == leftSize + 1) return nodes_[node].value;
            if (rank <= leftSize) {
                node = nodes_[node].left;
            } else {
                rank -= leftSize + 1;
                node = nodes_[node].right;
            }
        }
    }

    // Inserts before 1-based rank (size + 1: at the end).
    void insert(std::size_t rank, double value) {
        seed_ ^= seed_ << 13;
        seed_ ^= seed_ >> 17;
        seed_ ^= seed_ << 5;
        nodes_.push_back({value, 0, 0, 1, seed_});
        const auto node = static_cast<std::uint32_t>(nodes_.size() - 1);
        auto [left, right] = split(root_, rank - 1);
        root_ = merge(merge(left, node), right);
    }

  private:
    struct Node {
        double value = 0;
        std::uint32_t left = 0;
        std::uint32_t right = 0;
        std::uint32_t size = 0;
        std::uint32_t priority = 0;
    };

    void update(std::uint32_t node) {
        nodes_[node].size = nodes_[nodes_[node].left].size + nodes_[nodes_[node].right].size + 1;
    }

    // The first `count` elements and the rest.
    std::pair<std::uint32_t, std::uint32_t> split(std::uint32_t node, std::size_t count) {
        if (node == 0) return {0, 0};
        const std::size_t leftSize = nodes_[nodes_[node].left].size;
        if (count <= leftSize) {
            auto [first, rest] = split(nodes_[node].left, count);
            nodes_[node].left = rest;
            update(node);
            return {first, node};
        }
        auto [first, rest] = split(nodes_[node].right, count - leftSize - 1);
        nodes_[node].right = first;
        update(node);
        return {node, rest};
    }

    std::uint32_t merge(std::uint32_t a, std::uint32_t b) {
        if (a == 0 || b == 0) return a == 0 ? b : a;
        if (nodes_[a].priority > nodes_[b].priority) {
            nodes_[a].right = merge(nodes_[a].right, b);
            update(a);
            return a;
        }
        nodes_[b].left = merge(a, nodes_[b].left);
        update(b);
        return b;
    }

    std::vector<Node> nodes_;
    std::uint32_t root_ = 0;
    std::uint32_t seed_ = 2463534242u;
};

std::vector<std::size_t> positionsByRankedNumbers(const std::vector<double>& values) {
    RankedNumbers sorted(values.size());
    std::vector<std::size_t> positions(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double key = values[i];
        positions[i] =
            bisectInsertPosition(sorted.size(), [&](std::size_t x) { return compareNumbers(key, sorted.at(x)); });
        sorted.insert(positions[i], key);
    }
    return positions;
}

std::vector<std::size_t> flagPositions(const std::vector<std::string>& keys) {
    const std::string& no = u8"假"_gbk;
    std::vector<std::size_t> positions(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) positions[i] = keys[i] == no ? i + 1 : 1;
    return positions;
}

std::vector<std::size_t> numberPositions(const std::vector<std::string>& keys, SortKeyType type) {
    std::vector<double> values(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) values[i] = numericKey(keys[i], type);
    if (const auto groups = groupNumberKeys(values)) return positionsFromGroups(*groups);
    return positionsByRankedNumbers(values);
}

// The key of one row: blanks stripped (not for image indices), then the first key-map
// entry that begins with key + ":" gives the substitute.
std::string mappedKey(std::string_view cell, const std::vector<std::string>& keyMap, SortKeyType type) {
    std::string key(type == SortKeyType::ImageIndex ? cell : trimBlanks(cell));
    if (keyMap.empty()) return key;
    const std::string marker = key + ":";
    for (const std::string& entry : keyMap) {
        if (entry.starts_with(marker)) return replaceAll(entry, marker, "");
    }
    return key;
}

}  // namespace

SortKeyType sortKeyTypeFrom(int raw) {
    if (raw < 0 || raw > 4) return SortKeyType::Text;
    return static_cast<SortKeyType>(raw);
}

double numberFromText(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::size_t start = pos;
    std::size_t digits = 0;
    auto skipDigits = [&] {
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos, ++digits;
    };
    skipDigits();
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        skipDigits();
    }
    if (digits == 0) return 0;
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + pos, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range || !std::isfinite(value))
        value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

double daysFromDateText(std::string_view text) {
    TextCursor cursor(text);
    double days = 0;
    if (const auto date = readDate(cursor)) {
        days = *date;
        if (cursor.atEnd()) return days;
        if (!cursor.takeBlanks() && !cursor.take("T")) return 0;
    } else {
        cursor = TextCursor(text);
    }
    const auto time = readTime(cursor);
    if (!time || !cursor.atEnd()) return 0;
    return days + *time;
}

std::size_t findInsertPosition(const std::vector<std::string>& sortedKeys, std::string_view key, SortKeyType type,
                               bool caseSensitive) {
    if (isNumericType(type)) {
        const double number = numericKey(key, type);
        return bisectInsertPosition(sortedKeys.size(), [&](std::size_t x) {
            return compareNumbers(number, numericKey(sortedKeys[x - 1], type));
        });
    }
    return bisectInsertPosition(sortedKeys.size(),
                                [&](std::size_t x) { return compareChars(key, sortedKeys[x - 1], !caseSensitive); });
}

std::vector<std::size_t> sortPlacement(const std::vector<std::string>& keys, const std::vector<std::string>& keyMap,
                                       SortKeyType type, bool caseSensitive, bool ascending) {
    type = sortKeyTypeFrom(static_cast<int>(type));
    std::vector<std::string> mapped;
    mapped.reserve(keys.size());
    for (const std::string& cell : keys) mapped.push_back(mappedKey(cell, keyMap, type));

    std::vector<std::size_t> positions;
    if (type == SortKeyType::Flag)
        positions = flagPositions(mapped);
    else if (type == SortKeyType::Text)
        positions = positionsFromGroups(groupTextKeys(mapped, !caseSensitive));
    else
        positions = numberPositions(mapped, type);

    std::vector<std::size_t> placement = placementFromPositions(positions);
    if (!ascending) std::reverse(placement.begin(), placement.end());
    return placement;
}

std::vector<std::size_t> nameSortPlacement(const std::vector<std::string>& names) {
    return sortPlacement(names, {}, SortKeyType::Text, false, true);
}

}  // namespace varimonde
