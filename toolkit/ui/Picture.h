// SPDX-License-Identifier: GPL-3.0-or-later
// A picture element: shows a picture at its natural size from its top-left corner, or nothing.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tk::ui {

class Picture : public QWidget {
    Q_OBJECT
public:
    // Position in twips of the parent; the size in twips too (a picture larger than the box is clipped).
    Picture(QWidget* parent, double left, double top, double width, double height);

    void setPicture(const QPixmap& picture);
    void clear();
    bool isEmpty() const { return picture_.isNull(); }
    const QPixmap& picture() const { return picture_; }
    // Remembers which resource the picture came from (0: none), for whoever needs to know.
    void setPictureId(int id) { pictureId_ = id; }
    int pictureId() const { return pictureId_; }
    void setBorder(bool border);
    void setBackground(QColor colour); // an invalid colour (the default) lets the container show through

    // A hidden copy with the same parent, box, border and picture: a new element of a control array.
    Picture* cloneHidden() const;

    // A decorative picture says nothing a pupil needs: screen readers pass over it.
    void setDecorative(bool decorative) { decorative_ = decorative; }
    bool isDecorative() const { return decorative_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QColor background_;
    bool decorative_ = false;
    int pictureId_ = 0;
    bool border_ = false;
};

} // namespace tk::ui
