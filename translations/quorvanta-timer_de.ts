<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Lösungszeit</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>3D-Würfel</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>2D-Würfel</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Beste:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Schlechteste:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Durchschnitt:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Abweichung:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>weiß</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Oben</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>Strich</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>zwei</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Scramble: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Inspektion %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Los</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Gespeichert: %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Plus zwei, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Verworfen.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Geschrieben von: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Geschrieben in C++20 mit dem Toolkit Qt 6 Widgets. Gebaut mit CMake; jede Zeit wird mit der monotonen Uhr des Systems gemessen.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Dank an:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>die Speedcubing-Community, deren Timer, Notation und Gewohnheiten dieses Programm geprägt haben.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>jeden Cubing-Verein und jedes Forum, die Scrambles, Methoden und Ratschläge mit Neulingen teilen.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Vielen Dank an den Autor des Codes für die 3D-Würfelsimulation.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Schließlich danke ich allen, die mir in der Vergangenheit geholfen haben, besser programmieren zu lernen.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Bitte melden Sie jeden Fehler und jedes Problem auf der Website des Produkts, im Bereich Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Eingabe oder Escape schließt das Fenster</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Scrambles für den Wettbewerb</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Sitzungsdetails</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Ergebnisse in Datei speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Die Datei konnte nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Zeit bearbeiten</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Ändern!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Hundertstel</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Eine Nullzeit kann nicht eingetragen werden!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Inspektion abgebrochen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>DNF kann in einer Sitzung nur einmal verwendet werden!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Die Sitzung ist beendet!<byte value="xd"/>
Möchten Sie die Ergebnisse sehen?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Soll die ganze Sitzung wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Textdatei mit Scrambles wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Auf die Datei kann nicht zugegriffen werden!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Die Datei ist leer! Es werden zufällige Scrambles erzeugt.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Falsches Dateiformat! Es werden zufällige Scrambles erzeugt.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Die Datei ist zu groß! Es werden zufällige Scrambles erzeugt.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Keine importierten Scrambles mehr! Es werden zufällige Scrambles erzeugt.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Inspektion (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 Solves</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 Solves</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Nummern der Solves</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 oder ein Doppelklick bearbeitet die gewählte Zeit</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scramble</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Neuer Scramble</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>13 Scrambles erzeugen</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Würfel zeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Geschrieben von Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Link: öffnet die Website</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>3D-Würfel</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>2D-Würfel</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Ganzen Würfel wie %1 drehen</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>%1 drehen</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Stackmat-Timer</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Timer zurückgesetzt: der Versuch wird nicht erfasst</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Quorvanta Rubik&apos;s Timer startet</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Liest einen Stackmat-Timer am Standard-Toneingang</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat aus</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Liest einen Stackmat-Timer am Standard-Toneingang: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: kein Signal</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: Timer gefunden</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: Signal verloren, der Versuch läuft weiter</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: Signal verloren</translation>
    </message>
</context>
</TS>
