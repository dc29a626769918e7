#include "ui/about_window.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/form.h"

namespace cubetimer {

namespace {

// The window's height at the default font, which its lines decide.
constexpr int kAboutHeightTwips = 6750;

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(tr("About"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    const Form form(QSize(6900, kAboutHeightTwips));
    form.fitFont(this);
    setFixedWidth(form.px(6900));

    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* lines = new QVBoxLayout(Frame1);
    const std::pair<const char*, const char*> rows[] = {
        {"Label1", "Quorvanta Rubik's Timer 3.0"},
        {"Label3", QT_TR_NOOP("Written by: Quorvanta")},
        {"Label4", QT_TR_NOOP("Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is "
                              "measured with the system's monotonic clock.")},
        {"Label5", QT_TR_NOOP("Thanks to:")},
        {"Label6", QT_TR_NOOP("the speedcubing community, whose timers, notation and habits shaped this program.")},
        {"Label7", QT_TR_NOOP("every cubing club and forum that shares scrambles, methods and advice with newcomers.")},
        {"Label8", QT_TR_NOOP("Thank very much to the author of code for 3D cube simulation.")},
        {"Label9", QT_TR_NOOP("Finally thanks to all persons that helped me in the past for increase my coding skill.")},
        {"Label10", QT_TR_NOOP("Please report any fault or problem on the product web site, in its Rubik's Cube section.")},
    };
    for (const auto& [name, text] : rows) {
        // The first line is the program's name, which stays as it is.
        auto* label = new QLabel(name == rows[0].first ? QString::fromUtf8(text) : tr(text), Frame1);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        lines->addWidget(label);
    }
    auto* title = Frame1->findChild<QLabel*>(QStringLiteral("Label1"));
    QFont bold = form.sized(title->font(), 12);
    bold.setBold(true);
    title->setFont(bold);

    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::StyledPanel);
    Frame2->setFixedSize(form.size(1350, 540));
    Label2 = new QLabel(tr("Ok"), Frame2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(form.rect(225, 90, 900, 360));
    Label2->setCursor(Qt::PointingHandCursor);
    Frame2->setAccessibleName(tr("Ok"));
    Frame2->setAccessibleDescription(tr("Enter or Escape closes the window"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2, 0, Qt::AlignHCenter);

    Label2->installEventFilter(this);
    Frame2->installEventFilter(this);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && (watched == Label2 || watched == Frame2)) {
        returnFocus_ = watched == Label2;
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            returnFocus_ = true;
            accept();
            break;
        case Qt::Key_Escape:
            returnFocus_ = true;
            reject();
            break;
        default: QDialog::keyPressEvent(event);
    }
}

}  // namespace cubetimer
