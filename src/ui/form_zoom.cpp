#include "ui/form_zoom.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QProxyStyle>
#include <QShortcut>
#include <QSlider>
#include <QVariant>

#include <algorithm>
#include <cmath>

#include "ui/form.h"

namespace cubetimer {

namespace {

int Rezoomed(int pixels, double from, double to) {
    // Places were zoomed from whole pixels at no zoom; those come back exactly.
    return static_cast<int>(std::lround(std::lround(pixels / from) * to));
}

QRect Rezoomed(const QRect& r, double from, double to) {
    const int left = Rezoomed(r.left(), from, to), top = Rezoomed(r.top(), from, to);
    return {left, top, Rezoomed(r.left() + r.width(), from, to) - left, Rezoomed(r.top() + r.height(), from, to) - top};
}

// The font a control has at no zoom: kept from the zoom that first met it,
// or taken back from a font it was given since, at the zoom it was given at.
QFont FormFont(QWidget* w, double zoom) {
    const QVariant zoomed = w->property("zoomedFont");
    if (zoomed.isValid() && zoomed.value<QFont>() == w->font()) return w->property("formFont").value<QFont>();
    QFont font = w->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() / zoom))));
    else
        font.setPointSizeF(font.pointSizeF() / zoom);
    w->setProperty("formFont", font);
    return font;
}

// The style's own parts of the controls (the marks of check boxes and
// option buttons, the slider's groove and handle) zoomed with the form.
class ZoomStyle : public QProxyStyle {
public:
    explicit ZoomStyle(const Form& form) : form_(form) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing:
            case PM_SliderThickness:
            case PM_SliderLength:
            case PM_SliderControlThickness:
            case PM_SliderTickmarkOffset: return form_.zoomed(pixels);
            default: return pixels;
        }
    }

private:
    const Form& form_;
};

}  // namespace

FormZoom::FormZoom(QMainWindow& window, Form& form)
    : QObject(&window), window_(window), form_(form), client_(new QWidget(&window)), surface_(new QWidget(client_)) {
    window.setCentralWidget(client_);
    client_->installEventFilter(this);
    style_ = new ZoomStyle(form);
    style_->setParent(this);
    // F11 everywhere, and the desktop's own key where it has another. Full
    // screen and back keeps a maximized window maximized.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11))) keys << QKeySequence(Qt::Key_F11);
    for (const QKeySequence& key : keys)
        connect(new QShortcut(key, &window), &QShortcut::activated, this,
                [this] { window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen); });
}

void FormZoom::setForm(QSize twips) {
    design_ = form_.unzoomed(twips);
    window_.setMinimumSize(design_);
    if (!(window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        window_.resize(form_.zoomed(design_.width()), form_.zoomed(design_.height()));
    fit();
}

bool FormZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) fit();
    return QObject::eventFilter(watched, event);
}

void FormZoom::fit() {
    const FormFit fit = FitForm(design_, client_->size());
    const double from = form_.zoom();
    if (fit.zoom != from) {
        form_.setZoom(fit.zoom);
        // The controls' own fonts first, at their size before the surface's changes.
        rezoom(surface_, from, fit.zoom);
        zoomFont(surface_, from);
    }
    surface_->setGeometry(fit.area);
}

void FormZoom::zoomFont(QWidget* w, double from) {
    w->setFont(form_.zoomedFont(FormFont(w, from)));
    w->setProperty("zoomedFont", w->font());
}

void FormZoom::rezoom(QWidget* parent, double from, double to) {
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        w->setGeometry(Rezoomed(w->geometry(), from, to));
        // A font of its own; the others follow the surface's.
        if (w->testAttribute(Qt::WA_SetFont)) zoomFont(w, from);
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            // Rows were sized by Form::row, rounded down.
            for (int i = 0; i < list->count(); ++i) {
                QListWidgetItem* item = list->item(i);
                const int height = item->sizeHint().height();
                if (height > 0)
                    item->setSizeHint(QSize(item->sizeHint().width(),
                                            static_cast<int>(std::floor(std::ceil(height / from - 1e-6) * to))));
            }
        }
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QSlider*>(w)) {
            if (w->style() != style_) w->setStyle(style_);
            // The style's sizes are asked again.
            w->updateGeometry();
            w->update();
        }
        // A list or text box lays out its own insides.
        if (!qobject_cast<QAbstractScrollArea*>(w)) rezoom(w, from, to);
    }
}

}  // namespace cubetimer
