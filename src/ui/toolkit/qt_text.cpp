#include "ui/toolkit/qt_text.h"

#include "core/text/code_page.h"
#include "core/text/gbk_text.h"

namespace varimonde {

QString toQString(std::string_view gbk) {
    const std::u16string utf16 = gbkToUtf16(gbk);
    return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size()));
}

std::string fromQString(const QString& text) {
    return utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

std::string boxTextFromQt(const QString& plain) {
    QString text = plain;
    text.replace(QChar(0x2029), QChar('\n'));
    return replaceAll(fromQString(text), "\n", "\r\n");
}

QString boxTextToQt(std::string_view gbk) {
    QString text = toQString(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

namespace {

// GBK byte length of one UTF-16 unit as a box counts it (a surrogate pair is one "?").
long unitBytes(const QString& plain, int position) {
    const QChar c = plain.at(position);
    if (c == QChar('\n') || c == QChar(0x2029)) return 2;
    if (c.isLowSurrogate()) return 0;
    if (c.isHighSurrogate()) return 1;
    if (c.unicode() < 0x80) return 1;
    return static_cast<long>(utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(&c), 1)).size());
}

}  // namespace

long byteOffsetOf(const QString& plain, int position) {
    long bytes = 0;
    for (int i = 0; i < position && i < plain.size(); ++i) bytes += unitBytes(plain, i);
    return bytes;
}

int positionOfByteOffset(const QString& plain, long byteOffset) {
    long bytes = 0;
    int i = 0;
    while (i < plain.size() && bytes < byteOffset) bytes += unitBytes(plain, i++);
    return i;
}

}  // namespace varimonde
