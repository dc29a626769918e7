#include "ui/form.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace cubetimer {

namespace {

// Room for the window's frame and title bar, which the form does not include.
constexpr double kFrameWidth = 16;
constexpr double kFrameHeight = 48;

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

double FontPixels(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * LogicalDpi() / 72.0;
}

}  // namespace

double FormScale(double generalFontPixels, double fixedFontPixels, double designWidth, double designHeight,
                 double availableWidth, double availableHeight) {
    const double wanted = std::max(generalFontPixels, fixedFontPixels) / kDesignFontPixels;
    const double fits = std::min((availableWidth - kFrameWidth) / designWidth, (availableHeight - kFrameHeight) / designHeight);
    return std::max(1.0, std::min(wanted, fits));
}

Form::Form(QSize clientTwips) {
    const double general = FontPixels(QApplication::font());
    const double fixed = FontPixels(FixedFont());
    const double width = clientTwips.width() / kTwipsPerPixel, height = clientTwips.height() / kTwipsPerPixel;
    constexpr double unbounded = 1e9;
    wanted_ = FormScale(general, fixed, width, height, unbounded, unbounded);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1366, 768);
    scale_ = FormScale(general, fixed, width, height, available.width(), available.height());
}

int Form::px(int twips) const { return static_cast<int>(std::lround(twips * scale_ / kTwipsPerPixel)); }

QRect Form::rect(int left, int top, int width, int height) const {
    // Edges are rounded, not sizes, so neighbours that touch in twips touch in pixels.
    const int x = px(left), y = px(top);
    return {x, y, px(left + width) - x, px(top + height) - y};
}

QSize Form::size(int width, int height) const { return {px(width), px(height)}; }

QSize Form::grown(QSize pixels) const {
    return {static_cast<int>(std::lround(pixels.width() * scale_)), static_cast<int>(std::lround(pixels.height() * scale_))};
}

void Form::fitFont(QWidget* window) const {
    if (scale_ >= wanted_) return;
    QFont font = QApplication::font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale_ / wanted_))));
    else
        font.setPointSizeF(font.pointSizeF() * scale_ / wanted_);
    window->setFont(font);
}

QFont Form::sized(QFont font, double designPoints) const {
    // Points grow with the form but not with the dpi, which grows them already.
    font.setPointSizeF(designPoints * scale_ * 96.0 / LogicalDpi());
    return font;
}

QFont FixedWidth(QFont font) {
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
        // Faces named with "@" are the vertical forms of East Asian ones.
        if (!family.startsWith(QLatin1Char('@')) && QFontDatabase::isFixedPitch(family) &&
            QFontDatabase::isSmoothlyScalable(family)) {
            font.setFamilies({family});
            return font;
        }
    }
    return font;
}

QFont FixedFont() { return FixedWidth(QFontDatabase::systemFont(QFontDatabase::FixedFont)); }

}  // namespace cubetimer
