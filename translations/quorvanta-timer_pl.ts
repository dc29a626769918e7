<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Czas ułożenia</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Kostka 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Kostka 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Najlepszy:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Najgorszy:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Średnia:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Odchylenie:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>zielony</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>żółty</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>biały</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Górna</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Lewa</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Przednia</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Prawa</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Tylna</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Dolna</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Górna</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>prim</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>dwa</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Scramble: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Inspekcja %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Plus dwa, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Odrzucono.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Autor: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Napisany w C++20 z użyciem biblioteki Qt 6 Widgets. Budowany przez CMake; każdy czas jest mierzony monotonicznym zegarem systemu.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Podziękowania dla:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>społeczności speedcubingu, której timery, notacja i zwyczaje ukształtowały ten program.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>każdego klubu i forum kostkarzy, które dzielą się scramble&apos;ami, metodami i radami z początkującymi.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Serdeczne podziękowania dla autora kodu symulacji kostki 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Na koniec dziękuję wszystkim, którzy w przeszłości pomogli mi rozwinąć umiejętności programowania.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Błędy i problemy prosimy zgłaszać na stronie produktu, w dziale Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter lub Escape zamyka okno</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Scramble&apos;e na zawody</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Skopiowano do schowka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Szczegóły sesji</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Skopiowano do schowka</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Zapisz wyniki do pliku</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Nie udało się zapisać pliku!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Edytuj czas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Zmień!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Setne części</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Nie można dodać zerowego czasu!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Inspekcja przerwana</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>W jednej sesji można użyć DNF tylko raz!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Sesja zakończona!<byte value="xd"/>
Czy chcesz zobaczyć wyniki?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Czy na pewno zresetować całą sesję?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Wybierz plik tekstowy ze scramble&apos;ami</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Brak dostępu do pliku!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Plik jest pusty! Zostaną wygenerowane losowe scramble&apos;e.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Nieprawidłowy format pliku! Zostaną wygenerowane losowe scramble&apos;e.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Plik jest za duży! Zostaną wygenerowane losowe scramble&apos;e.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Koniec zaimportowanych scramble&apos;i! Zostaną wygenerowane losowe scramble&apos;e.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
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
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Inspekcja (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesja</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 ułożeń</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 ułożeń</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Numery ułożeń</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Czasy</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 lub dwuklik edytuje zaznaczony czas</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scramble</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Nowy scramble</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Generuj 13 scramble&apos;i</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Pokaż kostkę</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Autor: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Łącze: otwiera stronę internetową</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Kostka 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Kostka 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Obróć całą kostkę jak %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Obróć %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Timer Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Timer wyzerowany: ułożenie nie zostanie zapisane</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Uruchamianie Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Odczytuje timer Stackmat z domyślnego wejścia dźwięku</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat wyłączony</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Odczytuje timer Stackmat z domyślnego wejścia dźwięku: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: brak sygnału</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: znaleziono timer</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: utracono sygnał, ułożenie trwa dalej</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: utracono sygnał</translation>
    </message>
</context>
</TS>
