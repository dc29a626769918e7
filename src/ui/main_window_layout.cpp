// The main window's form: every control at its place and size in twips.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "ui/arrow_button.h"
#include "ui/form.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/net_view.h"
#include "ui/phrases.h"
#include "ui/tile_view.h"
#include "ui/time_display.h"
#include "ui/widgets.h"

namespace cubetimer {

void MainWindow::buildControls() {
    QWidget* surface = zoom_->surface();

    // Centred across the window by showCubeRegion. No wider than the longest
    // time, since it is repainted 40 times a second, and clear of "3D Cube" at 9300.
    lbltime = Make<TimeDisplay>(QStringLiteral("lbltime"), surface);
    lbltime->setGeometry(form_.rect(2430, 60, 4500, 960));
    QFont timeFont = form_.sized(FixedFont(), 36);
    timeFont.setBold(true);
    lbltime->setFont(timeFont);

    lblscramble = Label(QStringLiteral("lblscramble"), QString(), surface, form_.rect(300, 1080, 8655, 675));
    lblscramble->setWordWrap(true);
    lblscramble->setAlignment(Qt::AlignCenter);
    QFont scrambleFont = form_.sized(FixedFont(), 12);
    scrambleFont.setBold(true);
    lblscramble->setFont(scrambleFont);
    lblscramble->setTextInteractionFlags(Qt::NoTextInteraction);

    Frame2 = Make<QGroupBox>(QStringLiteral("Frame2"), surface);
    Frame2->setTitle(tr("Controls"));
    Frame2->setGeometry(form_.rect(120, 1860, 4500, 1800));
    cmdstart = Button(QStringLiteral("cmdstart"), tr("Start"), Frame2, form_.rect(180, 360, 1950, 1260));
    QFont startFont = form_.sized(cmdstart->font(), 16);
    startFont.setBold(true);
    cmdstart->setFont(startFont);
    cmdpenalty = Button(QStringLiteral("cmdpenalty"), tr("+2"), Frame2, form_.rect(2280, 360, 990, 420));
    cmddnf = Button(QStringLiteral("cmddnf"), tr("DNF"), Frame2, form_.rect(3360, 360, 990, 420));
    cmddiscard = Button(QStringLiteral("cmddiscard"), tr("Discard"), Frame2, form_.rect(2280, 870, 2070, 420));
    chkstackmat = Captioned<QCheckBox>(QStringLiteral("chkstackmat"), tr("Stackmat timer"), Frame2,
                                       form_.rect(2280, 1380, 2070, 330));
    // Left of the time display, which stands clear of it in both widths.
    lblstackmat = Label(QStringLiteral("lblstackmat"), QString(), surface, form_.rect(120, 240, 2250, 720));
    lblstackmat->setWordWrap(true);
    setCorrectionsEnabled(false);

    Label1 = Label(QStringLiteral("Label1"), tr("Countdown (s)"), surface, form_.rect(120, 3780, 1500, 330));
    Slider1 = Make<QSlider>(QStringLiteral("Slider1"), surface);
    Slider1->setOrientation(Qt::Horizontal);
    Slider1->setRange(0, 20);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(5);
    Slider1->setGeometry(form_.rect(1620, 3750, 2550, 390));
    Slider1->setAccessibleName(tr("Countdown (s)"));
    lblcountdown = Label(QStringLiteral("lblcountdown"), QStringLiteral("0"), surface, form_.rect(4260, 3780, 360, 330));
    // Tab goes from Start to the countdown as ever, then to the Stackmat.
    setTabOrder(Slider1, chkstackmat);

    frmsession = Make<QGroupBox>(QStringLiteral("frmsession"), surface);
    frmsession->setTitle(tr("Session"));
    frmsession->setGeometry(form_.rect(4740, 1860, 4440, 2400));
    opt12 = Captioned<QRadioButton>(QStringLiteral("opt12"), tr("12 Solves"), frmsession, form_.rect(180, 360, 1800, 330));
    opt12->setChecked(true);
    opt5 = Captioned<QRadioButton>(QStringLiteral("opt5"), tr("5 Solves"), frmsession, form_.rect(180, 720, 1800, 330));
    cmdreset = Button(QStringLiteral("cmdreset"), tr("Reset"), frmsession, form_.rect(2400, 300, 1860, 420));
    const StatisticsTexts captions = StatisticsCaptions();
    cmddetails = Button(QStringLiteral("cmddetails"), tr("Details"), frmsession, form_.rect(2400, 780, 1860, 420));
    lblbest = Label(QStringLiteral("lblbest"), QString::fromStdString(captions.best), frmsession, form_.rect(180, 1230, 4080, 270));
    lblworst = Label(QStringLiteral("lblworst"), QString::fromStdString(captions.worst), frmsession, form_.rect(180, 1500, 4080, 270));
    lblaverage = Label(QStringLiteral("lblaverage"), QString::fromStdString(captions.average), frmsession, form_.rect(180, 1770, 4080, 270));
    lblstdev = Label(QStringLiteral("lblstdev"), QString::fromStdString(captions.deviation), frmsession, form_.rect(180, 2040, 4080, 270));

    // The solve numbers stand beside the times, row for row; the height holds
    // twelve whole rows and the frame, which does not grow with the font.
    const QFont listFont = form_.sized(FixedFont(), 9);
    const int listHeight = 12 * form_.px(kListRowTwips) + 4;
    lstindex = Make<QListWidget>(QStringLiteral("lstindex"), surface);
    lsttime = Make<QListWidget>(QStringLiteral("lsttime"), surface);
    for (QListWidget* list : {lstindex, lsttime}) {
        list->setFont(listFont);
        list->setUniformItemSizes(true);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    lstindex->setGeometry(form_.rect(120, 4260, 540, 0).adjusted(0, 0, 0, listHeight));
    lstindex->setEnabled(false);
    lstindex->setAccessibleName(tr("Solve numbers"));
    lsttime->setAccessibleName(tr("Times"));
    lsttime->setAccessibleDescription(tr("F2 or a double click edits the selected time"));
    lsttime->setGeometry(form_.rect(660, 4260, 1680, 0).adjusted(0, 0, 0, listHeight));

    frmscramble = Make<QGroupBox>(QStringLiteral("frmscramble"), surface);
    frmscramble->setTitle(tr("Scramble"));
    frmscramble->setGeometry(form_.rect(2460, 4380, 6720, 1440));
    cmdimport = Button(QStringLiteral("cmdimport"), tr("Import Scrambles"), frmscramble, form_.rect(150, 360, 1920, 420));
    cmdnewscramble = Button(QStringLiteral("cmdnewscramble"), tr("New Scramble"), frmscramble, form_.rect(2160, 360, 1740, 420));
    cmdscrgen = Button(QStringLiteral("cmdscrgen"), tr("Generate 13 scrambles"), frmscramble, form_.rect(3990, 360, 2580, 420));
    chkviewcube = Captioned<QCheckBox>(QStringLiteral("chkviewcube"), tr("View Cube"), frmscramble, form_.rect(180, 930, 2100, 330));
    chkviewcube->setChecked(true);

    cmdabout = Button(QStringLiteral("cmdabout"), tr("About"), surface, form_.rect(2460, 6000, 1500, 420));
    cmdexit = Button(QStringLiteral("cmdexit"), tr("Exit"), surface, form_.rect(4080, 6000, 1350, 420));
    Label2 = Label(QStringLiteral("Label2"), tr("Written by Quorvanta"), surface, form_.rect(5640, 6060, 3540, 300));
    Label3 = Label(QStringLiteral("Label3"), QString::fromLatin1(kSiteUrl), surface, form_.rect(2460, 6600, 6720, 300));
    QFont link = Label3->font();
    link.setUnderline(true);
    Label3->setFont(link);
    Label3->setCursor(Qt::PointingHandCursor);
    // Reached with Tab and opened with Enter or space (see keyEvent).
    Label3->setFocusPolicy(Qt::TabFocus);
    Label3->setAccessibleDescription(tr("Link: opens the web site"));

    pairColours();

    // As in a window with a default button: Enter works Start from the other
    // controls, and a focused push button takes it itself.
    for (QPushButton* button : surface->findChildren<QPushButton*>()) button->setAutoDefault(button != cmdstart);
}

void MainWindow::setCorrectionsEnabled(bool enabled) {
    cmddiscard->setEnabled(enabled);
    cmdpenalty->setEnabled(enabled);
    cmddnf->setEnabled(enabled);
}

void MainWindow::setBetweenSolvesEnabled(bool enabled) {
    frmsession->setEnabled(enabled);
    frmscramble->setEnabled(enabled);
    lsttime->setEnabled(enabled);
    Slider1->setEnabled(enabled);
}

void MainWindow::pairColours() {
    // Green time, navy scramble and a link as the light default palette gives
    // them, lighter in a dark window.
    SetTextColour(lbltime, QColor(0, 160, 0), kLargeTextContrast);
    SetTextColour(lblscramble, QColor(0, 0, 128));
    SetTextColour(Label3, QApplication::palette(Label3).color(QPalette::Link));
    SetListColours(lsttime, false);
    // Disabled only to take no input: the numbers read like the times.
    SetListColours(lstindex, true);
}

void MainWindow::buildCubeRegion() {
    QWidget* surface = zoom_->surface();
    opt3d = Captioned<QRadioButton>(QStringLiteral("opt3d"), tr("3D Cube"), surface, form_.rect(9300, 540, 1500, 330));
    opt3d->setChecked(true);
    opt2d = Captioned<QRadioButton>(QStringLiteral("opt2d"), tr("2D Cube"), surface, form_.rect(10920, 540, 1500, 330));
    auto* views = new QButtonGroup(this);
    views->addButton(opt3d);
    views->addButton(opt2d);

    // The pictures grow with the form, so the arrows' places in twips stay beside what they turn.
    picCube = new TileView(tiles_, form_.scale(), surface);
    picCube->move(form_.px(9300), form_.px(1140));
    netView = new NetView(net_, form_.scale(), surface);
    netView->move(picCube->pos());

    // The arrows below the picture turn layers; imgZ at the window's top right turns the whole cube.
    // Places in twips, on the picture relative to it.
    using Kind = ArrowButton::Kind;
    using Turn = void (TileCube::*)(int);
    struct Arrow {
        Kind kind;
        const char* name;
        Turn turn;
        int index, x, y;
        const char* turned;  // in notation, which every language keeps
    };
    const Turn front = &TileCube::imgFront_Click, right = &TileCube::imgRight_Click, vert = &TileCube::imgVert_Click;
    const Arrow arrows[] = {
        {Kind::Up, "imgFront", front, 0, 360, 4590, "L'"},
        {Kind::Down, "imgFront", front, 1, 360, 4890, "L"},
        {Kind::Up, "imgFront", front, 4, 2610, 4560, "R"},
        {Kind::Down, "imgFront", front, 5, 2610, 4860, "R'"},
        {Kind::Up, "imgRight", right, 0, 3450, 4440, "F'"},
        {Kind::Down, "imgRight", right, 1, 3450, 4740, "F"},
        {Kind::Up, "imgRight", right, 4, 4230, 3570, "B"},
        {Kind::Down, "imgRight", right, 5, 4230, 3870, "B'"},
        {Kind::Left, "imgVert", vert, 0, 3870, 4860, "U"},
        {Kind::Right, "imgVert", vert, 1, 4215, 4860, "D"},
        {Kind::Left, "imgZ", &TileCube::imgZ_Click, 0, 13140, 0, "B"},
        {Kind::Right, "imgZ", &TileCube::imgZ_Click, 1, 13440, 0, "F"},
    };
    for (const Arrow& a : arrows) {
        // imgZ stands at the window's top right, the others on the picture.
        QWidget* parent = a.turn == &TileCube::imgZ_Click ? surface : picCube;
        const bool whole = a.turn == vert || a.turn == &TileCube::imgZ_Click;
        const QString caption = (whole ? tr("Turn the whole cube as %1") : tr("Turn %1")).arg(QString::fromLatin1(a.turned));
        auto* arrow = new ArrowButton(a.kind, QString::fromLatin1(a.name), a.index, caption, parent);
        arrow->setGeometry(QRect(QPoint(form_.px(a.x), form_.px(a.y)), form_.grown(arrow->sizeHint())));
        connect(arrow, &ArrowButton::turned, this, [this, turn = a.turn](int index) { tileTurn(turn, index); });
    }
}

}  // namespace cubetimer
