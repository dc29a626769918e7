// Every window readable and whole on the theme and fonts this run was given
// (see tests/CMakeLists.txt: the default look, and qt6ct's dark schemes with
// large general and fixed-width fonts), and on a dark Fusion palette.
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "fake_services.h"
#include "cube/tile_picture.h"
#include "ui/arrow_button.h"
#include "ui/details_window.h"
#include "ui/form.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/net_view.h"
#include "ui/splash_window.h"
#include "ui/time_display.h"
#include "ui/translations.h"
#include "platform/qt_services.h"

namespace cubetimer {
namespace {

// The language this run speaks (LANGUAGE, see tests/CMakeLists.txt), empty for English.
QString language;

// The main window with one recorded time, and every window it opens, opened
// as the user opens them; the splash window on its own.
struct AllWindows {
    Harness h;
    SplashWindow splash;
    std::vector<QWidget*> windows;

    AllWindows() {
        h.recordSolve(std::chrono::milliseconds(83460));
        h.window->cmddetails_Click();
        h.window->lsttime_DblClick(0);
        h.window->cmdscrgen_Click();
        h.click("cmdabout");
        // With the notes that copying shows.
        for (const auto& [dialog, copy] : {std::pair{"frmdetails", "cmdcopy"}, {"frmscrambles", "Command1"}})
            h.window->findChild<QWidget*>(QString::fromLatin1(dialog))->findChild<QPushButton*>(QString::fromLatin1(copy))->click();
        splash.show();
        windows = {h.window.get(), &splash};
        for (const char* name : {"frmdetails", "frmedit", "frmscrambles", "frmabout"}) {
            auto* dialog = h.window->findChild<QWidget*>(QString::fromLatin1(name));
            EXPECT_NE(dialog, nullptr) << name;
            if (dialog) windows.push_back(dialog);
        }
    }
};

// The controls of a window that it lays out itself: not the inner parts of
// lists, text boxes, drop-down lists and sliders.
std::vector<QWidget*> Controls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        bool inner = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            inner = inner || qobject_cast<QAbstractScrollArea*>(up) || qobject_cast<QComboBox*>(up);
        if (!inner && widget->windowType() != Qt::Window && widget->windowType() != Qt::Dialog) controls.push_back(widget);
    }
    return controls;
}

QString Name(const QWidget* widget) {
    return widget->window()->objectName() + "/" + widget->objectName() + " (" + widget->metaObject()->className() + ")";
}

// The text and ground colours a control is painted with, or nothing for a
// control without text.
std::optional<std::pair<QColor, QColor>> TextAndGround(const QWidget* w) {
    // Disabled controls are exempt, as the accessibility rules exempt them; the
    // solve numbers are disabled only to take no input and must read.
    const bool reads = w->isEnabled() || w->objectName() == "lstindex";
    if (!reads || qobject_cast<const ArrowButton*>(w)) return std::nullopt;
    const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QPalette& p = w->palette();
    auto pair = [&](QPalette::ColorRole text, QPalette::ColorRole ground) {
        return std::make_pair(p.color(group, text), p.color(group, ground));
    };
    if (qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return pair(QPalette::Text, QPalette::Base);
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QComboBox*>(w))
        return pair(QPalette::ButtonText, QPalette::Button);
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
        qobject_cast<const TimeDisplay*>(w))
        return pair(QPalette::WindowText, QPalette::Window);
    return std::nullopt;
}

void ExpectReadable(const std::vector<QWidget*>& windows) {
    int checked = 0;
    for (QWidget* window : windows) {
        for (QWidget* control : Controls(window)) {
            const auto colours = TextAndGround(control);
            if (!colours) continue;
            ++checked;
            const double floor = qobject_cast<TimeDisplay*>(control) ? kLargeTextContrast : kTextContrast;
            EXPECT_GE(Contrast(colours->first, colours->second), floor)
                << Name(control).toStdString() << ": " << colours->first.name().toStdString() << " on "
                << colours->second.name().toStdString();
        }
    }
    EXPECT_GT(checked, 40);
}

