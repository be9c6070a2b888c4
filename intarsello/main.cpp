// intarsello: starts on its black backdrop with the puzzle window in front, and ends when that window closes.
#include "Application.h"
#include "Form1.h"
#include "QtMessageBoxes.h"
#include "frmPuzzle.h"

#include <QApplication>

int main(int argc, char** argv) {
    tk::ui::prepareProcess();
    QApplication app(argc, argv);
    if (!tk::ui::displayCanShowColours()) return 1;
    tk::ui::prepareApplication(app, intarsello::ui::frmPuzzle::kExtent);

    tk::ui::QtMessageBoxes messages;
    auto* form1 = new intarsello::ui::Form1(messages);
    QObject::connect(form1, &intarsello::ui::Form1::ended, &app, [] { tk::ui::endProgram(); });
    form1->Form_Load();
    return QApplication::exec();
}
