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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Audio System Enabled!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundMusic</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BmpDecode</name>
    <message>
        <source>it does not start like a BMP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its colour depth is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its compression is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its colour table is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its compressed data has no declared size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixel data is shorter than its header says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read a picture of this set as a BMP file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another copy of the game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>%1th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Throw cream pies at Vorb Quarn before he sinks back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build an image set from the INI manifest MANIFEST and write it to OUT, then quit. The manifest has three groups; paths are relative to it.
[set] title (required), author, email, web, comment, congratulation-prefix, congratulation-suffix, rating1 ... rating8, page-colour and title-colour (#RRGGBB), tick-mode (0-5), cursor (1-7 or a picture file), hot-spot (x,y).
[pictures] figure and splat (required: the target and splat strips), title, numbers, count, misc (PNG, JPEG, GIF, BMP, WebP, TIFF; the built-in picture when absent).
[sounds] startup, tick, splat, gameover (WAV, FLAC, Ogg, Opus, MP3), tune (MIDI).
Put a text holding a comma in double quotes. Warnings go to stderr; on any refusal nothing is written and the exit code is 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image set (.set or .xet) to start with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--make-set needs a manifest and an output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one set file can be given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreationProgressDialog</name>
    <message>
        <source>Creating eXtended Image Set File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempting to create image set file, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I m a g e    S e t    C r e a t i o n    P r o g r e s s . . .</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CursorSetupDialog</name>
    <message>
        <source>Custom Cursor Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor Test Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Button (does nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Hot Spot (where click point is) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The soundfont %1 cannot be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music file %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a MIDI file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI player cannot be set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio output is available for the music.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background music cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tune ended at once without playing a note.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1, %2, Created by %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>Your score could not be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score board could not be emptied:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom &amp;Image Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image &amp;Set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset %1 to Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;BMP images for game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Custom Image Set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Current Image Set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use eXtended Image Set Creation &amp;Wizard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Local Highscore Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Goto %1 Website...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit %1? Really?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Highscore table on the internet has now been removed because I no longer have time to update it...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit my Web Site at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Local HighScore Board...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished">&amp;OK</translation>
    </message>
</context>
<context>
    <name>ImageGroupDialog</name>
    <message>
        <source>Add/Edit Image Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each group of images is made up of two BMP files.  The first (pict1.bmp) contains the picture appearing, the second (pict2.bmp) contains the animation of what happens when the player clicks on the image (for example a pie dripping down a face).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pict1.bmp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select popping up image (pict1.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pict2.bmp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select splating image (pict2.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select/edit/type the filenames for the two files as follows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, file for %1 cannot be found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Click for a menu of commands/controls for this game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeSet</name>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large to be a manifest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file to write the set to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not an INI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing required key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a colour like #RRGGBB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set/tick-mode must be 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set/cursor must be 1 to 7 or a picture file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set/hot-spot must be x,y with each 0 to 31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MidiCheck</name>
    <message>
        <source>a delta time is cut short or too long in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an event is missing after its delta time in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a data byte stands where an event should begin in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a channel event is cut short in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a channel event lacks its data bytes in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a system exclusive message is cut short in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a meta event is cut short in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a system message that has no place in a file in track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a MIDI file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data is damaged: its header chunk has a wrong length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data is damaged: unknown file format %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data holds no tracks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data is damaged: its time division is zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data is damaged: the header announces %1 tracks but the file holds %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data is damaged: a chunk is cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI data holds no notes to play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MidiFormat</name>
    <message>
        <source>File %1 cannot be found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 is not a recognised MIDI file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 is larger than 4 MB, the most a tune may take...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a picture this program reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not say how large it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; this picture may be at most %3 x %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (%1)|%2|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>There is no home folder (HOME is not set).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerNameDialog</name>
    <message>
        <source>Local HighScore Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a name to be added to the high score table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>The scores have no place to be kept: there is no home folder (HOME is not set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores have no place to be kept: the program&apos;s folder cannot be written, and there is no home folder (HOME is not set).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreBoardModel</name>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished">Punkte</translation>
    </message>
</context>
<context>
    <name>ScoreTableWindow</name>
    <message>
        <source>Local Highscore Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Reset Score-board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all entires from score board? really?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Really delete score board?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetChooserDialog</name>
    <message>
        <source>No preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sets folder is not answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file loaded lately is not answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for sets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an image set to add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be added:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from your sets folder?  Its file %2 is deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Image Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 has changed since the list was made, so it was not deleted. The list now shows it as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be deleted: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a PieVorbQuarn image set to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, unable to open file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Bitmap file 1 (PICT1.BMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Bitmap file 2 (PICT2.BMP)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCreationWizard</name>
    <message>
        <source>Normal Pie Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross Hair Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Barreled Shotgun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dart Board Target 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dart Board Target 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weird Triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Cursor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select startup sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select ticking sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select splat sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select end of game sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The graphics of the game can be overridden here; example pictures came with the program.  Leave a file name blank to keep the built-in graphic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG, JPEG, GIF, BMP, WebP or TIFF: see-through parts are filled with the page colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#c80000&apos;&gt;NOTE:&lt;/span&gt; NB: Sizes of example pictures differ from actual picture sizes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Example:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sounds of the game can be replaced too.  Keep them small: every sound goes into the set file and makes it larger.  Leave a name blank for no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV, FLAC, Ogg, Opus or MP3 of any rate: each is stored as mono, 8-bit, 11025 Hz (Play lets you hear it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image Set Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author&apos;s URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End of game Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of game Message, second part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Game Score Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:   Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment for a score of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Cursor: 16 Colour BMP picture, 32x32 pixels where:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black = Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red = Inverted With Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Colours = Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White = White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An image set may show more than one target picture.  It needs two pictures: one holding the images of the target appearing, and one holding the pie (splat) images.  Every 108 rows of picture hold one target: 107 rows of frames and one divider row, so taller pictures give the game more targets to throw at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pict1.bmp </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pict2.bmp </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Image &amp;Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Title Bar:  (594x31 Pixels  - title.bmp) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Background Colour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Number Strip:  (300x51 Pixels  - numbers.bmp) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Page Background Colour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Misc Extras  (Words &quot;Time,&quot; &quot;Score,&quot; and the base to the pop up boxes): (111x124 Pixels  - miscpics.bmp) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Title File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Numbers File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Countdown and Messages File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Extra Graphics File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Wave &amp;Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the sound as the set will store it: mono, 11025 Hz, 8-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the tick sound plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Background MIDI File (midi file played during game) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom MIDI &amp;Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select MIDI sequence for in-game music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you can change the messages shown at the end of a game, and tell the players about this set and its author.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse cursor used during play can be one of the 7 built-in cursors, or your own cursor made from a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Cursor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Custom Cursor Setup - cursor.bmp </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor BMP &amp;Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Custom Cursor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select cursor picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last step in this creation process is to specify the output filename:  (ending in .XET)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new .XET filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: There might not be enough available free space on this disk to continue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh Sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create eXtended Image Set File!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Image Set filesize:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space available on chosen drive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Create New eXtended Image Set Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wizard creates an eXtended Image Set, which lets you change the graphics and sound of %1.  Please follow the prompts on each step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the set you are making? Everything filled in on these steps will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the new set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set draft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes   (%2k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, bitmap file not found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff)|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.aif;*.aiff|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eXtended Image Set (*.XET)|*.xet|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes  (%2k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sucess!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new set is written. Use it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the new set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>Cannot find the specified images...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the above specified files cound not be found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image set has no name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor BMP file was not found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor BMP file could not be loaded...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set you were making could not be read back; it was kept as %1 and the wizard starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set you were making could not be read back from %1; the wizard starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetFiles</name>
    <message>
        <source>Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your sets folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded lately</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetReaders</name>
    <message>
        <source>File is corrupt or this is not an eXtended image set file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read a picture of this set as a BMP file: it takes %1 bytes, more than a picture of at most %2 x %3 pixels needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound %1 of this set takes %2 bytes; a sound may last a minute (%3 bytes) at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tune of this set takes %1 bytes; a tune may take %2 bytes at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is NOT a %1 Image Set or eXtended Set file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is corrupt or not an eXtended image set file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file, either it is incomplete or corrupted...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading images...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to load this set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This old image set format is no longer supported by %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is NOT an eXtended Image Set file...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetSummary</name>
    <message>
        <source>Error, unable to open file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetWriter</name>
    <message>
        <source>Cursor BMP file was not found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing Cursors...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Graphics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers Graphics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CountDown Graphics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Graphics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving PICT1.BMP data </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background MIDI Sound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the output file for writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file is one of the files this set is made from, please choose another output filename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An input of this set cannot be converted...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eXtended Image Set File Created Sucessfully...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created file is invalid, either disk is full or an error occured whilst writing to it... (Data Written: %1 bytes,  Should have Written: %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundBackend</name>
    <message>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI synthesizer cannot be set up.
%1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lasts longer than a minute, the most a sound may take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a sound this program reads (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has %1 channels at %2 Hz, which is no sound this program takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is cut short: its samples end before the length it declares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StripChecks</name>
    <message>
        <source>%1: %2 row holds %3 targets; %4 target needs %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 row holds %3 target; %4 targets need %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 row holds %3 targets; %4 targets need %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 targets; %4 target needs %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 target; %4 targets need %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 targets; %4 targets need %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 target but Pict2.bmp holds %2 targets: a hit target splats with the row of the same number, so both need as many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 targets but Pict2.bmp holds %2 target: a hit target splats with the row of the same number, so both need as many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 targets but Pict2.bmp holds %2 targets: a hit target splats with the row of the same number, so both need as many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page colour %1 differs from the background of %2: boxes will show around them</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Enabled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled (sound card in use, invalid or not found...)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WizardPreview</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 targets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 target %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the built-in figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the built-in splat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the built-in count-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
