// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers: roles, names and texts of the self-drawn controls, the news of a changed caption, menu
// bar gaps, and the spoken form of captions.
#include "toolkit/ui/Accessibility.h"

#include "toolkit/ui/Button.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Window.h"
#include "toolkit/ui/testing/ScreenReader.h"

#include <QAccessible>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

using namespace tk::ui;
using tk::ui::testing::ScreenReader;

QAccessibleInterface* face(QObject* object) {
    QAccessibleInterface* found = ScreenReader::interfaceOf(object);
    EXPECT_NE(found, nullptr);
    return found;
}

QString name(QObject* object) {
    return ScreenReader::name(object);
}

TEST(SpokenText, JoinsLetterSpacedWordsAndSimplifiesBlanks) {
    const struct {
        const char* caption;
        const char* spoken;
    } cases[] = {
        {"E s a t t o", "Esatto"},
        {"E r r a t o", "Errato"},
        {"C o n t r o l l a", "Controlla"},
        {"E S C I", "ESCI"},
        {"Quanti  pallini in una riga ?", "Quanti pallini in una riga ?"},
        {" 8", "8"},
        {" ", ""},
        {"x", "x"},
        {"FILARINO ", "FILARINO"},
        {"Nuovo filarino", "Nuovo filarino"},
        {"a bc d", "a bc d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenText(QString::fromUtf8(c.caption)), QString::fromUtf8(c.spoken)) << c.caption;
}

TEST(AccessibleLabel, IsStaticTextNamedByItsCaptionUntilTheProgramNamesIt) {
    Surface surface(nullptr);
    Label label(&surface, "E s a t t o", 0, 0, 1500, 300);
    QAccessibleInterface* reader = face(&label);
    EXPECT_EQ(reader->role(), QAccessible::StaticText);
    EXPECT_EQ(reader->text(QAccessible::Name), "Esatto");
    EXPECT_EQ(reader->text(QAccessible::Value), "");
    ASSERT_NE(reader->textInterface(), nullptr);
    EXPECT_EQ(reader->textInterface()->text(0, reader->textInterface()->characterCount()), "Esatto");

    label.setAccessibleName("Esito");
    EXPECT_EQ(reader->text(QAccessible::Name), "Esito");
    EXPECT_EQ(reader->text(QAccessible::Value), "Esatto");
    label.setCaption("E r r a t o");
    EXPECT_EQ(reader->text(QAccessible::Value), "Errato");
    EXPECT_EQ(reader->textInterface()->text(1, 3), "rr");
    EXPECT_EQ(reader->textInterface()->text(4, 99), "to");
    EXPECT_EQ(reader->textInterface()->text(7, 9), "");
}

TEST(AccessibleLabel, ChangedCaptionIsToldAsNewTextAndNewNameWhenTheNameFollowsIt) {
    Surface surface(nullptr);
    Label named(&surface, "0", 0, 0, 1500, 300);
    named.setAccessibleName("Punti");
    Label plain(&surface, "volte", 0, 300, 1500, 300);
    ScreenReader reader;

    named.setCaption("15");
    plain.setCaption("fa");
    EXPECT_EQ(reader.textsOf(&named), std::vector<QString>{"15"});
    EXPECT_TRUE(reader.about(&named, QAccessible::NameChanged).empty());
    EXPECT_EQ(reader.textsOf(&plain), std::vector<QString>{"fa"});
    EXPECT_EQ(reader.about(&plain, QAccessible::NameChanged).size(), 1u);

    // Same caption, or a caption that reads the same: nothing to tell.
    reader.clear();
    named.setCaption("15");
    named.setCaption(" 15");
    EXPECT_TRUE(reader.about(&named, QAccessible::TextUpdated).empty());
    named.setCaption("");
    EXPECT_EQ(reader.textsOf(&named), std::vector<QString>{""});
}

TEST(AccessibleControls, FramesGroupPicturesAndShapesAreGraphicsButtonsPress) {
    Surface surface(nullptr);
    Frame keypad(&surface, 0, 0, 3000, 1500, Qt::yellow, Frame::Border::Etched, "TASTIERINO");
    Frame bare(&surface, 0, 0, 3000, 1500, Qt::yellow);
    Picture picture(&surface, 0, 0, 480, 480);
    Shape circle(&surface, Shape::Kind::Circle, 0, 0, 390, 390);
    Button button(&surface, "Nuovo filarino", 0, 0, 1500, 495);

    EXPECT_EQ(face(&keypad)->role(), QAccessible::Grouping);
    EXPECT_EQ(name(&keypad), "TASTIERINO");
    EXPECT_EQ(name(&bare), "");
    bare.setAccessibleName("Aiuto");
    EXPECT_EQ(name(&bare), "Aiuto");
    EXPECT_EQ(face(&picture)->role(), QAccessible::Graphic);
    picture.setAccessibleName("Esempio 1");
    EXPECT_EQ(name(&picture), "Esempio 1");
    EXPECT_EQ(face(&circle)->role(), QAccessible::Graphic);
    EXPECT_EQ(face(&button)->role(), QAccessible::Button);
    EXPECT_EQ(name(&button), "Nuovo filarino");
    ASSERT_NE(face(&button)->actionInterface(), nullptr);
    EXPECT_TRUE(
        face(&button)->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST(AccessibleControls, ProgramWidgetTakesTheRoleGivenItAtConstruction) {
    class Square : public QWidget {
    public:
        Square() { setAccessibleRole(this, QAccessible::Graphic); }
    };
    Square square;
    square.setAccessibleName("Tassello L nero");
    EXPECT_EQ(face(&square)->role(), QAccessible::Graphic);
    EXPECT_EQ(name(&square), "Tassello L nero");
}

TEST(AccessibleWindow, IsNamedByItsCaptionAndItsMenuBarGapIsAnInvisibleSeparator) {
    Window window(nullptr, "FILARINO", 3000, 1500, Qt::white);
    QMenuBar* bar = window.menuBar();
    QAction* esci = bar->addAction("Esci");
    QAction* gap = bar->addAction("    ");
    gap->setEnabled(false);
    QAction* autore = bar->addAction("Autore");
    window.showModeless();

    EXPECT_EQ(ScreenReader::entryNames(bar), (QStringList{"Esci", "Autore"}));
    EXPECT_EQ(face(&window)->role(), QAccessible::Window);
    EXPECT_EQ(name(&window), "FILARINO");
    QAccessibleInterface* menu = face(bar);
    ASSERT_EQ(menu->childCount(), 3);
    QAccessibleInterface* first = menu->child(0);
    QAccessibleInterface* blank = menu->child(1);
    EXPECT_EQ(first->object(), esci);
    EXPECT_EQ(first->role(), QAccessible::MenuItem);
    EXPECT_EQ(first->text(QAccessible::Name), "Esci");
    EXPECT_EQ(menu->child(2)->text(QAccessible::Name), "Autore");
    EXPECT_EQ(menu->child(2)->object(), autore);

    EXPECT_EQ(blank->object(), gap);
    EXPECT_EQ(blank->role(), QAccessible::Separator);
    EXPECT_TRUE(blank->state().invisible);
    EXPECT_EQ(blank->text(QAccessible::Name), "");
    EXPECT_EQ(blank->parent()->object(), bar);
    EXPECT_EQ(menu->indexOfChild(blank), 1);
    EXPECT_EQ(blank->rect().size(), bar->actionGeometry(gap).size());
    window.unload();
}

} // namespace
