<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>a player is running already but does not answer (it may be stopped or hung)</source>
        <translation>ein Player läuft bereits, antwortet aber nicht (er ist vielleicht angehalten oder hängt)</translation>
    </message>
    <message>
        <source>%1; %2 was not opened</source>
        <translation>%1; %2 wurde nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1: %n Eintrag gespeichert</numerusform>
            <numerusform>%1: %n Einträge gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1: %n Eintrag, erstellt und geprüft</numerusform>
            <numerusform>%1: %n Einträge, erstellt und geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
       quorvix-author check DISC.iso|FOLDER
       quorvix-author --help
</source>
        <translation>Aufruf: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
        quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
        quorvix-author check DISC.iso|FOLDER
        quorvix-author --help
</translation>
    </message>
    <message>
        <source>
build  makes an ISO 9660 image with Joliet names of a disc folder (one with
       Data/All.dat) or of a folder of clips (each clip an entry, in a group
       named after its folder), after checking it; then mounts the image and
       checks that the player finds every entry&apos;s files on it.
save   writes the disc&apos;s folder (Data/All.dat, Video/, Pic/, setup.inf and
       the marker) from a folder of clips, a disc folder or an image, to
       mark its entries before it is built.
check  reports what a disc image or folder holds that the player would not
       play or find.
Exit status: 0 done, 1 an error found or a failure, 2 a wrong command line.
</source>
        <translation>
build  erstellt aus einem Disc-Ordner (einem mit Data/All.dat) oder aus einem
       Ordner mit Clips (jeder Clip ein Eintrag, in einer Gruppe mit dem Namen
       seines Ordners) nach einer Prüfung ein Abbild nach ISO 9660 mit
       Joliet-Namen; hängt das Abbild dann ein und prüft, ob der Player darauf
       die Dateien jedes Eintrags findet.
save   schreibt den Ordner der Disc (Data/All.dat, Video/, Pic/, setup.inf und
       die Kennungsdatei) aus einem Ordner mit Clips, einem Disc-Ordner oder
       einem Abbild, um vor dem Erstellen die Marken ihrer Einträge zu setzen.
check  meldet, was ein Disc-Abbild oder Disc-Ordner enthält, das der Player
       nicht abspielen oder nicht finden würde.
Exit-Status: 0 erfolgreich, 1 Fehler gefunden oder fehlgeschlagen, 2 falsche
Befehlszeile.
</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>%1 error(s), %2 warning(s); the disc takes %3 MB</source>
        <translation>Fehler: %1, Warnungen: %2; die Disc belegt %3 MB</translation>
    </message>
    <message>
        <source>%1 was not built: fix the errors first</source>
        <translation>%1 wurde nicht erstellt: Beheben Sie zuerst die Fehler</translation>
    </message>
    <message>
        <source>%1 failed its check</source>
        <translation>%1 hat die Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>Katalog %1 ist zu groß: %n Eintrag, höchstens %2 werden gelesen</numerusform>
            <numerusform>Katalog %1 ist zu groß: %n Einträge, höchstens %2 werden gelesen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too many arguments</source>
        <translation>zu viele Argumente</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>Usage: quorvix-player [IMAGE]
Plays the video clip collection on a Quorvix disc. Without IMAGE it waits
for the disc to be inserted or mounted; IMAGE, a disc image (.iso), is
mounted and opened like a disc, and unmounted at exit. While the player
runs, a second start brings it forward and hands it IMAGE.

  -h, --help     show this help and exit
      --version  show the version and exit
</source>
        <translation>Aufruf: quorvix-player [IMAGE]
Spielt die Videoclips einer Quorvix-Disc ab. Ohne IMAGE wartet der Player,
bis die Disc eingelegt oder eingehängt ist; IMAGE, ein Disc-Abbild (.iso),
wird wie eine Disc eingehängt und geöffnet und beim Beenden ausgehängt.
Läuft er schon, holt ihn ein zweiter Start nach vorn und übergibt ihm IMAGE.

  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version anzeigen und beenden