// Whether the control's text has room: its size hint, or for a push button
// (whose style asks a minimum width) its caption and frame.
void ExpectTextFits(QWidget* w) {
    const QFontMetrics metrics(w->font());
    const std::string name = Name(w).toStdString();
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        // A margin on both sides, so that no caption touches the button's frame.
        const int margin = 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + margin, w->width()) << name;
        // Start takes two more captions as the solve goes on.
        if (w->objectName() == "cmdstart" && w->window()->objectName() == "Form1") {
            for (const QString& caption : {MainWindow::tr("Stop"), MainWindow::tr("Save")})
                EXPECT_LE(metrics.horizontalAdvance(caption) + margin, w->width()) << name << " " << caption.toStdString();
        }
        EXPECT_LE(metrics.height() + margin / 4, w->height()) << name;
    } else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
        EXPECT_LE(w->sizeHint().width(), w->width()) << name;
        EXPECT_LE(w->sizeHint().height(), w->height()) << name;
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        EXPECT_LE(metrics.horizontalAdvance(box->title()) + metrics.height(), w->width()) << name;
        for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_GE(child->y(), metrics.height()) << Name(child).toStdString() << " under the title";
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int row = 0; row < list->count(); ++row) {
            const QRect cell = list->visualItemRect(list->item(row));
            EXPECT_GE(cell.height(), metrics.height()) << name << " row " << row;
            EXPECT_LE(cell.bottom(), list->viewport()->height()) << name << " row " << row;
            EXPECT_LE(metrics.horizontalAdvance(list->item(row)->text()), list->viewport()->width()) << name;
        }
    } else if (auto* time = qobject_cast<TimeDisplay*>(w)) {
        // The longest display, a countdown of 20 s.
        EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("-00:20.00")), time->width()) << name;
        EXPECT_LE(metrics.height(), time->height()) << name;
    }
}

void ExpectWhole(QWidget* window) {
    const std::vector<QWidget*> controls = Controls(window);
    for (QWidget* w : controls) {
        ExpectTextFits(w);
        const QRect placed(w->mapTo(window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(window->rect().contains(placed)) << Name(w).toStdString() << " outside its window";
    }
    for (QWidget* a : controls) {
        for (QWidget* b : controls) {
            // The two imgZ pictures share a pixel column at the default font, as their places give it.
            const bool pictures = qobject_cast<ArrowButton*>(a) && qobject_cast<ArrowButton*>(b);
            if (a < b && a->parentWidget() == b->parentWidget() && !pictures) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << Name(a).toStdString() << " overlaps " << Name(b).toStdString();
            }
        }
    }
}

TEST(LookTest, EveryWindowIsWholeAndReadsOnTheThemesPaletteAndWhenTheThemeTurnsDark) {
    const QPalette theme = QApplication::palette();
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, QColor(Qt::white)},
                                {QPalette::Base, QColor(42, 42, 42)}, {QPalette::AlternateBase, QColor(66, 66, 66)},
                                {QPalette::Text, QColor(Qt::white)}, {QPalette::Button, QColor(53, 53, 53)},
                                {QPalette::ButtonText, QColor(Qt::white)}, {QPalette::Link, QColor(42, 130, 218)},
                                {QPalette::Highlight, QColor(42, 130, 218)}, {QPalette::HighlightedText, QColor(Qt::black)}})
        dark.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    {
        // Built on the theme's palette, then the theme turns dark.
        AllWindows all;
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        for (QWidget* window : all.windows) {
            SCOPED_TRACE(window->objectName().toStdString());
            ExpectWhole(window);
            // The offscreen screen is smaller than the main window at the default font.
            if (Form(QSize(14070, 7350)).scale() > 1) {
                EXPECT_LE(window->width(), available.width());
                EXPECT_LE(window->height(), available.height());
            }
        }
        ExpectReadable(all.windows);
        QApplication::setPalette(dark);
        // What a running application's event loop passes on; a test has none running.
        for (QWidget* widget : QApplication::allWidgets()) {
            QEvent change(QEvent::ApplicationPaletteChange);
            QApplication::sendEvent(widget, &change);
        }
        ExpectReadable(all.windows);
        // The cube stands on the window's colour, not on a bright box.
        const QImage picture = all.h.find("picCube")->grab().toImage();
        EXPECT_EQ(picture.pixelColor(2, 2), QColor(53, 53, 53));
    }
    QApplication::setPalette(theme);
}

