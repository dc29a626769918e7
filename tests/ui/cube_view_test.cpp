#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "cube/tile_picture.h"
#include "fake_services.h"
#include "ui/form.h"
#include "ui/net_view.h"

namespace cubetimer {
namespace {

QColor ToQ(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// The view painted at the given device pixel ratio, read back at 100% coordinates.
QImage Paint(QWidget* view, qreal ratio) {
    QImage image(view->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    view->render(&image);
    return image.scaled(view->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void ExpectViewsShowTheModels(const Harness& h, qreal ratio) {
    const QImage tiles = Paint(h.find("picCube"), ratio);
    for (int n = 0; n < kTileCount; ++n) {
        const Tile tile = TileAt(n);
        const QPoint centre((tile.corners[0].x + tile.corners[2].x) / 2, (tile.corners[0].y + tile.corners[2].y) / 2);
        EXPECT_EQ(tiles.pixelColor(centre), ToQ(TileRgb(tile.position, h.window->tiles().at(tile.position, tile.facelet))))
            << "tile " << n << " at ratio " << ratio;
    }
    const QImage net = Paint(h.find("netview"), ratio);
    for (char face : NetCube::kFaces)
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(net.pixelColor(NetView::squareAt(face, i) + QPoint(12, 12)), ToQ(NetRgb(h.window->net().colour(face, i))))
                << face << i;
}

// The net after the scramble "R", read at the squares' places in the window
// (lefts and tops in twips, 15 to a pixel): U and F keep their left two
// columns, U's right column turns green and F's yellow, R stays red.
TEST(CubeViewTest, TheNetShowsTheScrambleJustHandedOut) {
    Harness h;
    h.services.openName = ::testing::TempDir() + "r.txt";
    std::ofstream(h.services.openName, std::ios::binary) << "R \r\n";  // a line of one character is no scramble
    h.click("cmdimport");
    ASSERT_EQ(h.text("lblscramble"), "R  ");
    h.click("opt2d");
    const QImage window = h.window->grab().toImage();
    auto at = [&window](int leftTwips, int topTwips) { return window.pixelColor(leftTwips / 15 + 12, topTwips / 15 + 12); };
    const QColor white = ToQ(NetRgb(Colour::White)), green = ToQ(NetRgb(Colour::Green)),
                 yellow = ToQ(NetRgb(Colour::Yellow)), red = ToQ(NetRgb(Colour::Red));
    const int columns[] = {10500, 10860, 11220}, rightColumns[] = {11640, 12000, 12360};
    for (int row : {0, 1, 2}) {
        const int upTop = 2700 + 360 * row, frontTop = 3840 + 360 * row;
        for (int column : {0, 1, 2}) {
            EXPECT_EQ(at(columns[column], upTop), column == 2 ? green : white) << "U row " << row << " column " << column;
            EXPECT_EQ(at(columns[column], frontTop), column == 2 ? yellow : green) << "F row " << row << " column " << column;
            EXPECT_EQ(at(rightColumns[column], upTop), red) << "R row " << row << " column " << column;
        }
    }
}

// The time display stays centred, and the narrow window shows no edge of the
// cube region: its right margin is the bare window.
TEST(CubeViewTest, TheNarrowWindowKeepsTheTimeCentredAndNoEdgeOfTheCube) {
    Harness h;
    h.click("opt2d");
    h.click("chkviewcube");
    EXPECT_EQ(h.window->width(), 625);
    const QRect time = h.find("lbltime")->geometry();
    EXPECT_LE(std::abs(2 * time.x() + time.width() - h.window->width()), 1);
    const QImage narrow = h.window->grab().toImage();
    const QColor ground = h.window->palette().color(QPalette::Window);
    int marked = 0;
    for (int x = 613; x < 625; ++x)
        for (int y = 0; y < narrow.height(); ++y) marked += narrow.pixelColor(x, y) != ground;
    EXPECT_EQ(marked, 0);
    EXPECT_EQ(h.window->minimumSize(), QSize(625, 490));
    h.click("chkviewcube");
    EXPECT_EQ(h.window->width(), 938);
    EXPECT_EQ(h.window->minimumSize(), QSize(938, 490));
    EXPECT_TRUE(h.find("netview")->isVisible());
    EXPECT_TRUE(h.start()->hasFocus());
    // A maximized window keeps its size: the form zooms to the new shape.
    h.window->showMaximized();
    QCoreApplication::processEvents();
    const QSize maximized = h.window->size();
    for (const int width : {625, 938}) {
        h.click("chkviewcube");
        EXPECT_EQ(h.window->size(), maximized);
        EXPECT_EQ(h.find("Frame2")->width(), std::lround(300 * FitForm(QSize(width, 490), maximized).zoom)) << width;
    }
}

TEST(CubeViewTest, ArrowsTurnOnlyTheTileCubeAndADoubleClickTurnsTwice) {
    Harness h;
    const NetCube net = h.window->net();
    TileCube expected = h.window->tiles();
    QWidget* arrow = h.find("imgRight1");
    QTest::mouseClick(arrow, Qt::LeftButton);
    // on a real display the second click of a double click arrives as the double-click event
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), arrow->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(arrow, &second);
    expected.imgRight_Click(1);
    expected.imgRight_Click(1);
    EXPECT_EQ(h.window->tiles(), expected);
    for (const char* name : {"imgFront1", "imgFront4", "imgVert0", "imgZ1"}) h.click(name);
    expected.imgFront_Click(1);
    expected.imgFront_Click(4);
    expected.imgVert_Click(0);
    expected.imgZ_Click(1);
    EXPECT_EQ(h.window->tiles(), expected);
    EXPECT_EQ(h.window->net(), net);
    for (qreal ratio : {1.0, 2.0}) ExpectViewsShowTheModels(h, ratio);

    h.click("cmdnewscramble");  // a new scramble resets both models
    EXPECT_EQ(h.window->tiles().at(TileCube::U, 4), Colour::White);
    ExpectViewsShowTheModels(h, 1.0);
}

}  // namespace
}  // namespace cubetimer
