<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Application</name>
    <message>
        <source>a player is running already but does not answer (it may be stopped or hung)</source>
        <translation>odtwarzacz już działa, ale nie odpowiada (może jest zatrzymany lub zawieszony)</translation>
    </message>
    <message>
        <source>%1; %2 was not opened</source>
        <translation>%1; nie otwarto %2</translation>
    </message>
</context>
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1: zapisano %n wpis</numerusform>
            <numerusform>%1: zapisano %n wpisy</numerusform>
            <numerusform>%1: zapisano %n wpisów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1: %n wpis, obraz utworzony i sprawdzony</numerusform>
            <numerusform>%1: %n wpisy, obraz utworzony i sprawdzony</numerusform>
            <numerusform>%1: %n wpisów, obraz utworzony i sprawdzony</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
       quorvix-author check DISC.iso|FOLDER
       quorvix-author --help
</source>
        <translation>użycie: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
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
build  tworzy obraz ISO 9660 z nazwami Joliet z folderu płyty (takiego
       z Data/All.dat) lub z folderu z klipami (każdy klip to wpis w grupie
       nazwanej tak jak jego folder), po jego sprawdzeniu; potem montuje obraz
       i sprawdza, czy odtwarzacz znajduje na nim pliki każdego wpisu.
save   zapisuje folder płyty (Data/All.dat, Video/, Pic/, setup.inf i plik
       rozpoznawczy) z folderu z klipami, folderu płyty lub obrazu, aby przed
       utworzeniem obrazu ustawić znaczniki jej wpisów.
check  zgłasza, co zawiera obraz lub folder płyty, czego odtwarzacz nie
       odtworzyłby lub nie znalazłby.
Kod wyjścia: 0 gotowe, 1 znaleziono błąd lub niepowodzenie, 2 błędny wiersz
poleceń.
</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>błąd: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>ostrzeżenie: </translation>
    </message>
    <message>
        <source>%1 error(s), %2 warning(s); the disc takes %3 MB</source>
        <translation>błędy: %1, ostrzeżenia: %2; płyta zajmuje %3 MB</translation>
    </message>
    <message>
        <source>%1 was not built: fix the errors first</source>
        <translation>nie utworzono %1: najpierw popraw błędy</translation>
    </message>
    <message>
        <source>%1 failed its check</source>
        <translation>%1: sprawdzenie nie powiodło się</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>nie udało się zapisać wyjścia</translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>Katalog %1 jest za duży: %n wpis, odczytywanych jest najwyżej %2</numerusform>
            <numerusform>Katalog %1 jest za duży: %n wpisy, odczytywanych jest najwyżej %2</numerusform>
            <numerusform>Katalog %1 jest za duży: %n wpisów, odczytywanych jest najwyżej %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too many arguments</source>
        <translation>za dużo argumentów</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
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
        <translation>Użycie: quorvix-player [IMAGE]
Odtwarza kolekcję klipów wideo z płyty Quorvix. Bez IMAGE czeka, aż płyta
zostanie włożona lub zamontowana; IMAGE, obraz płyty (.iso), jest montowany
i otwierany jak płyta, a przy wyjściu odmontowywany. Gdy odtwarzacz już
działa, ponowne uruchomienie przywołuje go na wierzch i przekazuje mu IMAGE.

  -h, --help     wyświetla tę pomoc i kończy działanie
      --version  wyświetla wersję i kończy działanie
</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>wpis %1 „%2”</translation>
    </message>
    <message>
        <source>%1: no picture %2; the default picture shows</source>
        <translation>%1: brak obrazu %2; wyświetlany jest obraz domyślny</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, not before its end at %3 s</source>
        <translation>%1: początek w %2 s nie wypada przed końcem w %3 s</translation>
    </message>
    <message>
        <source>%1: no video %2</source>
        <translation>%1: brak wideo %2</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as media</source>
        <translation>%1: nie można odczytać %2 jako pliku multimedialnego</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, beyond the %3 s of %4</source>
        <translation>%1: początek w %2 s wypada poza %3 s pliku %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 s, beyond the %3 s of %4</source>
        <translation>%1: koniec w %2 s wypada poza %3 s pliku %4</translation>
    </message>
    <message>
        <source>group %1 &quot;%2&quot; comes back at entry %3 after other groups (its first run starts at entry %4); the tree shows it twice</source>
        <translation>grupa %1 „%2” pojawia się ponownie we wpisie %3 po innych grupach (jej pierwsza seria zaczyna się od wpisu %4); drzewo pokazuje ją dwukrotnie</translation>
    </message>
    <message>
        <source>%1 entries: entry numbers are one byte, so entries 256 and later share them with earlier ones</source>
        <translation>liczba wpisów: %1; numery wpisów zajmują jeden bajt, więc wpisy od 256 wzwyż dzielą je z wcześniejszymi</translation>
    </message>
    <message>
        <source>no Data/All.dat in this folder</source>
        <translation>brak Data/All.dat w tym folderze</translation>
    </message>