TEST(LookTest, TheDefaultFontKeepsTheFormsPixels) {
    if (Form(QSize(1, 1)).scale() != 1.0) GTEST_SKIP() << "the user's font is larger than the default";
    Harness h;
    EXPECT_EQ(h.window->size(), QSize(938, 490));
    EXPECT_EQ(h.find("lbltime")->geometry(), QRect(319, 4, 300, 64));
    EXPECT_EQ(h.find("cmdstart")->geometry(), QRect(12, 24, 130, 84));
    EXPECT_EQ(h.find("lbltime")->font().pointSize(), 36);
}

TEST(LookTest, TheFormGrowsWithTheLargerFontAsFarAsTheScreenAllows) {
    struct Case {
        double general, fixed, screenWidth, screenHeight, scale;
    };
    // Font heights in pixels; a form of 938 x 490 pixels.
    const Case cases[] = {
        {12, 12, 1366, 768, 1.0},     // the default fonts
        {10, 11, 1366, 768, 1.0},     // smaller fonts never shrink the form
        {18, 12, 4000, 3000, 1.5},    // a larger general font
        {12, 24, 4000, 3000, 2.0},    // or fixed-width font
        {24, 18, 1366, 768, 1.439},   // as far as the width allows, less the frame
        {24, 18, 4000, 600, 1.127},   // or the height
        {24, 18, 800, 600, 1.0},      // and no smaller than the default
    };
    for (const Case& c : cases)
        EXPECT_NEAR(FormScale(c.general, c.fixed, 938, 490, c.screenWidth, c.screenHeight), c.scale, 0.001)
            << c.general << " " << c.fixed << " " << c.screenWidth << "x" << c.screenHeight;
}

// The time's colon and decimal mark sit mid-cell between the digits, also in
// a proportional font, fontconfig's fixed font for Vietnamese.
TEST(LookTest, TheTimesMarksSitBetweenTheDigits) {
    TimeDisplay display(nullptr);
    display.setFont(QFont(QStringLiteral("DejaVu Sans"), 36));
    display.resize(200, 80);
    display.setText(QStringLiteral(":"));
    const QImage shot = display.grab().toImage();
    int first = shot.width(), last = -1;
    for (int x = 0; x < shot.width(); ++x)
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixel(x, y) != shot.pixel(0, 0)) first = std::min(first, x), last = std::max(last, x);
    EXPECT_NEAR((first + last) / 2.0, shot.width() / 2.0, 2);
}

