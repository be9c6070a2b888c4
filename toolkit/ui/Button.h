// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose face is painted in its own colour, in the classic raised style. A button that appears
// in place of the one just clicked ignores presses for the double-click interval, and a hidden button hands
// the keyboard focus to the button that takes its place, or to none.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <optional>

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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // A visible, enabled button of the same parent that overlaps this one, if any.
    Button* buttonInPlace() const;

    QColor face_;
    // Event time (ms) of the click whose handler showed this button in place of the clicked one.
    std::optional<quint64> appearedOnClickAt_;
};

} // namespace tk::ui
