<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Ever wished you could be the one pushing the pie into that face? With this game, now you can!</source>
        <translation>Vous avez toujours rêvé d’écraser vous-même la tarte sur ce visage&#xa0;? Avec ce jeu, c’est possible&#xa0;!</translation>
    </message>
    <message>
        <source>Web Site:</source>
        <translation>site web&#xa0;:</translation>
    </message>
    <message>
        <source>Visit my</source>
        <translation>Visitez mon</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Emblème de %1</translation>
    </message>
    <message>
        <source>Pie Vorb Quarn Audio System Failed...</source>
        <translation>Pie Vorb Quarn&#xa0;: échec du système audio…</translation>
    </message>
    <message>
        <source>This was probably because WAVE device in use on startup</source>
        <translation>Le périphérique audio était probablement occupé au démarrage</translation>
    </message>
    <message>
        <source>Pie Vorb Quarn Audio System Enabled!</source>
        <translation>Pie Vorb Quarn&#xa0;: système audio activé&#xa0;!</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Créé par</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Abort game</source>
        <translation>Abandonner la partie</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Aucun périphérique audio</translation>
    </message>
</context>
<context>
    <name>DialogLook</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>SetInfoDialog</name>
    <message>
        <source>About Current Image Set...</source>
        <translation>À propos du jeu d’images actuel…</translation>
    </message>
    <message>
        <source>Image Set Title:</source>
        <translation>Titre du jeu d’images&#xa0;:</translation>
    </message>
    <message>
        <source>Image Set Author:</source>
        <translation>Auteur du jeu d’images&#xa0;:</translation>
    </message>
    <message>
        <source>Author&apos;s E-mail Address:</source>
        <translation>Adresse e-mail de l’auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Author&apos;s Web Site:</source>
        <translation>Site web de l’auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Image Set Comment:</source>
        <translation>Commentaire du jeu d’images&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Extracting sound data (startup)</source>
        <translation>Extraction des données sonores (démarrage)</translation>
    </message>
    <message>
        <source> Program Startup/File Loaded Sound (only used when set loaded)  - startup.wav</source>
        <translation> Son de démarrage/chargement (joué seulement au chargement du jeu)  – startup.wav</translation>
    </message>
    <message>
        <source>Extracting sound data (Tick)</source>
        <translation>Extraction des données sonores (tic-tac)</translation>
    </message>
    <message>
        <source> Ticking Clock Sound  - tick.wav</source>
        <translation> Tic-tac de l’horloge  – tick.wav</translation>
    </message>
    <message>
        <source>Extracting sound data (Splat!)</source>
        <translation>Extraction des données sonores (Splatch&#xa0;!)</translation>
    </message>
    <message>
        <source> Splat Sound (heard when the player clicks on a popped up picture) - splat.wav</source>
        <translation> Splatch (quand le joueur touche une image apparue) – splat.wav</translation>
    </message>
    <message>
        <source>Extracting sound data (End)</source>
        <translation>Extraction des données sonores (fin)</translation>
    </message>
    <message>
        <source> End of game sound (sound played when time runs out, played once)  - gameover.wav</source>
        <translation> Fin de partie (joué une fois quand le temps est écoulé)  – gameover.wav</translation>
    </message>
</context>
<context>
    <name>TickModes</name>
    <message>
        <source>Play Each Second (CountDown and In-Game)</source>
        <translation>Chaque seconde (compte à rebours et partie)</translation>
    </message>
    <message>
        <source>Play Each Second (CountDown)</source>
        <translation>Chaque seconde (compte à rebours)</translation>
    </message>
    <message>
        <source>Play Each Second (In-Game)</source>
        <translation>Chaque seconde (partie)</translation>
    </message>
    <message>
        <source>Play Once (CountDown and In-Game)</source>
        <translation>Une fois (compte à rebours et partie)</translation>
    </message>
    <message>
        <source>Play Once (CountDown)</source>
        <translation>Une fois (compte à rebours)</translation>
    </message>
    <message>
        <source>Play Once (In-Game)</source>
        <translation>Une fois (partie)</translation>
    </message>
</context>
</TS>
