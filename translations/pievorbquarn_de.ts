<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Ever wished you could be the one pushing the pie into that face? With this game, now you can!</source>
        <translation>Wolltest du schon immer derjenige sein, der diesem Gesicht die Torte verpasst? Mit diesem Spiel kannst du es!</translation>
    </message>
    <message>
        <source>Web Site:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Visit my</source>
        <translation>Besuche meine</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Emblem von %1</translation>
    </message>
    <message>
        <source>Pie Vorb Quarn Audio System Failed...</source>
        <translation>Pie Vorb Quarn: Tonausgabe fehlgeschlagen …</translation>
    </message>
    <message>
        <source>This was probably because WAVE device in use on startup</source>
        <translation>Wahrscheinlich war das Audiogerät beim Start belegt</translation>
    </message>
    <message>
        <source>Pie Vorb Quarn Audio System Enabled!</source>
        <translation>Pie Vorb Quarn: Tonausgabe aktiv!</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Erstellt von</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Abort game</source>
        <translation>Spiel abbrechen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Kein Audiogerät</translation>
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
        <translation>Über das aktuelle Bilderset …</translation>
    </message>
    <message>
        <source>Image Set Title:</source>
        <translation>Titel des Bildersets:</translation>
    </message>
    <message>
        <source>Image Set Author:</source>
        <translation>Autor des Bildersets:</translation>
    </message>
    <message>
        <source>Author&apos;s E-mail Address:</source>
        <translation>E-Mail-Adresse des Autors:</translation>
    </message>
    <message>
        <source>Author&apos;s Web Site:</source>
        <translation>Website des Autors:</translation>
    </message>
    <message>
        <source>Image Set Comment:</source>
        <translation>Kommentar zum Bilderset:</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Extracting sound data (startup)</source>
        <translation>Klangdaten werden übernommen (Start)</translation>
    </message>
    <message>
        <source> Program Startup/File Loaded Sound (only used when set loaded)  - startup.wav</source>
        <translation> Klang beim Programmstart/Laden (nur beim Laden des Sets)  – startup.wav</translation>
    </message>
    <message>
        <source>Extracting sound data (Tick)</source>
        <translation>Klangdaten werden übernommen (Ticken)</translation>
    </message>
    <message>
        <source> Ticking Clock Sound  - tick.wav</source>
        <translation> Tickende Uhr  – tick.wav</translation>
    </message>
    <message>
        <source>Extracting sound data (Splat!)</source>
        <translation>Klangdaten werden übernommen (Platsch!)</translation>
    </message>
    <message>
        <source> Splat Sound (heard when the player clicks on a popped up picture) - splat.wav</source>
        <translation> Platsch (wenn ein aufgetauchtes Bild getroffen wird) – splat.wav</translation>
    </message>
    <message>
        <source>Extracting sound data (End)</source>
        <translation>Klangdaten werden übernommen (Ende)</translation>
    </message>
    <message>
        <source> End of game sound (sound played when time runs out, played once)  - gameover.wav</source>
        <translation> Spielende (einmal gespielt, wenn die Zeit abgelaufen ist)  – gameover.wav</translation>
    </message>
</context>
<context>
    <name>TickModes</name>
    <message>
        <source>Play Each Second (CountDown and In-Game)</source>
        <translation>Jede Sekunde (Countdown und Spiel)</translation>
    </message>
    <message>
        <source>Play Each Second (CountDown)</source>
        <translation>Jede Sekunde (Countdown)</translation>
    </message>
    <message>
        <source>Play Each Second (In-Game)</source>
        <translation>Jede Sekunde (Spiel)</translation>
    </message>
    <message>
        <source>Play Once (CountDown and In-Game)</source>
        <translation>Einmal (Countdown und Spiel)</translation>
    </message>
    <message>
        <source>Play Once (CountDown)</source>
        <translation>Einmal (Countdown)</translation>
    </message>
    <message>
        <source>Play Once (In-Game)</source>
        <translation>Einmal (Spiel)</translation>
    </message>
</context>
</TS>
