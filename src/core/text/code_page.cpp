#include "core/text/code_page.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace varimonde {

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread and code page: ICU converters carry state and are not shared.
UConverter* converterFor(const char* name) {
    thread_local Converter gbk;
    thread_local Converter utf8;
    Converter& slot = name[0] == 'w' ? gbk : utf8;
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot.reset(ucnv_open(name, &status));
        if (U_FAILURE(status)) slot.reset();
        if (!slot) return nullptr;
        status = U_ZERO_ERROR;
        ucnv_setSubstChars(slot.get(), "?", 1, &status);
    }
    ucnv_reset(slot.get());
    return slot.get();
}

UConverter* gbkConverter() {
    return converterFor("windows-936");
}
UConverter* utf8Converter() {
    return converterFor("UTF-8");
}

std::u16string toUtf16(UConverter* converter, std::string_view bytes) {
    std::u16string out;
    if (bytes.empty() || converter == nullptr) return out;
    out.resize(bytes.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                         static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return {};
    out.resize(static_cast<std::size_t>(length));
    return out;
}

std::string fromUtf16(UConverter* converter, std::u16string_view text, std::size_t maxBytesPerUnit) {
    std::string out;
    if (text.empty() || converter == nullptr) return out;
    out.resize(text.size() * maxBytesPerUnit + 1);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()), text.data(),
                                           static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) return {};
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace

std::u16string gbkToUtf16(std::string_view gbk) {
    return toUtf16(gbkConverter(), gbk);
}

// A UTF-16 unit becomes at most two GBK bytes; a surrogate pair (two units) becomes one "?".
std::string utf16ToGbk(std::u16string_view utf16) {
    return fromUtf16(gbkConverter(), utf16, 2);
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    return toUtf16(utf8Converter(), utf8);
}

std::string utf16ToUtf8(std::u16string_view utf16) {
    return fromUtf16(utf8Converter(), utf16, 3);
}

}  // namespace varimonde
