#include "session/stackmat_link.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cubetimer {
namespace {

using namespace std::chrono_literals;
using State = SolveCycle::State;
using Action = StackmatLink::Action;

const SolveCycle::Clock::time_point t0 = SolveCycle::Clock::time_point{} + 1000h;

// A timer's packets: {arrival in ms, status, figure in ms}.
struct Packet {
    int at;
    char status;
    int figure;
};
using Script = std::vector<Packet>;

// The packets of a run started at `start`, from `from` up to `to` ms of its figure.
Script Running(int start, int from, int to) {
    Script run;
    for (int figure = from; figure <= to; figure += 110) run.push_back({start + figure, ' ', figure});
    return run;
}
Script operator+(Script a, const Script& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    const char* name;
    Script script;
    int countdown;  // -1: no key Start; otherwise the slider when Start is pressed first
    State state;
    double pending;
    std::vector<Action> actions;
};

TEST(StackmatLinkTest, TheTimersPacketsDriveTheCycle) {
    const Script idle = {{0, 'I', 0}, {110, 'A', 0}, {220, 'C', 0}};
    const Case cases[] = {
        {"stopped by S with its own figure", idle + Running(300, 40, 12300) + Script{{12645, 'S', 12345}, {12755, 'S', 12345}},
         -1, State::Waiting, 12.345, {Action::Started, Action::Stopped}},
        {"five digits, stopped by I with the figure", Running(0, 30, 8700) + Script{{8760, 'I', 8760}, {8870, 'I', 8760}}, -1,
         State::Waiting, 8.76, {Action::Started, Action::Stopped}},
        {"reset after the stop keeps the pending time", Running(0, 30, 5000) + Script{{5050, 'S', 5050}, {5160, 'I', 0}, {5270, 'I', 0}},
         -1, State::Waiting, 5.05, {Action::Started, Action::Stopped}},
        {"a stray running packet starts nothing", idle + Script{{330, ' ', 500}, {440, 'I', 0}, {550, ' ', 90}, {660, 'I', 0}}, -1,
         State::Ready, 0, {}},
        {"a run joined late is not a start", Running(0, 5000, 6000), -1, State::Ready, 0, {}},
        {"a stray ready packet mid-solve changes nothing", Running(0, 30, 3000) + Script{{3050, 'A', 0}} + Running(0, 3080, 4000) +
         Script{{4020, 'S', 4020}}, -1, State::Waiting, 4.02, {Action::Started, Action::Stopped}},
        {"0.007 on a loose ground is no stop", Running(0, 30, 10000) + Script{{10050, 'S', 7}} + Running(0, 10070, 10100) +
         Script{{10150, 'S', 10150}}, -1, State::Waiting, 10.15, {Action::Started, Action::Stopped}},
        {"a figure ahead of the clock is no stop", Running(0, 30, 2000) + Script{{2050, 'S', 60000}}, -1, State::Timing, 0,
         {Action::Started}},
        {"reset mid-solve drops it", Running(0, 30, 3000) + Script{{3050, 'I', 0}, {3160, 'I', 0}}, -1, State::Ready, 0,
         {Action::Started, Action::Abandoned}},
        {"a stop after four seconds unheard still counts", Running(0, 30, 3000) + Script{{7100, 'S', 7050}}, -1, State::Waiting,
         7.05, {Action::Started, Action::Stopped}},
        {"the timer's start ends the countdown", Running(2000, 40, 3000) + Script{{5100, 'S', 3100}}, 15, State::Waiting, 3.1,
         {Action::Started, Action::Stopped}},
        {"a key-started solve is taken over by the timer", Running(1000, 40, 2000) + Script{{3100, 'S', 2100}}, 0,
         State::Waiting, 2.1, {Action::Started, Action::Stopped}},
        {"a new run waits for the decision", Running(0, 30, 1000) + Script{{1050, 'S', 1050}, {2000, 'I', 0}} + Running(2500, 40, 900),
         -1, State::Waiting, 1.05, {Action::Started, Action::Stopped}},
    };
    for (const Case& c : cases) {
        SolveCycle cycle;
        StackmatLink link(cycle);
        if (c.countdown >= 0) cycle.start(c.countdown, t0);
        std::vector<Action> actions;
        for (const Packet& p : c.script) {
            const auto at = t0 + std::chrono::milliseconds(p.at);
            link.tick(at);
            const Action action = link.packet({p.status, p.figure, true, 0}, at).action;
            if (action != Action::None) actions.push_back(action);
        }
        EXPECT_EQ(cycle.state(), c.state) << c.name;
        EXPECT_DOUBLE_EQ(cycle.pending(), c.pending) << c.name;
        EXPECT_EQ(actions, c.actions) << c.name;
    }
}

TEST(StackmatLinkTest, DisplayRunsOnNoFurtherThanTheNextPacket) {
    SolveCycle cycle;
    StackmatLink link(cycle);
    link.packet({' ', 40, true, 0}, t0);
    link.packet({' ', 150, true, 0}, t0 + 110ms);
    EXPECT_EQ(cycle.display(t0 + 160ms), "00:00.20");
    EXPECT_EQ(cycle.display(t0 + 900ms), "00:00.26");
    // Silent for over a second (the cable pulled): the clock takes over, and
    // the key's Stop takes the solve's whole time, not the last figure.
    EXPECT_EQ(cycle.display(t0 + 5s), "00:05.04");
    SolveCycle stopped = cycle;
    EXPECT_NEAR(stopped.stop(t0 + 5s), 5.04, 1e-9);
    link.packet({' ', 599990, true, 0}, t0 + 599950ms);
    EXPECT_EQ(cycle.display(t0 + 600500ms), "09:59.99");
}

TEST(StackmatLinkTest, SignalFoundLostAndFoundAgain) {
    SolveCycle cycle;
    StackmatLink link(cycle);
    std::string heard;
    const auto note = [&](StackmatLink::Result r) {
        if (r.signalChanged) heard += "NFL"[static_cast<int>(link.signal())];
    };
    note(link.tick(t0 + 5s));
    note(link.packet({'I', 0, true, 0}, t0 + 6s));
    note(link.tick(t0 + 6900ms));
    note(link.tick(t0 + 7100ms));
    note(link.tick(t0 + 8s));
    note(link.packet({'I', 0, true, 0}, t0 + 9s));
    EXPECT_EQ(heard, "FLF");
}

}  // namespace
}  // namespace cubetimer