</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>Eintrag %1 „%2“</translation>
    </message>
    <message>
        <source>%1: no picture %2; the default picture shows</source>
        <translation>%1: Kein Bild %2; das Standardbild wird angezeigt</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, not before its end at %3 s</source>
        <translation>%1: Der Anfang bei %2 s liegt nicht vor dem Ende bei %3 s</translation>
    </message>
    <message>
        <source>%1: no video %2</source>
        <translation>%1: Kein Video %2</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as media</source>
        <translation>%1: %2 lässt sich nicht als Mediendatei lesen</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, beyond the %3 s of %4</source>
        <translation>%1: Der Anfang bei %2 s liegt hinter den %3 s von %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 s, beyond the %3 s of %4</source>
        <translation>%1: Das Ende bei %2 s liegt hinter den %3 s von %4</translation>
    </message>
    <message>
        <source>group %1 &quot;%2&quot; comes back at entry %3 after other groups (its first run starts at entry %4); the tree shows it twice</source>
        <translation>Gruppe %1 „%2“ kehrt bei Eintrag %3 nach anderen Gruppen wieder (ihr erster Abschnitt beginnt bei Eintrag %4); der Baum zeigt sie zweimal</translation>
    </message>
    <message>
        <source>%1 entries: entry numbers are one byte, so entries 256 and later share them with earlier ones</source>
        <translation>%1 Einträge: Eintragsnummern sind ein Byte lang, daher teilen sich die Einträge ab 256 ihre Nummern mit früheren</translation>
    </message>
    <message>
        <source>no Data/All.dat in this folder</source>
        <translation>keine Data/All.dat in diesem Ordner</translation>
    </message>
</context>
<context>
    <name>DiscChecks</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>Eintrag %1 „%2“</translation>
    </message>
    <message>
        <source>%1: media name %2 and %3 of %4 differ only in case; the player finds one file for both</source>
        <translation>%1: Die Mediennamen %2 und %3 von %4 unterscheiden sich nur in der Groß-/Kleinschreibung; der Player findet für beide dieselbe Datei</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3, from %4 s to %5 s</source>
        <translation>%1 und %2 überschneiden sich in %3 von %4 s bis %5 s</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)</source>
        <translation>Die Disc braucht %1 MB: mehr, als eine 700-MB-CD fasst (%2 MB)</translation>
    </message>
    <message>
        <source>volume %1: entries %2 to %3, %4 MB</source>
        <translation>Band %1: Einträge %2 bis %3, %4 MB</translation>
    </message>
    <message>
        <source>%1 alone needs %2 MB: its clip is larger than a CD</source>
        <translation>%1 braucht allein %2 MB: Sein Clip ist größer als eine CD</translation>
    </message>
    <message>
        <source>%1 discs would hold it, each with its Volume number and the IniFileName &quot;%2&quot;: %3</source>
        <translation>Der Inhalt passt auf %1 Discs, jede mit ihrer Volume-Nummer und dem IniFileName „%2“: %3</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)</source>
        <translation>Die Disc braucht %1 MB: Sie passt auf eine 700-MB-CD, nicht auf eine mit 650 MB (%2 MB)</translation>
    </message>
    <message>
        <source>%1: media name %2 holds %3, which no disc name carries; the player would not find its files</source>
        <translation>%1: Der Medienname %2 enthält %3, das kein Name auf der Disc tragen kann; der Player fände seine Dateien nicht</translation>
    </message>
    <message>
        <source>%1: media name %2 makes a file name of more than 64 characters, more than a Joliet name holds</source>
        <translation>%1: Der Medienname %2 ergibt einen Dateinamen mit mehr als 64 Zeichen, mehr, als ein Joliet-Name fasst</translation>
    </message>
    <message>
        <source>%1: media name %2 is no 8.3 name; only a drive that reads Joliet names finds its files</source>
        <translation>%1: Der Medienname %2 ist kein 8.3-Name; nur ein Laufwerk, das Joliet-Namen liest, findet seine Dateien</translation>
    </message>
    <message>
        <source>%1: %2 holds %3, one name in different case; the player finds only %4</source>
        <translation>%1: %2 enthält %3, denselben Namen in unterschiedlicher Groß-/Kleinschreibung; der Player findet nur %4</translation>
    </message>
