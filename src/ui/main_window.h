#pragma once

#include <QMainWindow>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>

#include "cube/net_cube.h"
#include "cube/tile_cube.h"
#include "scramble/supply.h"
#include "session/key_gate.h"
#include "session/session.h"
#include "session/solve_cycle.h"
#include "session/stackmat_link.h"
#include "ui/form.h"
#include "ui/form_zoom.h"

class QCheckBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace cubetimer {

class Announcer;
class ArrowButton;
enum class Decision;
class DetailsWindow;
class NetView;
class Services;
class StackmatControl;
class TileView;
class TimeDisplay;

inline constexpr const char* kSiteUrl = "https://quorvanta.example/rubiks-timer";
// The form in twips (see Form).
inline constexpr int kNarrowWidth = 9375;  // the cube region cut off
inline constexpr int kFullWidth = 14070;
inline constexpr int kWindowHeight = 7350;
inline constexpr int kListRowTwips = 240;

// The working surface: turns presses, ticks and clicks into calls on the
// session, the solve cycle, the scramble supply and the cube models, and shows
// what they hold. Every question to the user goes through Services.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Services& services, std::function<double()> uniform01, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start, Stop or Save by the state of the cycle; `at` is when the key or
    // the mouse button went down.
    void cmdstart_Click(std::chrono::steady_clock::time_point at);
    void Timer1_Timer();
    void tmrcountdown_Timer();
    void cmdpenalty_Click();
    void cmddnf_Click();
    void cmddiscard_Click();
    void cmdreset_Click();
    void cmddetails_Click();
    void lsttime_DblClick(int row);
    void cmdimport_Click();
    void cmdnewscramble_Click();
    void cmdscrgen_Click();
    void opt2d_Click();
    void opt3d_Click();
    void chkviewcube_Click();

    // The next scramble, already made current and turned onto both cube models.
    std::string getscramble();

    DetailsWindow* details();
    const Session& session() const { return session_; }
    const SolveCycle& cycle() const { return cycle_; }
    const NetCube& net() const { return net_; }
    const TileCube& tiles() const { return tiles_; }
    const ScrambleSupply& supply() const { return supply_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Space and Enter for Start; true when the event is used up.
    bool keyEvent(QWidget* receiver, QKeyEvent* key);
    void buildControls();
    void buildCubeRegion();
    // The Stackmat's control, wired to the cycle and the announcer.
    void buildStackmat();
    // Shows what the timer did to the cycle, as the keys' Start and Stop would.
    void followTimer(StackmatLink::Action action, std::chrono::steady_clock::time_point at);
    // Shows the stopped solve waiting for its decision; returns what is said.
    std::string showStopped(std::chrono::steady_clock::time_point at);
    // Text colours for the theme's palette; again when the theme changes.
    void pairColours();
    void wire();
    void ReturnFocus();
    // After the control that has the event has taken the focus itself.
    void ReturnFocusLater();
    // Has the focused times list read its current row, making the first one current.
    void readCurrentTime();
    int chosenSize() const;
    void setCorrectionsEnabled(bool enabled);
    void setBetweenSolvesEnabled(bool enabled);
    // Records the waiting solve as decided (nothing for Discard). A second
    // DNF is refused and the solve keeps waiting.
    void settle(Decision decision);
    void readyForNextSolve();
    // Takes, shows and reads out the next scramble, after `lead` if any.
    void nextScramble(const std::string& lead = {});
    // Widens the form to the cube region or narrows it to the controls: a
    // normal window follows it, a maximized or full-screen one zooms it anew.
    void showCubeRegion(bool shown);
    void refreshResults();
    void showScramble(const std::string& text);
    void cubeChanged();
    void tileTurn(void (TileCube::*turn)(int), int index);

    Services& services_;
    Form form_;
    // The window's central widget: the form zoomed to the window's size.
    FormZoom* zoom_;
    std::function<double()> uniform01_;
    const char mark_;
    Session session_;
    SolveCycle cycle_;
    ScrambleSupply supply_;
    NetCube net_;
    TileCube tiles_;
    DetailsWindow* details_ = nullptr;
    KeyGate gate_;
    // What the decision on the last solve is read out as, with the next scramble.
    std::string decisionSentence_;

    QTimer Timer1{this};
    QTimer tmrcountdown{this};

    TimeDisplay* lbltime;
    QLabel* lblscramble;
    QGroupBox* Frame2;
    QPushButton* cmdstart;
    QPushButton* cmdpenalty;
    QPushButton* cmddnf;
    QPushButton* cmddiscard;
    QCheckBox* chkstackmat;
    QLabel* lblstackmat;
    StackmatControl* stackmat;
    QLabel* Label1;
    QSlider* Slider1;
    QLabel* lblcountdown;
    QGroupBox* frmsession;
    QRadioButton* opt12;
    QRadioButton* opt5;
    QPushButton* cmdreset;
    QPushButton* cmddetails;
    QLabel* lblbest;
    QLabel* lblworst;
    QLabel* lblaverage;
    QLabel* lblstdev;
    QListWidget* lstindex;
    QListWidget* lsttime;
    QGroupBox* frmscramble;
    QPushButton* cmdimport;
    QPushButton* cmdnewscramble;
    QPushButton* cmdscrgen;
    QCheckBox* chkviewcube;
    QPushButton* cmdabout;
    QPushButton* cmdexit;
    QLabel* Label2;
    QLabel* Label3;
    QRadioButton* opt3d;
    QRadioButton* opt2d;
    TileView* picCube;
    NetView* netView;
    Announcer* announcer;
};

}  // namespace cubetimer
