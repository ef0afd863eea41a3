// The plain controls of the windows: check box, button, label, picture box, status bar.
//
// Texts cross in GBK. Writing a check box's state raises no click; only the user's click
// runs the click callback, after the box has changed its state.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <functional>
#include <string>
#include <string_view>

namespace varimonde {

class CheckBox : public QCheckBox {
  public:
    explicit CheckBox(QWidget* parent = nullptr);
    void setCaption(std::string_view gbk);
    std::string caption() const;
    void setToolTipText(std::string_view gbk);
    std::function<void()> clicked;
};

class Button : public QPushButton {
  public:
    explicit Button(QWidget* parent = nullptr);
    void setCaption(std::string_view gbk);
    std::string caption() const;
    std::function<void()> clicked;
};

class Label : public QLabel {
  public:
    explicit Label(QWidget* parent = nullptr);
    void setCaption(std::string_view gbk);
    std::string caption() const;
    std::function<void()> doubleClicked;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A container filled with a background colour; controls inside it are placed relative to it.
class PictureBox : public QWidget {
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setBackground(const QColor& color);
};

// A status bar of one part along the bottom edge of its window.
class StatusBar : public QStatusBar {
  public:
    explicit StatusBar(QWidget* parent = nullptr);
    void setText(std::string_view gbk);
    std::string text() const;

  private:
    QLabel* part0_;
};

}  // namespace varimonde
