// SPDX-License-Identifier: GPL-3.0-or-later
// Screen-reader support: the interfaces of the toolkit's own controls and the text a reader speaks.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace tk::ui {

// Lets screen readers see the toolkit's controls for what they are: working windows as windows named by
// their caption, labels as static text with their caption, frames as groups named by their caption,
// shapes and pictures as graphics, and blank entries of a menu bar (gaps) as nothing to announce.
// Installing twice changes nothing.
void installAccessibility();

// Gives a widget of a program's own class a role for screen readers; its name is its accessible name.
// Call it in the widget's constructor, before anything asks for the widget's interface.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Keeps a widget that serves only the program itself (a focus holder out of sight, a mark that repeats what
// the focus already tells) out of what screen readers announce: it reads as invisible, with no name and no
// role. Call it in the place of setAccessibleRole, with the same timing.
void hideFromScreenReaders(QWidget* widget);

// A caption as a screen reader should speak it: blanks simplified, and a word spelled with a blank between
// its letters ("E s a t t o") joined up, which a reader would otherwise spell out letter by letter.
QString spokenText(const QString& caption);

} // namespace tk::ui
