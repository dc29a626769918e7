// The main window's form: every control at its fixed place and size.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "ui/arrow_button.h"
#include "ui/main_window.h"
#include "ui/net_view.h"
#include "ui/tile_view.h"
#include "ui/time_display.h"
#include "ui/widgets.h"

namespace cubetimer {

namespace {

// A palette, not a style sheet: the time display is repainted 40 times a second.
void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

void MainWindow::buildControls() {
    QWidget* surface = centralWidget();

    // Centred across the window by showCubeRegion. No wider than the longest
    // time, since it is repainted 40 times a second, and clear of "3D Cube" at 620.
    lbltime = Make<TimeDisplay>(QStringLiteral("lbltime"), surface);
    lbltime->setGeometry(162, 4, 300, 64);
    QFont timeFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    timeFont.setPointSize(36);
    timeFont.setBold(true);
    lbltime->setFont(timeFont);
    SetTextColour(lbltime, QColor(0, 160, 0));

    lblscramble = Label(QStringLiteral("lblscramble"), QString(), surface, QRect(20, 72, 577, 45));
    lblscramble->setWordWrap(true);
    lblscramble->setAlignment(Qt::AlignCenter);
    QFont scrambleFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    scrambleFont.setPointSize(12);
    scrambleFont.setBold(true);
    lblscramble->setFont(scrambleFont);
    SetTextColour(lblscramble, QColor(0, 0, 128));
    lblscramble->setTextInteractionFlags(Qt::NoTextInteraction);

    Frame2 = Make<QGroupBox>(QStringLiteral("Frame2"), surface);
    Frame2->setTitle(QStringLiteral("Controls"));
    Frame2->setGeometry(8, 124, 300, 120);
    cmdstart = Button(QStringLiteral("cmdstart"), QStringLiteral("Start"), Frame2, QRect(12, 24, 130, 84));
    QFont startFont = cmdstart->font();
    startFont.setPointSize(16);
    startFont.setBold(true);
    cmdstart->setFont(startFont);
    cmdpenalty = Button(QStringLiteral("cmdpenalty"), QStringLiteral("+2"), Frame2, QRect(152, 24, 66, 28));
    cmddnf = Button(QStringLiteral("cmddnf"), QStringLiteral("DNF"), Frame2, QRect(224, 24, 66, 28));
    cmddiscard = Button(QStringLiteral("cmddiscard"), QStringLiteral("Discard"), Frame2, QRect(152, 58, 138, 28));
    setCorrectionsEnabled(false);

    Label1 = Label(QStringLiteral("Label1"), QStringLiteral("Countdown (s)"), surface, QRect(8, 252, 100, 22));
    Slider1 = Make<QSlider>(QStringLiteral("Slider1"), surface);
    Slider1->setOrientation(Qt::Horizontal);
    Slider1->setRange(0, 20);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(5);
    Slider1->setGeometry(108, 250, 170, 26);
    Slider1->setAccessibleName(QStringLiteral("Countdown (s)"));
    lblcountdown = Label(QStringLiteral("lblcountdown"), QStringLiteral("0"), surface, QRect(284, 252, 24, 22));

    frmsession = Make<QGroupBox>(QStringLiteral("frmsession"), surface);
    frmsession->setTitle(QStringLiteral("Session"));
    frmsession->setGeometry(316, 124, 296, 160);
    opt12 = Captioned<QRadioButton>(QStringLiteral("opt12"), QStringLiteral("12 Solves"), frmsession, QRect(12, 24, 120, 22));
    opt12->setChecked(true);
    opt5 = Captioned<QRadioButton>(QStringLiteral("opt5"), QStringLiteral("5 Solves"), frmsession, QRect(12, 48, 120, 22));
    cmdreset = Button(QStringLiteral("cmdreset"), QStringLiteral("Reset"), frmsession, QRect(190, 20, 94, 28));
    cmddetails = Button(QStringLiteral("cmddetails"), QStringLiteral("Details"), frmsession, QRect(190, 52, 94, 28));
    lblbest = Label(QStringLiteral("lblbest"), QStringLiteral("Best:"), frmsession, QRect(12, 82, 272, 18));
    lblworst = Label(QStringLiteral("lblworst"), QStringLiteral("Worst:"), frmsession, QRect(12, 100, 272, 18));
    lblaverage = Label(QStringLiteral("lblaverage"), QStringLiteral("Average:"), frmsession, QRect(12, 118, 272, 18));
    lblstdev = Label(QStringLiteral("lblstdev"), QStringLiteral("Deviation:"), frmsession, QRect(12, 136, 272, 18));

    // The solve numbers stand beside the times, row for row.
    QFont listFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int listHeight = 12 * kListRowHeight + 4;
    lstindex = Make<QListWidget>(QStringLiteral("lstindex"), surface);
    lsttime = Make<QListWidget>(QStringLiteral("lsttime"), surface);
    for (QListWidget* list : {lstindex, lsttime}) {
        list->setFont(listFont);
        list->setUniformItemSizes(true);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette grey = list->palette();
        grey.setColor(QPalette::Base, QColor(224, 224, 224));
        list->setPalette(grey);
    }
    lstindex->setGeometry(8, 284, 36, listHeight);
    lstindex->setEnabled(false);
    lstindex->setAccessibleName(QStringLiteral("Solve numbers"));
    lsttime->setAccessibleName(QStringLiteral("Times"));
    lsttime->setAccessibleDescription(QStringLiteral("F2 or a double click edits the selected time"));
    lsttime->setGeometry(44, 284, 112, listHeight);

    frmscramble = Make<QGroupBox>(QStringLiteral("frmscramble"), surface);
    frmscramble->setTitle(QStringLiteral("Scramble"));
    frmscramble->setGeometry(164, 292, 448, 96);
    cmdimport = Button(QStringLiteral("cmdimport"), QStringLiteral("Import Scrambles"), frmscramble, QRect(10, 24, 128, 28));
    cmdnewscramble = Button(QStringLiteral("cmdnewscramble"), QStringLiteral("New Scramble"), frmscramble, QRect(144, 24, 116, 28));
    cmdscrgen = Button(QStringLiteral("cmdscrgen"), QStringLiteral("Generate 13 scrambles"), frmscramble, QRect(266, 24, 172, 28));
    chkviewcube = Captioned<QCheckBox>(QStringLiteral("chkviewcube"), QStringLiteral("View Cube"), frmscramble, QRect(12, 62, 140, 22));
    chkviewcube->setChecked(true);

    cmdabout = Button(QStringLiteral("cmdabout"), QStringLiteral("About"), surface, QRect(164, 400, 90, 28));
    cmdexit = Button(QStringLiteral("cmdexit"), QStringLiteral("Exit"), surface, QRect(262, 400, 90, 28));
    Label2 = Label(QStringLiteral("Label2"), QStringLiteral("Written by Quorvanta"), surface, QRect(366, 404, 246, 20));
    Label3 = Label(QStringLiteral("Label3"), QString::fromLatin1(kSiteUrl), surface, QRect(164, 440, 448, 20));
    SetTextColour(Label3, Qt::blue);
    QFont link = Label3->font();
    link.setUnderline(true);
    Label3->setFont(link);
    Label3->setCursor(Qt::PointingHandCursor);
    // Reached with Tab and opened with Enter or space (see keyEvent).
    Label3->setFocusPolicy(Qt::TabFocus);
    Label3->setAccessibleDescription(QStringLiteral("Link: opens the web site"));

    // As in a window with a default button: Enter works Start from the other
    // controls, and a focused push button takes it itself.
    for (QPushButton* button : surface->findChildren<QPushButton*>()) button->setAutoDefault(button != cmdstart);
}

void MainWindow::buildCubeRegion() {
    QWidget* surface = centralWidget();
    opt3d = Captioned<QRadioButton>(QStringLiteral("opt3d"), QStringLiteral("3D Cube"), surface, QRect(620, 36, 78, 20));
    opt3d->setChecked(true);
    opt2d = Captioned<QRadioButton>(QStringLiteral("opt2d"), QStringLiteral("2D Cube"), surface, QRect(700, 36, 86, 20));
    auto* views = new QButtonGroup(this);
    views->addButton(opt3d);
    views->addButton(opt2d);

    picCube = new TileView(tiles_, surface);
    picCube->move(620, 76);
    netView = new NetView(net_, surface);
    netView->move(620, 76);

    // The arrows below the picture turn layers; imgZ at the window's top right turns the whole cube.
    using Kind = ArrowButton::Kind;
    using Turn = void (TileCube::*)(int);
    struct Arrow {
        Kind kind;
        const char* name;
        Turn turn;
        int index, x, y;
        const char* caption;
    };
    const Turn front = &TileCube::imgFront_Click, right = &TileCube::imgRight_Click, vert = &TileCube::imgVert_Click;
    const Arrow arrows[] = {
        {Kind::Up, "imgFront", front, 0, 24, 306, "Turn L'"},
        {Kind::Down, "imgFront", front, 1, 24, 326, "Turn L"},
        {Kind::Up, "imgFront", front, 4, 174, 304, "Turn R"},
        {Kind::Down, "imgFront", front, 5, 174, 324, "Turn R'"},
        {Kind::Up, "imgRight", right, 0, 230, 296, "Turn F'"},
        {Kind::Down, "imgRight", right, 1, 230, 316, "Turn F"},
        {Kind::Up, "imgRight", right, 4, 282, 238, "Turn B"},
        {Kind::Down, "imgRight", right, 5, 282, 258, "Turn B'"},
        {Kind::Left, "imgVert", vert, 0, 258, 324, "Turn the whole cube as U"},
        {Kind::Right, "imgVert", vert, 1, 281, 324, "Turn the whole cube as D"},
        {Kind::Left, "imgZ", &TileCube::imgZ_Click, 0, 876, 0, "Turn the whole cube as B"},
        {Kind::Right, "imgZ", &TileCube::imgZ_Click, 1, 896, 0, "Turn the whole cube as F"},
    };
    for (const Arrow& a : arrows) {
        // imgZ stands at the window's top right, the others on the picture.
        QWidget* parent = a.turn == &TileCube::imgZ_Click ? surface : picCube;
        auto* arrow = new ArrowButton(a.kind, QString::fromLatin1(a.name), a.index, QString::fromLatin1(a.caption), parent);
        arrow->move(a.x, a.y);
        connect(arrow, &ArrowButton::turned, this, [this, turn = a.turn](int index) { tileTurn(turn, index); });
    }
}

}  // namespace cubetimer
