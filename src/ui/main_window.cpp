#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "cube/apply.h"
#include "platform/services.h"
#include "scramble/contest_sheet.h"
#include "scramble/scramble_file.h"
#include "session/key_gate.h"
#include "session/report.h"
#include "session/spoken.h"
#include "session/time_text.h"
#include "ui/accessibility.h"
#include "ui/about_window.h"
#include "ui/announcer.h"
#include "ui/contest_window.h"
#include "ui/details_window.h"
#include "ui/edit_time_dialog.h"
#include "ui/net_view.h"
#include "ui/phrases.h"
#include "ui/tile_view.h"
#include "ui/time_display.h"

namespace cubetimer {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

}  // namespace

MainWindow::MainWindow(Services& services, std::function<double()> uniform01, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      form_(QSize(kFullWidth, kWindowHeight)),
      uniform01_(std::move(uniform01)),
      mark_(services.decimalMark()),
      supply_(uniform01_) {
    InstallAccessibleViews();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvanta Rubik's Timer 3.0"));
    form_.fitFont(this);
    zoom_ = new FormZoom(*this, form_);
    buildControls();
    buildCubeRegion();
    announcer = new Announcer(lbltime);
    buildStackmat();
    wire();
    showCubeRegion(true);

    showScramble(getscramble());
    lbltime->setText(Q(ZeroDisplay(mark_)));
    for (int n = 1; n <= 12; ++n) {
        auto* item = new QListWidgetItem(QString::number(n), lstindex);
        item->setSizeHint(QSize(0, form_.row(kListRowTwips)));
    }
    cmdstart->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::wire() {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(25);
    connect(&Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    tmrcountdown.setObjectName(QStringLiteral("tmrcountdown"));
    tmrcountdown.setTimerType(Qt::PreciseTimer);
    tmrcountdown.setInterval(998);
    connect(&tmrcountdown, &QTimer::timeout, this, &MainWindow::tmrcountdown_Timer);

    // Start, Stop and Save act when the key or the button goes down, and Enter
    // reaches Start from every control of the window (see eventFilter).
    qApp->installEventFilter(this);

    connect(cmdpenalty, &QPushButton::clicked, this, &MainWindow::cmdpenalty_Click);
    connect(cmddnf, &QPushButton::clicked, this, &MainWindow::cmddnf_Click);
    connect(cmddiscard, &QPushButton::clicked, this, &MainWindow::cmddiscard_Click);
    connect(cmdreset, &QPushButton::clicked, this, &MainWindow::cmdreset_Click);
    connect(cmddetails, &QPushButton::clicked, this, &MainWindow::cmddetails_Click);
    connect(lsttime, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lsttime_DblClick(lsttime->row(item)); });
    connect(cmdimport, &QPushButton::clicked, this, &MainWindow::cmdimport_Click);
    connect(cmdnewscramble, &QPushButton::clicked, this, &MainWindow::cmdnewscramble_Click);
    connect(cmdscrgen, &QPushButton::clicked, this, &MainWindow::cmdscrgen_Click);
    connect(chkviewcube, &QCheckBox::clicked, this, &MainWindow::chkviewcube_Click);
    connect(picCube, &TileView::clicked, this, &MainWindow::ReturnFocus);

    // The options follow the check however it came: a click, the arrow keys
    // (which check first and move the focus after) or a screen reader's
    // Toggle action (no click at all).
    connect(opt5, &QRadioButton::toggled, this, [this] { session_.setSize(chosenSize()); });
    connect(opt2d, &QRadioButton::toggled, this, [this](bool checked) { checked ? opt2d_Click() : opt3d_Click(); });
    for (QRadioButton* option : {opt5, opt12, opt2d, opt3d}) {
        connect(option, &QRadioButton::clicked, this, &MainWindow::ReturnFocus);
        connect(option, &QRadioButton::toggled, this, &MainWindow::ReturnFocusLater);
    }
    // The keys step the slider and leave it the focus; the mouse gives it
    // back when it lets go (see eventFilter).
    connect(Slider1, &QSlider::valueChanged, this,
            [this](int value) { lblcountdown->setText(QString::number(value)); });
    ExposeAsLink(Label3);
    connect(cmdabout, &QPushButton::clicked, this, [this] {
        auto* about = new AboutWindow(this);
        connect(about, &QDialog::finished, this, [this, about] {
            if (about->returnFocus()) ReturnFocus();
        });
        about->open();
    });
    connect(cmdexit, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            // A screen reader's bridge hands keys on late and without their
            // stamp; some toolkits stamp them when handled. Every window's keys
            // take theirs here, so the gate and the instant see when keys moved.
            key->setTimestamp(services_.keyStamp(static_cast<int>(key->nativeScanCode()),
                                                 event->type() == QEvent::KeyPress,
                                                 static_cast<std::uint32_t>(key->timestamp())));
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == this && keyEvent(widget, key)) return true;
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
            if (watched == cmdstart) {
                // The instant comes first: everything else may take time.
                cmdstart_Click(EventInstant(services_.now(), static_cast<std::uint32_t>(
                                                                  static_cast<QInputEvent*>(event)->timestamp())));
                return true;
            }
            if (watched == Label3 && event->type() == QEvent::MouseButtonPress) {
                services_.openUrl(kSiteUrl);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
            if (watched == cmdstart) return true;
            if (watched == Slider1) ReturnFocus();
            break;
        case QEvent::FocusIn:
            // After the list itself is told to have the focus: a screen
            // reader reads the row told last.
            if (watched == lsttime) QTimer::singleShot(0, this, &MainWindow::readCurrentTime);
            break;
        default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::keyEvent(QWidget* receiver, QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool press = key->type() == QEvent::KeyPress && !key->isAutoRepeat();
    // F2 edits the selected time; Enter stays with Start, as everywhere.
    if (receiver == lsttime && key->key() == Qt::Key_F2) {
        if (press && lsttime->currentItem() && lsttime->currentItem()->isSelected()) lsttime_DblClick(lsttime->currentRow());
        return true;
    }
    if (receiver == Label3 && (enter || key->key() == Qt::Key_Space)) {
        if (press) services_.openUrl(kSiteUrl);
        return true;
    }
    if (!enter && key->key() != Qt::Key_Space) return false;
    const auto stamp = static_cast<std::uint32_t>(key->timestamp());
    if (key->type() == QEvent::KeyRelease) {
        gate_.release(key->key(), stamp, key->isAutoRepeat());
        // Without this the button would click a second time on release.
        return receiver == cmdstart;
    }
    // Read before anything else runs: the gate and the handler may take time.
    const auto at = EventInstant(services_.now(), stamp);
    const bool acts = gate_.press(key->key(), stamp, key->isAutoRepeat());
    // Space works the focused control; Enter the default button, unless another
    // push button has the focus and takes it itself.
    const bool forStart = receiver == cmdstart || (enter && !qobject_cast<QPushButton*>(receiver));
    if (!forStart || !cmdstart->isEnabled()) return false;
    if (acts) cmdstart_Click(at);
    return true;
}

void MainWindow::changeEvent(QEvent* event) {
    // Keys released while another window has the keyboard are never seen here.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) gate_.forgetHeldKeys();
    if (event->type() == QEvent::PaletteChange) pairColours();
    QMainWindow::changeEvent(event);
}

void MainWindow::cmdstart_Click(std::chrono::steady_clock::time_point at) {
    if (!cmdstart->isEnabled()) return;
    std::string sentence;
    switch (cycle_.state()) {
        case SolveCycle::State::Ready: {
            const SolveCycle::Step step = cycle_.start(Slider1->value(), at);
            cmdstart->setText(tr("Stop"));
            if (step.timingStarted) {
                Timer1.start();
            } else {
                lbltime->setText(Q(cycle_.display(at, mark_)));
                if (step.beep) services_.beep();
                tmrcountdown.start();
                sentence = CountdownSentence(cycle_.countdownSeconds(), focusWidget() != cmdstart,
                                             SpokenWordsTranslated());
            }
            setBetweenSolvesEnabled(false);
            break;
        }
        case SolveCycle::State::Countdown:
            tmrcountdown.stop();
            cycle_.abortCountdown();
            cmdstart->setText(tr("Start"));
            sentence = S(tr("Countdown stopped"));
            lbltime->setText(Q(ZeroDisplay(mark_)));
            opt5->setEnabled(false);
            opt12->setEnabled(false);
            setCorrectionsEnabled(false);
            setBetweenSolvesEnabled(true);
            break;
        case SolveCycle::State::Timing:
            cycle_.stop(at);
            sentence = showStopped(at);
            break;
        case SolveCycle::State::Waiting:
            settle(Decision::Save);
            break;
        case SolveCycle::State::Ended: break;
    }
    // A mouse click must not leave the keyboard focus elsewhere.
    ReturnFocus();
    announcer->say(Q(sentence));
}

void MainWindow::Timer1_Timer() {
    if (cycle_.state() == SolveCycle::State::Timing) lbltime->setText(Q(cycle_.display(services_.now(), mark_)));
}

void MainWindow::tmrcountdown_Timer() {
    const auto now = services_.now();
    const SolveCycle::Step step = cycle_.countdownTick(now);
    if (step.beep) services_.beep();
    announcer->say(Q(CountdownTickSentence(cycle_.countdownSeconds(), Slider1->value(), SpokenWordsTranslated())));
    if (step.timingStarted) {
        tmrcountdown.stop();
        Timer1.start();
    } else if (cycle_.state() == SolveCycle::State::Countdown) {
        lbltime->setText(Q(cycle_.display(now, mark_)));
    }
}

void MainWindow::cmdpenalty_Click() {
    if (cycle_.state() == SolveCycle::State::Waiting) settle(Decision::Penalty);
}

void MainWindow::cmddnf_Click() {
    if (cycle_.state() == SolveCycle::State::Waiting) settle(Decision::Dnf);
}

void MainWindow::cmddiscard_Click() {
    if (cycle_.state() == SolveCycle::State::Waiting) settle(Decision::Discard);
}

void MainWindow::settle(Decision decision) {
    const bool bySave = decision == Decision::Save;
    std::optional<double> value;
    switch (decision) {
        case Decision::Save: value = cycle_.pending(); break;
        case Decision::Penalty: value = cycle_.addPenalty(); break;
        case Decision::Dnf: value = kDnf; break;
        case Decision::Discard: break;
    }
    const StatisticsTexts before = session_.statistics(mark_, StatisticsCaptions());
    Session::Outcome outcome = Session::Outcome::Recorded;
    if (value) {
        outcome = session_.RecordSolve(*value, supply_.current());
        if (outcome == Session::Outcome::DnfRefused) {
            // The solve keeps waiting: it can still be saved, penalised or discarded.
            services_.message(S(tr("It is not possible to use DNF more than once in only one session!")), S(tr("ERROR")),
                              Services::Icon::Critical, Services::Buttons::Ok);
            ReturnFocus();
            return;
        }
        auto* item = new QListWidgetItem(Q(session_.timeText(session_.count() - 1, mark_)), lsttime);
        item->setSizeHint(QSize(0, form_.row(kListRowTwips)));
    }
    // Said with the next scramble, in one sentence: a second one could cut it off.
    decisionSentence_ = DecisionSentence(
        decision, value ? session_.timeText(session_.count() - 1, mark_) : std::string(), before,
        session_.statistics(mark_, StatisticsCaptions()), SpokenWordsTranslated());
    setCorrectionsEnabled(false);
    setBetweenSolvesEnabled(true);
    // Save reads "Start" before the end of a session is announced, "+2" and
    // "DNF" only once the solve is recorded.
    if (bySave) cmdstart->setText(tr("Start"));
    bool showResults = false;
    if (value) {
        opt5->setEnabled(false);
        opt12->setEnabled(false);
        if (outcome == Session::Outcome::SessionEnded) {
            showResults = services_.message(S(tr("The session has ended!\r\nWould you like to see results?")), S(tr("Information")),
                                            Services::Icon::None, Services::Buttons::YesNo) == Services::Answer::Yes;
            cmdstart->setEnabled(false);
            frmscramble->setEnabled(false);
        }
        refreshResults();
    }
    cycle_.settle(outcome == Session::Outcome::SessionEnded);
    if (showResults) {
        // The rest waits for the report to be closed, as the question did.
        cmddetails_Click();
        connect(details_, &QDialog::finished, this, &MainWindow::readyForNextSolve, Qt::SingleShotConnection);
    } else {
        readyForNextSolve();
    }
}

void MainWindow::readyForNextSolve() {
    cmdstart->setText(tr("Start"));
    lbltime->setText(Q(ZeroDisplay(mark_)));
    nextScramble(decisionSentence_ + " ");
    ReturnFocus();
}

void MainWindow::nextScramble(const std::string& lead) {
    const std::string scramble = getscramble();
    showScramble(scramble);
    announcer->say(Q(lead + ScrambleSentence(scramble, SpokenWordsTranslated())));
}

void MainWindow::cmdreset_Click() {
    if (services_.message(S(tr("Are you really sure to reset whole session?")), S(tr("Warning")), Services::Icon::None,
                          Services::Buttons::YesNo) != Services::Answer::Yes) {
        ReturnFocus();
        return;
    }
    // The scramble is taken before the supply is reset: an imported line still comes first.
    nextScramble();
    details()->setReport(EmptyReportText());
    cmdstart->setEnabled(true);
    cmdstart->setFocus();
    opt5->setEnabled(true);
    opt12->setEnabled(true);
    frmscramble->setEnabled(true);
    supply_.reset();
    session_.Reset();
    session_.setSize(chosenSize());
    cycle_.reset();
    lsttime->clear();
    const StatisticsTexts bare = StatisticsCaptions();
    lblbest->setText(Q(bare.best));
    lblworst->setText(Q(bare.worst));
    lblaverage->setText(Q(bare.average));
    lblstdev->setText(Q(bare.deviation));
}

DetailsWindow* MainWindow::details() {
    if (!details_) {
        details_ = new DetailsWindow(services_, this);
        connect(details_, &QDialog::finished, this, &MainWindow::ReturnFocus);
    }
    return details_;
}

void MainWindow::cmddetails_Click() { details()->open(); }

void MainWindow::lsttime_DblClick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.count()) return;
    auto* dialog = new EditTimeDialog(services_, mark_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog, row](int result) {
        if (result == QDialog::Accepted && dialog->value() &&
            session_.ReplaceTime(static_cast<std::size_t>(row), *dialog->value())) {
            lsttime->item(row)->setText(Q(session_.timeText(static_cast<std::size_t>(row), mark_)));
            refreshResults();
        }
        ReturnFocus();
    });
    dialog->open();
}

void MainWindow::cmdimport_Click() {
    const std::string path = services_.openFileName(S(tr("Select scramble text file")), S(tr("All files (*)")));
    if (path.empty()) {
        supply_.cancelImport();
        return;
    }
    const ScrambleFile file = ReadScrambleFile(path);
    supply_.importFile(file);
    switch (file.status) {
        case ScrambleFile::Status::NotAccessible:
            services_.message(S(tr("File not accessible!")), S(tr("ERROR")), Services::Icon::Critical, Services::Buttons::Ok);
            break;
        case ScrambleFile::Status::Empty:
            services_.message(S(tr("File is empty! Random scrambles will be generated.")), S(tr("ERROR")), Services::Icon::Critical,
                              Services::Buttons::Ok);
            break;
        case ScrambleFile::Status::BadFormat:
            services_.message(S(tr("Incorrect file format! Random scrambles will be generated.")), S(tr("ERROR")),
                              Services::Icon::Critical, Services::Buttons::Ok);
            nextScramble();
            break;
        case ScrambleFile::Status::TooLarge:
            // Not a format fault: the file was never read.
            services_.message(S(tr("File is too large! Random scrambles will be generated.")), S(tr("ERROR")),
                              Services::Icon::Critical, Services::Buttons::Ok);
            nextScramble();
            break;
        case ScrambleFile::Status::Ok:
            nextScramble();
            break;
    }
    ReturnFocus();
}

void MainWindow::cmdnewscramble_Click() {
    ReturnFocus();
    nextScramble();
}

void MainWindow::cmdscrgen_Click() {
    auto* window = new ContestWindow(services_, ContestSheet(uniform01_), this);
    connect(window, &QDialog::finished, this, &MainWindow::ReturnFocus);
    window->open();
}

void MainWindow::opt2d_Click() {
    picCube->hide();
    netView->show();
    ReturnFocus();
}

void MainWindow::opt3d_Click() {
    netView->hide();
    picCube->show();
    ReturnFocus();
}

void MainWindow::chkviewcube_Click() {
    showCubeRegion(chkviewcube->isChecked());
    ReturnFocus();
}

void MainWindow::showCubeRegion(bool shown) {
    const int width = form_.px(shown ? kFullWidth : kNarrowWidth);
    // The narrow window ends 5 px into the region: nothing of it may show
    // there, and hidden controls leave the Tab order too.
    for (QWidget* control : {static_cast<QWidget*>(opt3d), static_cast<QWidget*>(opt2d),
                             findChild<QWidget*>(QStringLiteral("imgZ0")), findChild<QWidget*>(QStringLiteral("imgZ1"))})
        control->setVisible(shown);
    picCube->setVisible(shown && opt3d->isChecked());
    netView->setVisible(shown && opt2d->isChecked());
    lbltime->move((width - lbltime->width()) / 2, lbltime->y());
    zoom_->setForm(QSize(shown ? kFullWidth : kNarrowWidth, kWindowHeight));
}

std::string MainWindow::getscramble() {
    const ScrambleSupply::Next next = supply_.next();
    if (next.importsRanOut)
        services_.message(S(tr("No more scrambles imported! Random scrambles will be generated.")), S(tr("Info")),
                          Services::Icon::Warning, Services::Buttons::Ok);
    ResetForScramble(net_, tiles_);
    setscramble(next.scramble, net_, tiles_);
    cubeChanged();
    return next.scramble;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the timer closes every window it opened, the hidden details window included.
    for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) dialog->close();
    QMainWindow::closeEvent(event);
}

