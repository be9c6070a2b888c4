// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down list made in its own font from the start, which makes its pop-up list only when first opened.
#pragma once

#include <QComboBox>
#include <QFont>

namespace tk::ui {

// Qt's combo box makes its pop-up list at every change of font, to hand the font on. Given its font while
// it is made, before there is a list or any measurement, this one leaves the list to its first opening (it
// then takes the box's font): a start window spares the list's widgets and half a megabyte. Without
// Q_OBJECT on purpose: it is a QComboBox to accessibility and to anything that asks for the class by name.
class ComboBox : public QComboBox {
public:
    ComboBox(QWidget* parent, const QFont& font);

protected:
    void changeEvent(QEvent* event) override;

private:
    bool makingFont_ = false;
};

} // namespace tk::ui