// What the user reads in the language of the run: a few captions of each
// window (the rest follow from the same translation), and Qt's own buttons.
TEST(LookTest, TheWindowsSpeakTheUsersLanguage) {
    struct Caption {
        const char* window;
        const char* control;
        const char* property;
        QString text;
    };
    std::map<QString, std::vector<Caption>> captions;
    captions[QString()] = {{"Form1", "cmdimport", "text", "Import Scrambles"}, {"frmedit", "cmdsave", "text", "Change!"}};
    captions["de"] = {{"Form1", "cmdimport", "text", "Importieren"},
                      {"Form1", "frmsession", "title", "Sitzung"},
                      {"Form1", "lblbest", "text", "Beste: 01:23.46"},
                      {"Form1", "lsttime", "accessibleName", "Zeiten"},
                      {"frmdetails", "cmdsave", "text", "In Datei speichern"},
                      {"frmedit", "Label2", "text", "Sekunden"},
                      {"frmedit", "cmdcancel", "text", "Abbrechen"}};
    captions["ru"] = {{"Form1", "cmdimport", "text", "Импорт"},
                      {"Form1", "frmsession", "title", "Сессия"},
                      {"Form1", "lblbest", "text", "Лучшее: 01:23.46"},
                      {"Form1", "lsttime", "accessibleName", "Результаты"},
                      {"frmdetails", "cmdsave", "text", "Сохранить в файл"},
                      {"frmedit", "Label2", "text", "Секунды"},
                      {"frmedit", "cmdcancel", "text", "Отмена"}};
    captions["ja"] = {{"Form1", "cmdimport", "text", "インポート"},
                      {"Form1", "lsttime", "accessibleName", "タイム"},
                      {"frmedit", "Label2", "text", "秒"}};
    if (!captions.contains(language)) GTEST_SKIP() << "no captions listed for " << language.toStdString();
    AllWindows all;
    for (const Caption& c : captions[language]) {
        QWidget* window = std::string(c.window) == "Form1" ? all.h.window.get()
                                                            : all.h.window->findChild<QWidget*>(QString::fromLatin1(c.window));
        ASSERT_NE(window, nullptr) << c.window;
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(control->property(c.property).toString(), c.text) << c.window << "/" << c.control;
    }

    // A question of the real services: its buttons in the same language, from Qt's own translation.
    const std::map<QString, QStringList> buttons = {{QString(), {"&Yes", "&No"}}, {"de", {"&Ja", "&Nein"}},
                                                    {"ru", {"&Да", "&Нет"}}, {"ja", {"はい(&Y)", "いいえ(&N)"}}};
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No}) shown << box->button(b)->text();
        box->button(QMessageBox::No)->click();
    });
    QtServices services;
    EXPECT_EQ(services.message("?", "?", Services::Icon::None, Services::Buttons::YesNo), Services::Answer::No);
    EXPECT_EQ(shown, buttons.at(language));
}

// The form zooms uniformly into a larger window, centred; never below its own size.
TEST(LookTest, TheFormZoomsToFitTheWindowCentred) {
    struct Case {
        QSize form, window;
        double zoom;
        QRect area;
    };
    const Case cases[] = {
        {{938, 490}, {938, 490}, 1.0, {0, 0, 938, 490}},              // its own size
        {{938, 490}, {1920, 1080}, 2.047, {0, 38, 1920, 1003}},       // wider than the form: by the width
        {{625, 490}, {2560, 1600}, 3.265, {259, 0, 2041, 1600}},      // the narrow form, by the height
        {{938, 490}, {1000, 2000}, 1.066, {0, 739, 1000, 522}},       // taller
        {{938, 490}, {640, 480}, 1.0, {0, 0, 938, 490}},              // not yet sized by the window manager
    };
    for (const Case& c : cases) {
        const FormFit fit = FitForm(c.form, c.window);
        EXPECT_NEAR(fit.zoom, c.zoom, 0.001) << c.window.width() << "x" << c.window.height();
        EXPECT_EQ(fit.area, c.area) << c.window.width() << "x" << c.window.height();
    }
}

