#pragma once

#include <QObject>
#include <QSize>

class QMainWindow;
class QStyle;
class QWidget;

namespace cubetimer {

class Form;

// Lets a window of fixed design be resized, maximized and put in full screen
// (F11): the form zooms uniformly to fit the window, centred, by the Form's
// zoom. Controls are placed on `surface()` as usual, through the Form; at a
// new zoom each one's place and font are taken back to the form's own (by
// the old zoom) and zoomed anew, so a control needs nothing of its own to
// zoom. Painted controls paint at their size.
class FormZoom : public QObject {
    Q_OBJECT
public:
    // Becomes the window's central widget.
    FormZoom(QMainWindow& window, Form& form);

    QWidget* surface() const { return surface_; }
    // The form's size in twips. A normal window takes it at the zoom it has;
    // a maximized or full-screen one keeps its size and zooms the form to fit.
    void setForm(QSize twips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    void rezoom(QWidget* parent, double from, double to);
    void zoomFont(QWidget* w, double from);

    QMainWindow& window_;
    Form& form_;
    QWidget* client_;
    QWidget* surface_;
    QSize design_;
    QStyle* style_;
};

}  // namespace cubetimer
