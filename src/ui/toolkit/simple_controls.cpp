#include "ui/toolkit/simple_controls.h"

#include <QPalette>

#include "ui/toolkit/qt_text.h"

namespace varimonde {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::clicked, this, [this] {
        if (clicked) clicked();
    });
}

void CheckBox::setCaption(std::string_view gbk) {
    setText(toQString(gbk));
}
std::string CheckBox::caption() const {
    return fromQString(text());
}
void CheckBox::setToolTipText(std::string_view gbk) {
    setToolTip(toQString(gbk));
}

Button::Button(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (clicked) clicked();
    });
}

void Button::setCaption(std::string_view gbk) {
    setText(toQString(gbk));
}
std::string Button::caption() const {
    return fromQString(text());
}

Label::Label(QWidget* parent) : QLabel(parent) {}
void Label::setCaption(std::string_view gbk) {
    setText(toQString(gbk));
}
std::string Label::caption() const {
    return fromQString(text());
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (doubleClicked) doubleClicked();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void PictureBox::setBackground(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), part0_(new QLabel(this)) {
    setSizeGripEnabled(false);
    addWidget(part0_, 1);
}

void StatusBar::setText(std::string_view gbk) {
    part0_->setText(toQString(gbk));
}
std::string StatusBar::text() const {
    return fromQString(part0_->text());
}

}  // namespace varimonde