</context>
<context>
    <name>DiscChecks</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>wpis %1 „%2”</translation>
    </message>
    <message>
        <source>%1: media name %2 and %3 of %4 differ only in case; the player finds one file for both</source>
        <translation>%1: nazwa pliku %2 różni się od nazwy %3 (%4) tylko wielkością liter; odtwarzacz znajduje jeden plik dla obu</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3, from %4 s to %5 s</source>
        <translation>%1 i %2 nakładają się w pliku %3 od %4 s do %5 s</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)</source>
        <translation>Płyta potrzebuje %1 MB: więcej, niż mieści płyta CD 700 MB (%2 MB)</translation>
    </message>
    <message>
        <source>volume %1: entries %2 to %3, %4 MB</source>
        <translation>wolumin %1: wpisy od %2 do %3, %4 MB</translation>
    </message>
    <message>
        <source>%1 alone needs %2 MB: its clip is larger than a CD</source>
        <translation>%1 sam potrzebuje %2 MB: jego klip jest większy niż płyta CD</translation>
    </message>
    <message>
        <source>%1 discs would hold it, each with its Volume number and the IniFileName &quot;%2&quot;: %3</source>
        <translation>Zawartość zmieściłaby się na %1 płytach, każda z własnym numerem Volume i IniFileName „%2”: %3</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)</source>
        <translation>Płyta potrzebuje %1 MB: zmieści się na płycie CD 700 MB, ale nie 650 MB (%2 MB)</translation>
    </message>
    <message>
        <source>%1: media name %2 holds %3, which no disc name carries; the player would not find its files</source>
        <translation>%1: nazwa pliku %2 zawiera %3, którego nie może zawierać żadna nazwa na płycie; odtwarzacz nie znalazłby plików wpisu</translation>
    </message>
    <message>
        <source>%1: media name %2 makes a file name of more than 64 characters, more than a Joliet name holds</source>
        <translation>%1: nazwa pliku %2 daje pełną nazwę dłuższą niż 64 znaki, czyli więcej, niż mieści nazwa Joliet</translation>
    </message>
    <message>
        <source>%1: media name %2 is no 8.3 name; only a drive that reads Joliet names finds its files</source>
        <translation>%1: nazwa pliku %2 nie jest nazwą 8.3; pliki wpisu znajdzie tylko napęd, który odczytuje nazwy Joliet</translation>
    </message>
    <message>
        <source>%1: %2 holds %3, one name in different case; the player finds only %4</source>
        <translation>%1: %2 zawiera %3 — tę samą nazwę pisaną różną wielkością liter; odtwarzacz znajduje tylko %4</translation>
    </message>
</context>
<context>
    <name>DiscSetup</name>
    <message>
        <source>The folder name &quot;%1&quot; cannot be kept in a settings file (line break or surrounding spaces)</source>
        <translation>Nazwy folderu „%1” nie da się zapisać w pliku ustawień (znak nowego wiersza lub spacje na początku lub końcu)</translation>
    </message>
    <message>
        <source>No setup.inf in %1: not a program disc</source>
        <translation>Brak setup.inf w %1: to nie jest płyta programu</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
