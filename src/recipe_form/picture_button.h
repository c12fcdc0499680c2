#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <array>

#include "recipe_form/form_pictures.h"

namespace mw::recipe_form {

// A button drawn entirely from pictures: one for each of its looks (normal,
// pressed, focused, disabled). Its text names it for screen readers and its
// access key.
class CPictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CPictureButton(QWidget* parent = nullptr);

    void setPicture(ButtonLook look, const QPixmap& picture);
    // The look it shows now.
    ButtonLook look() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, 4> m_pictures;
};

}  // namespace mw::recipe_form
