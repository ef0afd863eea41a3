#include "ui/toolkit/window_services.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "ui/toolkit/qt_text.h"

namespace varimonde {

void runPendingEvents() {
    QApplication::processEvents();
}

RedrawSuspension::RedrawSuspension(QWidget* window) : window_(window), wasEnabled_(window->updatesEnabled()) {
    window_->setUpdatesEnabled(false);
}

RedrawSuspension::~RedrawSuspension() {
    window_->setUpdatesEnabled(wasEnabled_);
}

QAction* PopupMenu::addItem(std::string_view caption, std::function<void()> run) {
    QAction* item = addAction(toQString(caption));
    connect(item, &QAction::triggered, this, [run = std::move(run)] {
        if (run) run();
    });
    return item;
}

void PopupMenu::setCaption(QAction* item, std::string_view caption) {
    item->setText(toQString(caption));
}

std::string PopupMenu::caption(const QAction* item) {
    return fromQString(item->text());
}

void PopupMenu::popUpAtCursor() {
    popup(QCursor::pos() + QPoint(3, 3));
}

}  // namespace varimonde
