#include <QCheckBox>
#include <QImage>
#include <QMouseEvent>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <fstream>

#include "cube/tile_picture.h"
#include "fake_services.h"
#include "ui/net_view.h"

namespace cubetimer {
namespace {

QColor Centre(const QImage& image, const Tile& tile) {
    double x = 0, y = 0;
    for (const PointF& p : tile.corners) {
        x += p.x / 4;
        y += p.y / 4;
    }
    return image.pixelColor(static_cast<int>(x), static_cast<int>(y));
}

QColor ToQ(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// The view painted at the given device pixel ratio, read back at 100% coordinates.
QImage Paint(QWidget* view, qreal ratio = 1.0) {
    QImage image(view->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    view->render(&image);
    return image.scaled(view->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void ExpectTilesShowTheModel(QWidget* view, const TileCube& tiles, qreal ratio) {
    const QImage image = Paint(view, ratio);
    for (int n = 0; n < kTileCount; ++n) {
        const Tile tile = TileAt(n);
        EXPECT_EQ(Centre(image, tile), ToQ(TileRgb(tile.position, tiles.at(tile.position, tile.facelet))))
            << "tile " << n << " at ratio " << ratio;
    }
}

void ExpectNetShowsTheModel(QWidget* view, const NetCube& net) {
    const QImage image = Paint(view);
    for (char face : NetCube::kFaces)
        for (int i = 0; i < 9; ++i) {
            const QPoint centre = NetView::squareAt(face, i) + QPoint(12, 12);
            EXPECT_EQ(image.pixelColor(centre), ToQ(NetRgb(net.colour(face, i)))) << face << i;
        }
}

TEST(CubeViewTest, ViewsShowTheScrambleAtAnyScale) {
    Harness h;
    QWidget* tiles = h.find("picCube");
    for (qreal ratio : {1.0, 2.0}) ExpectTilesShowTheModel(tiles, h.window->tiles(), ratio);
    EXPECT_FALSE(h.find("netview")->isVisible());

    QTest::mouseClick(h.find("opt2d"), Qt::LeftButton);
    EXPECT_FALSE(tiles->isVisible());
    EXPECT_TRUE(h.find("netview")->isVisible());
    ExpectNetShowsTheModel(h.find("netview"), h.window->net());
    EXPECT_TRUE(h.start()->hasFocus());
}

TEST(CubeViewTest, ArrowsTurnOnlyTheTileCube) {
    Harness h;
    const NetCube net = h.window->net();
    const TileCube start = h.window->tiles();

    QTest::mouseClick(h.find("imgFront1"), Qt::LeftButton);
    TileCube expected = start;
    expected.imgFront_Click(1);
    EXPECT_EQ(h.window->tiles(), expected);
    QTest::mouseClick(h.find("imgFront0"), Qt::LeftButton);
    EXPECT_EQ(h.window->tiles(), start);

    // a double click turns twice; the second click arrives as the double-click event
    QWidget* arrow = h.find("imgRight1");
    QTest::mouseClick(arrow, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), arrow->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(arrow, &second);
    QTest::mouseRelease(arrow, Qt::LeftButton);
    expected = start;
    expected.imgRight_Click(1);
    expected.imgRight_Click(1);
    EXPECT_EQ(h.window->tiles(), expected);
    ExpectTilesShowTheModel(h.find("picCube"), h.window->tiles(), 1.0);

    for (const char* arrow : {"imgRight0", "imgRight0", "imgZ1", "imgZ0", "imgVert0", "imgVert1"})
        QTest::mouseClick(h.find(arrow), Qt::LeftButton);
    EXPECT_EQ(h.window->tiles(), start);
    EXPECT_EQ(h.window->net(), net);
    for (const char* arrow : {"imgFront4", "imgFront5", "imgRight4", "imgRight5"}) EXPECT_TRUE(h.find(arrow)->isVisible());
    EXPECT_TRUE(h.start()->hasFocus());
}

TEST(CubeViewTest, ViewCubeNarrowsAndWidensTheWindow) {
    Harness h;
    auto* view = h.find<QCheckBox>("chkviewcube");
    EXPECT_TRUE(view->isChecked());
    EXPECT_EQ(h.window->width(), 938);
    QTest::mouseClick(h.find("opt2d"), Qt::LeftButton);
    QTest::mouseClick(view, Qt::LeftButton);
    EXPECT_EQ(h.window->width(), 625);
    QTest::mouseClick(view, Qt::LeftButton);
    EXPECT_EQ(h.window->width(), 938);
    EXPECT_TRUE(h.find<QRadioButton>("opt2d")->isChecked());
    EXPECT_TRUE(h.find("netview")->isVisible());
}

TEST(CubeViewTest, EveryNewScrambleIsDrawnOnBothModels) {
    Harness h;
    const std::string path = ::testing::TempDir() + "cube_view_scrambles.txt";
    std::ofstream(path, std::ios::binary) << "R U' F2\r\n";
    h.services.openName = path;
    QTest::mouseClick(h.find("imgZ1"), Qt::LeftButton);  // the arrows' turn is dropped by the next scramble
    h.click("cmdimport");
    ASSERT_EQ(h.text("lblscramble"), "R U' F2 ");
    NetCube net;
    for (auto [face, prime] : {std::pair{'R', false}, {'U', true}, {'F', false}, {'F', false}}) net.turn(face, prime);
    EXPECT_EQ(h.window->net(), net);
    EXPECT_EQ(h.window->tiles().at(TileCube::U, 4), Colour::White);
    ExpectTilesShowTheModel(h.find("picCube"), h.window->tiles(), 1.0);
}

}  // namespace
}  // namespace cubetimer
