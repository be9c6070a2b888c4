// SPDX-License-Identifier: GPL-3.0-or-later
// The three programs as the soak driver sees them: windows, commands and the spots a pupil goes for.
#include "tools/soak/ProgramProfile.h"

namespace soak {

namespace {

// Highest a menu bar is expected to be, in pixels.
constexpr int kMenuBarMaxPx = 40;

int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

Command control(std::string name, TwipsRect where) {
    return {Command::Kind::Control, std::move(name), where, -1};
}

Command menuTitle(std::string name, int index) {
    return {Command::Kind::MenuTitle, std::move(name), {}, index};
}

Command closeBox() {
    return {Command::Kind::CloseBox, "close box", {}, -1};
}

// filarino: the start window and the two exercise windows share size and place, so a press meant for one may
// land on another that has just replaced it; the exit button and "Esci" of the start window are kept out of
// all three.
ProgramProfile filarino() {
    const TwipsRect esci{8385, 6120, 3075, 675}; // "E S C I", in Frame1 at 4905, 2835
    const TwipsRect combo{210, 2070, 11550, 540};
    const std::vector<TwipsRect> rangeButtons{
        {8370, 3510, 3090, 705}, {5085, 4185, 3090, 705}, {8370, 4830, 3090, 705}, {5085, 5475, 3090, 705}};

    WorkingWindow start;
    start.title = "FILARINO";
    start.clientWidthTwips = 11880;
    start.clientHeightTwips = 8310;
    start.menuTitles = 2; // "Esci", "Autore" (the gap between them has no caption)
    start.ending = {control("E S C I", esci), menuTitle("menu Esci", 0), closeBox()};
    start.hot = rangeButtons;
    start.hot.insert(start.hot.end(), {combo, combo, combo});
    start.typing = true;
    start.warmUp = {menuTitle("menu Autore", 1)};

    // The keypad of both exercise windows: two rows of five keys in a frame at 5835, 3345.
    std::vector<TwipsRect> keys;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column)
            keys.push_back({5835 + 150 + 1140 * column, 3345 + 555 + 540 * row, 1035, 465});

    WorkingWindow operation;
    operation.title = "  DALLO FILARINO ALL'OPERAZIONE";
    operation.clientWidthTwips = 11880;
    operation.clientHeightTwips = 8310;
    operation.menuTitles = 1; // "Esci"
    operation.leaving = {control("Esci", {9945, 7485, 1815, 495}), menuTitle("menu Esci", 0), closeBox()};
    operation.avoid = {esci};
    operation.hot = keys;
    const TwipsRect operationNew{6015, 7485, 3750,
                                 495}; // "Nuovo filarino", and "C o n t r o l l a" there too
    operation.hot.insert(operation.hot.end(), {operationNew, operationNew});
    operation.warmUp = {control("Nuovo filarino", operationNew)};
    operation.drops = {{6060, 1560, 1605, 1335}, {8415, 1560, 1605, 1335}};
    operation.stay = 100; // about half a minute, so that a short soak sees both exercises

    WorkingWindow tables = operation;
    tables.title = "DALLO FILARINO ALLE TABELLINE";
    tables.menuTitles = 2; // "Esci", "Autore"
    tables.leaving = {control("Esci", {9885, 7545, 1815, 495}), menuTitle("menu Esci", 0), closeBox()};
    tables.hot = keys;
    const TwipsRect tablesNew{6075, 7530, 3675, 495};
    tables.hot.insert(tables.hot.end(), {tablesNew, tablesNew});
    tables.warmUp = {control("Nuovo filarino", tablesNew), menuTitle("menu Autore", 1)};
    tables.drops = {{5970, 1560, 1245, 1215}, {7590, 1560, 1245, 1215}};

    return {"filarino", {start, operation, tables}};
}

// cestaro: the instructions window stands where the main window is, its "ESCI" right over the main window's
// "ESCI"; it is left only by deliberate command, so that a second press never ends the program by chance.
ProgramProfile cestaro() {
    WorkingWindow game;
    game.title = "LA CESTARO";
    game.clientWidthTwips = 8880;
    game.clientHeightTwips = 6615;
    game.menuTitles = 3; // "SCEGLI IL LIVELLO DI GIOCO", "ISTRUZIONI", "ESCI"
    game.ending = {control("ESCI", {7920, 6015, 855, 495}), menuTitle("menu ESCI", 2), closeBox()};
    // The fifteen cells, row by row from the apex.
    const int cells[15][2] = {{2760, 1035}, {2145, 1995}, {3360, 1995}, {1560, 3075}, {2760, 3075},
                              {3960, 3075}, {960, 4155},  {2160, 4155}, {3360, 4155}, {4560, 4155},
                              {360, 5235},  {1560, 5235}, {2760, 5235}, {3960, 5235}, {5160, 5235}};
    for (const auto& cell : cells)
        game.hot.push_back({cell[0], cell[1], 735, 390});
    game.typing = true;
    game.warmUp = {menuTitle("menu SCEGLI IL LIVELLO DI GIOCO", 0), menuTitle("menu ISTRUZIONI", 1)};

    WorkingWindow about;
    about.title = "ISTRUZIONI";
    about.clientWidthTwips = 8880;
    about.clientHeightTwips = 6915;
    about.leaving = {control("ESCI", {7920, 6315, 855, 495}), closeBox()};
    about.stay = 5; // the example plays by itself: little to press

    return {"cestaro", {game, about}};
}

// intarsello: pressed where the tiles show their colours, wherever they have been dragged.
ProgramProfile intarsello() {
    WorkingWindow puzzle;
    puzzle.title = "Intarsello";
    puzzle.clientWidthTwips = 9510;
    puzzle.clientHeightTwips = 6420;
    puzzle.menuTitles = 2; // "Info", "Help"
    puzzle.ending = {closeBox()};
    puzzle.hot = {{5040, 360, 3600, 2160}, // the grid
                  {6960, 5115, 690, 510}}; // "OK" of the help panel
    puzzle.hotColours = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                         {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                         {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255}};
    puzzle.warmUp = {menuTitle("menu Info", 0), menuTitle("menu Help", 1)};

    return {"intarsello", {puzzle}};
}

} // namespace

Rect TwipsRect::pixels() const {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

std::vector<TwipsRect> WorkingWindow::keepOut() const {
    std::vector<TwipsRect> out = avoid;
    for (const auto* commands : {&ending, &leaving})
        for (const Command& c : *commands)
            if (c.kind == Command::Kind::Control) out.push_back(c.control);
    return out;
}

std::vector<int> WorkingWindow::keepOutTitles() const {
    std::vector<int> out = avoidMenuTitles;
    for (const auto* commands : {&ending, &leaving})
        for (const Command& c : *commands)
            if (c.kind == Command::Kind::MenuTitle) out.push_back(c.menuTitle);
    return out;
}

const WorkingWindow* ProgramProfile::find(std::string_view title, int width, int height) const {
    for (const WorkingWindow& w : windows) {
        const int menuMax = w.menuTitles > 0 ? kMenuBarMaxPx : 2;
        if (w.title == title && width == w.clientWidth() && height >= w.clientHeight() &&
            height <= w.clientHeight() + menuMax)
            return &w;
    }
    return nullptr;
}

const ProgramProfile* profileNamed(std::string_view name) {
    static const std::vector<ProgramProfile> profiles{filarino(), cestaro(), intarsello()};
    for (const ProgramProfile& p : profiles)
        if (p.name == name) return &p;
    return nullptr;
}

} // namespace soak
