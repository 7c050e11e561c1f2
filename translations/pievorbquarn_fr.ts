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
        <source>This was probably because WAVE device in use on startup</source>
        <translation>Le périphérique audio était probablement occupé au démarrage</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Créé par</translation>
    </message>
    <message>
        <source>%1 Audio System Failed...</source>
        <translation>%1&#xa0;: échec du système audio…</translation>
    </message>
    <message>
        <source>%1 Audio System Enabled!</source>
        <translation>%1&#xa0;: système audio activé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>BackgroundMusic</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>There is no tune player to play the tune with.</source>
        <translation>Aucun lecteur n’est disponible pour jouer la mélodie.</translation>
    </message>
    <message>
        <source>The tune cannot be written to %1: %2</source>
        <translation>Impossible d’écrire la mélodie dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>BmpDecode</name>
    <message>
        <source>it does not start like a BMP file</source>
        <translation>il ne commence pas comme un fichier BMP</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>son en-tête est tronqué</translation>
    </message>
    <message>
        <source>its header is of an unknown kind</source>
        <translation>son en-tête est d’un type inconnu</translation>
    </message>
    <message>
        <source>its colour depth is not supported</source>
        <translation>sa profondeur de couleur n’est pas prise en charge</translation>
    </message>
    <message>
        <source>its compression is not supported</source>
        <translation>sa compression n’est pas prise en charge</translation>
    </message>
    <message>
        <source>it has no pixels</source>
        <translation>il n’a aucun pixel</translation>
    </message>
    <message>
        <source>its colour table is too large</source>
        <translation>sa table de couleurs est trop grande</translation>
    </message>
    <message>
        <source>its compressed data has no declared size</source>
        <translation>ses données compressées n’ont pas de taille déclarée</translation>
    </message>
    <message>
        <source>its pixel data is shorter than its header says</source>
        <translation>ses données de pixels sont plus courtes que ne l’indique son en-tête</translation>
    </message>
    <message>
        <source>Unable to read a picture of this set as a BMP file: %1.</source>
        <translation>Impossible de lire une image de ce jeu comme fichier BMP&#xa0;: %1.</translation>
    </message>
    <message>
        <source>it is larger than %1 x %2 pixels</source>
        <translation>il dépasse %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l’image est trop grande</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
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
    <name>BoardFile</name>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>c’est un lien symbolique, qui n’est pas suivi</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>in use by another copy of the game</source>
        <translation>utilisé par une autre instance du jeu</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Throw cream pies at Vorb Quarn before he sinks back.</source>
        <translation>Lancez des tartes à la crème sur Vorb Quarn avant qu’il ne replonge.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Build an image set from the INI manifest MANIFEST and write it to OUT, then quit. The manifest has three groups; paths are relative to it.