int MainWindow::chosenSize() const { return opt5->isChecked() ? 5 : 12; }

void MainWindow::ReturnFocus() {
    if (cmdstart->isEnabled()) cmdstart->setFocus();
}

void MainWindow::readCurrentTime() {
    if (!lsttime->hasFocus() || lsttime->count() == 0) return;
    if (lsttime->currentItem()) {
        AnnounceFocusedRow(lsttime, lsttime->currentRow());
    } else {
        // Tells the row itself; selecting it is left to the user (F2 edits the selected time).
        lsttime->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    }
}

void MainWindow::ReturnFocusLater() { QTimer::singleShot(0, this, &MainWindow::ReturnFocus); }

void MainWindow::refreshResults() {
    const StatisticsTexts stats = session_.statistics(mark_, StatisticsCaptions());
    lblbest->setText(Q(stats.best));
    lblworst->setText(Q(stats.worst));
    lblaverage->setText(Q(stats.average));
    lblstdev->setText(Q(stats.deviation));
    details()->setReport(ReportText(session_, services_.timeOfDayText(), services_.dateText(), mark_));
}

void MainWindow::showScramble(const std::string& text) {
    lblscramble->setText(Q(text));
    lblscramble->setAccessibleName(Q(SpokenScramble(text, SpokenWordsTranslated())));
}

void MainWindow::cubeChanged() {
    picCube->update();
    netView->update();
    AnnounceDescriptionChange(picCube);
    AnnounceDescriptionChange(netView);
}

void MainWindow::tileTurn(void (TileCube::*turn)(int), int index) {
    (tiles_.*turn)(index);
    picCube->update();
    AnnounceDescriptionChange(picCube);
    ReturnFocus();
}

}  // namespace cubetimer
