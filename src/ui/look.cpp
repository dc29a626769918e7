#include "ui/look.h"

#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <cmath>

namespace cubetimer {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

const QColor kListGround(224, 224, 224);

}  // namespace

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(const QColor& ground) { return Contrast(ground, Qt::white) > Contrast(ground, Qt::black); }

QColor Readable(const QColor& preferred, const QColor& ground, double floor) {
    const QColor hsl = preferred.toHsl();
    const bool lighten = IsDark(ground);
    QColor colour = preferred;
    for (double lightness = hsl.lightnessF(); Contrast(colour, ground) < floor;) {
        lightness = lighten ? lightness + 0.01 : lightness - 0.01;
        if (lightness < 0 || lightness > 1) return lighten ? QColor(Qt::white) : QColor(Qt::black);
        colour = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).toRgb();
    }
    return colour;
}

void SetTextColour(QWidget* widget, const QColor& preferred, double floor) {
    // A palette, not a style sheet: the time display is repainted 40 times a second.
    QPalette palette = QApplication::palette(widget);
    palette.setColor(QPalette::WindowText, Readable(preferred, palette.color(QPalette::Window), floor));
    widget->setPalette(palette);
}

void SetListColours(QListWidget* list, bool readableDisabled) {
    QPalette palette = QApplication::palette(list);
    const bool dark = IsDark(palette.color(QPalette::Window));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QPalette::ColorGroup source = group == QPalette::Disabled && readableDisabled ? QPalette::Active : group;
        const QColor ground = dark ? palette.color(source, QPalette::Base) : kListGround;
        const double floor = group == QPalette::Disabled && !readableDisabled ? 1.0 : kTextContrast;
        palette.setColor(group, QPalette::Base, ground);
        palette.setColor(group, QPalette::Text, Readable(palette.color(source, QPalette::Text), ground, floor));
    }
    list->setPalette(palette);
}

}  // namespace cubetimer
