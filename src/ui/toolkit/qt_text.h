// The boundary between the program's GBK texts and Qt's UTF-16 strings.
//
// Boxes hold LF line breaks inside Qt; the program sees CR LF. Characters that GBK cannot
// hold become "?" on the way in. Offsets seen by the program count GBK bytes, a line
// break counting two.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace varimonde {

QString toQString(std::string_view gbk);
std::string fromQString(const QString& text);

// Text of a box (CR LF breaks) from the widget's plain text (LF breaks), and back.
std::string boxTextFromQt(const QString& plain);
QString boxTextToQt(std::string_view gbk);

// GBK byte offset of a QString position in a box text, and the position of a byte offset
// (an offset inside a character or a CR LF pair rounds up to the next position).
long byteOffsetOf(const QString& plain, int position);
int positionOfByteOffset(const QString& plain, long byteOffset);

}  // namespace varimonde