[set] title (required), author, email, web, comment, congratulation-prefix, congratulation-suffix, rating1 ... rating8, page-colour and title-colour (#RRGGBB), tick-mode (0-5), cursor (1-7 or a picture file), hot-spot (x,y).
[pictures] figure and splat (required: the target and splat strips), title, numbers, count, misc (PNG, JPEG, GIF, BMP, WebP, TIFF; the built-in picture when absent).
[sounds] startup, tick, splat, gameover (WAV, FLAC, Ogg, Opus, MP3), tune (MIDI).
Put a text holding a comma in double quotes. Warnings go to stderr; on any refusal nothing is written and the exit code is 1.</source>
        <translation>Construit un jeu d’images à partir du manifeste INI MANIFEST et l’écrit dans OUT, puis quitte. Le manifeste a trois groupes&#xa0;; les chemins sont relatifs à son emplacement.
[set] title (obligatoire), author, email, web, comment, congratulation-prefix, congratulation-suffix, rating1 ... rating8, page-colour et title-colour (#RRGGBB), tick-mode (0-5), cursor (1-7 ou un fichier d’image), hot-spot (x,y).
[pictures] figure et splat (obligatoires&#xa0;: les bandes des cibles et des éclaboussures), title, numbers, count, misc (PNG, JPEG, GIF, BMP, WebP, TIFF&#xa0;; l’image intégrée en cas d’absence).
[sounds] startup, tick, splat, gameover (WAV, FLAC, Ogg, Opus, MP3), tune (MIDI).
Mettez entre guillemets doubles (&quot;) un texte contenant une virgule. Les avertissements vont sur stderr&#xa0;; en cas de refus, rien n’est écrit et le code de sortie est 1.</translation>
    </message>
    <message>
        <source>Image set (.set or .xet) to start with.</source>
        <translation>Jeu d’images (.set ou .xet) à charger au démarrage.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>--make-set needs a manifest and an output file</source>
        <translation>--make-set demande un manifeste et un fichier de sortie</translation>
    </message>
    <message>
        <source>only one set file can be given</source>
        <translation>un seul fichier de jeu d’images peut être donné</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CreationProgressDialog</name>
    <message>
        <source>Creating eXtended Image Set File...</source>
        <translation>Création du fichier de jeu d’images étendu…</translation>
    </message>
    <message>
        <source>Attempting to create image set file, please wait...</source>
        <translation>Création du fichier de jeu d’images en cours, veuillez patienter…</translation>
    </message>
    <message>
        <source>I m a g e    S e t    C r e a t i o n    P r o g r e s s . . .</source>
        <translation>C r é a t i o n    d u    j e u    d ’ i m a g e s    e n    c o u r s . . .</translation>
    </message>
</context>
<context>
    <name>CursorSetupDialog</name>
    <message>
        <source>Custom Cursor Setup</source>
        <translation>Réglage du curseur personnalisé</translation>
    </message>
    <message>
        <source>Cursor Test Area</source>
        <translation>Zone d’essai du curseur</translation>
    </message>
    <message>
        <source>Test Button (does nothing)</source>
        <translation>Bouton d’essai (sans effet)</translation>
    </message>
    <message>
        <source>Normal Cursor</source>
        <translation>Curseur normal</translation>
    </message>
    <message>
        <source> &amp;Hot Spot (where click point is) </source>
        <translation> &amp;Point actif (endroit du clic) </translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X&#xa0;:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y&#xa0;:</translation>
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
        <translation>Le synthétiseur MIDI ne peut pas être configuré.</translation>
    </message>
    <message>
        <source>The soundfont %1 cannot be loaded.</source>
        <translation>La banque de sons %1 ne peut pas être chargée.</translation>
    </message>
    <message>
        <source>The music file %1 cannot be opened: %2</source>
        <translation>Le fichier de musique %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file is not a MIDI file.</source>
        <translation>Le fichier n’est pas un fichier MIDI.</translation>
    </message>
    <message>
        <source>The MIDI player cannot be set up.</source>
        <translation>Le lecteur MIDI ne peut pas être configuré.</translation>
    </message>
    <message>
        <source>The MIDI data cannot be read.</source>
        <translation>Les données MIDI ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>No audio output is available for the music.</source>
        <translation>Aucune sortie audio n’est disponible pour la musique.</translation>
    </message>
    <message>
        <source>The background music cannot be played.</source>
        <translation>La musique de fond ne peut pas être jouée.</translation>
    </message>
    <message>
        <source>The tune ended at once without playing a note.</source>
        <translation>La musique s’est arrêtée aussitôt sans jouer une seule note.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1, %2, Created by %3</source>
        <translation>%1, %2, créé par %3</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>Your score could not be saved:
%1</source>
        <translation>Votre score n’a pas pu être enregistré&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The score board could not be emptied:
%1</source>
        <translation>Le tableau des scores n’a pas pu être vidé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Custom &amp;Image Sets</source>
        <translation>&amp;Jeux d’images personnalisés</translation>
    </message>
    <message>
        <source>Choose Image &amp;Set...</source>
        <translation>&amp;Choisir un jeu d’images…</translation>
    </message>
    <message>
        <source>Reset %1 to Defaults</source>
        <translation>Rétablir les réglages par défaut de %1</translation>
    </message>
    <message>
        <source>Load &amp;BMP images for game...</source>
        <translation>Charger des images &amp;BMP pour le jeu…</translation>
    </message>
    <message>
        <source>&amp;Load Custom Image Set...</source>
        <translation>&amp;Ouvrir un jeu d’images personnalisé…</translation>
    </message>
    <message>
        <source>&amp;About Current Image Set...</source>
        <translation>À &amp;propos du jeu d’images actuel…</translation>
    </message>
    <message>
        <source>Use eXtended Image Set Creation &amp;Wizard...</source>
        <translation>Utiliser l’&amp;assistant de création de jeu d’images étendu…</translation>
    </message>
    <message>
        <source>&amp;View Local Highscore Table...</source>
        <translation>&amp;Voir le tableau local des meilleurs scores…</translation>
    </message>
    <message>
        <source>&amp;Goto %1 Website...</source>
        <translation>Aller sur le &amp;site web de %1…</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>À &amp;propos de %1…</translation>
    </message>
    <message>
        <source>&amp;Quit...</source>
        <translation>&amp;Quitter…</translation>
    </message>
    <message>
        <source>Quit %1? Really?</source>
        <translation>Quitter %1&#xa0;? Vraiment&#xa0;?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quitter&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>The Highscore table on the internet has now been removed because I no longer have time to update it...</source>
        <translation>Le tableau des meilleurs scores sur Internet a été retiré, car je n’ai plus le temps de le mettre à jour…</translation>
    </message>
    <message>
        <source>Visit my Web Site at:</source>
        <translation>Visitez mon site web&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add to Local HighScore Board...</source>
        <translation>&amp;Ajouter au tableau local des meilleurs scores…</translation>
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
        <translation>Ajouter/modifier un groupe d’images</translation>
    </message>
    <message>
        <source>Each group of images is made up of two BMP files.  The first (pict1.bmp) contains the picture appearing, the second (pict2.bmp) contains the animation of what happens when the player clicks on the image (for example a pie dripping down a face).</source>
        <translation>Chaque groupe d’images se compose de deux fichiers BMP.  Le premier (pict1.bmp) contient l’image qui apparaît, le second (pict2.bmp) contient l’animation de ce qui se passe quand le joueur clique sur l’image (par exemple une tarte qui dégouline sur un visage).</translation>
    </message>
    <message>
        <source>pict1.bmp:</source>
        <translation>pict1.bmp&#xa0;:</translation>
    </message>
    <message>
        <source>Please select popping up image (pict1.bmp)</source>
        <translation>Veuillez choisir l’image qui apparaît (pict1.bmp)</translation>
    </message>
    <message>
        <source>pict2.bmp:</source>
        <translation>pict2.bmp&#xa0;:</translation>
    </message>
    <message>
        <source>Please select splating image (pict2.bmp)</source>
        <translation>Veuillez choisir l’image de l’éclaboussure (pict2.bmp)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please select/edit/type the filenames for the two files as follows:</source>
        <translation>Veuillez choisir, modifier ou saisir les noms des deux fichiers comme suit&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Error, file for %1 cannot be found...</source>
        <translation>Erreur, le fichier pour %1 est introuvable…</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Click for a menu of commands/controls for this game</source>
        <translation>Cliquez pour ouvrir le menu des commandes et réglages du jeu</translation>
    </message>
</context>
<context>
    <name>MakeSet</name>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>is too large to be a manifest</source>
        <translation>est trop grand pour être un manifeste</translation>
    </message>
    <message>
        <source>is not a regular file to write the set to</source>
        <translation>n’est pas un fichier ordinaire où écrire le jeu d’images</translation>
    </message>
    <message>
        <source>is not an INI file</source>
        <translation>n’est pas un fichier INI</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>missing required key %1</source>
        <translation>clé obligatoire %1 manquante</translation>
    </message>
    <message>
        <source>%1 must be a colour like #RRGGBB</source>
        <translation>%1 doit être une couleur de la forme #RRGGBB</translation>
    </message>
    <message>
        <source>set/tick-mode must be 0 to %1</source>
        <translation>set/tick-mode doit valoir de 0 à %1</translation>
    </message>
    <message>
        <source>set/cursor must be 1 to 7 or a picture file</source>
        <translation>set/cursor doit valoir de 1 à 7 ou être un fichier d’image</translation>
    </message>
    <message>
        <source>set/hot-spot must be x,y with each 0 to 31</source>
        <translation>set/hot-spot doit être de la forme x,y, chacun de 0 à 31</translation>
    </message>
    <message>
        <source>cannot be found</source>
        <translation>est introuvable</translation>
    </message>
</context>
<context>
    <name>MidiCheck</name>
    <message>
        <source>a delta time is cut short or too long in track %1</source>
        <translation>un temps delta est tronqué ou trop long dans la piste %1</translation>
    </message>
    <message>
        <source>an event is missing after its delta time in track %1</source>
        <translation>un événement manque après son temps delta dans la piste %1</translation>
    </message>
    <message>
        <source>a data byte stands where an event should begin in track %1</source>
        <translation>un octet de données se trouve là où un événement devrait commencer dans la piste %1</translation>
    </message>
    <message>
        <source>a channel event is cut short in track %1</source>
        <translation>un événement de canal est tronqué dans la piste %1</translation>
    </message>
    <message>
        <source>a channel event lacks its data bytes in track %1</source>
        <translation>un événement de canal n’a pas ses octets de données dans la piste %1</translation>
    </message>
    <message>
        <source>a system exclusive message is cut short in track %1</source>
        <translation>un message exclusif système est tronqué dans la piste %1</translation>
    </message>
    <message>
        <source>a meta event is cut short in track %1</source>
        <translation>un méta-événement est tronqué dans la piste %1</translation>
    </message>
    <message>
        <source>a system message that has no place in a file in track %1</source>
        <translation>un message système qui n’a pas sa place dans un fichier, dans la piste %1</translation>
    </message>
    <message>
        <source>The file is not a MIDI file.</source>
        <translation>Le fichier n’est pas un fichier MIDI.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: its header chunk has a wrong length.</source>
        <translation>Les données MIDI sont endommagées&#xa0;: leur bloc d’en-tête a une longueur erronée.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: unknown file format %1.</source>
        <translation>Les données MIDI sont endommagées&#xa0;: format de fichier %1 inconnu.</translation>
    </message>
    <message>
        <source>The MIDI data holds no tracks.</source>
        <translation>Les données MIDI ne contiennent aucune piste.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: its time division is zero.</source>
        <translation>Les données MIDI sont endommagées&#xa0;: leur division temporelle est nulle.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: the header announces %1 tracks but the file holds %2.</source>
        <translation>Les données MIDI sont endommagées&#xa0;: l’en-tête annonce %1 pistes mais le fichier en contient %2.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: a chunk is cut short.</source>
        <translation>Les données MIDI sont endommagées&#xa0;: un bloc est tronqué.</translation>
    </message>
    <message>
        <source>The MIDI data is damaged: %1.</source>
        <translation>Les données MIDI sont endommagées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The MIDI data holds no notes to play.</source>
        <translation>Les données MIDI ne contiennent aucune note à jouer.</translation>
    </message>
</context>
<context>
    <name>MidiFormat</name>
    <message>
        <source>File %1 cannot be found...</source>
        <translation>Le fichier %1 est introuvable…</translation>
    </message>
    <message>
        <source>File %1 is not a recognised MIDI file...</source>
        <translation>Le fichier %1 n’est pas un fichier MIDI reconnu…</translation>
    </message>
    <message>
        <source>File %1 is larger than 4 MB, the most a tune may take...</source>
        <translation>Le fichier %1 dépasse 4 Mo, la taille maximale d’une musique…</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>is not a picture this program reads</source>
        <translation>n’est pas une image que ce programme sait lire</translation>
    </message>
    <message>
        <source>does not say how large it is</source>
        <translation>n’indique pas sa taille</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; this picture may be at most %3 x %4</source>
        <translation>fait %1 x %2 pixels&#xa0;; cette image peut faire au plus %3 x %4</translation>
    </message>
    <message>
        <source>is damaged: %1</source>
        <translation>est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pictures (%1)|%2|All Files (*.*)|*.*</source>
        <translation>Images (%1)|%2|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>There is no home folder (HOME is not set).</source>
        <translation>Il n’y a pas de dossier personnel (HOME n’est pas défini).</translation>
    </message>
</context>
<context>
    <name>PlayerNameDialog</name>
    <message>
        <source>Local HighScore Board</source>
        <translation>Tableau local des meilleurs scores</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Veuillez saisir votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>You must enter a name to be added to the high score table...</source>
        <translation>Vous devez saisir un nom pour figurer au tableau des meilleurs scores…</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>The scores have no place to be kept: there is no home folder (HOME is not set).</source>
        <translation>Les scores n’ont aucun emplacement où être conservés&#xa0;: il n’y a pas de dossier personnel (HOME n’est pas défini).</translation>
    </message>
    <message>
        <source>The scores have no place to be kept: the program&apos;s folder cannot be written, and there is no home folder (HOME is not set).</source>
        <translation>Les scores n’ont aucun emplacement où être conservés&#xa0;: le dossier du programme n’est pas accessible en écriture et il n’y a pas de dossier personnel (HOME n’est pas défini).</translation>
    </message>
</context>
<context>
    <name>ScoreBoardModel</name>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>ScoreTableWindow</name>
    <message>
        <source>Local Highscore Table...</source>
        <translation>Tableau local des meilleurs scores…</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Reset Score-board</source>
        <translation>&amp;Réinitialiser le tableau des scores</translation>
    </message>
    <message>
        <source>Remove all entires from score board? really?</source>
        <translation>Retirer toutes les entrées du tableau des scores&#xa0;? Vraiment&#xa0;?</translation>
    </message>
    <message>
        <source>Really delete score board?</source>
        <translation>Vraiment effacer le tableau des scores&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SetChooserDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No preview</source>
        <translation>Pas d’aperçu</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Ne répond pas</translation>
    </message>
    <message>
        <source>Drawing preview...</source>
        <translation>Dessin de l’aperçu…</translation>
    </message>
    <message>
        <source>by </source>
        <translation>par </translation>
    </message>
    <message>
        <source>  ·  in use</source>
        <translation>  ·  en cours d’utilisation</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> octets</translation>
    </message>
    <message>
        <source>no sounds</source>
        <translation>aucun son</translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 son</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 sons</translation>
    </message>
    <message>
        <source>tune</source>
        <translation>musique</translation>
    </message>
    <message>
        <source>no tune</source>
        <translation>pas de musique</translation>
    </message>
    <message>
        <source>Choose Image Set</source>
        <translation>Choisir un jeu d’images</translation>
    </message>
    <message>
        <source>A sets folder is not answering.</source>
        <translation>Un dossier de jeux d’images ne répond pas.</translation>
    </message>
    <message>
        <source>A file loaded lately is not answering.</source>
        <translation>Un fichier chargé récemment ne répond pas.</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>&amp;Add Set...</source>
        <translation>&amp;Ajouter un jeu…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Looking for sets...</source>
        <translation>Recherche des jeux d’images…</translation>
    </message>
    <message>
        <source>Please select an image set to add:</source>
        <translation>Veuillez choisir un jeu d’images à ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>%1 cannot be added:
%2</source>
        <translation>%1 ne peut pas être ajouté&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from your sets folder?  Its file %2 is deleted.</source>
        <translation>Retirer «&#xa0;%1&#xa0;» de votre dossier de jeux d’images&#xa0;?  Son fichier %2 sera supprimé.</translation>
    </message>
    <message>
        <source>Remove Image Set</source>
        <translation>Supprimer le jeu d’images</translation>
    </message>
    <message>
        <source>The file %1 has changed since the list was made, so it was not deleted. The list now shows it as it is.</source>
        <translation>Le fichier %1 a changé depuis que la liste a été établie&#xa0;; il n’a donc pas été supprimé. La liste le montre maintenant tel qu’il est.</translation>
    </message>
    <message>
        <source>The file %1 could not be deleted: %2</source>
        <translation>Le fichier %1 n’a pas pu être supprimé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please select a PieVorbQuarn image set to use:</source>
        <translation>Veuillez choisir le jeu d’images PieVorbQuarn à utiliser&#xa0;:</translation>
    </message>
    <message>
        <source>Error, unable to open file...</source>
        <translation>Erreur, impossible d’ouvrir le fichier…</translation>
    </message>
    <message>
        <source>Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*</source>
        <translation>Fichiers bitmap (*.BMP)|*.BMP|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Please select Bitmap file 1 (PICT1.BMP)</source>
        <translation>Veuillez choisir le fichier bitmap 1 (PICT1.BMP)</translation>
    </message>
    <message>
        <source>Please select Bitmap file 2 (PICT2.BMP)</source>
        <translation>Veuillez choisir le fichier bitmap 2 (PICT2.BMP)</translation>
    </message>
</context>
<context>
    <name>SetCreationWizard</name>
    <message>
        <source>Normal Pie Image</source>
        <translation>Tarte normale</translation>
    </message>
    <message>
        <source>Finger Cursor</source>
        <translation>Doigt</translation>
    </message>
    <message>
        <source>Cross Hair Target</source>
        <translation>Réticule</translation>
    </message>
    <message>
        <source>Double Barreled Shotgun</source>
        <translation>Fusil à deux coups</translation>
    </message>
    <message>
        <source>Dart Board Target 1</source>
        <translation>Cible de fléchettes 1</translation>
    </message>
    <message>
        <source>Dart Board Target 2</source>
        <translation>Cible de fléchettes 2</translation>
    </message>
    <message>
        <source>Weird Triangle</source>
        <translation>Triangle bizarre</translation>
    </message>
    <message>
        <source>Custom Cursor...</source>
        <translation>Curseur personnalisé…</translation>
    </message>
    <message>
        <source>Select startup sound</source>
        <translation>Choisir le son de démarrage</translation>
    </message>
    <message>
        <source>Select ticking sound</source>
        <translation>Choisir le son du tic-tac</translation>
    </message>
    <message>
        <source>Select splat sound</source>
        <translation>Choisir le son du splatch</translation>
    </message>
    <message>
        <source>Select end of game sound</source>
        <translation>Choisir le son de fin de partie</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>The graphics of the game can be overridden here; example pictures came with the program.  Leave a file name blank to keep the built-in graphic.</source>
        <translation>Les graphismes du jeu peuvent être remplacés ici&#xa0;; des images d’exemple sont fournies avec le programme.  Laissez un nom de fichier vide pour garder le graphisme intégré.</translation>
    </message>
    <message>
        <source>PNG, JPEG, GIF, BMP, WebP or TIFF: see-through parts are filled with the page colour.</source>
        <translation>PNG, JPEG, GIF, BMP, WebP ou TIFF&#xa0;: les parties transparentes sont remplies de la couleur de la page.</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#c80000&apos;&gt;NOTE:&lt;/span&gt; NB: Sizes of example pictures differ from actual picture sizes...</source>
        <translation>&lt;span style=&apos;color:#c80000&apos;&gt;REMARQUE&#xa0;:&lt;/span&gt; NB&#xa0;: la taille des images d’exemple diffère de celle des vraies images…</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Example:</source>
        <translation>&amp;Exemple&#xa0;:</translation>
    </message>
    <message>
        <source>The sounds of the game can be replaced too.  Keep them small: every sound goes into the set file and makes it larger.  Leave a name blank for no sound.</source>
        <translation>Les sons du jeu peuvent aussi être remplacés.  Gardez-les courts&#xa0;: chaque son est placé dans le fichier du jeu d’images et l’alourdit.  Laissez un nom vide pour n’avoir aucun son.</translation>
    </message>
    <message>
        <source>WAV, FLAC, Ogg, Opus or MP3 of any rate: each is stored as mono, 8-bit, 11025 Hz (Play lets you hear it).</source>
        <translation>WAV, FLAC, Ogg, Opus ou MP3 de toute fréquence&#xa0;: chacun est stocké en mono, 8 bits, 11025 Hz (Écouter vous le fait entendre).</translation>
    </message>
    <message>
        <source>&amp;Image Set Name:</source>
        <translation>&amp;Nom du jeu d’images&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>A&amp;uteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Email Address:</source>
        <translation>Adresse &amp;e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Author&apos;s URL:</source>
        <translation>URL de l’auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Set Comments:</source>
        <translation>Commentaires du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;End of game Message:</source>
        <translation>&amp;Message de fin de partie&#xa0;:</translation>
    </message>
    <message>
        <source>End of game Message, second part</source>
        <translation>Message de fin de partie, seconde partie</translation>
    </message>
    <message>
        <source>End of Game Score Comments:</source>
        <translation>Commentaires sur le score en fin de partie&#xa0;:</translation>
    </message>
    <message>
        <source>Score:   Comment:</source>
        <translation>Score&#xa0;:   Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>Comment for a score of %1</source>
        <translation>Commentaire pour un score de %1</translation>
    </message>
    <message>
        <source>Custom Cursor: 16 Colour BMP picture, 32x32 pixels where:</source>
        <translation>Curseur personnalisé&#xa0;: image BMP 16 couleurs, 32x32 pixels, où&#xa0;:</translation>
    </message>
    <message>
        <source>Black = Black</source>
        <translation>Noir = noir</translation>
    </message>
    <message>
        <source>Red = Inverted With Background</source>
        <translation>Rouge = inversé avec le fond</translation>
    </message>
    <message>
        <source>Other Colours = Transparent</source>
        <translation>Autres couleurs = transparent</translation>
    </message>
    <message>
        <source>White = White</source>
        <translation>Blanc = blanc</translation>
    </message>
    <message>
        <source>An image set may show more than one target picture.  It needs two pictures: one holding the images of the target appearing, and one holding the pie (splat) images.  Every 108 rows of picture hold one target: 107 rows of frames and one divider row, so taller pictures give the game more targets to throw at.</source>
        <translation>Un jeu d’images peut montrer plusieurs images de cible.  Il lui faut deux images&#xa0;: l’une contenant les images de la cible qui apparaît, l’autre les images de la tarte (splatch).  Chaque tranche de 108 lignes de l’image contient une cible&#xa0;: 107 lignes d’images et une ligne de séparation&#xa0;; des images plus hautes donnent donc au jeu plus de cibles à viser.</translation>
    </message>
    <message>
        <source> Pict1.bmp </source>
        <translation> Pict1.bmp </translation>
    </message>
    <message>
        <source> Pict2.bmp </source>
        <translation> Pict2.bmp </translation>
    </message>
    <message>
        <source>Change Image &amp;Files...</source>
        <translation>Changer les &amp;fichiers d’images…</translation>
    </message>
    <message>
        <source> Title Bar:  (594x31 Pixels  - title.bmp) </source>
        <translation> Barre de titre&#xa0;:  (594x31 pixels  - title.bmp) </translation>
    </message>
    <message>
        <source>&amp;Set Background Colour...</source>
        <translation>Couleur de &amp;fond…</translation>
    </message>
    <message>
        <source> Number Strip:  (300x51 Pixels  - numbers.bmp) </source>
        <translation> Bande des chiffres&#xa0;:  (300x51 pixels  - numbers.bmp) </translation>
    </message>
    <message>
        <source> Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) </source>
        <translation> Compte à rebours et messages (Game over et Click Here)&#xa0;: (671x107 pixels  - count.bmp) </translation>
    </message>
    <message>
        <source>&amp;Set Page Background Colour...</source>
        <translation>C&amp;ouleur de fond de la page…</translation>
    </message>
    <message>
        <source> Misc Extras  (Words &quot;Time,&quot; &quot;Score,&quot; and the base to the pop up boxes): (111x124 Pixels  - miscpics.bmp) </source>
        <translation> Divers  (mots «&#xa0;Time&#xa0;» et «&#xa0;Score&#xa0;», et socle des cases où surgit la cible)&#xa0;: (111x124 pixels  - miscpics.bmp) </translation>
    </message>
    <message>
        <source>Select Title File</source>
        <translation>Choisir le fichier du titre</translation>
    </message>
    <message>
        <source>Select Numbers File</source>
        <translation>Choisir le fichier des chiffres</translation>
    </message>
    <message>
        <source>Select Countdown and Messages File</source>
        <translation>Choisir le fichier du compte à rebours et des messages</translation>
    </message>
    <message>
        <source>Select Extra Graphics File</source>
        <translation>Choisir le fichier des graphismes supplémentaires</translation>
    </message>
    <message>
        <source>Custom Wave &amp;Filename:</source>
        <translation>&amp;Nom du fichier son personnalisé&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>Plays the sound as the set will store it: mono, 11025 Hz, 8-bit</source>
        <translation>Joue le son tel que le jeu d’images le stockera&#xa0;: mono, 11025 Hz, 8 bits</translation>
    </message>
    <message>
        <source>When the tick sound plays</source>
        <translation>Quand le tic-tac est joué</translation>
    </message>
    <message>
        <source> Background MIDI File (midi file played during game) </source>
        <translation> Fichier MIDI de fond (fichier MIDI joué pendant la partie) </translation>
    </message>
    <message>
        <source>Custom MIDI &amp;Filename:</source>
        <translation>Nom du fichier &amp;MIDI personnalisé&#xa0;:</translation>
    </message>
    <message>
        <source>Select MIDI sequence for in-game music</source>
        <translation>Choisir la séquence MIDI pour la musique de la partie</translation>
    </message>
    <message>
        <source>Here you can change the messages shown at the end of a game, and tell the players about this set and its author.</source>
        <translation>Vous pouvez changer ici les messages affichés en fin de partie, et présenter aux joueurs ce jeu d’images et son auteur.</translation>
    </message>
    <message>
        <source>The mouse cursor used during play can be one of the 7 built-in cursors, or your own cursor made from a picture.</source>
        <translation>Le curseur de la souris utilisé pendant la partie peut être l’un des 7 curseurs intégrés, ou votre propre curseur fait à partir d’une image.</translation>
    </message>
    <message>
        <source>Choose Cursor:</source>
        <translation>Choisir le curseur&#xa0;:</translation>
    </message>
    <message>
        <source> Custom Cursor Setup - cursor.bmp </source>
        <translation> Réglage du curseur personnalisé - cursor.bmp </translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir…</translation>
    </message>
    <message>
        <source>Cursor BMP &amp;Filename:</source>
        <translation>&amp;Nom du fichier BMP du curseur&#xa0;:</translation>
    </message>
    <message>
        <source>Setup Custom Cursor...</source>
        <translation>Régler le curseur personnalisé…</translation>
    </message>
    <message>
        <source>Select cursor picture...</source>
        <translation>Choisir l’image du curseur…</translation>
    </message>
    <message>
        <source>The last step in this creation process is to specify the output filename:  (ending in .XET)</source>
        <translation>La dernière étape de la création consiste à indiquer le nom du fichier de sortie&#xa0;:  (se terminant par .XET)</translation>
    </message>
    <message>
        <source>Output Filename:</source>
        <translation>Fichier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Enter new .XET filename:</source>
        <translation>Saisissez le nom du nouveau fichier .XET&#xa0;:</translation>
    </message>
    <message>
        <source>WARNING: There might not be enough available free space on this disk to continue...</source>
        <translation>ATTENTION&#xa0;: il n’y a peut-être pas assez d’espace libre sur ce disque pour continuer…</translation>
    </message>
    <message>
        <source>&amp;Refresh Sizes</source>
        <translation>&amp;Mettre à jour les tailles</translation>
    </message>
    <message>
        <source>&amp;Create eXtended Image Set File!</source>
        <translation>&amp;Créer le fichier de jeu d’images étendu&#xa0;!</translation>
    </message>
    <message>
        <source>Estimated Image Set filesize:</source>
        <translation>Taille estimée du fichier de jeu d’images&#xa0;:</translation>
    </message>
    <message>
        <source>Space available on chosen drive:</source>
        <translation>Espace disponible sur le disque choisi&#xa0;:</translation>
    </message>
    <message>
        <source>%1 - Create New eXtended Image Set Wizard</source>
        <translation>%1 - Assistant de création d’un nouveau jeu d’images étendu</translation>
    </message>
    <message>
        <source>This wizard creates an eXtended Image Set, which lets you change the graphics and sound of %1.  Please follow the prompts on each step.</source>
        <translation>Cet assistant crée un jeu d’images étendu, qui vous permet de changer les graphismes et les sons de %1.  Veuillez suivre les instructions à chaque étape.</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>cannot be used</source>
        <translation>inutilisable</translation>
    </message>
    <message>
        <source>Discard the set you are making? Everything filled in on these steps will be lost.</source>
        <translation>Abandonner le jeu d’images en cours de création&#xa0;? Tout ce qui a été rempli dans ces étapes sera perdu.</translation>
    </message>
    <message>
        <source>Discard the new set?</source>
        <translation>Abandonner le nouveau jeu d’images&#xa0;?</translation>
    </message>
    <message>
        <source>Set draft</source>
        <translation>Brouillon du jeu d’images</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1 bytes   (%2k)</source>
        <translation>%1 octets   (%2 Ko)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error, bitmap file not found...</source>
        <translation>Erreur, fichier bitmap introuvable…</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff)|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.aif;*.aiff|All Files (*.*)|*.*</source>
        <translation>Sons (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff)|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.aif;*.aiff|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*</source>
        <translation>Fichiers MIDI (*.MID,*.RMI)|*.mid;*.rmi|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>eXtended Image Set (*.XET)|*.xet|All Files (*.*)|*.*</source>
        <translation>Jeu d’images étendu (*.XET)|*.xet|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 bytes  (%2k)</source>
        <translation>%1 octets  (%2 Ko)</translation>
    </message>
    <message>
        <source>Sucess!</source>
        <translation>Réussite&#xa0;!</translation>
    </message>
    <message>
        <source>The new set is written. Use it now?</source>
        <translation>Le nouveau jeu d’images est écrit. L’utiliser maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Use the new set</source>
        <translation>Utiliser le nouveau jeu d’images</translation>
    </message>
    <message>
        <source>Play the tune</source>
        <translation>Écouter la mélodie</translation>
    </message>
    <message>
        <source>Plays the tune as the set will store it</source>
        <translation>Joue la mélodie telle que le jeu d’images l’enregistrera</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>Cannot find the specified images...</source>
        <translation>Impossible de trouver les images indiquées…</translation>
    </message>
    <message>
        <source>One of the above specified files cound not be found...</source>
        <translation>Un des fichiers indiqués ci-dessus est introuvable…</translation>
    </message>
    <message>
        <source>This image set has no name...</source>
        <translation>Ce jeu d’images n’a pas de nom…</translation>
    </message>
    <message>
        <source>Cursor BMP file was not found...</source>
        <translation>Le fichier BMP du curseur est introuvable…</translation>
    </message>
    <message>
        <source>Cursor BMP file could not be loaded...</source>
        <translation>Le fichier BMP du curseur n’a pas pu être chargé…</translation>
    </message>
    <message>
        <source>The set you were making could not be read back; it was kept as %1 and the wizard starts afresh.</source>
        <translation>Le jeu d’images que vous étiez en train de créer n’a pas pu être relu&#xa0;; il a été conservé sous le nom %1 et l’assistant repart de zéro.</translation>
    </message>
    <message>
        <source>The set you were making could not be read back from %1; the wizard starts afresh.</source>
        <translation>Le jeu d’images que vous étiez en train de créer n’a pas pu être relu depuis %1&#xa0;; l’assistant repart de zéro.</translation>
    </message>
</context>
<context>
    <name>SetFiles</name>
    <message>
        <source>Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*</source>
        <translation>Jeu d’images (*.SET)|*.set|Jeu étendu (*.XET)|*.xet|Tous les jeux (*.SET,*.XET)|*.xet;*.set|Tous les fichiers (*.*)|*.*</translation>
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
    <name>SetListModel</name>
    <message>
        <source>Shipped with the game</source>
        <translation>Fourni avec le jeu</translation>
    </message>
    <message>
        <source>In your sets folder</source>
        <translation>Dans votre dossier de jeux d’images</translation>
    </message>
    <message>
        <source>Loaded lately</source>
        <translation>Chargé récemment</translation>
    </message>
</context>
<context>
    <name>SetReaders</name>
    <message>
        <source>File is corrupt or this is not an eXtended image set file...</source>
        <translation>Le fichier est corrompu ou ce n’est pas un fichier de jeu d’images étendu…</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to read a picture of this set as a BMP file: it takes %1 bytes, more than a picture of at most %2 x %3 pixels needs.</source>
        <translation>Impossible de lire une image de ce jeu comme fichier BMP&#xa0;: elle occupe %1 octets, plus qu’il n’en faut à une image d’au plus %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>The sound %1 of this set takes %2 bytes; a sound may last a minute (%3 bytes) at most.</source>
        <translation>Le son %1 de ce jeu occupe %2 octets&#xa0;; un son peut durer une minute (%3 octets) au plus.</translation>
    </message>
    <message>
        <source>The tune of this set takes %1 bytes; a tune may take %2 bytes at most.</source>
        <translation>La musique de ce jeu occupe %1 octets&#xa0;; une musique peut occuper %2 octets au plus.</translation>
    </message>
    <message>
        <source>This file is NOT a %1 Image Set or eXtended Set file...</source>
        <translation>Ce fichier n’est PAS un fichier de jeu d’images %1 ni de jeu étendu…</translation>
    </message>
    <message>
        <source>File is corrupt or not an eXtended image set file...</source>
        <translation>Le fichier est corrompu ou n’est pas un fichier de jeu d’images étendu…</translation>
    </message>
    <message>
        <source>Error loading file, either it is incomplete or corrupted...</source>
        <translation>Erreur de chargement du fichier&#xa0;: il est incomplet ou corrompu…</translation>
    </message>
    <message>
        <source>Error loading images...</source>
        <translation>Erreur de chargement des images…</translation>
    </message>
    <message>
        <source>There is not enough memory to load this set.</source>
        <translation>Il n’y a pas assez de mémoire pour charger ce jeu d’images.</translation>
    </message>
    <message>
        <source>This old image set format is no longer supported by %1...</source>
        <translation>Cet ancien format de jeu d’images n’est plus pris en charge par %1…</translation>
    </message>
    <message>
        <source>Version Control</source>
        <translation>Contrôle de version</translation>
    </message>
    <message>
        <source>This is NOT an eXtended Image Set file...</source>
        <translation>Ce n’est PAS un fichier de jeu d’images étendu…</translation>
    </message>
</context>
<context>
    <name>SetSummary</name>
    <message>
        <source>Error, unable to open file...</source>
        <translation>Erreur, impossible d’ouvrir le fichier…</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SetWriter</name>
    <message>
        <source>Cursor BMP file was not found...</source>
        <translation>Le fichier BMP du curseur est introuvable…</translation>
    </message>
    <message>
        <source>Processing Cursors...</source>
        <translation>Traitement des curseurs…</translation>
    </message>
    <message>
        <source>Extra Graphics...</source>
        <translation>Graphismes supplémentaires…</translation>
    </message>
    <message>
        <source>Numbers Graphics...</source>
        <translation>Graphismes des chiffres…</translation>
    </message>
    <message>
        <source>CountDown Graphics...</source>
        <translation>Graphismes du compte à rebours…</translation>
    </message>
    <message>
        <source>Title Graphics...</source>
        <translation>Graphismes du titre…</translation>
    </message>
    <message>
        <source>Saving PICT1.BMP data </source>
        <translation>Enregistrement des données de PICT1.BMP </translation>
    </message>
    <message>
        <source>Background MIDI Sound...</source>
        <translation>Musique de fond MIDI…</translation>
    </message>
    <message>
        <source>Cleaning up...</source>
        <translation>Nettoyage…</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Setting up...</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>Unable to open the output file for writing...</source>
        <translation>Impossible d’ouvrir le fichier de sortie en écriture…</translation>
    </message>
    <message>
        <source>The output file is one of the files this set is made from, please choose another output filename...</source>
        <translation>Le fichier de sortie est l’un des fichiers dont ce jeu d’images est fait, veuillez choisir un autre nom de fichier de sortie…</translation>
    </message>
    <message>
        <source>An input of this set cannot be converted...</source>
        <translation>Un des fichiers de ce jeu d’images ne peut pas être converti…</translation>
    </message>
    <message>
        <source>eXtended Image Set File Created Sucessfully...</source>
        <translation>Fichier de jeu d’images étendu créé avec succès…</translation>
    </message>
    <message>
        <source>Created file is invalid, either disk is full or an error occured whilst writing to it... (Data Written: %1 bytes,  Should have Written: %2 bytes)</source>
        <translation>Le fichier créé n’est pas valide&#xa0;: soit le disque est plein, soit une erreur s’est produite pendant l’écriture… (données écrites&#xa0;: %1 octets,  attendues&#xa0;: %2 octets)</translation>
    </message>
</context>
<context>
    <name>SoundBackend</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>The MIDI synthesizer cannot be set up.
%1</source>
        <translation>Le synthétiseur MIDI ne peut pas être configuré.
%1</translation>
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
    <name>SoundImport</name>
    <message>
        <source>cannot be resampled: %1</source>
        <translation>ne peut pas être rééchantillonné&#xa0;: %1</translation>
    </message>
    <message>
        <source>is damaged: %1</source>
        <translation>est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>lasts longer than a minute, the most a sound may take</source>
        <translation>dure plus d’une minute, la durée maximale d’un son</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>is not a sound this program reads (%1)</source>
        <translation>n’est pas un son que ce programme sait lire (%1)</translation>
    </message>
    <message>
        <source>has %1 channels at %2 Hz, which is no sound this program takes</source>
        <translation>a %1 canaux à %2 Hz, ce que ce programme n’accepte pas</translation>
    </message>
    <message>
        <source>is cut short: its samples end before the length it declares</source>
        <translation>est tronqué&#xa0;: ses échantillons s’arrêtent avant la longueur qu’il déclare</translation>
    </message>
    <message>
        <source>holds no sound</source>
        <translation>ne contient aucun son</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>StripChecks</name>
    <message>
        <source>%1: %2 row holds %3 targets; %4 target needs %5 rows</source>
        <translation>%1&#xa0;: %2 ligne contient %3 cible&#xa0;; %4 cible demande %5 lignes</translation>
    </message>
    <message>
        <source>%1: %2 row holds %3 target; %4 targets need %5 rows</source>
        <translation>%1&#xa0;: %2 ligne contient %3 cible&#xa0;; %4 cibles demandent %5 lignes</translation>
    </message>
    <message>
        <source>%1: %2 row holds %3 targets; %4 targets need %5 rows</source>
        <translation>%1&#xa0;: %2 ligne contient %3 cibles&#xa0;; %4 cibles demandent %5 lignes</translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 targets; %4 target needs %5 rows</source>
        <translation>%1&#xa0;: %2 lignes contiennent %3 cible&#xa0;; %4 cible demande %5 lignes</translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 target; %4 targets need %5 rows</source>
        <translation>%1&#xa0;: %2 lignes contiennent %3 cible&#xa0;; %4 cibles demandent %5 lignes</translation>
    </message>
    <message>
        <source>%1: %2 rows hold %3 targets; %4 targets need %5 rows</source>
        <translation>%1&#xa0;: %2 lignes contiennent %3 cibles&#xa0;; %4 cibles demandent %5 lignes</translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 target but Pict2.bmp holds %2 targets: a hit target splats with the row of the same number, so both need as many</source>
        <translation>Cibles&#xa0;: %1 dans Pict1.bmp, %2 dans Pict2.bmp&#xa0;; une cible touchée est éclaboussée par la rangée de même numéro, il en faut donc autant dans les deux</translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 targets but Pict2.bmp holds %2 target: a hit target splats with the row of the same number, so both need as many</source>
        <translation>Cibles&#xa0;: %1 dans Pict1.bmp, %2 dans Pict2.bmp&#xa0;; une cible touchée est éclaboussée par la rangée de même numéro, il en faut donc autant dans les deux</translation>
    </message>
    <message>
        <source>Pict1.bmp holds %1 targets but Pict2.bmp holds %2 targets: a hit target splats with the row of the same number, so both need as many</source>
        <translation>Cibles&#xa0;: %1 dans Pict1.bmp, %2 dans Pict2.bmp&#xa0;; une cible touchée est éclaboussée par la rangée de même numéro, il en faut donc autant dans les deux</translation>
    </message>
    <message>
        <source>The page colour %1 differs from the background of %2: boxes will show around them</source>
        <translation>La couleur de page %1 diffère du fond de %2&#xa0;: des cadres apparaîtront autour</translation>
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
<context>
    <name>WaveEngine</name>
    <message>
        <source>Sound Status (On, Off or not available)</source>
        <translation>État du son (activé, désactivé ou indisponible)</translation>
    </message>
    <message>
        <source>Sound Enabled!</source>
        <translation>Son activé&#xa0;!</translation>
    </message>
    <message>
        <source>Sound Muted</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Disabled (sound card in use, invalid or not found...)</source>
        <translation>Désactivé (carte son occupée, invalide ou introuvable…)</translation>
    </message>
</context>
<context>
    <name>WizardPreview</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: not chosen</source>
        <translation>%1&#xa0;: non choisi</translation>
    </message>
    <message>
        <source>%1: %2 target</source>
        <translation>%1&#xa0;: %2 cible</translation>
    </message>
    <message>
        <source>%1: %2 targets</source>
        <translation>%1&#xa0;: %2 cibles</translation>
    </message>
    <message>
        <source>%1 target %2</source>
        <translation>%1 cible %2</translation>
    </message>
    <message>
        <source>the built-in figure</source>
        <translation>la figure intégrée</translation>
    </message>
    <message>
        <source>the built-in splat</source>
        <translation>le splatch intégré</translation>
    </message>
    <message>
        <source>the built-in count-down</source>
        <translation>le compte à rebours intégré</translation>
    </message>
    <message>
        <source>Target </source>
        <translation>Cible </translation>
    </message>
    <message>
        <source>Target shown</source>
        <translation>Cible affichée</translation>
    </message>
</context>
</TS>
