#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace cubetimer {

// The forms are laid out in twips for a 9-point font at 96 dpi, 15 twips a
// pixel. A user's larger general or fixed-width font (or a higher font dpi)
// grows the whole form by the same factor, as "large fonts" grew such forms,
// so no caption is clipped; at the default font the form keeps its pixels.
//
// A form that would outgrow the screen grows only as far as it fits, and its
// captions and reading fonts shrink with it: smaller than asked, but whole and
// on the screen.

inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kDesignFontPixels = 12.0;  // 9 pt at 96 dpi

// Factor for a form of designWidth x designHeight pixels, given the pixel
// heights of the user's general and fixed-width fonts and the screen's
// available area; never below 1.
double FormScale(double generalFontPixels, double fixedFontPixels, double designWidth, double designHeight,
                 double availableWidth, double availableHeight);

// The form zoomed into a window of `window` pixels: the largest factor (at
// least 1) at which a form of `form` pixels fits whole, keeping its
// proportions, and where the zoomed form stands, centred.
struct FormFit {
    double zoom;
    QRect area;
};
FormFit FitForm(QSize form, QSize window);

// A window larger than the form zooms it on top of the font's factor: every
// size in pixels that Form gives is the form's at no zoom, times the zoom.
class Form {
public:
    // `clientTwips`: the window's client area at the default font.
    explicit Form(QSize clientTwips);

    double scale() const { return scale_; }
    double zoom() const { return zoom_; }
    void setZoom(double zoom) { zoom_ = zoom; }
    // Pixels at no zoom, zoomed: rounded for places, so that neighbours
    // that touch still touch; `row` rounds down, so that list rows sized at
    // the form's place still fit in the zoomed list.
    int zoomed(int pixels) const;
    int row(int twips) const;
    QSize unzoomed(QSize twips) const;
    int px(int twips) const;
    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const;
    // A size in pixels at the default font, grown with the form.
    QSize grown(QSize pixels) const;

    // Where the form could not grow as far as the user's font asked, gives the
    // window that font shrunk to fit. Called before the controls are made.
    void fitFont(QWidget* window) const;
    // `font` at the size that `designPoints` has at the default font.
    QFont sized(QFont font, double designPoints) const;
    // `font`, as it is at no zoom, at the zoom.
    QFont zoomedFont(QFont font) const;

private:
    double scale_ = 1.0;
    double wanted_ = 1.0;
    double zoom_ = 1.0;

    int base(int twips) const;
};

// `font` where its face has fixed-width letters; where that face is missing
// (Qt then takes the general one), the same font in a fixed-width face the
// system has, so that times and report columns stay in line.
QFont FixedWidth(QFont font);
// The system's fixed-width font, so kept.
QFont FixedFont();

}  // namespace cubetimer
