// A push button whose face is painted in its own colour, in the classic raised style.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace tk::ui {

class Button : public QAbstractButton {
    Q_OBJECT
public:
    // Position and size in twips of the parent.
    Button(QWidget* parent, const QString& caption, double left, double top, double width, double height,
           QColor face = QColor(212, 208, 200));

    void setFace(QColor face);
    QColor face() const { return face_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

} // namespace tk::ui
