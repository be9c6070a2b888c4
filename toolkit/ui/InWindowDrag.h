// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging a control inside its window: the pressed source is followed by a grey outline and every
// registered target under the pointer is told which source passes over it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace tk::ui {

class InWindowDrag : public QObject {
    Q_OBJECT
public:
    enum class DragState { Enter, Leave, Over };
    using DragOverHandler = std::function<void(QWidget* source, DragState state)>;

    // `window` is the top-level widget inside which drags happen.
    explicit InWindowDrag(QWidget* window);
    ~InWindowDrag() override;

    // A left press on a source starts a drag while dragging is enabled.
    void addSource(QWidget* source);
    void addTarget(QWidget* target, DragOverHandler handler);
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    bool isDragging() const { return source_ != nullptr; }
    QWidget* outline() const;

signals:
    // The left button went down and up on `source` without the pointer reaching a target: a click, for
    // those who choose a source and then its target rather than drag.
    void sourceClicked(QWidget* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        QPointer<QWidget> widget;
        DragOverHandler handler;
    };
    void begin(QWidget* source, QPoint pressInSource);
    void moveTo(QPoint inWindow);
    void end(QPoint releaseInSource);
    Target* targetAt(QPoint inWindow);
    void notify(Target* target, DragState state);

    QWidget* window_;
    QPointer<QWidget> outline_;
    std::vector<Target> targets_;
    QPointer<QWidget> source_;
    QPointer<QWidget> current_;
    bool reachedTarget_ = false;
    QPoint grabOffset_;
    bool enabled_ = false;
};

} // namespace tk::ui
