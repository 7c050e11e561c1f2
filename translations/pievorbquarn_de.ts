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
        <source>This was probably because WAVE device in use on startup</source>
        <translation>Wahrscheinlich war das Audiogerät beim Start belegt</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Erstellt von</translation>
    </message>
    <message>
        <source>%1 Audio System Failed...</source>
        <translation>%1: Tonausgabe fehlgeschlagen …</translation>
    </message>
    <message>
        <source>%1 Audio System Enabled!</source>
        <translation>%1: Tonausgabe aktiv!</translation>
    </message>
</context>
<context>
    <name>BackgroundMusic</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>There is no tune player to play the tune with.</source>
        <translation>Es gibt keinen Spieler, der die Melodie abspielen kann.</translation>
    </message>
    <message>
        <source>The tune cannot be written to %1: %2</source>
        <translation>Die Melodie kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BmpDecode</name>
    <message>
        <source>it does not start like a BMP file</source>
        <translation>Es beginnt nicht wie eine BMP-Datei</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>Sein Dateikopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>its header is of an unknown kind</source>
        <translation>Sein Dateikopf ist von unbekannter Art</translation>
    </message>
    <message>
        <source>its colour depth is not supported</source>
        <translation>Seine Farbtiefe wird nicht unterstützt</translation>
    </message>
    <message>
        <source>its compression is not supported</source>
        <translation>Seine Kompression wird nicht unterstützt</translation>
    </message>
    <message>
        <source>it has no pixels</source>
        <translation>Es hat keine Pixel</translation>
    </message>
    <message>
        <source>its colour table is too large</source>
        <translation>Seine Farbtabelle ist zu groß</translation>
    </message>
    <message>
        <source>its compressed data has no declared size</source>
        <translation>Für seine komprimierten Daten ist keine Größe angegeben</translation>
    </message>
    <message>
        <source>its pixel data is shorter than its header says</source>
        <translation>Seine Pixeldaten sind kürzer, als sein Dateikopf angibt</translation>
    </message>
    <message>
        <source>Unable to read a picture of this set as a BMP file: %1.</source>
        <translation>Ein Bild dieses Sets lässt sich nicht als BMP-Datei lesen: %1.</translation>
    </message>
    <message>
        <source>it is larger than %1 x %2 pixels</source>
        <translation>Es ist größer als %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>Das Bild ist zu groß</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>Es ist keine Datei</translation>
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
    <name>BoardFile</name>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>das ist ein symbolischer Link, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>in use by another copy of the game</source>
        <translation>von einer anderen Instanz des Spiels belegt</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Throw cream pies at Vorb Quarn before he sinks back.</source>
        <translation>Wirf Sahnetorten auf Vorb Quarn, bevor er wieder abtaucht.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Build an image set from the INI manifest MANIFEST and write it to OUT, then quit. The manifest has three groups; paths are relative to it.
