#include "profiles/analysis_profile.h"

#include "core/text/gbk_literal.h"

namespace varimonde {

namespace {

constexpr std::u8string_view kHeadingTail = u8" 分析内容:              (双击修改)";

ProfileLabels makeLabels(std::u8string_view word, std::u8string_view shortWord, std::u8string_view row,
                         std::u8string_view value, bool decode, std::u8string_view column, std::u8string_view missing,
                         std::u8string_view differs) {
    const std::u8string w(word);
    const std::u8string s(shortWord);
    const std::u8string menuWord = s == u8"数据" ? u8"" : w;
    ProfileLabels labels;
    labels.profileWord = gbk(w);
    labels.rowBoxText = gbk(row);
    labels.valueBoxText = gbk(value);
    labels.showDecodeSwitch = decode;
    labels.sideHeading1 = gbk(u8"[" + s + u8" 1号]" + std::u8string(kHeadingTail));
    labels.sideHeading2 = gbk(u8"[" + s + u8" 2号] 分析内容:");
    labels.valueHeading = gbk(u8"[1号2号" + s + u8":值内容对比]");
    labels.copySide1Menu = gbk(u8"复制 1号" + menuWord + u8"数据");
    labels.copySide2Menu = gbk(u8"复制 2号" + menuWord + u8"数据");
    labels.sideNameColumn = gbk(column);
    labels.missingColumn = gbk(missing);
    labels.differsColumn = gbk(differs);
    return labels;
}

}  // namespace

const ProfileLabels& labelsOf(AnalysisProfile profile) {
    static const ProfileLabels cookies =
        makeLabels(u8"Cookies", u8"Cookies", u8";", u8"=", false, u8"Cookies", u8"缺少Cookies", u8"值不同的[Cookies]");
    static const ProfileLabels http = makeLabels(u8"Http协议", u8"Http协议", u8"换行", u8":", false, u8"Http协议",
                                                 u8"缺少协议", u8"值不同的[Http协议]");
    static const ProfileLabels query = makeLabels(u8"Qurey参数", u8"Qurey参数", u8"&", u8"=", true, u8"Qurey参数",
                                                  u8"缺少参数", u8"值不同的[Qurey参数]");
    static const ProfileLabels custom =
        makeLabels(u8"自定义数据", u8"数据", u8"", u8"", true, u8"数据项", u8"缺少项", u8"值不同的[项]");
    switch (profile) {
        case AnalysisProfile::Cookies:
            return cookies;
        case AnalysisProfile::Http:
            return http;
        case AnalysisProfile::Query:
            return query;
        case AnalysisProfile::Custom:
            break;
    }
    return custom;
}

std::string profileCode(AnalysisProfile profile) {
    return std::to_string(static_cast<int>(profile));
}

std::optional<AnalysisProfile> profileFromCode(std::string_view code) {
    if (code == "1") return AnalysisProfile::Cookies;
    if (code == "2") return AnalysisProfile::Http;
    if (code == "3") return AnalysisProfile::Query;
    if (code == "4") return AnalysisProfile::Custom;
    return std::nullopt;
}

std::string separatorFromDisplay(std::string_view shown) {
    return shown == u8"换行"_gbk ? std::string("\r\n") : std::string(shown);
}

std::string separatorToDisplay(std::string_view separator) {
    return separator == "\r\n" ? u8"换行"_gbk : std::string(separator);
}

}  // namespace varimonde
