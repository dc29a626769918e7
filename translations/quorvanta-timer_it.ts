<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Tempo di risoluzione</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Cubo 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Cubo 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Migliore:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Peggiore:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Deviazione:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>giallo</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>bianco</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>arancione</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Frontale</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Posteriore</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Inferiore</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>primo</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>due</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Scramble: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Ispezione %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Via</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Salvato %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Più due, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Scartato.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Scritto da: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Scritto in C++20 con il toolkit Qt 6 Widgets. Compilato con CMake; ogni tempo è misurato con l&apos;orologio monotono del sistema.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Grazie a:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>la comunità dello speedcubing, i cui timer, notazione e abitudini hanno dato forma a questo programma.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>ogni club e forum di cubing che condivide scramble, metodi e consigli con chi inizia.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Un grande grazie all&apos;autore del codice per la simulazione del cubo 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Infine, grazie a tutte le persone che in passato mi hanno aiutato a migliorare come programmatore.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Segnala ogni difetto o problema sul sito web del prodotto, nella sezione Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Invio o Esc chiude la finestra</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Scramble per la gara</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiato negli appunti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Dettagli della sessione</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiato negli appunti</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Salva su file</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Salva i risultati su file</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Impossibile salvare il file!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Modifica tempo</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Modifica!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Centesimi</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Impossibile aggiungere un tempo nullo!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Ispezione interrotta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>Non è possibile usare DNF più di una volta nella stessa sessione!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>La sessione è terminata!<byte value="xd"/>
Vuoi vedere i risultati?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Vuoi davvero azzerare l&apos;intera sessione?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Scegli il file di testo degli scramble</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>File non accessibile!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Il file è vuoto! Verranno generati scramble casuali.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Formato del file non valido! Verranno generati scramble casuali.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Il file è troppo grande! Verranno generati scramble casuali.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Non ci sono più scramble importati! Verranno generati scramble casuali.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Comandi</translation>
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
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Ispezione (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 risoluzioni</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 risoluzioni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Numeri delle risoluzioni</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempi</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 o un doppio clic modifica il tempo selezionato</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scramble</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Nuovo scramble</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Genera 13 scramble</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Mostra cubo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Scritto da Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Link: apre il sito web</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Cubo 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Cubo 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Ruota tutto il cubo come %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Ruota %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Timer Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Timer azzerato: la risoluzione non viene registrata</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Avvio di Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Legge un timer Stackmat dall&apos;ingresso audio predefinito</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat disattivato</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Legge un timer Stackmat dall&apos;ingresso audio predefinito: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: nessun segnale</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: timer trovato</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: segnale perso, la risoluzione continua</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: segnale perso</translation>
    </message>
</context>
</TS>
