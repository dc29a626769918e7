#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <functional>

#include "cube/describe.h"
#include "ui/announcer.h"
#include "ui/net_view.h"
#include "ui/phrases.h"
#include "ui/tile_view.h"
#include "ui/time_display.h"

namespace cubetimer {

namespace {

// A widget read as its role, a name and a description worked out
// when asked, so they are never stale.
class PaintedWidget : public QAccessibleWidget {
public:
    PaintedWidget(QWidget* widget, QAccessible::Role role, std::function<QString()> name,
                  std::function<QString()> description)
        : QAccessibleWidget(widget, role), name_(std::move(name)), description_(std::move(description)) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: return name_();
            case QAccessible::Description: return description_();
            default: return QAccessibleWidget::text(t);
        }
    }

private:
    std::function<QString()> name_, description_;
};

constexpr const char* kLinkProperty = "cubetimerLink";

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* notification = qobject_cast<Notification*>(object))
        return new QAccessibleWidget(notification, QAccessible::Notification);
    if (object->isWidgetType() && object->property(kLinkProperty).toBool()) {
        auto* link = static_cast<QWidget*>(object);
        return new PaintedWidget(link, QAccessible::Link, [link] { return link->property("text").toString(); },
                                 [link] { return link->accessibleDescription(); });
    }
    if (auto* display = qobject_cast<TimeDisplay*>(object))
        return new PaintedWidget(display, QAccessible::StaticText, [display] { return display->text(); },
                                 [] { return QCoreApplication::translate("Accessibility", "Solve time"); });
    if (auto* view = qobject_cast<TileView*>(object))
        return new PaintedWidget(view, QAccessible::Graphic, [] { return QCoreApplication::translate("Accessibility", "3D cube"); },
                                 [view] { return QString::fromStdString(DescribeTiles(view->tiles(), CubeWordsTranslated())); });
    if (auto* view = qobject_cast<NetView*>(object))
        return new PaintedWidget(view, QAccessible::Graphic, [] { return QCoreApplication::translate("Accessibility", "2D cube"); },
                                 [view] { return QString::fromStdString(DescribeNet(view->net(), CubeWordsTranslated())); });
    return nullptr;
}

void Announce(QWidget* widget, QAccessible::Event type) {
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallAccessibleViews() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void ExposeAsLink(QWidget* widget) {
    widget->setProperty(kLinkProperty, true);
    // An interface made before (a caption change asks for one) would stay a label.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void AnnounceFocusedRow(QWidget* list, int row) {
    QAccessibleEvent event(list, QAccessible::Focus);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

void AnnounceNameChange(QWidget* widget) { Announce(widget, QAccessible::NameChanged); }
void AnnounceDescriptionChange(QWidget* widget) { Announce(widget, QAccessible::DescriptionChanged); }

}  // namespace cubetimer
