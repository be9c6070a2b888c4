// SPDX-License-Identifier: GPL-3.0-or-later
// A frame: a surface that groups controls, with an optional etched border and caption.
#pragma once

#include "toolkit/ui/Surface.h"

namespace tk::ui {

class Frame : public Surface {
    Q_OBJECT
public:
    enum class Border { None, Etched };

    // Position and size in twips of the parent.
    Frame(QWidget* parent, double left, double top, double width, double height, QColor background,
          Border border = Border::Etched, const QString& caption = {});

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

protected:
    void paintDecoration(QPainter& painter) override;

private:
    Border border_;
    QString caption_;
};

} // namespace tk::ui