// The cube pictures and their arrows grow with the form, at the font's scale
// and zoomed into a larger window, and every arrow keeps its place beside the
// layer or face it turns: at the default font's place, in the picture's own
// pixels, grown by the form's factor. The zoomed form stays whole.
TEST(LookTest, TheCubePicturesGrowWithTheFormAndTheirArrowsStayBesideThem) {
    const double scale = Form(QSize(kFullWidth, kWindowHeight)).scale();
    Harness h;
    const QSize own = h.window->size();
    EXPECT_EQ(h.window->minimumSize(), own);
    for (const QSize window : {own, QSize(1920, 1080), QSize(2560, 1600), QSize(own.width() + 40, 2000)}) {
        h.window->resize(window);
        QCoreApplication::processEvents();
        ASSERT_EQ(h.window->size(), window);
        SCOPED_TRACE(std::to_string(window.width()) + "x" + std::to_string(window.height()));
        const double grownBy = scale * FitForm(own, window).zoom;
        ExpectWhole(h.window.get());
        EXPECT_NEAR(h.find("lbltime")->height(), 64 * grownBy, 2.0);
        QWidget* picture = h.find("picCube");
        auto grown = [grownBy](QSize size) { return QSize(std::lround(size.width() * grownBy), std::lround(size.height() * grownBy)); };
        // Rounded edges may stand a pixel either way; at the default font they stand where they stood.
        const int slack = grownBy == 1.0 ? 0 : 2;
        auto expectNear = [slack](QSize actual, QSize wanted, const char* what) {
            EXPECT_TRUE(std::abs(actual.width() - wanted.width()) <= slack && std::abs(actual.height() - wanted.height()) <= slack)
                << what << ": " << actual.width() << ", " << actual.height() << " for " << wanted.width() << ", " << wanted.height();
        };
        expectNear(picture->size(), grown(QSize(305, 346)), "picCube");
        expectNear(h.find("netview")->size(), grown(QSize(306, 258)), "netview");
        EXPECT_EQ(h.find("netview")->pos(), picture->pos());

        // Top-left corners relative to the tile picture and sizes at the default font, in pixels.
        struct Arrow {
            const char* name;
            int x, y, width, height;
        };
        const Arrow arrows[] = {
            {"imgFront0", 24, 306, 19, 17}, {"imgFront1", 24, 326, 19, 17}, {"imgFront4", 174, 304, 19, 17},
            {"imgFront5", 174, 324, 19, 17}, {"imgRight0", 230, 296, 19, 17}, {"imgRight1", 230, 316, 19, 17},
            {"imgRight4", 282, 238, 19, 17}, {"imgRight5", 282, 258, 19, 17}, {"imgVert0", 258, 324, 21, 17},
            {"imgVert1", 281, 324, 21, 17}, {"imgZ0", 256, -76, 21, 17},      {"imgZ1", 276, -76, 21, 17},
        };
        for (const Arrow& a : arrows) {
            QWidget* arrow = h.find(a.name);
            const QPoint place = arrow->mapTo(h.window.get(), QPoint(0, 0)) - picture->mapTo(h.window.get(), QPoint(0, 0));
            expectNear(QSize(place.x(), place.y()), grown(QSize(a.x, a.y)), a.name);
            expectNear(arrow->size(), grown(QSize(a.width, a.height)), a.name);
        }
    }
}

