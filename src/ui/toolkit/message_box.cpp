#include "ui/toolkit/message_box.h"

#include <QMessageBox>

#include "core/text/gbk_literal.h"
#include "ui/toolkit/qt_text.h"

namespace varimonde {

namespace {

struct AutomaticAnswers {
    bool on = false;
    std::deque<MessageAnswer> queue;
    std::vector<ShownMessage> shown;
};

AutomaticAnswers& automatic() {
    static AutomaticAnswers answers;
    return answers;
}

MessageAnswer answerFromQueue(int flags) {
    AutomaticAnswers& answers = automatic();
    if (answers.queue.empty()) return flags == kWarningYesNo ? MessageAnswer::No : MessageAnswer::Ok;
    const MessageAnswer answer = answers.queue.front();
    answers.queue.pop_front();
    return answer;
}

}  // namespace

MessageAnswer MessageBox::show(QWidget* parent, std::string_view text, std::string_view caption, int flags) {
    const std::string title = caption.empty() ? u8"信息："_gbk : std::string(caption);
    if (automatic().on) {
        automatic().shown.push_back({std::string(text), title, flags});
        return answerFromQueue(flags);
    }
    const bool question = flags == kWarningYesNo;
    QMessageBox box(flags == kInformationOk ? QMessageBox::Information : QMessageBox::Warning, toQString(title),
                    toQString(text), question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    if (!question) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void MessageBox::answerAutomatically(bool on) {
    automatic().on = on;
}
void MessageBox::queueAnswer(MessageAnswer answer) {
    automatic().queue.push_back(answer);
}
std::vector<ShownMessage>& MessageBox::shown() {
    return automatic().shown;
}

}  // namespace varimonde
