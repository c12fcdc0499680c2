#include "recipe_form/picture_button.h"

#include <QPainter>

namespace mw::recipe_form {

CPictureButton::CPictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void CPictureButton::setPicture(ButtonLook look, const QPixmap& picture) {
    m_pictures[static_cast<std::size_t>(look)] = picture;
    updateGeometry();
    update();
}

ButtonLook CPictureButton::look() const {
    if (!isEnabled()) {
        return ButtonLook::Disabled;
    }
    if (isDown()) {
        return ButtonLook::Pressed;
    }
    if (hasFocus()) {
        return ButtonLook::Focused;
    }
    return ButtonLook::Normal;
}

QSize CPictureButton::sizeHint() const {
    const QPixmap& normal = m_pictures[static_cast<std::size_t>(ButtonLook::Normal)];
    return normal.isNull() ? QSize(40, 24) : normal.deviceIndependentSize().toSize();
}

void CPictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& picture = m_pictures[static_cast<std::size_t>(look())];
    if (!picture.isNull()) {
        painter.drawPixmap(0, 0, picture);
    }
}

}  // namespace mw::recipe_form
