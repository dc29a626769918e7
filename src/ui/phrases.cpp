#include "ui/phrases.h"

#include <QCoreApplication>

namespace cubetimer {

namespace {

// The context the translators see these words in.
struct Phrases {
    Q_DECLARE_TR_FUNCTIONS(Phrases)
};

std::string S(const QString& text) { return text.toStdString(); }

}  // namespace

StatisticsTexts StatisticsCaptions() {
    return {S(Phrases::tr("Best:")), S(Phrases::tr("Worst:")), S(Phrases::tr("Average:")), S(Phrases::tr("Deviation:"))};
}

CubeWords CubeWordsTranslated() {
    CubeWords words;
    words.colours = {S(Phrases::tr("green", "sticker colour")), S(Phrases::tr("blue", "sticker colour")),
                     S(Phrases::tr("yellow", "sticker colour")), S(Phrases::tr("white", "sticker colour")),
                     S(Phrases::tr("red", "sticker colour")),    S(Phrases::tr("orange", "sticker colour"))};
    words.up = S(Phrases::tr("Up", "face of the cube"));
    words.left = S(Phrases::tr("Left", "face of the cube"));
    words.front = S(Phrases::tr("Front", "face of the cube"));
    words.right = S(Phrases::tr("Right", "face of the cube"));
    words.back = S(Phrases::tr("Back", "face of the cube"));
    words.down = S(Phrases::tr("Down", "face of the cube"));
    words.top = S(Phrases::tr("Top", "face of the cube, as the 3D picture shows it"));
    return words;
}

SpokenWords SpokenWordsTranslated() {
    SpokenWords words;
    words.prime = S(Phrases::tr("prime", "spoken after a face letter: F' is \"F prime\""));
    words.two = S(Phrases::tr("two", "spoken after a face letter: F2 is \"F two\""));
    words.scramble = S(Phrases::tr("Scramble: %1.", "spoken; %1 is the turns"));
    // Two texts, not a plural form: the English source has no translation of its own.
    words.countdown = [](int seconds) {
        return S(seconds == 1 ? Phrases::tr("Countdown 1 second", "spoken")
                              : Phrases::tr("Countdown %1 seconds", "spoken; %1 is 2 to 20").arg(seconds));
    };
    words.go = S(Phrases::tr("Go", "spoken as the timing starts"));
    words.saved = S(Phrases::tr("Saved %1.", "spoken; %1 is the time"));
    words.penalty = S(Phrases::tr("Plus two, %1.", "spoken for a +2 penalty; %1 is the time"));
    words.dnf = S(Phrases::tr("DNF.", "spoken"));
    words.discarded = S(Phrases::tr("Discarded.", "spoken"));
    return words;
}

}  // namespace cubetimer