[set] title (required), author, email, web, comment, congratulation-prefix, congratulation-suffix, rating1 ... rating8, page-colour and title-colour (#RRGGBB), tick-mode (0-5), cursor (1-7 or a picture file), hot-spot (x,y).
[pictures] figure and splat (required: the target and splat strips), title, numbers, count, misc (PNG, JPEG, GIF, BMP, WebP, TIFF; the built-in picture when absent).
[sounds] startup, tick, splat, gameover (WAV, FLAC, Ogg, Opus, MP3), tune (MIDI).
Put a text holding a comma in double quotes. Warnings go to stderr; on any refusal nothing is written and the exit code is 1.</source>
        <translation>Ein Bilderset aus dem INI-Manifest MANIFEST bauen, nach AUSGABE schreiben und beenden. Das Manifest hat drei Gruppen; Pfade gelten relativ zu ihm.
[set] title (Pflicht), author, email, web, comment, congratulation-prefix, congratulation-suffix, rating1 ... rating8, page-colour und title-colour (#RRGGBB), tick-mode (0-5), cursor (1-7 oder eine Bilddatei), hot-spot (x,y).
[pictures] figure und splat (Pflicht: die Ziel- und Platschleisten), title, numbers, count, misc (PNG, JPEG, GIF, BMP, WebP, TIFF; fehlt eines, gilt das eingebaute Bild).
[sounds] startup, tick, splat, gameover (WAV, FLAC, Ogg, Opus, MP3), tune (MIDI).
Einen Text mit Komma in doppelte Anführungszeichen setzen. Warnungen gehen nach stderr; bei jeder Ablehnung wird nichts geschrieben und der Rückgabewert ist 1.</translation>
    </message>
    <message>
        <source>Image set (.set or .xet) to start with.</source>
        <translation>Bilderset (.set oder .xet), mit dem das Spiel startet.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>--make-set needs a manifest and an output file</source>
        <translation>--make-set braucht ein Manifest und eine Ausgabedatei</translation>
    </message>
    <message>
        <source>only one set file can be given</source>
        <translation>nur eine Setdatei ist erlaubt</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>CreationProgressDialog</name>
    <message>
        <source>Creating eXtended Image Set File...</source>
        <translation>eXtended-Bildersetdatei wird erstellt …</translation>
    </message>
    <message>
        <source>Attempting to create image set file, please wait...</source>
        <translation>Bildersetdatei wird erstellt, bitte warten …</translation>
    </message>
    <message>
        <source>I m a g e    S e t    C r e a t i o n    P r o g r e s s . . .</source>
        <translation>B i l d e r s e t    w i r d    e r s t e l l t . . .</translation>
    </message>
</context>
<context>
    <name>CursorSetupDialog</name>
    <message>
        <source>Custom Cursor Setup</source>
        <translation>Eigenen Mauszeiger einrichten</translation>
    </message>
    <message>
        <source>Cursor Test Area</source>
        <translation>Testbereich für den Mauszeiger</translation>
    </message>
    <message>
        <source>Test Button (does nothing)</source>
        <translation>Testknopf (macht nichts)</translation>
    </message>
    <message>
        <source>Normal Cursor</source>
        <translation>Normaler Mauszeiger</translation>
    </message>
    <message>
        <source> &amp;Hot Spot (where click point is) </source>
        <translation> &amp;Hotspot (wo der Klickpunkt liegt) </translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
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
    <name>FluidMidiPlayer</name>
    <message>
        <source>The MIDI synthesizer cannot be set up.</source>
        <translation>Der MIDI-Synthesizer lässt sich nicht einrichten.</translation>
    </message>
    <message>
        <source>The soundfont %1 cannot be loaded.</source>
        <translation>Die SoundFont %1 lässt sich nicht laden.</translation>
    </message>
    <message>
        <source>The music file %1 cannot be opened: %2</source>
        <translation>Die Musikdatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The file is not a MIDI file.</source>
        <translation>Die Datei ist keine MIDI-Datei.</translation>
    </message>
    <message>
        <source>The MIDI player cannot be set up.</source>
        <translation>Der MIDI-Player lässt sich nicht einrichten.</translation>
    </message>
    <message>
        <source>The MIDI data cannot be read.</source>
        <translation>Die MIDI-Daten lassen sich nicht lesen.</translation>
    </message>
    <message>
        <source>No audio output is available for the music.</source>
        <translation>Für die Musik ist keine Audioausgabe verfügbar.</translation>
    </message>
    <message>
        <source>The background music cannot be played.</source>
        <translation>Die Hintergrundmusik lässt sich nicht abspielen.</translation>
    </message>
    <message>
        <source>The tune ended at once without playing a note.</source>
        <translation>Die Melodie endete sofort, ohne eine Note zu spielen.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1, %2, Created by %3</source>
        <translation>%1, %2, erstellt von %3</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>Your score could not be saved:
%1</source>
        <translation>Deine Punktzahl ließ sich nicht speichern:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The score board could not be emptied:
%1</source>
        <translation>Die Bestenliste ließ sich nicht leeren:
%1</translation>
    </message>
    <message>
        <source>Custom &amp;Image Sets</source>
        <translation>&amp;Eigene Bildersets</translation>
    </message>
    <message>
        <source>Choose Image &amp;Set...</source>
        <translation>Bilderset &amp;wählen …</translation>
    </message>
    <message>
        <source>Reset %1 to Defaults</source>
        <translation>%1 auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Load &amp;BMP images for game...</source>
        <translation>&amp;BMP-Bilder für das Spiel laden …</translation>
    </message>
    <message>
        <source>&amp;Load Custom Image Set...</source>
        <translation>Eigenes Bilderset &amp;laden …</translation>
    </message>
    <message>
        <source>&amp;About Current Image Set...</source>
        <translation>Über das &amp;aktuelle Bilderset …</translation>
    </message>
    <message>
        <source>Use eXtended Image Set Creation &amp;Wizard...</source>
        <translation>Assistenten zum &amp;Erstellen von eXtended-Bildersets starten …</translation>
    </message>
    <message>
        <source>&amp;View Local Highscore Table...</source>
        <translation>&amp;Lokale Bestenliste anzeigen …</translation>
    </message>
    <message>
        <source>&amp;Goto %1 Website...</source>
        <translation>&amp;Website von %1 besuchen …</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>&amp;Über %1 …</translation>
    </message>
    <message>
        <source>&amp;Quit...</source>
        <translation>&amp;Beenden …</translation>
    </message>
    <message>
        <source>Quit %1? Really?</source>
        <translation>%1 beenden? Wirklich?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Beenden?</translation>
    </message>
</context>
<context>
    <name>GameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>The Highscore table on the internet has now been removed because I no longer have time to update it...</source>
        <translation>Die Bestenliste im Internet gibt es nicht mehr, weil ich keine Zeit mehr habe, sie zu pflegen …</translation>
    </message>
    <message>
        <source>Visit my Web Site at:</source>
        <translation>Besuche meine Website:</translation>
    </message>
    <message>
        <source>&amp;Add to Local HighScore Board...</source>
        <translation>In die lokale Bestenliste &amp;eintragen …</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ImageGroupDialog</name>
    <message>
        <source>Add/Edit Image Group</source>
        <translation>Bildgruppe hinzufügen/bearbeiten</translation>
    </message>
    <message>
        <source>Each group of images is made up of two BMP files.  The first (pict1.bmp) contains the picture appearing, the second (pict2.bmp) contains the animation of what happens when the player clicks on the image (for example a pie dripping down a face).</source>
        <translation>Jede Bildgruppe besteht aus zwei BMP-Dateien.  Die erste (pict1.bmp) enthält das auftauchende Bild, die zweite (pict2.bmp) die Animation dessen, was geschieht, wenn der Spieler auf das Bild klickt (zum Beispiel eine Torte, die an einem Gesicht herunterläuft).</translation>
    </message>
    <message>
        <source>pict1.bmp:</source>
        <translation>Datei pict1.bmp:</translation>
    </message>
    <message>
        <source>Please select popping up image (pict1.bmp)</source>
        <translation>Bitte wähle das auftauchende Bild (pict1.bmp)</translation>
    </message>
    <message>
        <source>pict2.bmp:</source>
        <translation>Datei pict2.bmp:</translation>
    </message>
    <message>
        <source>Please select splating image (pict2.bmp)</source>
        <translation>Bitte wähle das Platschbild (pict2.bmp)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please select/edit/type the filenames for the two files as follows:</source>
        <translation>Bitte wähle, bearbeite oder tippe die Namen der beiden Dateien wie folgt:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Error, file for %1 cannot be found...</source>
        <translation>Fehler, die Datei für %1 ist nicht zu finden …</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Click for a menu of commands/controls for this game</source>
        <translation>Klicke für ein Menü mit Befehlen und Einstellungen für dieses Spiel</translation>
    </message>
</context>
<context>
    <name>MakeSet</name>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>is too large to be a manifest</source>
        <translation>ist zu groß für ein Manifest</translation>
    </message>
    <message>
        <source>is not a regular file to write the set to</source>
        <translation>ist keine reguläre Datei, in die das Set geschrieben werden kann</translation>
    </message>
    <message>
        <source>is not an INI file</source>
        <translation>ist keine INI-Datei</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>missing required key %1</source>
        <translation>Pflichtschlüssel %1 fehlt</translation>
    </message>
    <message>
        <source>%1 must be a colour like #RRGGBB</source>
        <translation>%1 muss eine Farbe wie #RRGGBB sein</translation>
    </message>
    <message>
        <source>set/tick-mode must be 0 to %1</source>
        <translation>set/tick-mode muss 0 bis %1 sein</translation>
    </message>
    <message>
        <source>set/cursor must be 1 to 7 or a picture file</source>
        <translation>set/cursor muss 1 bis 7 oder eine Bilddatei sein</translation>
    </message>
    <message>
        <source>set/hot-spot must be x,y with each 0 to 31</source>
        <translation>set/hot-spot muss x,y mit jeweils 0 bis 31 sein</translation>
    </message>
    <message>
        <source>cannot be found</source>
        <translation>ist nicht zu finden</translation>
    </message>
</context>
<context>
    <name>MidiCheck</name>
    <message>
        <source>a delta time is cut short or too long in track %1</source>
        <translation>In Spur %1 ist eine Delta-Zeit abgeschnitten oder zu lang</translation>
    </message>
    <message>
        <source>an event is missing after its delta time in track %1</source>
        <translation>In Spur %1 fehlt nach einer Delta-Zeit das Ereignis</translation>
    </message>
    <message>
        <source>a data byte stands where an event should begin in track %1</source>
        <translation>In Spur %1 steht ein Datenbyte, wo ein Ereignis beginnen sollte</translation>
    </message>
    <message>
        <source>a channel event is cut short in track %1</source>
        <translation>In Spur %1 ist ein Kanalereignis abgeschnitten</translation>
    </message>
    <message>
        <source>a channel event lacks its data bytes in track %1</source>
        <translation>In Spur %1 fehlen einem Kanalereignis seine Datenbytes</translation>
    </message>
    <message>
        <source>a system exclusive message is cut short in track %1</source>
        <translation>In Spur %1 ist eine System-Exclusive-Nachricht abgeschnitten</translation>
    </message>
    <message>
        <source>a meta event is cut short in track %1</source>
        <translation>In Spur %1 ist ein Meta-Ereignis abgeschnitten</translation>
    </message>
    <message>
        <source>a system message that has no place in a file in track %1</source>
        <translation>In Spur %1 steht eine Systemnachricht, die in einer Datei nichts zu suchen hat</translation>
    </message>
    <message>
        <source>The file is not a MIDI file.</source>
        <translation>Die Datei ist keine MIDI-Datei.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: its header chunk has a wrong length.</source>
        <translation>Die MIDI-Daten sind beschädigt: Ihr Header-Chunk hat eine falsche Länge.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: unknown file format %1.</source>
        <translation>Die MIDI-Daten sind beschädigt: unbekanntes Dateiformat %1.</translation>
    </message>
    <message>
        <source>The MIDI data holds no tracks.</source>
        <translation>Die MIDI-Daten enthalten keine Spuren.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: its time division is zero.</source>
        <translation>Die MIDI-Daten sind beschädigt: Ihre Zeitauflösung ist null.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: the header announces %1 tracks but the file holds %2.</source>
        <translation>Die MIDI-Daten sind beschädigt: Der Header kündigt %1 Spuren an, die Datei enthält aber %2.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: a chunk is cut short.</source>
        <translation>Die MIDI-Daten sind beschädigt: Ein Chunk ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: %1.</source>
        <translation>Die MIDI-Daten sind beschädigt: %1.</translation>
    </message>
    <message>
        <source>The MIDI data holds no notes to play.</source>
        <translation>Die MIDI-Daten enthalten keine Noten zum Spielen.</translation>
    </message>
</context>
<context>
    <name>MidiFormat</name>
    <message>
        <source>File %1 cannot be found...</source>
        <translation>Datei %1 ist nicht zu finden …</translation>
    </message>
    <message>
        <source>File %1 is not a recognised MIDI file...</source>
        <translation>Datei %1 ist keine erkannte MIDI-Datei …</translation>
    </message>
    <message>
        <source>File %1 is larger than 4 MB, the most a tune may take...</source>
        <translation>Datei %1 ist größer als 4 MB, die eine Melodie höchstens belegen darf …</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>is not a picture this program reads</source>
        <translation>ist kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>does not say how large it is</source>
        <translation>nennt seine Größe nicht</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; this picture may be at most %3 x %4</source>
        <translation>hat %1 x %2 Pixel; dieses Bild darf höchstens %3 x %4 groß sein</translation>
    </message>
    <message>
        <source>is damaged: %1</source>
        <translation>ist beschädigt: %1</translation>
    </message>
    <message>
        <source>Pictures (%1)|%2|All Files (*.*)|*.*</source>
        <translation>Bilder (%1)|%2|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>There is no home folder (HOME is not set).</source>
        <translation>Es gibt keinen persönlichen Ordner (HOME ist nicht gesetzt).</translation>
    </message>
</context>
<context>
    <name>PlayerNameDialog</name>
    <message>
        <source>Local HighScore Board</source>
        <translation>Lokale Bestenliste</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>You must enter a name to be added to the high score table...</source>
        <translation>Du musst einen Namen eingeben, um in die Bestenliste zu kommen …</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>The scores have no place to be kept: there is no home folder (HOME is not set).</source>
        <translation>Die Punkte lassen sich nirgends aufbewahren: Es gibt keinen persönlichen Ordner (HOME ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>The scores have no place to be kept: the program&apos;s folder cannot be written, and there is no home folder (HOME is not set).</source>
        <translation>Die Punkte lassen sich nirgends aufbewahren: In den Ordner des Programms kann nicht geschrieben werden, und es gibt keinen persönlichen Ordner (HOME ist nicht gesetzt).</translation>
    </message>
</context>
<context>
    <name>ScoreBoardModel</name>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>ScoreTableWindow</name>
    <message>
        <source>Local Highscore Table...</source>
        <translation>Lokale Bestenliste …</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Reset Score-board</source>
        <translation>Bestenliste &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Remove all entires from score board? really?</source>
        <translation>Alle Einträge aus der Bestenliste entfernen? Wirklich?</translation>
    </message>
    <message>
        <source>Really delete score board?</source>
        <translation>Bestenliste wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>SetChooserDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No preview</source>
        <translation>Keine Vorschau</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Antwortet nicht</translation>
    </message>
    <message>
        <source>Drawing preview...</source>
        <translation>Vorschau wird gezeichnet …</translation>
    </message>
    <message>
        <source>by </source>
        <translation>von </translation>
    </message>
    <message>
        <source>  ·  in use</source>
        <translation>  ·  in Gebrauch</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Suche …</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source>no sounds</source>
        <translation>keine Klänge</translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 Klang</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 Klänge</translation>
    </message>
    <message>
        <source>tune</source>
        <translation>Melodie</translation>
    </message>
    <message>
        <source>no tune</source>
        <translation>keine Melodie</translation>
    </message>
    <message>
        <source>Choose Image Set</source>
        <translation>Bilderset wählen</translation>
    </message>
    <message>
        <source>A sets folder is not answering.</source>
        <translation>Ein Set-Ordner antwortet nicht.</translation>
    </message>
    <message>
        <source>A file loaded lately is not answering.</source>
        <translation>Eine kürzlich geladene Datei antwortet nicht.</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>&amp;Add Set...</source>
        <translation>Set &amp;hinzufügen …</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Looking for sets...</source>
        <translation>Sets werden gesucht …</translation>
    </message>
    <message>
        <source>Please select an image set to add:</source>
        <translation>Bitte wähle ein Bilderset zum Hinzufügen:</translation>
    </message>
    <message>
        <source>%1 cannot be added:
%2</source>
        <translation>%1 lässt sich nicht hinzufügen:
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from your sets folder?  Its file %2 is deleted.</source>
        <translation>„%1“ aus deinem Set-Ordner entfernen?  Seine Datei %2 wird gelöscht.</translation>
    </message>
    <message>
        <source>Remove Image Set</source>
        <translation>Bilderset entfernen</translation>
    </message>
    <message>
        <source>The file %1 has changed since the list was made, so it was not deleted. The list now shows it as it is.</source>
        <translation>Die Datei %1 hat sich seit dem Erstellen der Liste geändert und wurde darum nicht gelöscht. Die Liste zeigt sie jetzt, wie sie ist.</translation>
    </message>
    <message>
        <source>The file %1 could not be deleted: %2</source>
        <translation>Die Datei %1 ließ sich nicht löschen: %2</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please select a PieVorbQuarn image set to use:</source>
        <translation>Bitte wähle ein PieVorbQuarn-Bilderset aus:</translation>
    </message>
    <message>
        <source>Error, unable to open file...</source>
        <translation>Fehler, die Datei lässt sich nicht öffnen …</translation>
    </message>
    <message>
        <source>Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*</source>
        <translation>Bitmap-Dateien (*.BMP)|*.BMP|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Please select Bitmap file 1 (PICT1.BMP)</source>
        <translation>Bitte wähle Bitmap-Datei 1 (PICT1.BMP)</translation>
    </message>
    <message>
        <source>Please select Bitmap file 2 (PICT2.BMP)</source>
        <translation>Bitte wähle Bitmap-Datei 2 (PICT2.BMP)</translation>
    </message>
</context>
<context>
    <name>SetCreationWizard</name>
    <message>
        <source>Normal Pie Image</source>
        <translation>Normale Torte</translation>
    </message>
    <message>
        <source>Finger Cursor</source>
        <translation>Fingerzeiger</translation>
    </message>
    <message>
        <source>Cross Hair Target</source>
        <translation>Fadenkreuz</translation>
    </message>
    <message>
        <source>Double Barreled Shotgun</source>
        <translation>Doppelläufige Schrotflinte</translation>
    </message>
    <message>
        <source>Dart Board Target 1</source>
        <translation>Dartscheibe 1</translation>
    </message>
    <message>
        <source>Dart Board Target 2</source>
        <translation>Dartscheibe 2</translation>
    </message>
    <message>
        <source>Weird Triangle</source>
        <translation>Seltsames Dreieck</translation>
    </message>
    <message>
        <source>Custom Cursor...</source>
        <translation>Eigener Mauszeiger …</translation>
    </message>
    <message>
        <source>Select startup sound</source>
        <translation>Startklang auswählen</translation>
    </message>
    <message>
        <source>Select ticking sound</source>
        <translation>Tickklang auswählen</translation>
    </message>
    <message>
        <source>Select splat sound</source>
        <translation>Platschklang auswählen</translation>
    </message>
    <message>
        <source>Select end of game sound</source>
        <translation>Klang für das Spielende auswählen</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>The graphics of the game can be overridden here; example pictures came with the program.  Leave a file name blank to keep the built-in graphic.</source>
        <translation>Hier lassen sich die Grafiken des Spiels ersetzen; Beispielbilder liegen dem Programm bei.  Lass einen Dateinamen leer, um die eingebaute Grafik zu behalten.</translation>
    </message>
    <message>
        <source>PNG, JPEG, GIF, BMP, WebP or TIFF: see-through parts are filled with the page colour.</source>
        <translation>PNG, JPEG, GIF, BMP, WebP oder TIFF: Durchsichtige Stellen werden mit der Seitenfarbe gefüllt.</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#c80000&apos;&gt;NOTE:&lt;/span&gt; NB: Sizes of example pictures differ from actual picture sizes...</source>
        <translation>&lt;span style=&apos;color:#c80000&apos;&gt;HINWEIS:&lt;/span&gt; Die Beispielbilder sind anders groß als die tatsächlichen Bilder …</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>&amp;Example:</source>
        <translation>&amp;Beispiel:</translation>
    </message>
    <message>
        <source>The sounds of the game can be replaced too.  Keep them small: every sound goes into the set file and makes it larger.  Leave a name blank for no sound.</source>
        <translation>Auch die Klänge des Spiels lassen sich ersetzen.  Halte sie klein: Jeder Klang kommt in die Setdatei und macht sie größer.  Lass einen Namen leer, wenn kein Klang erklingen soll.</translation>
    </message>
    <message>
        <source>WAV, FLAC, Ogg, Opus or MP3 of any rate: each is stored as mono, 8-bit, 11025 Hz (Play lets you hear it).</source>
        <translation>WAV, FLAC, Ogg, Opus oder MP3 mit beliebiger Abtastrate: Jeder Klang wird als Mono, 8 Bit, 11025 Hz gespeichert (mit „Abspielen“ hörst du ihn dir an).</translation>
    </message>
    <message>
        <source>&amp;Image Set Name:</source>
        <translation>&amp;Name des Bildersets:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>A&amp;utor:</translation>
    </message>
    <message>
        <source>&amp;Email Address:</source>
        <translation>&amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Author&apos;s URL:</source>
        <translation>URL des Autors:</translation>
    </message>
    <message>
        <source>Set Comments:</source>
        <translation>Kommentare zum Set:</translation>
    </message>
    <message>
        <source>&amp;End of game Message:</source>
        <translation>Meldung am &amp;Spielende:</translation>
    </message>
    <message>
        <source>End of game Message, second part</source>
        <translation>Meldung am Spielende, zweiter Teil</translation>
    </message>
    <message>
        <source>End of Game Score Comments:</source>
        <translation>Kommentare zur Punktzahl am Spielende:</translation>
    </message>
    <message>
        <source>Score:   Comment:</source>
        <translation>Punkte:   Kommentar:</translation>
    </message>
    <message>
        <source>Comment for a score of %1</source>
        <translation>Kommentar für eine Punktzahl von %1</translation>
    </message>
    <message>
        <source>Custom Cursor: 16 Colour BMP picture, 32x32 pixels where:</source>
        <translation>Eigener Mauszeiger: BMP-Bild mit 16 Farben, 32x32 Pixel, wobei gilt:</translation>
    </message>
    <message>
        <source>Black = Black</source>
        <translation>Schwarz = Schwarz</translation>
    </message>
    <message>
        <source>Red = Inverted With Background</source>
        <translation>Rot = invertiert mit dem Hintergrund</translation>
    </message>
    <message>
        <source>Other Colours = Transparent</source>
        <translation>Andere Farben = durchsichtig</translation>
    </message>
    <message>
        <source>White = White</source>
        <translation>Weiß = Weiß</translation>
    </message>
    <message>
        <source>An image set may show more than one target picture.  It needs two pictures: one holding the images of the target appearing, and one holding the pie (splat) images.  Every 108 rows of picture hold one target: 107 rows of frames and one divider row, so taller pictures give the game more targets to throw at.</source>
        <translation>Ein Bilderset kann mehr als ein Zielbild zeigen.  Es braucht zwei Bilder: eines mit den Bildern des auftauchenden Ziels und eines mit den Bildern der Torte (Platsch).  Je 108 Bildzeilen enthalten ein Ziel: 107 Zeilen Einzelbilder und eine Trennzeile; höhere Bilder geben dem Spiel also mehr Ziele zum Bewerfen.</translation>
    </message>
    <message>
        <source> Pict1.bmp </source>
        <translation> Datei Pict1.bmp </translation>
    </message>
    <message>
        <source> Pict2.bmp </source>
        <translation> Datei Pict2.bmp </translation>
    </message>
    <message>
        <source>Change Image &amp;Files...</source>
        <translation>Bild&amp;dateien ändern …</translation>
    </message>
    <message>
        <source> Title Bar:  (594x31 Pixels  - title.bmp) </source>
        <translation> Titelleiste:  (594x31 Pixel  - title.bmp) </translation>
    </message>
    <message>
        <source>&amp;Set Background Colour...</source>
        <translation>&amp;Hintergrundfarbe festlegen …</translation>
    </message>
    <message>
        <source> Number Strip:  (300x51 Pixels  - numbers.bmp) </source>
        <translation> Ziffernleiste:  (300x51 Pixel  - numbers.bmp) </translation>
    </message>
    <message>
        <source> Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) </source>
        <translation> Countdown und Meldungen („Spiel vorbei“ und „Hier klicken“): (671x107 Pixel  - count.bmp) </translation>
    </message>
    <message>
        <source>&amp;Set Page Background Colour...</source>
        <translation>&amp;Seitenhintergrundfarbe festlegen …</translation>
    </message>
    <message>
        <source> Misc Extras  (Words &quot;Time,&quot; &quot;Score,&quot; and the base to the pop up boxes): (111x124 Pixels  - miscpics.bmp) </source>
        <translation> Verschiedenes  (die Wörter „Zeit“ und „Punkte“ sowie der Sockel der aufspringenden Kästen): (111x124 Pixel  - miscpics.bmp) </translation>
    </message>
    <message>
        <source>Select Title File</source>
        <translation>Titeldatei auswählen</translation>
    </message>
    <message>
        <source>Select Numbers File</source>
        <translation>Ziffern-Datei auswählen</translation>
    </message>
    <message>
        <source>Select Countdown and Messages File</source>
        <translation>Datei für Countdown und Meldungen auswählen</translation>
    </message>
    <message>
        <source>Select Extra Graphics File</source>
        <translation>Datei für Zusatzgrafiken auswählen</translation>
    </message>
    <message>
        <source>Custom Wave &amp;Filename:</source>
        <translation>Eigener Wave-&amp;Dateiname:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ab&amp;spielen</translation>
    </message>
    <message>
        <source>Plays the sound as the set will store it: mono, 11025 Hz, 8-bit</source>
        <translation>Spielt den Klang so ab, wie das Set ihn speichert: Mono, 11025 Hz, 8 Bit</translation>
    </message>
    <message>
        <source>When the tick sound plays</source>
        <translation>Wann der Tickklang spielt</translation>
    </message>
    <message>
        <source> Background MIDI File (midi file played during game) </source>
        <translation> MIDI-Hintergrundmusik (MIDI-Datei, die während des Spiels läuft) </translation>
    </message>
    <message>
        <source>Custom MIDI &amp;Filename:</source>
        <translation>Eigener MIDI-&amp;Dateiname:</translation>
    </message>
    <message>
        <source>Select MIDI sequence for in-game music</source>
        <translation>MIDI-Sequenz für die Spielmusik auswählen</translation>
    </message>
    <message>
        <source>Here you can change the messages shown at the end of a game, and tell the players about this set and its author.</source>
        <translation>Hier kannst du die Meldungen am Ende eines Spiels ändern und den Spielern etwas über dieses Set und seinen Autor erzählen.</translation>
    </message>
    <message>
        <source>The mouse cursor used during play can be one of the 7 built-in cursors, or your own cursor made from a picture.</source>
        <translation>Der Mauszeiger im Spiel kann einer der 7 eingebauten Mauszeiger sein oder dein eigener, aus einem Bild gemachter.</translation>
    </message>
    <message>
        <source>Choose Cursor:</source>
        <translation>Mauszeiger wählen:</translation>
    </message>
    <message>
        <source> Custom Cursor Setup - cursor.bmp </source>
        <translation> Eigener Mauszeiger - cursor.bmp </translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
    <message>
        <source>Cursor BMP &amp;Filename:</source>
        <translation>Mauszeiger-BMP-Datei&amp;name:</translation>
    </message>
    <message>
        <source>Setup Custom Cursor...</source>
        <translation>Eigenen Mauszeiger einrichten …</translation>
    </message>
    <message>
        <source>Select cursor picture...</source>
        <translation>Mauszeigerbild auswählen …</translation>
    </message>
    <message>
        <source>The last step in this creation process is to specify the output filename:  (ending in .XET)</source>
        <translation>Als letzter Schritt fehlt noch der Name der Ausgabedatei:  (mit der Endung .XET)</translation>
    </message>
    <message>
        <source>Output Filename:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>Enter new .XET filename:</source>
        <translation>Neuen .XET-Dateinamen eingeben:</translation>
    </message>
    <message>
        <source>WARNING: There might not be enough available free space on this disk to continue...</source>
        <translation>WARNUNG: Auf diesem Laufwerk ist möglicherweise nicht genug Platz frei, um fortzufahren …</translation>
    </message>
    <message>
        <source>&amp;Refresh Sizes</source>
        <translation>Größen a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Create eXtended Image Set File!</source>
        <translation>eXtended-Bildersetdatei &amp;erstellen!</translation>
    </message>
    <message>
        <source>Estimated Image Set filesize:</source>
        <translation>Geschätzte Größe der Bildersetdatei:</translation>
    </message>
    <message>
        <source>Space available on chosen drive:</source>
        <translation>Freier Platz auf dem gewählten Laufwerk:</translation>
    </message>
    <message>
        <source>%1 - Create New eXtended Image Set Wizard</source>
        <translation>%1 - Assistent zum Erstellen eines neuen eXtended-Bildersets</translation>
    </message>
    <message>
        <source>This wizard creates an eXtended Image Set, which lets you change the graphics and sound of %1.  Please follow the prompts on each step.</source>
        <translation>Dieser Assistent erstellt ein eXtended-Bilderset, mit dem du Grafik und Klänge von %1 ändern kannst.  Bitte folge bei jedem Schritt den Anweisungen.</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>cannot be used</source>
        <translation>unbrauchbar</translation>
    </message>
    <message>
        <source>Discard the set you are making? Everything filled in on these steps will be lost.</source>
        <translation>Das Set, an dem du arbeitest, verwerfen? Alles, was du in diesen Schritten ausgefüllt hast, geht verloren.</translation>
    </message>
    <message>
        <source>Discard the new set?</source>
        <translation>Neues Set verwerfen?</translation>
    </message>
    <message>
        <source>Set draft</source>
        <translation>Set-Entwurf</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>%1 bytes   (%2k)</source>
        <translation>%1 Bytes   (%2k)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error, bitmap file not found...</source>
        <translation>Fehler, Bitmap-Datei nicht gefunden …</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff)|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.aif;*.aiff|All Files (*.*)|*.*</source>
        <translation>Klänge (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff)|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.aif;*.aiff|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*</source>
        <translation>MIDI-Dateien (*.MID,*.RMI)|*.mid;*.rmi|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>eXtended Image Set (*.XET)|*.xet|All Files (*.*)|*.*</source>
        <translation>eXtended-Bilderset (*.XET)|*.xet|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 bytes  (%2k)</source>
        <translation>%1 Bytes  (%2k)</translation>
    </message>
    <message>
        <source>Sucess!</source>
        <translation>Erfolg!</translation>
    </message>
    <message>
        <source>The new set is written. Use it now?</source>
        <translation>Das neue Set ist geschrieben. Jetzt verwenden?</translation>
    </message>
    <message>
        <source>Use the new set</source>
        <translation>Neues Set verwenden</translation>
    </message>
    <message>
        <source>Play the tune</source>
        <translation>Die Melodie abspielen</translation>
    </message>
    <message>
        <source>Plays the tune as the set will store it</source>
        <translation>Spielt die Melodie so, wie das Set sie speichern wird</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>Cannot find the specified images...</source>
        <translation>Die angegebenen Bilder sind nicht zu finden …</translation>
    </message>
    <message>
        <source>One of the above specified files cound not be found...</source>
        <translation>Eine der oben angegebenen Dateien wurde nicht gefunden …</translation>
    </message>
    <message>
        <source>This image set has no name...</source>
        <translation>Dieses Bilderset hat keinen Namen …</translation>
    </message>
    <message>
        <source>Cursor BMP file was not found...</source>
        <translation>Die Mauszeiger-BMP-Datei wurde nicht gefunden …</translation>
    </message>
    <message>
        <source>Cursor BMP file could not be loaded...</source>
        <translation>Die Mauszeiger-BMP-Datei ließ sich nicht laden …</translation>
    </message>
    <message>
        <source>The set you were making could not be read back; it was kept as %1 and the wizard starts afresh.</source>
        <translation>Das Set, an dem du gearbeitet hast, ließ sich nicht wieder einlesen; es wurde als %1 aufbewahrt, und der Assistent beginnt von vorn.</translation>
    </message>
    <message>
        <source>The set you were making could not be read back from %1; the wizard starts afresh.</source>
        <translation>Das Set, an dem du gearbeitet hast, ließ sich nicht aus %1 wieder einlesen; der Assistent beginnt von vorn.</translation>
    </message>
</context>
<context>
    <name>SetFiles</name>
    <message>
        <source>Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*</source>
        <translation>Bilderset (*.SET)|*.set|eXtended-Set (*.XET)|*.xet|Jedes Set (*.SET,*.XET)|*.xet;*.set|Alle Dateien (*.*)|*.*</translation>
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
    <name>SetListModel</name>
    <message>
        <source>Shipped with the game</source>
        <translation>Mit dem Spiel geliefert</translation>
    </message>
    <message>
        <source>In your sets folder</source>
        <translation>In deinem Set-Ordner</translation>
    </message>
    <message>
        <source>Loaded lately</source>
        <translation>Kürzlich geladen</translation>
    </message>
</context>
<context>
    <name>SetReaders</name>
    <message>
        <source>File is corrupt or this is not an eXtended image set file...</source>
        <translation>Die Datei ist beschädigt, oder dies ist keine eXtended-Bildersetdatei …</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to read a picture of this set as a BMP file: it takes %1 bytes, more than a picture of at most %2 x %3 pixels needs.</source>
        <translation>Ein Bild dieses Sets lässt sich nicht als BMP-Datei lesen: Es belegt %1 Bytes, mehr als ein Bild von höchstens %2 x %3 Pixeln braucht.</translation>
    </message>
    <message>
        <source>The sound %1 of this set takes %2 bytes; a sound may last a minute (%3 bytes) at most.</source>
        <translation>Der Klang %1 dieses Sets belegt %2 Bytes; ein Klang darf höchstens eine Minute (%3 Bytes) dauern.</translation>
    </message>
    <message>
        <source>The tune of this set takes %1 bytes; a tune may take %2 bytes at most.</source>
        <translation>Die Melodie dieses Sets belegt %1 Bytes; eine Melodie darf höchstens %2 Bytes belegen.</translation>
    </message>
    <message>
        <source>This file is NOT a %1 Image Set or eXtended Set file...</source>
        <translation>Diese Datei ist KEINE Bilderset- oder eXtended-Set-Datei von %1 …</translation>
    </message>
    <message>
        <source>File is corrupt or not an eXtended image set file...</source>
        <translation>Die Datei ist beschädigt oder keine eXtended-Bildersetdatei …</translation>
    </message>
    <message>
        <source>Error loading file, either it is incomplete or corrupted...</source>
        <translation>Fehler beim Laden der Datei, sie ist entweder unvollständig oder beschädigt …</translation>
    </message>
    <message>
        <source>Error loading images...</source>
        <translation>Fehler beim Laden der Bilder …</translation>
    </message>
    <message>
        <source>There is not enough memory to load this set.</source>
        <translation>Es ist nicht genug Speicher frei, um dieses Set zu laden.</translation>
    </message>
    <message>
        <source>This old image set format is no longer supported by %1...</source>
        <translation>Dieses alte Bildersetformat wird von %1 nicht mehr unterstützt …</translation>
    </message>
    <message>
        <source>Version Control</source>
        <translation>Versionsprüfung</translation>
    </message>
    <message>
        <source>This is NOT an eXtended Image Set file...</source>
        <translation>Dies ist KEINE eXtended-Bildersetdatei …</translation>
    </message>
</context>
<context>
    <name>SetSummary</name>
    <message>
        <source>Error, unable to open file...</source>
        <translation>Fehler, die Datei lässt sich nicht öffnen …</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lässt sich nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>SetWriter</name>
    <message>
        <source>Cursor BMP file was not found...</source>
        <translation>Die Mauszeiger-BMP-Datei wurde nicht gefunden …</translation>
    </message>
    <message>
        <source>Processing Cursors...</source>
        <translation>Mauszeiger werden verarbeitet …</translation>
    </message>
    <message>
        <source>Extra Graphics...</source>
        <translation>Zusatzgrafiken …</translation>
    </message>
    <message>
        <source>Numbers Graphics...</source>
        <translation>Zifferngrafiken …</translation>
    </message>
    <message>
        <source>CountDown Graphics...</source>
        <translation>Countdown-Grafiken …</translation>
    </message>
    <message>
        <source>Title Graphics...</source>
        <translation>Titelgrafiken …</translation>
    </message>
    <message>
        <source>Saving PICT1.BMP data </source>
        <translation>PICT1.BMP-Daten werden gespeichert </translation>
    </message>
    <message>
        <source>Background MIDI Sound...</source>
        <translation>MIDI-Hintergrundmusik …</translation>
    </message>
    <message>
        <source>Cleaning up...</source>
        <translation>Aufräumen …</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Setting up...</source>
        <translation>Vorbereitung …</translation>
    </message>
    <message>
        <source>Unable to open the output file for writing...</source>
        <translation>Die Ausgabedatei lässt sich nicht zum Schreiben öffnen …</translation>
    </message>
    <message>
        <source>The output file is one of the files this set is made from, please choose another output filename...</source>
        <translation>Die Ausgabedatei ist eine der Dateien, aus denen dieses Set entsteht; bitte wähle einen anderen Namen für die Ausgabedatei …</translation>
    </message>
    <message>
        <source>An input of this set cannot be converted...</source>
        <translation>Eine Eingabedatei dieses Sets lässt sich nicht umwandeln …</translation>
    </message>
    <message>
        <source>eXtended Image Set File Created Sucessfully...</source>
        <translation>eXtended-Bildersetdatei erfolgreich erstellt …</translation>
    </message>
    <message>
        <source>Created file is invalid, either disk is full or an error occured whilst writing to it... (Data Written: %1 bytes,  Should have Written: %2 bytes)</source>
        <translation>Die erstellte Datei ist ungültig: Entweder ist das Laufwerk voll oder beim Schreiben ist ein Fehler aufgetreten … (Geschrieben: %1 Bytes,  Hätten sein sollen: %2 Bytes)</translation>
    </message>
</context>
<context>
    <name>SoundBackend</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>The MIDI synthesizer cannot be set up.
%1</source>
        <translation>Der MIDI-Synthesizer lässt sich nicht einrichten.
%1</translation>
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
    <name>SoundImport</name>
    <message>
        <source>cannot be resampled: %1</source>
        <translation>lässt sich nicht umrechnen: %1</translation>
    </message>
    <message>
        <source>is damaged: %1</source>
        <translation>ist beschädigt: %1</translation>
    </message>
    <message>
        <source>lasts longer than a minute, the most a sound may take</source>
        <translation>dauert länger als eine Minute, die ein Klang höchstens dauern darf</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>is not a sound this program reads (%1)</source>
        <translation>ist kein Klang, den dieses Programm lesen kann (%1)</translation>
    </message>
    <message>
        <source>has %1 channels at %2 Hz, which is no sound this program takes</source>
        <translation>hat %1 Kanäle bei %2 Hz; solche Klänge nimmt dieses Programm nicht an</translation>
    </message>
    <message>
        <source>is cut short: its samples end before the length it declares</source>
        <translation>ist abgeschnitten: Die Samples enden vor der angegebenen Länge</translation>
    </message>
    <message>
        <source>holds no sound</source>
        <translation>enthält keinen Klang</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>StripChecks</name>
    <message>
        <source>%1: %2 row holds %3 targets; %4 target needs %5 rows</source>
        <translation>%1: %2 Zeile enthält %3 Ziele; %4 Ziel braucht %5 Zeilen</translation>
    </message>
    <message>
        <source>%1: %2 row holds %3 target; %4 targets need %5 rows</source>
        <translation>%1: %2 Zeile enthält %3 Ziel; %4 Ziele brauchen %5 Zeilen</translation>
    </message>
    <message>
        <source>%1: %2 row holds %3 targets; %4 targets need %5 rows</source>
        <translation>%1: %2 Zeile enthält %3 Ziele; %4 Ziele brauchen %5 Zeilen</translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 targets; %4 target needs %5 rows</source>
        <translation>%1: %2 Zeilen enthalten %3 Ziele; %4 Ziel braucht %5 Zeilen</translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 target; %4 targets need %5 rows</source>
        <translation>%1: %2 Zeilen enthalten %3 Ziel; %4 Ziele brauchen %5 Zeilen</translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 targets; %4 targets need %5 rows</source>
        <translation>%1: %2 Zeilen enthalten %3 Ziele; %4 Ziele brauchen %5 Zeilen</translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 target but Pict2.bmp holds %2 targets: a hit target splats with the row of the same number, so both need as many</source>
        <translation>Pict1.bmp enthält %1 Ziel, Pict2.bmp aber %2 Ziele: Ein getroffenes Ziel platscht mit der Reihe derselben Nummer, also brauchen beide gleich viele</translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 targets but Pict2.bmp holds %2 target: a hit target splats with the row of the same number, so both need as many</source>
        <translation>Pict1.bmp enthält %1 Ziele, Pict2.bmp aber %2 Ziel: Ein getroffenes Ziel platscht mit der Reihe derselben Nummer, also brauchen beide gleich viele</translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 targets but Pict2.bmp holds %2 targets: a hit target splats with the row of the same number, so both need as many</source>
        <translation>Pict1.bmp enthält %1 Ziele, Pict2.bmp aber %2 Ziele: Ein getroffenes Ziel platscht mit der Reihe derselben Nummer, also brauchen beide gleich viele</translation>
    </message>
    <message>
        <source>The page colour %1 differs from the background of %2: boxes will show around them</source>
        <translation>Die Seitenfarbe %1 weicht vom Hintergrund von %2 ab: Um sie herum werden Kästen zu sehen sein</translation>
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
<context>
    <name>WaveEngine</name>
    <message>
        <source>Sound Status (On, Off or not available)</source>
        <translation>Tonstatus (an, aus oder nicht verfügbar)</translation>
    </message>
    <message>
        <source>Sound Enabled!</source>
        <translation>Ton an!</translation>
    </message>
    <message>
        <source>Sound Muted</source>
        <translation>Ton stumm</translation>
    </message>
    <message>
        <source>Disabled (sound card in use, invalid or not found...)</source>
        <translation>Deaktiviert (Soundkarte belegt, ungültig oder nicht gefunden …)</translation>
    </message>
</context>
<context>
    <name>WizardPreview</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1: not chosen</source>
        <translation>%1: nicht gewählt</translation>
    </message>
    <message>
        <source>%1: %2 target</source>
        <translation>%1: %2 Ziel</translation>
    </message>
    <message>
        <source>%1: %2 targets</source>
        <translation>%1: %2 Ziele</translation>
    </message>
    <message>
        <source>%1 target %2</source>
        <translation>%1, Ziel %2</translation>
    </message>
    <message>
        <source>the built-in figure</source>
        <translation>die eingebaute Figur</translation>
    </message>
    <message>
        <source>the built-in splat</source>
        <translation>der eingebaute Platsch</translation>
    </message>
    <message>
        <source>the built-in count-down</source>
        <translation>der eingebaute Countdown</translation>
    </message>
    <message>
        <source>Target </source>
        <translation>Ziel </translation>
    </message>
    <message>
        <source>Target shown</source>
        <translation>Gezeigtes Ziel</translation>
    </message>
</context>
</TS>