</context>
<context>
    <name>DiscSetup</name>
    <message>
        <source>The folder name &quot;%1&quot; cannot be kept in a settings file (line break or surrounding spaces)</source>
        <translation>Der Ordnername „%1“ kann nicht in einer Einstellungsdatei gespeichert werden (Zeilenumbruch oder Leerzeichen am Anfang oder Ende)</translation>
    </message>
    <message>
        <source>No setup.inf in %1: not a program disc</source>
        <translation>Keine setup.inf in %1: keine Programm-Disc</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>DiscSetupTool</name>
    <message>
        <source>Disc volume %1 in %2</source>
        <translation>Disc-Band %1 in %2</translation>
    </message>
    <message>
        <source>%1: WorkDir=%2 written to [%3] of %4</source>
        <translation>%1: WorkDir=%2 in [%3] von %4 geschrieben</translation>
    </message>
    <message>
        <source>%1: [%2] of %3 already has WorkDir=%4; left as it is (--force replaces it)</source>
        <translation>%1: [%2] von %3 hat bereits WorkDir=%4; unverändert gelassen (--force ersetzt es)</translation>
    </message>
    <message>
        <source>warning: the folder %1 does not exist</source>
        <translation>Warnung: der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>Writes the working folder (WorkDir) for a program disc&apos;s volume into the per-user settings file, so that the player keeps favourites and window places. Without DISC_FOLDER the mounted program disc is used.</source>
        <translation>Schreibt den Arbeitsordner (WorkDir) für einen Band der Programm-Disc in die Einstellungsdatei des Benutzers, damit der Player Favoriten und Fensterpositionen behält. Ohne DISC_FOLDER wird die eingehängte Programm-Disc verwendet.</translation>
    </message>
    <message>
        <source>Replace a WorkDir that is already set.</source>
        <translation>Einen bereits gesetzten WorkDir ersetzen.</translation>
    </message>
    <message>
        <source>The working folder (default: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</source>
        <translation>Der Arbeitsordner (Vorgabe: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</translation>
    </message>
    <message>
        <source>Root folder of the program disc.</source>
        <translation>Wurzelordner der Programm-Disc.</translation>
    </message>
    <message>
        <source>no program disc is mounted; mount it or give its folder</source>
        <translation>keine Programm-Disc eingehängt; hängen Sie sie ein oder geben Sie ihren Ordner an</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>needs a graphical display, and DISPLAY is not set</source>
        <translation>benötigt eine grafische Oberfläche, aber DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>needs X11 (XWayland on a Wayland desktop), and DISPLAY is not set</source>
        <translation>benötigt X11 (XWayland auf einem Wayland-Desktop), aber DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>needs a graphical display, and cannot open display %1</source>
        <translation>benötigt eine grafische Oberfläche, kann aber das Display %1 nicht öffnen</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ImageBuild</name>
    <message>
        <source>the mounted image is not among the discs the player looks at</source>
        <translation>das eingehängte Abbild ist nicht unter den Discs, die der Player durchsucht</translation>
    </message>
    <message>
        <source>no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc</source>
        <translation>keine QUORVIX_PLAYER.EXE im Wurzelordner: Der Player hielte das Abbild nicht für seine Disc</translation>
    </message>
    <message>
        <source>no setup.inf: the player would not know the disc&apos;s volume</source>
        <translation>keine setup.inf: Der Player wüsste nicht, welcher Band der Disc es ist</translation>
    </message>
    <message>
        <source>no Data/All.dat: the player would find no catalog</source>
        <translation>keine Data/All.dat: Der Player fände keinen Katalog</translation>
    </message>
    <message>
        <source>its catalog cannot be read: %1</source>
        <translation>der Katalog des Abbilds lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>its catalog has no entries</source>
        <translation>der Katalog des Abbilds hat keine Einträge</translation>
    </message>
    <message>
        <source>its catalog is not the one the disc was built from</source>
        <translation>der Katalog des Abbilds ist nicht der, aus dem die Disc erstellt wurde</translation>
    </message>
    <message>
        <source>the player finds no %1 on the image</source>
        <translation>der Player findet %1 nicht auf dem Abbild</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>An image is being built already</source>
        <translation>Es wird bereits ein Abbild erstellt</translation>
    </message>
    <message>
        <source>genisoimage is not installed (Debian package genisoimage)</source>
        <translation>genisoimage ist nicht installiert (Debian-Paket genisoimage)</translation>
    </message>
    <message>
        <source>The disc has no entries</source>
        <translation>Die Disc hat keine Einträge</translation>
    </message>
    <message>
        <source>No temporary folder for the disc&apos;s files</source>
        <translation>Kein temporärer Ordner für die Dateien der Disc</translation>
    </message>
    <message>
        <source>genisoimage did not start: %1</source>
        <translation>genisoimage ließ sich nicht starten: %1</translation>
    </message>
    <message>
        <source>genisoimage failed (exit %1): %2</source>
        <translation>genisoimage ist fehlgeschlagen (Exit-Status %1): %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ImageMount</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 did not finish</source>
        <translation>%1 ist nicht rechtzeitig fertig geworden</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot unmount %1: %2</source>
        <translation>%1 kann nicht ausgehängt werden: %2</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>%1 kann nicht eingehängt werden: %2</translation>
    </message>
    <message>
        <source>cannot create a folder in %1</source>
        <translation>in %1 kann kein Ordner angelegt werden</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a disc image (ISO 9660 or UDF)</source>
        <translation>%1 ist kein Disc-Abbild (ISO 9660 oder UDF)</translation>
    </message>
    <message>
        <source>no file system found on it</source>
        <translation>kein Dateisystem darauf gefunden</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot write %1 to %2: the value holds a line break or a NUL byte</source>
        <translation>%1 kann nicht in %2 geschrieben werden: der Wert enthält einen Zeilenumbruch oder ein NUL-Byte</translation>
    </message>
    <message>
        <source>Cannot write %1: it is UTF-16 text, which this program only reads</source>
        <translation>%1 kann nicht geschrieben werden: die Datei ist UTF-16-Text, den dieses Programm nur liest</translation>
    </message>
</context>
<context>
    <name>InstanceRequests</name>
    <message>
        <source>the name is too long for a socket</source>
        <translation>der Name ist zu lang für einen Socket</translation>
    </message>
    <message>
        <source>later starts can&apos;t reach this player: %1: %2; @%3: %4</source>
        <translation>spätere Starts erreichen diesen Player nicht: %1: %2; @%3: %4</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot load picture %1: %2</source>
        <translation>Bild %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>leeres Bild</translation>
    </message>
    <message>
        <source>picture too large (%1 x %2)</source>
        <translation>Bild zu groß (%1 x %2)</translation>
    </message>
    <message>
        <source>progressive picture too large to decode (%1 x %2)</source>
        <translation>progressives Bild zu groß zum Dekodieren (%1 x %2)</translation>
    </message>
    <message>
        <source>no picture data</source>
        <translation>keine Bilddaten</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Cannot write a JPEG picture: %1</source>
        <translation>JPEG-Bild kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>RegionData</name>
    <message>
        <source>Shape too large to store</source>
        <translation>Form zu groß zum Speichern</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot save through the link %1, which another user made in a folder open to all</source>
        <translation>Speichern über den Link %1 nicht möglich: ein anderer Benutzer hat ihn in einem für alle offenen Ordner angelegt</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>This disc&apos;s settings can&apos;t be kept: its setup.inf names the settings file &quot;%1&quot;, which is not a plain file name</source>
        <translation>Die Einstellungen dieser Disc können nicht gespeichert werden: ihre setup.inf nennt als Einstellungsdatei „%1“, und das ist kein einfacher Dateiname</translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marken</translation>
    </message>
    <message>
        <source>&amp;New disc from clips…</source>
        <translation>&amp;Neue Disc aus Clips…</translation>
    </message>
    <message>
        <source>&amp;Open disc or image…</source>
        <translation>Disc oder Abbild ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Build image…</source>
        <translation>Abbild &amp;erstellen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Add &amp;clips…</source>
        <translation>&amp;Clips hinzufügen…</translation>
    </message>
    <message>
        <source>Add &amp;group…</source>
        <translation>&amp;Gruppe hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Umbe&amp;nennen</translation>
    </message>
    <message>
        <source>Mark &amp;in</source>
        <translation>&amp;Anfang markieren</translation>
    </message>
    <message>
        <source>Mark &amp;out</source>
        <translation>&amp;Ende markieren</translation>
    </message>
    <message>
        <source>Frame back</source>
        <translation>Bild zurück</translation>
    </message>
    <message>
        <source>Frame on</source>
        <translation>Bild vor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>&amp;Rehearse</source>
        <translation>&amp;Probelauf</translation>
    </message>
    <message>
        <source>Rehearse &amp;all</source>
        <translation>Probelauf für a&amp;lle</translation>
    </message>
    <message>
        <source>&amp;Grab picture</source>
        <translation>&amp;Standbild übernehmen</translation>
    </message>
    <message>
        <source>&amp;Import picture…</source>
        <translation>Bild &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <translation>&amp;Marken</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>B&amp;ild</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Split into volumes…</source>
        <translation>Auf Bände aufteilen…</translation>
    </message>
    <message>
        <source>New disc</source>
        <translation>Neue Disc</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Keine Disc</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>%1[*] — Quorvix Author</source>
        <translation>%1[*] — Quorvix Author</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>No picture: the player shows its own</source>
        <translation>Kein Bild: Der Player zeigt sein eigenes</translation>
    </message>
    <message>
        <source>Quorvix Author</source>
        <translation>Quorvix Author</translation>
    </message>
    <message>
        <source>The disc has changes that are not saved. Save them?</source>
        <translation>Die Disc hat ungespeicherte Änderungen. Sollen sie gespeichert werden?</translation>
    </message>
    <message>
        <source>A folder of clips</source>
        <translation>Ordner mit Clips</translation>
    </message>
    <message>
        <source>A disc&apos;s catalog or a disc image</source>
        <translation>Katalog einer Disc oder Disc-Abbild</translation>
    </message>
    <message>
        <source>Save the disc into a folder</source>
        <translation>Disc in einem Ordner speichern</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>Gruppe umbenennen</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>Eintrag umbenennen</translation>
    </message>
    <message>
        <source>Rename media</source>
        <translation>Medium umbenennen</translation>
    </message>
    <message>
        <source>Clips to add</source>
        <translation>Hinzuzufügende Clips</translation>
    </message>
    <message>
        <source>New group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Add clips</source>
        <translation>Clips hinzufügen</translation>
    </message>
    <message>
        <source>Clips of the new group</source>
        <translation>Clips der neuen Gruppe</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Remove group</source>
        <translation>Gruppe entfernen</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Move entry up</source>
        <translation>Eintrag nach oben verschieben</translation>
    </message>
    <message>
        <source>Move entry down</source>
        <translation>Eintrag nach unten verschieben</translation>
    </message>
    <message>
        <source>Move group up</source>
        <translation>Gruppe nach oben verschieben</translation>
    </message>
    <message>
        <source>Move group down</source>
        <translation>Gruppe nach unten verschieben</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>Gruppe verschieben</translation>
    </message>
    <message>
        <source>Move entry</source>
        <translation>Eintrag verschieben</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Rehearsal done</source>
        <translation>Probelauf beendet</translation>
    </message>
    <message>
        <source>Rehearsing “%1”</source>
        <translation>Probelauf: „%1“</translation>
    </message>
    <message>
        <source>No entry is checked</source>
        <translation>Kein Eintrag ist angehakt</translation>
    </message>
    <message>
        <source>The start mark %1 would not come before the end mark %2</source>
        <translation>Die Anfangsmarke %1 läge nicht vor der Endmarke %2</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Anfang markieren</translation>
    </message>
    <message>
        <source>The end mark %1 would not come after the start mark %2</source>
        <translation>Die Endmarke %1 läge nicht nach der Anfangsmarke %2</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Ende markieren</translation>
    </message>
    <message>
        <source>There is no picture on screen to take</source>
        <translation>Es wird kein Bild angezeigt, das sich übernehmen ließe</translation>
    </message>
    <message>
        <source>The picture on screen could not be taken</source>
        <translation>Das angezeigte Bild konnte nicht übernommen werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Grab picture</source>
        <translation>Standbild übernehmen</translation>
    </message>
    <message>
        <source>The entry&apos;s picture</source>
        <translation>Bild des Eintrags</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Save the disc first; then each volume is written from it.

</source>
        <translation>Speichern Sie zuerst die Disc; danach wird jeder Band aus ihr geschrieben.

</translation>
    </message>
    <message>
        <source>Write these discs, each into a folder of its own, with the same settings file name?

</source>
        <translation>Diese Discs jeweils in einen eigenen Ordner schreiben, mit demselben Namen der Einstellungsdatei?

</translation>
    </message>
    <message>
        <source>A folder for the volumes</source>
        <translation>Ordner für die Bände</translation>
    </message>
    <message>
        <source>Volumes written in %1</source>
        <translation>Bände in %1 geschrieben</translation>
    </message>
    <message>
        <source>Build the disc image</source>
        <translation>Disc-Abbild erstellen</translation>
    </message>
    <message>
        <source>Building %1…</source>
        <translation>%1 wird erstellt…</translation>
    </message>
    <message>
        <source>Built and checked: %1</source>
        <translation>Erstellt und geprüft: %1</translation>
    </message>
    <message>
        <source>The image %1 was built. Mounted as the player meets it, its catalog loads and every entry&apos;s files are found.</source>
        <translation>Das Abbild %1 wurde erstellt. So eingehängt, wie der Player es vorfindet, lässt sich sein Katalog laden, und die Dateien jedes Eintrags werden gefunden.</translation>
    </message>
    <message>
        <source>The image %1 failed:
%2</source>
        <translation>Beim Abbild %1 ist ein Fehler aufgetreten:
%2</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Clips</translation>
    </message>
    <message>
        <source>Disc images or catalogs</source>
        <translation>Disc-Abbilder oder Kataloge</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <translation>JPEG-Bilder</translation>
    </message>
    <message>
        <source>Disc images</source>
        <translation>Disc-Abbilder</translation>
    </message>
    <message>
        <source>%1, %2 MB; %3, %4</source>
        <translation>%1, %2 MB; %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform>; die Clips brauchen %n Disc</numerusform>
            <numerusform>; die Clips brauchen %n Discs</numerusform>
        </translation>
    </message>
    <message>
        <source>Volume %1: %2, %3 MB
</source>
        <translation>Band %1: %2, %3 MB
</translation>
    </message>
</context>
<context>
    <name>TAuthorTree</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Medienname</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>TCaptionForm</name>
    <message>
        <source>Current Name</source>
        <translation>Aktueller Titel</translation>
    </message>
</context>
<context>
    <name>TCatForm2</name>
    <message>
        <source>Load</source>
        <translation>Öffn.</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sich.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the play list: its name holds a line break or a NUL byte</source>
        <translation>%1 kann nicht als Playlist verwendet werden: der Name enthält einen Zeilenumbruch oder ein NUL-Byte</translation>
    </message>
    <message>
        <source>Play_List files</source>
        <translation>Playlist-Dateien</translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>the character %1 cannot be stored in the catalog, which holds Windows-1251 text</source>
        <translation>das Zeichen %1 lässt sich nicht im Katalog speichern, der Text in Windows-1251 enthält</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 holds no video clips</source>
        <translation>%1 enthält keine Videoclips</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>%1: no such folder or disc image</source>
        <translation>%1: weder Ordner noch Disc-Abbild vorhanden</translation>
    </message>
    <message>
        <source>%1 holds no Data/All.dat: not a disc</source>
        <translation>%1 enthält keine Data/All.dat: keine Disc</translation>
    </message>
    <message>
        <source>This disc is read-only; save it into a folder instead</source>
        <translation>Diese Disc ist schreibgeschützt; speichern Sie sie stattdessen in einem Ordner</translation>
    </message>
    <message>
        <source>This disc has no folder yet; choose one to save it in</source>
        <translation>Diese Disc hat noch keinen Ordner; wählen Sie einen, um sie darin zu speichern</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>There is no entry %1</source>
        <translation>Es gibt keinen Eintrag %1</translation>
    </message>
    <message>
        <source>There are no entries %1 to %2</source>
        <translation>Es gibt keine Einträge %1 bis %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Medienname</translation>
    </message>
    <message>
        <source>Media name: empty; it names the entry&apos;s video file</source>
        <translation>Medienname: leer; er benennt die Videodatei des Eintrags</translation>
    </message>
    <message>
        <source>Media name: the character %1 cannot stand in a file name</source>
        <translation>Medienname: Das Zeichen %1 darf nicht in einem Dateinamen stehen</translation>
    </message>
    <message>
        <source>Media name: &quot;%1&quot; names no file</source>
        <translation>Medienname: „%1“ benennt keine Datei</translation>
    </message>
    <message>
        <source>Media name: %1 already names another clip</source>
        <translation>Medienname: %1 benennt bereits einen anderen Clip</translation>
    </message>
    <message>
        <source>Marks must be seconds from the start of the file, not below 0</source>
        <translation>Marken müssen Sekunden ab Dateianfang angeben und dürfen nicht unter 0 liegen</translation>
    </message>
    <message>
        <source>The end mark (%1 s) must come after the start mark (%2 s)</source>
        <translation>Die Endmarke (%1 s) muss nach der Anfangsmarke (%2 s) liegen</translation>
    </message>
    <message>
        <source>The catalog holds at most %1 records</source>
        <translation>Der Katalog fasst höchstens %1 Einträge</translation>
    </message>
    <message>
        <source>%1: no such clip</source>
        <translation>%1: Clip nicht vorhanden</translation>
    </message>
    <message>
        <source>Every one of the 256 group keys is taken</source>
        <translation>Alle 256 Gruppenschlüssel sind vergeben</translation>
    </message>
    <message>
        <source>The volume number must be 1 or more</source>
        <translation>Die Bandnummer muss 1 oder größer sein</translation>
    </message>
    <message>
        <source>Settings name</source>
        <translation>Einstellungsname</translation>
    </message>
    <message>
        <source>Settings name: &quot;%1&quot; cannot name a settings file</source>
        <translation>Einstellungsname: „%1“ taugt nicht als Name einer Einstellungsdatei</translation>
    </message>
    <message>
        <source>The volume label must have 1 to 32 characters</source>
        <translation>Die Datenträgerbezeichnung muss 1 bis 32 Zeichen lang sein</translation>
    </message>
    <message>
        <source>The volume label may hold only A-Z, 0-9 and _, not %1</source>
        <translation>Die Datenträgerbezeichnung darf nur A-Z, 0-9 und _ enthalten, nicht %1</translation>
    </message>
    <message>
        <source>%1: no such picture</source>
        <translation>%1: Bild nicht vorhanden</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>%n Byte; der Katalog fasst höchstens 255</numerusform>
            <numerusform>%n Bytes; der Katalog fasst höchstens 255</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>%1 hat Clips in %n Ordner; der Katalog hat höchstens 256 Gruppen</numerusform>
            <numerusform>%1 hat Clips in %n Ordnern; der Katalog hat höchstens 256 Gruppen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Playing a clip</source>
        <translation>Ein Clip wird abgespielt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Seconds into the file</source>
        <translation>Sekunden seit Dateianfang</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Lautstärkeregler</translation>
    </message>
    <message>
        <source>FIle :</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Repeat Current</source>
        <translation>Clip wiederholen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Play All File</source>
        <translation>Alle abspielen</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Hide Player</source>
        <translation>Player ausblenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>SavePos</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>EndToStart</source>
        <translation>Bis→Von</translation>
    </message>
    <message>
        <source>CustomLoader</source>
        <translation>Disc neu laden</translation>
    </message>
    <message>
        <source>TestPlayerFile</source>
        <translation>Dateien der Disc prüfen</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for this disc&apos;s favourites</source>
        <translation>Der Ordner %1 für die Favoriten dieser Disc kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
</context>
<context>
    <name>TMpvMediaPlayer</name>
    <message>
        <source>No OpenGL context could be made for the picture</source>
        <translation>Für das Bild konnte kein OpenGL-Kontext erzeugt werden</translation>
    </message>
    <message>
        <source>The playback engine could not be started</source>
        <translation>Die Wiedergabe-Engine konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>TMyGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>Der Wert muss zwischen %1 und %2 liegen</translation>
    </message>
</context>
<context>
    <name>TVidOutForm</name>
    <message>
        <source>Insert the program disc or open a disc image.</source>
        <translation>Legen Sie die Programm-Disc ein oder öffnen Sie ein Disc-Abbild.</translation>
    </message>
</context>
</TS>
