#include "core/items/parse_items.h"

#include <vector>

#include "core/codec/percent_codec.h"
#include "core/ordering/list_ordering.h"
#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

namespace varimonde {

namespace {

const std::string kLineBreak = "\r\n";

// Stands in for the ":" that opens an HTTP/2 pseudo-header while the row is split at ":".
const std::string& colonMarker() {
    return u8"特殊情况例如冒号method冒号GET!@#$"_gbk;
}

struct Counters {
    std::size_t tailErrors = 0;
    std::size_t extraSeparators = 0;
    std::size_t missingValues = 0;
    std::string emptyValueNotes;
};

ParseQuestion separatorQuestion(std::string_view profileWord, Side side) {
    const std::string& rest = side == Side::One
                                  ? u8"1号源文本 分隔符 逻辑数量有误，可能是分析模式不正确\r\n\r\n是否继续分析？"_gbk
                                  : u8"2号源文本 分隔符 逻辑数量有误，可能是分析模式不正确\r\n\r\n是否继续分析？"_gbk;
    return {u8"提示：文本逻辑存在错误！"_gbk, std::string(profileWord) + rest};
}

// The value of a row that split into two or more parts; empty when the row is to be skipped.
std::string rowValue(std::string_view row, const std::vector<std::string_view>& parts, const std::string& separator) {
    if (parts.size() > 2) return std::string(row.substr(parts[0].size() + separator.size()));
    std::string value(parts[1]);
    // Splitting drops one trailing separator: put back the "=" or "==" that ends a Base64 value.
    if (endsWithText(row, separator + separator))
        value += separator + separator;
    else if (endsWithText(row, separator))
        value += separator;
    return value;
}

Item makeItem(std::string name, std::string written, ParseOptions options) {
    Item item;
    item.name = std::move(name);
    if (!containsText(written, "%")) {
        item.value = written;
        item.altValue = std::move(written);
        return item;
    }
    std::string decoded = percentDecode(written, true);
    item.value = options.decode ? std::move(decoded) : written;
    item.altValue = options.decode ? std::move(written) : std::move(decoded);
    return item;
}

// Steps over one row; returns false when the row adds no item.
bool parseRow(std::string_view rawRow, const ProfileTexts& profile, ParseOptions options, Counters& counters,
              ItemList& items) {
    const std::string& separator = profile.valueSeparator;
    std::string markedRow;
    std::string_view row = rawRow;
    if (separator.size() == 1 && !row.empty() && row[0] == separator[0]) {
        markedRow = replaceFirst(row, ":", colonMarker());
        row = markedRow;
    }
    const std::vector<std::string_view> parts = splitText(row, separator);
    if (parts.empty()) return false;
    if (parts[0].empty()) {
        ++counters.extraSeparators;
        return false;
    }
    std::string name = replaceFirst(parts[0], colonMarker(), ":");
    if (parts.size() == 1) {
        if (!endsWithText(row, separator)) {
            ++counters.missingValues;
            return false;
        }
        counters.emptyValueNotes += profile.profileWord + "[" + name + u8"]的值为(空)\r\n"_gbk;
        Item item;
        item.name = std::move(name);
        items.push_back(std::move(item));
        return true;
    }
    std::string value = rowValue(row, parts, separator);
    if (value.empty()) {
        ++counters.extraSeparators;
        return false;
    }
    items.push_back(makeItem(std::move(name), std::move(value), options));
    return true;
}

void sortByName(ItemList& items) {
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const Item& item : items) names.push_back(item.name);
    const std::vector<std::size_t> placement = nameSortPlacement(names);
    ItemList sorted;
    sorted.reserve(items.size());
    for (std::size_t source : placement) sorted.push_back(std::move(items[source]));
    items = std::move(sorted);
}

std::string reportMessages(const Counters& counters, std::string_view word) {
    std::string messages;
    if (counters.tailErrors > 0)
        messages += std::string(word) + u8"1号尾部数据不全,已过滤!\r\n请检查完整性! [错误数:"_gbk +
                    std::to_string(counters.tailErrors) + "]\r\n\r\n";
    if (counters.extraSeparators > 0)
        messages += u8"检查到"_gbk + std::string(word) + u8"文本有错误!\r\n请检查多余＝号! [错误数:"_gbk +
                    std::to_string(counters.extraSeparators) + "]\r\n\r\n";
    if (counters.missingValues > 0)
        messages += u8"检查到"_gbk + std::string(word) + u8"文本有错误!\r\n"_gbk + std::string(word) +
                    u8"或值为空 [错误数:"_gbk + std::to_string(counters.missingValues) + "]\r\n\r\n";
    return messages;
}

ParseResult textError(std::string_view word) {
    ParseResult result;
    result.stop = ParseStop::TextError;
    result.resultText = textErrorMessage(word);
    return result;
}

}  // namespace

std::string textErrorMessage(std::string_view profileWord) {
    return u8"检查到"_gbk + std::string(profileWord) + u8"文本有错误!"_gbk;
}

std::string placeholderText(std::string_view profileWord, Side side) {
    return u8"请填入"_gbk + std::string(profileWord) + (side == Side::One ? u8" 1号数据"_gbk : u8" 2号数据"_gbk);
}

ParseResult parseItems(std::string_view text, const ProfileTexts& profile, Side side, ParseOptions options,
                       const ConfirmContinue& confirm) {
    ParseResult result;
    if (text.empty()) return result;
    if (containsText(text, u8"请填入"_gbk + profile.profileWord)) {
        result.stop = ParseStop::Placeholder;
        return result;
    }
    const std::string& rowSeparator = profile.rowSeparator;
    const std::string& valueSeparator = profile.valueSeparator;
    // Empty separators (no profile selected) are never found, so such a text is a text error.
    const std::size_t valueCount = countText(text, valueSeparator);
    const std::size_t rowCount = countText(text, rowSeparator);
    if (valueCount == 0 && rowCount == 0) return textError(profile.profileWord);
    const bool singleItem = valueCount == 1 && rowCount == 0;
    if (!singleItem && (valueCount == 0 || rowCount == 0) &&
        !(confirm && confirm(separatorQuestion(profile.profileWord, side)))) {
        result.stop = ParseStop::Declined;
        return result;
    }

    std::string cleaned = removeBlanks(text);
    if (rowSeparator != kLineBreak && valueSeparator != kLineBreak) cleaned = removeLineBreaks(cleaned);
    std::vector<std::string_view> rows = splitText(cleaned, rowSeparator);
    if (rows.empty()) return textError(profile.profileWord);
    Counters counters;
    if (!containsText(rows.back(), valueSeparator)) {
        rows.pop_back();
        counters.tailErrors = 1;
    }
    if (rows.empty()) return textError(profile.profileWord);

    result.items.reserve(rows.size());
    for (std::string_view row : rows) parseRow(row, profile, options, counters, result.items);
    if (options.autoSort) sortByName(result.items);
    for (std::size_t i = 0; i < result.items.size(); ++i) result.items[i].ordinal = std::to_string(i + 1);

    const std::string messages = reportMessages(counters, profile.profileWord);
    result.stop = ParseStop::Completed;
    result.tailErrorCount = counters.tailErrors;
    result.extraSeparatorCount = counters.extraSeparators;
    result.missingValueCount = counters.missingValues;
    result.resultText = messages.empty() ? u8"空"_gbk : messages;
    result.statusText = u8"分析提示:"_gbk + messages;
    result.itemBoxText = std::move(counters.emptyValueNotes);
    return result;
}

}  // namespace varimonde
