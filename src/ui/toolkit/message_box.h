// Modal message boxes and the one seam tests use to answer them.
//
// The flags are the program's: 4144 OK with a warning icon, 4148 Yes/No with a warning
// icon, 4160 OK with an information icon. The answer tells Yes from No. With automatic
// answers switched on (tests), no dialog is shown: the box is recorded and answered from
// the queue, or with its default (OK, or No for a question).
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace varimonde {

enum MessageFlags { kWarningOk = 4144, kWarningYesNo = 4148, kInformationOk = 4160 };
enum class MessageAnswer { Ok, Yes, No };

struct ShownMessage {
    std::string text;
    std::string caption;
    int flags = 0;
};

class MessageBox {
  public:
    // An empty caption stands for the default "信息：".
    static MessageAnswer show(QWidget* parent, std::string_view text, std::string_view caption, int flags);

    static void answerAutomatically(bool on);
    static void queueAnswer(MessageAnswer answer);
    static std::vector<ShownMessage>& shown();
};

}  // namespace varimonde
