// Services the handlers use between steps: running pending window events, suspending a
// window's redrawing, and the popup menu of the lists.
#pragma once

#include <QMenu>

#include <functional>
#include <string>
#include <string_view>

class QWidget;
class QAction;

namespace varimonde {

// Lets pending window events (repaint, focus, queued signals) run before going on.
void runPendingEvents();

// Suspends a window's redrawing for its lifetime.
class RedrawSuspension {
  public:
    explicit RedrawSuspension(QWidget* window);
    ~RedrawSuspension();
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

  private:
    QWidget* window_;
    bool wasEnabled_;
};

// A popup menu whose items carry GBK captions; opened at the mouse cursor, 3 px right and down.
class PopupMenu : public QMenu {
  public:
    explicit PopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}
    QAction* addItem(std::string_view caption, std::function<void()> run);
    static void setCaption(QAction* item, std::string_view caption);
    static std::string caption(const QAction* item);
    void popUpAtCursor();
};

}  // namespace varimonde
