// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader view of a label: static text whose text is its caption as spoken.
#pragma once

#include "toolkit/ui/AccessibleControl.h"

namespace tk::ui {

class Label;

// A label the program has named ("Esito", "Punti") reads as that name with its caption as value and
// text; any other label is named by its caption.
class AccessibleLabel : public AccessibleControl, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(Label* label);

    // Tells screen readers that the caption of `label` was `before` and has changed: the text changes
    // and, for a label named by its caption, the name too. Nothing is told when the spoken text stays.
    static void captionChanged(Label* label, const QString& before);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Read-only text: no caret, no selection.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

} // namespace tk::ui
