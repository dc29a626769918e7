<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Temps de résolution</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Cube 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Cube 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Meilleur&#xa0;:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Pire&#xa0;:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Moyenne&#xa0;:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Écart type&#xa0;:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>jaune</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>blanc</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>prime</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>deux</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Mélange&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Inspection %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Partez</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Validé %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Plus deux, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Écarté.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Écrit par&#xa0;: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Écrit en C++20 avec la boîte à outils Qt 6 Widgets. Construit avec CMake&#x202f;; chaque temps est mesuré avec l&apos;horloge monotone du système.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Merci à&#xa0;:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>la communauté du speedcubing, dont les timers, la notation et les habitudes ont façonné ce programme.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>chaque club et forum de cubing qui partage mélanges, méthodes et conseils avec les débutants.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Un grand merci à l&apos;auteur du code de simulation du cube en 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Enfin, merci à toutes les personnes qui m&apos;ont aidé par le passé à progresser en programmation.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Merci de signaler tout défaut ou problème sur le site web du produit, dans sa rubrique Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Entrée ou Échap ferme la fenêtre</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Mélanges pour compétition</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Détails de la session</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Enregistrer les résultats dans un fichier</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Le fichier n&apos;a pas pu être enregistré&#x202f;!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Modifier le temps</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Modifier&#x202f;!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Centièmes</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Impossible d&apos;ajouter un temps nul&#x202f;!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Inspection arrêtée</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>Impossible d&apos;utiliser DNF plus d&apos;une fois dans une même session&#x202f;!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>La session est terminée&#x202f;!<byte value="xd"/>
Voulez-vous voir les résultats&#x202f;?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Voulez-vous vraiment réinitialiser toute la session&#x202f;?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Choisir le fichier texte des mélanges</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Fichier inaccessible&#x202f;!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Le fichier est vide&#x202f;! Des mélanges aléatoires seront générés.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Format de fichier incorrect&#x202f;! Des mélanges aléatoires seront générés.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Le fichier est trop volumineux&#x202f;! Des mélanges aléatoires seront générés.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Plus de mélanges importés&#x202f;! Des mélanges aléatoires seront générés.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
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
        <translation>Écarter</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Inspection (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 résolutions</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 résolutions</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Numéros des résolutions</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 ou un double-clic modifie le temps sélectionné</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Autre mélange</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Générer 13 mélanges</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Voir le cube</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Écrit par Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Lien&#xa0;: ouvre le site web</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Cube 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Cube 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Tourner tout le cube comme %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Tourner %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Chronomètre remis à zéro&#xa0;: la résolution n&apos;est pas enregistrée</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Démarrage de Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Lit un chronomètre Stackmat sur l&apos;entrée son par défaut</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat désactivé</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Lit un chronomètre Stackmat sur l&apos;entrée son par défaut&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat&#xa0;: aucun signal</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat&#xa0;: chronomètre trouvé</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat&#xa0;: signal perdu, la résolution continue</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat&#xa0;: signal perdu</translation>
    </message>
</context>
</TS>