</context>
<context>
    <name>DiscSetupTool</name>
    <message>
        <source>Disc volume %1 in %2</source>
        <translation>Płyta, wolumin %1, w %2</translation>
    </message>
    <message>
        <source>%1: WorkDir=%2 written to [%3] of %4</source>
        <translation>%1: WorkDir=%2 zapisano w [%3] pliku %4</translation>
    </message>
    <message>
        <source>%1: [%2] of %3 already has WorkDir=%4; left as it is (--force replaces it)</source>
        <translation>%1: [%2] w %3 ma już WorkDir=%4; pozostawiono bez zmian (--force zastępuje)</translation>
    </message>
    <message>
        <source>warning: the folder %1 does not exist</source>
        <translation>ostrzeżenie: folder %1 nie istnieje</translation>
    </message>
    <message>
        <source>Writes the working folder (WorkDir) for a program disc&apos;s volume into the per-user settings file, so that the player keeps favourites and window places. Without DISC_FOLDER the mounted program disc is used.</source>
        <translation>Zapisuje folder roboczy (WorkDir) woluminu płyty programu w pliku ustawień użytkownika, aby odtwarzacz zachował ulubione i położenie okien. Bez DISC_FOLDER używana jest zamontowana płyta programu.</translation>
    </message>
    <message>
        <source>Replace a WorkDir that is already set.</source>
        <translation>Zastąp już ustawiony WorkDir.</translation>
    </message>
    <message>
        <source>The working folder (default: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</source>
        <translation>Folder roboczy (domyślnie: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</translation>
    </message>
    <message>
        <source>Root folder of the program disc.</source>
        <translation>Folder główny płyty programu.</translation>
    </message>
    <message>
        <source>no program disc is mounted; mount it or give its folder</source>
        <translation>płyta programu nie jest zamontowana; zamontuj ją lub podaj jej folder</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>needs a graphical display, and DISPLAY is not set</source>
        <translation>wymaga środowiska graficznego, a zmienna DISPLAY nie jest ustawiona</translation>
    </message>
    <message>
        <source>needs X11 (XWayland on a Wayland desktop), and DISPLAY is not set</source>
        <translation>wymaga X11 (XWayland na pulpicie Wayland), a zmienna DISPLAY nie jest ustawiona</translation>
    </message>
    <message>
        <source>needs a graphical display, and cannot open display %1</source>
        <translation>wymaga środowiska graficznego, ale nie może otworzyć ekranu %1</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Odmowa dostępu do pliku</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk pełny</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Błąd we/wy %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>ImageBuild</name>
    <message>
        <source>the mounted image is not among the discs the player looks at</source>
        <translation>zamontowanego obrazu nie ma wśród płyt, które sprawdza odtwarzacz</translation>
    </message>
    <message>
        <source>no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc</source>
        <translation>brak QUORVIX_PLAYER.EXE w folderze głównym: odtwarzacz nie uznałby obrazu za swoją płytę</translation>
    </message>
    <message>
        <source>no setup.inf: the player would not know the disc&apos;s volume</source>
        <translation>brak setup.inf: odtwarzacz nie wiedziałby, który to wolumin płyty</translation>
    </message>
    <message>
        <source>no Data/All.dat: the player would find no catalog</source>
        <translation>brak Data/All.dat: odtwarzacz nie znalazłby katalogu</translation>
    </message>
    <message>
        <source>its catalog cannot be read: %1</source>
        <translation>nie można odczytać katalogu obrazu: %1</translation>
    </message>
    <message>
        <source>its catalog has no entries</source>
        <translation>katalog obrazu nie zawiera wpisów</translation>
    </message>
    <message>
        <source>its catalog is not the one the disc was built from</source>
        <translation>katalog obrazu nie jest tym, z którego utworzono płytę</translation>
    </message>
    <message>
        <source>the player finds no %1 on the image</source>
        <translation>odtwarzacz nie znajduje %1 na obrazie</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>nie można sprawdzić %1: %2</translation>
    </message>
    <message>
        <source>An image is being built already</source>
        <translation>Trwa już tworzenie obrazu</translation>
    </message>
    <message>
        <source>genisoimage is not installed (Debian package genisoimage)</source>
        <translation>genisoimage nie jest zainstalowany (pakiet Debiana genisoimage)</translation>
    </message>
    <message>
        <source>The disc has no entries</source>
        <translation>Płyta nie ma wpisów</translation>
    </message>
    <message>
        <source>No temporary folder for the disc&apos;s files</source>
        <translation>Brak folderu tymczasowego na pliki płyty</translation>
    </message>
    <message>
        <source>genisoimage did not start: %1</source>
        <translation>nie udało się uruchomić genisoimage: %1</translation>
    </message>
    <message>
        <source>genisoimage failed (exit %1): %2</source>
        <translation>genisoimage zakończył się błędem (kod wyjścia %1): %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageMount</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>%1 did not finish</source>
        <translation>%1 nie zakończył działania na czas</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 zakończył się błędem</translation>
    </message>
    <message>
        <source>Cannot unmount %1: %2</source>
        <translation>Nie można odmontować %1: %2</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Nie można zamontować %1: %2</translation>
    </message>
    <message>
        <source>cannot create a folder in %1</source>
        <translation>nie można utworzyć folderu w %1</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 nie jest plikiem</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a disc image (ISO 9660 or UDF)</source>
        <translation>%1 nie jest obrazem płyty (ISO 9660 ani UDF)</translation>
    </message>
    <message>
        <source>no file system found on it</source>
        <translation>nie znaleziono na nim systemu plików</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>Cannot write %1 to %2: the value holds a line break or a NUL byte</source>
        <translation>Nie można zapisać %1 w %2: wartość zawiera znak nowego wiersza lub bajt NUL</translation>
    </message>
    <message>
        <source>Cannot write %1: it is UTF-16 text, which this program only reads</source>
        <translation>Nie można zapisać %1: to tekst UTF-16, który ten program tylko odczytuje</translation>
    </message>
</context>
<context>
    <name>InstanceRequests</name>
    <message>
        <source>the name is too long for a socket</source>
        <translation>nazwa jest za długa dla gniazda</translation>
    </message>
    <message>
        <source>later starts can&apos;t reach this player: %1: %2; @%3: %4</source>
        <translation>kolejne uruchomienia nie połączą się z tym odtwarzaczem: %1: %2; @%3: %4</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot load picture %1: %2</source>
        <translation>Nie można wczytać obrazu %1: %2</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>pusty obraz</translation>
    </message>
    <message>
        <source>picture too large (%1 x %2)</source>
        <translation>obraz za duży (%1 x %2)</translation>
    </message>
    <message>
        <source>progressive picture too large to decode (%1 x %2)</source>
        <translation>obraz progresywny za duży do zdekodowania (%1 x %2)</translation>
    </message>
    <message>
        <source>no picture data</source>
        <translation>brak danych obrazu</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>obraz za duży</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>plik za duży</translation>
    </message>
    <message>
        <source>Cannot write a JPEG picture: %1</source>
        <translation>Nie można zapisać obrazu JPEG: %1</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
</context>
<context>
    <name>RegionData</name>
    <message>
        <source>Shape too large to store</source>
        <translation>Kształt za duży do zapisania</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot save through the link %1, which another user made in a folder open to all</source>
        <translation>Nie można zapisać przez dowiązanie %1, które inny użytkownik utworzył w folderze dostępnym dla wszystkich</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>This disc&apos;s settings can&apos;t be kept: its setup.inf names the settings file &quot;%1&quot;, which is not a plain file name</source>
        <translation>Nie można zachować ustawień tej płyty: jej setup.inf wskazuje plik ustawień „%1”, który nie jest zwykłą nazwą pliku</translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Znaczniki</translation>
    </message>
    <message>
        <source>&amp;New disc from clips…</source>
        <translation>&amp;Nowa płyta z klipów…</translation>
    </message>
    <message>
        <source>&amp;Open disc or image…</source>
        <translation>&amp;Otwórz płytę lub obraz…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>&amp;Build image…</source>
        <translation>&amp;Utwórz obraz…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Add &amp;clips…</source>
        <translation>Dodaj &amp;klipy…</translation>
    </message>
    <message>
        <source>Add &amp;group…</source>
        <translation>Dodaj g&amp;rupę…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Przenieś w &amp;górę</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Przenieś w &amp;dół</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Zmień &amp;nazwę</translation>
    </message>
    <message>
        <source>Mark &amp;in</source>
        <translation>Zaznacz &amp;początek</translation>
    </message>
    <message>
        <source>Mark &amp;out</source>
        <translation>Zaznacz &amp;koniec</translation>
    </message>
    <message>
        <source>Frame back</source>
        <translation>Klatka wstecz</translation>
    </message>
    <message>
        <source>Frame on</source>
        <translation>Klatka naprzód</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>&amp;Rehearse</source>
        <translation>&amp;Odtwórz na próbę</translation>
    </message>
    <message>
        <source>Rehearse &amp;all</source>
        <translation>Odtwórz &amp;wszystkie na próbę</translation>
    </message>
    <message>
        <source>&amp;Grab picture</source>
        <translation>&amp;Przechwyć obraz</translation>
    </message>
    <message>
        <source>&amp;Import picture…</source>
        <translation>&amp;Importuj obraz…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <translation>&amp;Znaczniki</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Obraz</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Płyta</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>Split into volumes…</source>
        <translation>Podziel na woluminy…</translation>
    </message>
    <message>
        <source>New disc</source>
        <translation>Nowa płyta</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Brak płyty</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (tylko do odczytu)</translation>
    </message>
    <message>
        <source>%1[*] — Quorvix Author</source>
        <translation>%1[*] — Quorvix Author</translation>
    </message>
    <message>
        <source>end</source>
        <translation>do końca</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>No picture: the player shows its own</source>
        <translation>Brak obrazu: odtwarzacz pokaże własny</translation>
    </message>
    <message>
        <source>Quorvix Author</source>
        <translation>Quorvix Author</translation>
    </message>
    <message>
        <source>The disc has changes that are not saved. Save them?</source>
        <translation>Płyta ma niezapisane zmiany. Zapisać je?</translation>
    </message>
    <message>
        <source>A folder of clips</source>
        <translation>Folder z klipami</translation>
    </message>
    <message>
        <source>A disc&apos;s catalog or a disc image</source>
        <translation>Katalog płyty lub obraz płyty</translation>
    </message>
    <message>
        <source>Save the disc into a folder</source>
        <translation>Zapisz płytę w folderze</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Zapisano w %1</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>zmianę nazwy grupy</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>zmianę nazwy wpisu</translation>
    </message>
    <message>
        <source>Rename media</source>
        <translation>zmianę nazwy pliku</translation>
    </message>
    <message>
        <source>Clips to add</source>
        <translation>Klipy do dodania</translation>
    </message>
    <message>
        <source>New group</source>
        <translation>Nowa grupa</translation>
    </message>
    <message>
        <source>Add clips</source>
        <translation>dodanie klipów</translation>
    </message>
    <message>
        <source>Clips of the new group</source>
        <translation>Klipy nowej grupy</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>dodanie grupy</translation>
    </message>
    <message>
        <source>Remove group</source>
        <translation>usunięcie grupy</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>usunięcie wpisu</translation>
    </message>
    <message>
        <source>Move entry up</source>
        <translation>przeniesienie wpisu w górę</translation>
    </message>
    <message>
        <source>Move entry down</source>
        <translation>przeniesienie wpisu w dół</translation>
    </message>
    <message>
        <source>Move group up</source>
        <translation>przeniesienie grupy w górę</translation>
    </message>
    <message>
        <source>Move group down</source>
        <translation>przeniesienie grupy w dół</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>przeniesienie grupy</translation>
    </message>
    <message>
        <source>Move entry</source>
        <translation>przeniesienie wpisu</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Rehearsal done</source>
        <translation>Odtwarzanie próbne zakończone</translation>
    </message>
    <message>
        <source>Rehearsing “%1”</source>
        <translation>Odtwarzanie próbne: „%1”</translation>
    </message>
    <message>
        <source>No entry is checked</source>
        <translation>Żaden wpis nie jest zaznaczony</translation>
    </message>
    <message>
        <source>The start mark %1 would not come before the end mark %2</source>
        <translation>Znacznik początku %1 nie wypadłby przed znacznikiem końca %2</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>zaznaczenie początku</translation>
    </message>
    <message>
        <source>The end mark %1 would not come after the start mark %2</source>
        <translation>Znacznik końca %1 nie wypadłby po znaczniku początku %2</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>zaznaczenie końca</translation>
    </message>
    <message>
        <source>There is no picture on screen to take</source>
        <translation>Na ekranie nie ma obrazu do przechwycenia</translation>
    </message>
    <message>
        <source>The picture on screen could not be taken</source>
        <translation>Nie udało się przechwycić obrazu z ekranu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Grab picture</source>
        <translation>przechwycenie obrazu</translation>
    </message>
    <message>
        <source>The entry&apos;s picture</source>
        <translation>Obraz wpisu</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>import obrazu</translation>
    </message>
    <message>
        <source>Save the disc first; then each volume is written from it.

</source>
        <translation>Najpierw zapisz płytę; potem każdy wolumin zostanie z niej zapisany.

</translation>
    </message>
    <message>
        <source>Write these discs, each into a folder of its own, with the same settings file name?

</source>
        <translation>Zapisać te płyty, każdą w osobnym folderze, z tą samą nazwą pliku ustawień?

</translation>
    </message>
    <message>
        <source>A folder for the volumes</source>
        <translation>Folder na woluminy</translation>
    </message>
    <message>
        <source>Volumes written in %1</source>
        <translation>Woluminy zapisano w %1</translation>
    </message>
    <message>
        <source>Build the disc image</source>
        <translation>Utwórz obraz płyty</translation>
    </message>
    <message>
        <source>Building %1…</source>
        <translation>Tworzenie %1…</translation>
    </message>
    <message>
        <source>Built and checked: %1</source>
        <translation>Utworzono i sprawdzono: %1</translation>
    </message>
    <message>
        <source>The image %1 was built. Mounted as the player meets it, its catalog loads and every entry&apos;s files are found.</source>
        <translation>Utworzono obraz %1. Zamontowany tak, jak zastanie go odtwarzacz, wczytuje swój katalog, a pliki każdego wpisu zostają odnalezione.</translation>
    </message>
    <message>
        <source>The image %1 failed:
%2</source>
        <translation>Obraz %1 nie powiódł się:
%2</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Klipy</translation>
    </message>
    <message>
        <source>Disc images or catalogs</source>
        <translation>Obrazy płyt lub katalogi</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <translation>Obrazy JPEG</translation>
    </message>
    <message>
        <source>Disc images</source>
        <translation>Obrazy płyt</translation>
    </message>
    <message>
        <source>%1, %2 MB; %3, %4</source>
        <translation>%1, %2 MB; %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n wpis</numerusform>
            <numerusform>%n wpisy</numerusform>
            <numerusform>%n wpisów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n błąd</numerusform>
            <numerusform>%n błędy</numerusform>
            <numerusform>%n błędów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n ostrzeżenie</numerusform>
            <numerusform>%n ostrzeżenia</numerusform>
            <numerusform>%n ostrzeżeń</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform>; klipy zajmą %n płytę</numerusform>
            <numerusform>; klipy zajmą %n płyty</numerusform>
            <numerusform>; klipy zajmą %n płyt</numerusform>
        </translation>
    </message>
    <message>
        <source>Volume %1: %2, %3 MB
</source>
        <translation>Wolumin %1: %2, %3 MB
</translation>
    </message>
</context>
<context>
    <name>TAuthorTree</name>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
</context>
<context>
    <name>TCaptionForm</name>
    <message>
        <source>Current Name</source>
        <translation>Bieżący tytuł</translation>
    </message>
</context>
<context>
    <name>TCatForm2</name>
    <message>
        <source>Load</source>
        <translation>Otw.</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Playlista</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the play list: its name holds a line break or a NUL byte</source>
        <translation>Nie można użyć %1 jako playlisty: nazwa zawiera znak nowego wiersza lub bajt NUL</translation>
    </message>
    <message>
        <source>Play_List files</source>
        <translation>Playlisty</translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Nie można skopiować %1 do %2: %3</translation>
    </message>
    <message>
        <source>the character %1 cannot be stored in the catalog, which holds Windows-1251 text</source>
        <translation>znaku %1 nie można zapisać w katalogu, który przechowuje tekst w Windows-1251</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <source>%1 holds no video clips</source>
        <translation>%1 nie zawiera klipów wideo</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupa %1</translation>
    </message>
    <message>
        <source>%1: no such folder or disc image</source>
        <translation>%1: nie ma takiego folderu ani obrazu płyty</translation>
    </message>
    <message>
        <source>%1 holds no Data/All.dat: not a disc</source>
        <translation>%1 nie zawiera Data/All.dat: to nie jest płyta</translation>
    </message>
    <message>
        <source>This disc is read-only; save it into a folder instead</source>
        <translation>Ta płyta jest tylko do odczytu; zapisz ją zamiast tego w folderze</translation>
    </message>
    <message>
        <source>This disc has no folder yet; choose one to save it in</source>
        <translation>Ta płyta nie ma jeszcze folderu; wybierz folder, w którym ją zapisać</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>There is no entry %1</source>
        <translation>Nie ma wpisu %1</translation>
    </message>
    <message>
        <source>There are no entries %1 to %2</source>
        <translation>Nie ma wpisów od %1 do %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nazwa grupy</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Media name: empty; it names the entry&apos;s video file</source>
        <translation>Nazwa pliku: pusta; to nazwa pliku wideo wpisu</translation>
    </message>
    <message>
        <source>Media name: the character %1 cannot stand in a file name</source>
        <translation>Nazwa pliku: znak %1 nie może występować w nazwie pliku</translation>
    </message>
    <message>
        <source>Media name: &quot;%1&quot; names no file</source>
        <translation>Nazwa pliku: „%1” nie jest nazwą żadnego pliku</translation>
    </message>
    <message>
        <source>Media name: %1 already names another clip</source>
        <translation>Nazwa pliku: %1 to już nazwa innego klipu</translation>
    </message>
    <message>
        <source>Marks must be seconds from the start of the file, not below 0</source>
        <translation>Znaczniki muszą podawać sekundy od początku pliku, nie mniej niż 0</translation>
    </message>
    <message>
        <source>The end mark (%1 s) must come after the start mark (%2 s)</source>
        <translation>Znacznik końca (%1 s) musi wypadać po znaczniku początku (%2 s)</translation>
    </message>
    <message>
        <source>The catalog holds at most %1 records</source>
        <translation>Katalog mieści najwyżej %1 wpisów</translation>
    </message>
    <message>
        <source>%1: no such clip</source>
        <translation>%1: nie ma takiego klipu</translation>
    </message>
    <message>
        <source>Every one of the 256 group keys is taken</source>
        <translation>Wszystkie 256 kluczy grup jest zajętych</translation>
    </message>
    <message>
        <source>The volume number must be 1 or more</source>
        <translation>Numer woluminu musi wynosić co najmniej 1</translation>
    </message>
    <message>
        <source>Settings name</source>
        <translation>Nazwa ustawień</translation>
    </message>
    <message>
        <source>Settings name: &quot;%1&quot; cannot name a settings file</source>
        <translation>Nazwa ustawień: „%1” nie może być nazwą pliku ustawień</translation>
    </message>
    <message>
        <source>The volume label must have 1 to 32 characters</source>
        <translation>Etykieta woluminu musi mieć od 1 do 32 znaków</translation>
    </message>
    <message>
        <source>The volume label may hold only A-Z, 0-9 and _, not %1</source>
        <translation>Etykieta woluminu może zawierać tylko A-Z, 0-9 i _, a nie %1</translation>
    </message>
    <message>
        <source>%1: no such picture</source>
        <translation>%1: nie ma takiego obrazu</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>%n bajt; katalog mieści najwyżej 255</numerusform>
            <numerusform>%n bajty; katalog mieści najwyżej 255</numerusform>
            <numerusform>%n bajtów; katalog mieści najwyżej 255</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>%1 ma klipy w %n folderze; katalog mieści najwyżej 256 grup</numerusform>
            <numerusform>%1 ma klipy w %n folderach; katalog mieści najwyżej 256 grup</numerusform>
            <numerusform>%1 ma klipy w %n folderach; katalog mieści najwyżej 256 grup</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Playing a clip</source>
        <translation>Odtwarzanie klipu</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Seconds into the file</source>
        <translation>Sekundy od początku pliku</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Regulacja głośności</translation>
    </message>
    <message>
        <source>FIle :</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Repeat Current</source>
        <translation>Powtarzaj klip</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Play All File</source>
        <translation>Odtwarzaj wszystko</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>Oryginalny rozmiar</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Hide Player</source>
        <translation>Ukryj odtwarzacz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>SavePos</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>EndToStart</source>
        <translation>Do→Od</translation>
    </message>
    <message>
        <source>CustomLoader</source>
        <translation>Wczytaj płytę ponownie</translation>
    </message>
    <message>
        <source>TestPlayerFile</source>
        <translation>Sprawdź pliki płyty</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for this disc&apos;s favourites</source>
        <translation>Nie można utworzyć folderu %1 na ulubione tej płyty</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Czeka</translation>
    </message>
</context>
<context>
    <name>TMpvMediaPlayer</name>
    <message>
        <source>No OpenGL context could be made for the picture</source>
        <translation>Nie udało się utworzyć kontekstu OpenGL dla obrazu</translation>
    </message>
    <message>
        <source>The playback engine could not be started</source>
        <translation>Nie udało się uruchomić silnika odtwarzania</translation>
    </message>
</context>
<context>
    <name>TMyGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>Wartość musi mieścić się w przedziale od %1 do %2</translation>
    </message>
</context>
<context>
    <name>TVidOutForm</name>
    <message>
        <source>Insert the program disc or open a disc image.</source>
        <translation>Włóż płytę programu lub otwórz obraz płyty.</translation>
    </message>
</context>
</TS>
