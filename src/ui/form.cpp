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

FormFit FitForm(QSize form, QSize window) {
    const double zoom = std::max(1.0, std::min(double(window.width()) / form.width(), double(window.height()) / form.height()));
    const QSize area(static_cast<int>(std::lround(form.width() * zoom)), static_cast<int>(std::lround(form.height() * zoom)));
    // A window smaller than the form (before the window manager has sized it) shows its top left.
    return {zoom, QRect(QPoint(std::max(0, (window.width() - area.width()) / 2), std::max(0, (window.height() - area.height()) / 2)), area)};
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

int Form::base(int twips) const { return static_cast<int>(std::lround(twips * scale_ / kTwipsPerPixel)); }

int Form::zoomed(int pixels) const { return static_cast<int>(std::lround(pixels * zoom_)); }

int Form::row(int twips) const { return static_cast<int>(std::floor(base(twips) * zoom_)); }

QSize Form::unzoomed(QSize twips) const { return {base(twips.width()), base(twips.height())}; }

int Form::px(int twips) const { return zoomed(base(twips)); }

QRect Form::rect(int left, int top, int width, int height) const {
    // Edges are rounded, not sizes, so neighbours that touch in twips touch in pixels.
    const int x = px(left), y = px(top);
    return {x, y, px(left + width) - x, px(top + height) - y};
}

QSize Form::size(int width, int height) const { return {px(width), px(height)}; }

QSize Form::grown(QSize pixels) const {
    const double grown = scale_ * zoom_;
    return {static_cast<int>(std::lround(pixels.width() * grown)), static_cast<int>(std::lround(pixels.height() * grown))};
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
    return zoomedFont(font);
}

QFont Form::zoomedFont(QFont font) const {
    if (zoom_ == 1.0) return font;
    // Whole pixels, rounded down from those the font is drawn at with no zoom:
    // a hinted caption then never widens faster than its place.
    const double dpi = LogicalDpi();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : std::round(font.pointSizeF() * dpi / 72.0);
    const int zoomed = std::max(1, static_cast<int>(std::floor(pixels * zoom_)));
    if (font.pixelSize() > 0)
        font.setPixelSize(zoomed);
    else
        font.setPointSizeF(zoomed * 72.0 / dpi);
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