QColor ToQ(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// Pixels from `from` to `to` (excluded) along a line show only the given
// colours, in runs: a blend where two colours meet fails. Returns the runs' lengths.
std::vector<int> Runs(const QImage& image, QPoint from, QPoint to, const std::vector<QColor>& colours) {
    std::vector<int> runs;
    QColor last;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    for (QPoint p = from; p != to; p += step) {
        const QColor c = image.pixelColor(p);
        EXPECT_TRUE(std::find(colours.begin(), colours.end(), c) != colours.end())
            << c.name().toStdString() << " at " << p.x() << "," << p.y();
        if (runs.empty() || c != last) runs.push_back(0);
        ++runs.back();
        last = c;
    }
    return runs;
}

// Grown pictures are painted at their size, not blown up from the default's
// pixels: every tile and square shows its colour at its grown place, and the
// edges between them are sharp.
TEST(LookTest, TheGrownCubePicturesArePaintedSharp) {
    Harness h;
    const QSize own = h.window->size();
    for (const QSize window : {own, QSize(1920, 1080)}) {
        h.window->resize(window);
        QCoreApplication::processEvents();
        const double scale = Form(QSize(kFullWidth, kWindowHeight)).scale() * FitForm(own, window).zoom;
        h.click("opt3d");
        const TileCube& cube = h.window->tiles();
        auto at = [scale](double x, double y) { return QPoint(std::lround(x * scale), std::lround(y * scale)); };
        const QImage tiles = h.find("picCube")->grab().toImage();
        for (int n = 0; n < kTileCount; ++n) {
            const Tile tile = TileAt(n);
            const QPoint centre = at((tile.corners[0].x + tile.corners[2].x) / 2, (tile.corners[0].y + tile.corners[2].y) / 2);
            EXPECT_EQ(tiles.pixelColor(centre), ToQ(TileRgb(tile.position, cube.at(tile.position, tile.facelet)))) << "tile " << n;
        }
        // Across the first two front tiles of the top row, and down the first two of the left column:
        // body, tile, body, tile, with each tile 64 pixels wide at the default font.
        auto front = [&](int facelet) { return ToQ(TileRgb(TileCube::F, cube.at(TileCube::F, facelet))); };
        const QColor body = ToQ(kSilhouette);
        for (const auto& [from, to, second] : {std::tuple{at(12, 116), at(152, 116), 1}, std::tuple{at(48, 81), at(48, 220), 3}}) {
            const std::vector<int> runs = Runs(tiles, from, to, {body, front(0), front(second)});
            ASSERT_EQ(runs.size(), 4u);
            EXPECT_LE(std::abs(runs[1] - 64 * scale), 1.0);
            EXPECT_LE(std::abs(runs[3] - 64 * scale), 1.0);
        }

        h.click("opt2d");
        auto* net = h.find<NetView>("netview");
        const QImage squares = net->grab().toImage();
        auto square = [&](char face, int index) { return ToQ(NetRgb(h.window->net().colour(face, index))); };
        for (char face : NetCube::kFaces)
            for (int index = 0; index < 9; ++index) {
                const QPoint corner = NetView::squareAt(face, index);
                EXPECT_EQ(squares.pixelColor(at(corner.x() + 12.5, corner.y() + 12.5)), square(face, index)) << face << index;
            }
        // Across U's top row: border, square, border, square, border, square, border.
        const QPoint u = NetView::squareAt('U', 0);
        const std::vector<int> runs = Runs(squares, at(u.x(), u.y() + 12.5), at(u.x() + 73, u.y() + 12.5),
                                           {QColor(128, 128, 128), square('U', 0), square('U', 1), square('U', 2)});
        ASSERT_EQ(runs.size(), 7u);
        EXPECT_LE(std::abs(runs[1] - 23 * scale), 2.0);
    }

    // The splash grows by its own form's factor, its cubes painted at that size.
    SplashWindow splash;
    splash.show();
    const double splashScale = Form(QSize(7095, 5250)).scale();
    auto splashAt = [splashScale](double x, double y) { return QPoint(std::lround(x * splashScale), std::lround(y * splashScale)); };
    EXPECT_EQ(splash.size(), QSize(splashAt(473, 350).x(), splashAt(473, 350).y()));
    const QImage picture = splash.grab().toImage();
    EXPECT_EQ(picture.pixelColor(splashAt(460, 310)), QColor(32, 36, 48));
    // The centre of the fourth cube's front (placed at 90, 150, at 48 %).
    std::vector<QColor> faces;
    for (int c = 0; c < 6; ++c) faces.push_back(ToQ(TileRgb(TileCube::F, static_cast<Colour>(c))));
    const QColor centre = picture.pixelColor(splashAt(90 + 120 * 0.48, 150 + 188 * 0.48));
    EXPECT_TRUE(std::find(faces.begin(), faces.end(), centre) != faces.end()) << centre.name().toStdString();
}

}  // namespace
}  // namespace cubetimer

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test mode for the standard paths: qt6ct reads its settings through them.
    QApplication app(argc, argv);
    // A run asked for qt6ct's look means nothing without it.
    if (qgetenv("QT_QPA_PLATFORMTHEME") == "qt6ct" && QApplication::style()->name() != QStringLiteral("qt6ct-style")) {
        std::fprintf(stderr, "qt6ct is not installed (apt-get install qt6ct): skipped\n");
        return 77;
    }
    // The run's language, as the program chooses it; one asked for and not found is a fault.
    cubetimer::language = cubetimer::InstallTranslations(app);
    const QString asked = qEnvironmentVariable("LANGUAGE");
    if (!asked.isEmpty() && cubetimer::language != asked) {
        std::fprintf(stderr, "LANGUAGE=%s but the program chose \"%s\"\n", qPrintable(asked), qPrintable(cubetimer::language));
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
