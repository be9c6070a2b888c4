// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's controls painted at fractional and whole ratios: lines and borders in whole device pixels
// of their exact colours, pictures enlarged without blur, text drawn at the device's own resolution.
#include "tests/scaling/RatioImages.h"
#include "tests/scaling/TextSharpness.h"
#include "tests/scaling/WindowCrispness.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace tk::ui;
using scaling::Edges;

// Every pixel a different colour, some of them see-through.
QPixmap testPicture() {
    QImage image(9, 7, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(28 * x, 36 * y, 200 - 10 * x, (x + y) % 5 == 0 ? 0 : 255));
    return QPixmap::fromImage(image);
}

// One of each control, on odd and even pixels, so that fractional ratios put edges inside device pixels.
class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        window =
            std::make_unique<Window>(nullptr, QStringLiteral("Scena"), 3000, 2250, QColor(192, 255, 192));
        Surface* client = window->client();
        for (int width = 1; width <= 3; ++width) {
            client->drawLine(45, 75 * width, 1200, 75 * width, Qt::black, width);
            client->drawLine(75 * width + 15, 300, 75 * width + 15, 1500, Qt::blue, width);
        }
        auto* bordered = new Label(client, QString(), 405, 315, 465, 315);
        bordered->setBorder(true);
        bordered->setBackColour(Qt::white);
        captioned = new Label(client, QStringLiteral("Numeri da 1 a 4"), 1020, 45, 1800, 420);
        captioned->setFont(makeFont(QStringLiteral("Arial"), 15.75));
        captioned->setBorder(true);
        captioned->setBackColour(QColor(255, 255, 192));
        auto* raised = new Button(client, QString(), 405, 705, 645, 375, QColor(255, 255, 128));
        focused = new Button(client, QString(), 1155, 705, 645, 375, QColor(255, 224, 192));
        auto* pressed = new Button(client, QString(), 1905, 705, 645, 375);
        pressed->setDown(true);
        button = new Button(client, QStringLiteral("E S C I"), 1905, 1170, 960, 480, QColor(255, 224, 192));
        button->setFont(makeFont(QStringLiteral("Arial"), 12));
        (void)raised;
        frame = new Frame(client, 405, 1170, 1200, 750, QColor(255, 255, 192), Frame::Border::Etched,
                          QStringLiteral("Tastierino"));
        new Frame(client, 1665, 1725, 465, 435, QColor(192, 192, 192));
        auto* square = new Shape(client, Shape::Kind::Square, 2205, 1725, 330, 255);
        square->setFillColour(Qt::red);
        square->setBorderWidth(2);
        auto* rectangle = new Shape(client, Shape::Kind::Rectangle, 2580, 1725, 345, 240);
        rectangle->setFilled(false);
        auto* circle = new Shape(client, Shape::Kind::Circle, 2610, 45, 330, 330);
        circle->setFillColour(Qt::yellow);
        pictures = {new Picture(client, 2610, 450, 225, 195), new Picture(frame, 465, 345, 180, 150)};
        pictures[0]->setBorder(true);
        for (Picture* picture : pictures)
            picture->setPicture(testPicture());
        window->showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        focused->setFocus();
    }

    std::unique_ptr<Window> window;
    Label* captioned = nullptr;
    Button *focused = nullptr, *button = nullptr;
    Frame* frame = nullptr;
    std::vector<Picture*> pictures;
};

const qreal kRatios[] = {1.25, 1.5, 1.75, 2.0, 3.0};

TEST_F(Scene, LinesBordersAndFillsKeepExactColoursAtEveryRatio) {
    ASSERT_TRUE(focused->hasFocus());
    const QImage logical = scaling::paintedAt(window.get(), 1);
    const QRegion lineArt =
        QRegion(window->rect()) - scaling::softParts(window.get()) - scaling::pictureParts(window.get());
    for (qreal ratio : kRatios) {
        const scaling::Departures found = scaling::departures(
            logical, scaling::paintedAt(window.get(), ratio), ratio, Edges::Exact, lineArt);
        EXPECT_EQ(found.count, 0) << "ratio " << ratio << ": " << found.first.toStdString();
    }
}

TEST_F(Scene, PicturesAreEnlargedByWholePixelsNeverBlurred) {
    const QImage logical = scaling::paintedAt(window.get(), 1);
    for (qreal ratio : kRatios) {
        // At whole ratios every pixel becomes a square block; between them, an edge softens by one device
        // pixel at most.
        const Edges edges = scaling::isWholeRatio(ratio) ? Edges::Exact : Edges::Blended;
        const scaling::Departures found =
            scaling::departures(logical, scaling::paintedAt(window.get(), ratio), ratio, edges,
                                scaling::pictureParts(window.get()));
        EXPECT_EQ(found.count, 0) << "ratio " << ratio << ": " << found.first.toStdString();
    }
}

TEST_F(Scene, TextIsDrawnAtTheDevicesResolution) {
    const QImage logical = scaling::paintedAt(window.get(), 1);
    for (int ratio : {2, 3}) {
        const QImage scaled = scaling::paintedAt(window.get(), ratio);
        const std::pair<QWidget*, QColor> texts[] = {{captioned, captioned->foreColour()},
                                                     {button, button->palette().color(QPalette::ButtonText)}};
        for (const auto& [text, ink] : texts) {
            const scaling::Sharpness sharpness =
                scaling::sharpnessOf(logical, scaled, ratio, text->geometry().adjusted(3, 3, -3, -3), ink);
            EXPECT_GT(sharpness.softPixels, 0) << "no text found";
            EXPECT_LT(sharpness.softPixels, 0.8 * sharpness.softPixelsEnlarged) << "ratio " << ratio;
        }
    }
}

} // namespace
