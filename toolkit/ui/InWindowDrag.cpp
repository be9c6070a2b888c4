// SPDX-License-Identifier: GPL-3.0-or-later
// In-window drag: press grabs the source, motion moves the outline and notifies targets, release ends.
#include "toolkit/ui/InWindowDrag.h"

#include "toolkit/ui/PixelPainting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace tk::ui {

namespace {

// The grey frame that follows the pointer; invisible to the mouse so that hit-testing sees through it.
class DragOutline : public QWidget {
public:
    explicit DragOutline(QWidget* parent)
        : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!canPaint(painter)) return;
        for (int inset = 0; inset < 3; ++inset)
            drawDottedPixelFrame(painter, rect().adjusted(inset, inset, -inset, -inset),
                                 QColor(128, 128, 128));
    }
};

} // namespace

InWindowDrag::InWindowDrag(QWidget* window)
    : QObject(window)
    , window_(window) {}

InWindowDrag::~InWindowDrag() = default;

void InWindowDrag::addSource(QWidget* source) {
    source->installEventFilter(this);
}

void InWindowDrag::addTarget(QWidget* target, DragOverHandler handler) {
    targets_.push_back({target, std::move(handler)});
}

void InWindowDrag::setEnabled(bool enabled) {
    enabled_ = enabled;
}

QWidget* InWindowDrag::outline() const {
    return outline_;
}

bool InWindowDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* source = qobject_cast<QWidget*>(watched);
    if (!source) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!enabled_ || mouse->button() != Qt::LeftButton || isDragging()) return false;
        begin(source, mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseMove:
        if (source != source_) return false;
        moveTo(source->mapTo(window_, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::MouseButtonRelease:
        if (source != source_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        end(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    default:
        return false;
    }
}

void InWindowDrag::begin(QWidget* source, QPoint pressInSource) {
    source_ = source;
    current_ = nullptr;
    reachedTarget_ = false;
    grabOffset_ = pressInSource;
    if (!outline_) outline_ = new DragOutline(window_);
    outline_->setGeometry(QRect(source->mapTo(window_, QPoint(0, 0)), source->size()));
    outline_->raise();
    outline_->show();
}

void InWindowDrag::moveTo(QPoint inWindow) {
    if (outline_) outline_->move(inWindow - grabOffset_);
    Target* target = targetAt(inWindow);
    QWidget* widget = target ? target->widget.data() : nullptr;
    if (widget != current_) {
        for (auto& t : targets_)
            if (t.widget == current_ && current_) notify(&t, DragState::Leave);
        current_ = widget;
        if (target) {
            reachedTarget_ = true;
            notify(target, DragState::Enter);
        }
    } else if (target) {
        notify(target, DragState::Over);
    }
}

void InWindowDrag::end(QPoint releaseInSource) {
    if (outline_) outline_->hide();
    const QPointer<QWidget> source = source_;
    const bool clicked = !reachedTarget_ && source && source->rect().contains(releaseInSource);
    source_ = nullptr;
    current_ = nullptr;
    if (clicked) emit sourceClicked(source);
}

InWindowDrag::Target* InWindowDrag::targetAt(QPoint inWindow) {
    for (QWidget* w = window_->childAt(inWindow); w && w != window_; w = w->parentWidget())
        for (auto& target : targets_)
            if (target.widget == w && w->isVisible()) return &target;
    return nullptr;
}

void InWindowDrag::notify(Target* target, DragState state) {
    if (target->handler && source_) target->handler(source_, state);
}

} // namespace tk::ui
