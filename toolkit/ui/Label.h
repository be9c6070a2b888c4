// SPDX-License-Identifier: GPL-3.0-or-later
// A label: a caption in a box with its own colours and font, optionally transparent or bordered.
#pragma once

#include <QColor>
#include <QWidget>

namespace tk::ui {

class Label : public QWidget {
    Q_OBJECT
public:
    enum class Align { Left, Centre, Right };

    // Position and size in twips of the parent.
    Label(QWidget* parent, const QString& caption, double left, double top, double width, double height);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    void setBackColour(QColor colour);
    QColor backColour() const { return back_; }
    // A transparent label shows whatever lies under it.
    void setTransparent(bool transparent);
    void setForeColour(QColor colour);
    QColor foreColour() const { return fore_; }
    void setAlign(Align align);
    // A single border: a sunken edge two pixels wide inside the label's box.
    void setBorder(bool border);
    bool hasBorder() const { return border_; }
    // Grows or shrinks the label to fit its caption on one line, keeping its top-left corner.
    void setAutoSize(bool autoSize);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(class QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToCaption();

    QString caption_;
    QColor back_{255, 255, 255};
    QColor fore_{0, 0, 0};
    Align align_ = Align::Left;
    bool transparent_ = false;
    bool border_ = false;
    bool autoSize_ = false;
};

} // namespace tk::ui
