#pragma once

#include <QColor>

class QListWidget;
class QWidget;

namespace cubetimer {

// Text colours are chosen against the ground they stand on, so that every
// theme, light or dark, keeps the texts readable.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kLargeTextContrast = 3.0;  // the 36-point time display

// Relative luminance and contrast ratio as the web's accessibility rules define them.
double Luminance(const QColor& colour);
double Contrast(const QColor& a, const QColor& b);
// A ground on which light text reads better than dark text.
bool IsDark(const QColor& ground);

// `preferred` where it reaches `floor` on `ground`; otherwise the same hue made
// lighter (on a dark ground) or darker until it does.
QColor Readable(const QColor& preferred, const QColor& ground, double floor);

// Gives a widget's text `preferred` made readable on the window colour of the
// theme's palette (set anew when the theme changes).
void SetTextColour(QWidget* widget, const QColor& preferred, double floor = kTextContrast);

// The session lists: light grey with dark text in a light window; in a dark
// window the theme's own list colours, so they do not glare. `readableDisabled`
// keeps the colours for a list that is disabled only to take no input.
// Like SetTextColour, from the theme's palette.
void SetListColours(QListWidget* list, bool readableDisabled);

}  // namespace cubetimer
