<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Application</name>
    <message>
        <source>a player is running already but does not answer (it may be stopped or hung)</source>
        <translation>un lecteur est déjà lancé mais ne répond pas (il est peut-être arrêté ou bloqué)</translation>
    </message>
    <message>
        <source>%1; %2 was not opened</source>
        <translation>%1 ; %2 n&apos;a pas été ouvert</translation>
    </message>
</context>
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1 : %n entrée enregistrée</numerusform>
            <numerusform>%1 : %n entrées enregistrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1 : %n entrée, image créée et vérifiée</numerusform>
            <numerusform>%1 : %n entrées, image créée et vérifiée</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
       quorvix-author check DISC.iso|FOLDER
       quorvix-author --help
</source>
        <translation>usage : quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
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
build  crée une image ISO 9660 avec noms Joliet d&apos;un dossier de disque (un
       dossier avec Data/All.dat) ou d&apos;un dossier de clips (chaque clip est
       une entrée, dans un groupe nommé d&apos;après son dossier), après l&apos;avoir
       vérifié ; puis monte l&apos;image et vérifie que le lecteur y trouve les
       fichiers de chaque entrée.
save   écrit le dossier du disque (Data/All.dat, Video/, Pic/, setup.inf et
       le fichier témoin) à partir d&apos;un dossier de clips, d&apos;un dossier de
       disque ou d&apos;une image, pour placer les repères de ses entrées avant de
       créer l&apos;image.
check  signale ce que contient une image ou un dossier de disque que le
       lecteur ne lirait pas ou ne trouverait pas.
Code de sortie : 0 terminé, 1 erreur trouvée ou échec, 2 ligne de commande
incorrecte.
</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>erreur : </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement : </translation>
    </message>
    <message>
        <source>%1 error(s), %2 warning(s); the disc takes %3 MB</source>
        <translation>erreurs : %1, avertissements : %2 ; le disque occupe %3 Mo</translation>
    </message>
    <message>
        <source>%1 was not built: fix the errors first</source>
        <translation>%1 n&apos;a pas été créé : corrigez d&apos;abord les erreurs</translation>
    </message>
    <message>
        <source>%1 failed its check</source>
        <translation>la vérification de %1 a échoué</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>impossible d&apos;écrire la sortie</translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>Le catalogue %1 est trop volumineux : %n entrée, %2 au plus sont lues</numerusform>
            <numerusform>Le catalogue %1 est trop volumineux : %n entrées, %2 au plus sont lues</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too many arguments</source>
        <translation>trop d&apos;arguments</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
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
        <translation>Usage : quorvix-player [IMAGE]
Lit la collection de clips vidéo d&apos;un disque Quorvix. Sans IMAGE, attend que
le disque soit inséré ou monté ; IMAGE, une image disque (.iso), est montée et
ouverte comme un disque, puis démontée à la fermeture. Si le lecteur est déjà
lancé, un second lancement le met au premier plan et lui transmet IMAGE.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>entrée %1 « %2 »</translation>
    </message>
    <message>
        <source>%1: no picture %2; the default picture shows</source>
        <translation>%1 : pas d&apos;image %2 ; l&apos;image par défaut s&apos;affiche</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, not before its end at %3 s</source>
        <translation>%1 : le début à %2 s ne précède pas la fin à %3 s</translation>
    </message>
    <message>
        <source>%1: no video %2</source>
        <translation>%1 : pas de vidéo %2</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as media</source>
        <translation>%1 : impossible de lire %2 comme fichier multimédia</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, beyond the %3 s of %4</source>
        <translation>%1 : le début à %2 s dépasse les %3 s de %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 s, beyond the %3 s of %4</source>
        <translation>%1 : la fin à %2 s dépasse les %3 s de %4</translation>
    </message>
    <message>
        <source>group %1 &quot;%2&quot; comes back at entry %3 after other groups (its first run starts at entry %4); the tree shows it twice</source>
        <translation>le groupe %1 « %2 » revient à l&apos;entrée %3 après d&apos;autres groupes (sa première série commence à l&apos;entrée %4) ; l&apos;arbre l&apos;affiche deux fois</translation>
    </message>
    <message>
        <source>%1 entries: entry numbers are one byte, so entries 256 and later share them with earlier ones</source>
        <translation>%1 entrées : les numéros d&apos;entrée tiennent sur un octet, les entrées 256 et suivantes partagent donc les leurs avec des entrées précédentes</translation>
    </message>
    <message>
        <source>no Data/All.dat in this folder</source>
        <translation>pas de Data/All.dat dans ce dossier</translation>
    </message>
</context>
<context>
    <name>DiscChecks</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>entrée %1 « %2 »</translation>
    </message>
    <message>
        <source>%1: media name %2 and %3 of %4 differ only in case; the player finds one file for both</source>
        <translation>%1 : les noms du média %2 et %3 (%4) ne diffèrent que par la casse ; le lecteur trouve un seul fichier pour les deux</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3, from %4 s to %5 s</source>
        <translation>%1 et %2 se chevauchent dans %3, de %4 s à %5 s</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)</source>
        <translation>Le disque nécessite %1 Mo : plus que ne contient un CD de 700 Mo (%2 Mo)</translation>
    </message>
    <message>
        <source>volume %1: entries %2 to %3, %4 MB</source>
        <translation>volume %1 : entrées %2 à %3, %4 Mo</translation>
    </message>
    <message>
        <source>%1 alone needs %2 MB: its clip is larger than a CD</source>
        <translation>%1 nécessite à elle seule %2 Mo : son clip est plus grand qu&apos;un CD</translation>
    </message>
    <message>
        <source>%1 discs would hold it, each with its Volume number and the IniFileName &quot;%2&quot;: %3</source>
        <translation>Le contenu tiendrait sur %1 disques, chacun avec son numéro Volume et l&apos;IniFileName « %2 » : %3</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)</source>
        <translation>Le disque nécessite %1 Mo : il tient sur un CD de 700 Mo, pas sur un de 650 Mo (%2 Mo)</translation>
    </message>
    <message>
        <source>%1: media name %2 holds %3, which no disc name carries; the player would not find its files</source>
        <translation>%1 : le nom du média %2 contient %3, qu&apos;aucun nom sur le disque ne peut porter ; le lecteur ne trouverait pas ses fichiers</translation>
    </message>
    <message>
        <source>%1: media name %2 makes a file name of more than 64 characters, more than a Joliet name holds</source>
        <translation>%1 : le nom du média %2 donne un nom de fichier de plus de 64 caractères, plus qu&apos;un nom Joliet n&apos;en admet</translation>
    </message>
    <message>
        <source>%1: media name %2 is no 8.3 name; only a drive that reads Joliet names finds its files</source>
        <translation>%1 : le nom du média %2 n&apos;est pas un nom 8.3 ; seul un lecteur de CD qui lit les noms Joliet trouve ses fichiers</translation>
    </message>
    <message>
        <source>%1: %2 holds %3, one name in different case; the player finds only %4</source>
        <translation>%1 : %2 contient %3, un même nom avec une casse différente ; le lecteur ne trouve que %4</translation>
    </message>
</context>
<context>
    <name>DiscSetup</name>
    <message>
        <source>The folder name &quot;%1&quot; cannot be kept in a settings file (line break or surrounding spaces)</source>
        <translation>Le nom de dossier « %1 » ne peut pas être enregistré dans un fichier de paramètres (saut de ligne ou espaces au début ou à la fin)</translation>
    </message>
    <message>
        <source>No setup.inf in %1: not a program disc</source>
        <translation>Pas de setup.inf dans %1 : ce n&apos;est pas un disque du programme</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>DiscSetupTool</name>
    <message>
        <source>Disc volume %1 in %2</source>
        <translation>Disque, volume %1, dans %2</translation>
    </message>
    <message>
        <source>%1: WorkDir=%2 written to [%3] of %4</source>
        <translation>%1 : WorkDir=%2 écrit dans [%3] de %4</translation>
    </message>
    <message>
        <source>%1: [%2] of %3 already has WorkDir=%4; left as it is (--force replaces it)</source>
        <translation>%1 : [%2] de %3 a déjà WorkDir=%4 ; laissé tel quel (--force le remplace)</translation>
    </message>
    <message>
        <source>warning: the folder %1 does not exist</source>
        <translation>avertissement : le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Writes the working folder (WorkDir) for a program disc&apos;s volume into the per-user settings file, so that the player keeps favourites and window places. Without DISC_FOLDER the mounted program disc is used.</source>
        <translation>Écrit le dossier de travail (WorkDir) d&apos;un volume du disque du programme dans le fichier de réglages de l&apos;utilisateur, afin que le lecteur garde les favoris et la place des fenêtres. Sans DISC_FOLDER, le disque du programme monté est utilisé.</translation>
    </message>
    <message>
        <source>Replace a WorkDir that is already set.</source>
        <translation>Remplacer un WorkDir déjà défini.</translation>
    </message>
    <message>
        <source>The working folder (default: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</source>
        <translation>Le dossier de travail (par défaut : $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</translation>
    </message>
    <message>
        <source>Root folder of the program disc.</source>
        <translation>Dossier racine du disque du programme.</translation>
    </message>
    <message>
        <source>no program disc is mounted; mount it or give its folder</source>
        <translation>aucun disque du programme n&apos;est monté ; montez-le ou indiquez son dossier</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>needs a graphical display, and DISPLAY is not set</source>
        <translation>nécessite un affichage graphique, mais la variable DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>needs X11 (XWayland on a Wayland desktop), and DISPLAY is not set</source>
        <translation>nécessite X11 (XWayland sur un bureau Wayland), mais la variable DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>needs a graphical display, and cannot open display %1</source>
        <translation>nécessite un affichage graphique, mais ne peut pas ouvrir l&apos;affichage %1</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ImageBuild</name>
    <message>
        <source>the mounted image is not among the discs the player looks at</source>
        <translation>l&apos;image montée ne fait pas partie des disques que le lecteur examine</translation>
    </message>
    <message>
        <source>no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc</source>
        <translation>pas de QUORVIX_PLAYER.EXE à sa racine : le lecteur ne la prendrait pas pour son disque</translation>
    </message>
    <message>
        <source>no setup.inf: the player would not know the disc&apos;s volume</source>
        <translation>pas de setup.inf : le lecteur ne connaîtrait pas le volume du disque</translation>
    </message>
    <message>
        <source>no Data/All.dat: the player would find no catalog</source>
        <translation>pas de Data/All.dat : le lecteur ne trouverait aucun catalogue</translation>
    </message>
    <message>
        <source>its catalog cannot be read: %1</source>
        <translation>son catalogue est illisible : %1</translation>
    </message>
    <message>
        <source>its catalog has no entries</source>
        <translation>son catalogue ne contient aucune entrée</translation>
    </message>
    <message>
        <source>its catalog is not the one the disc was built from</source>
        <translation>son catalogue n&apos;est pas celui à partir duquel le disque a été créé</translation>
    </message>
    <message>
        <source>the player finds no %1 on the image</source>
        <translation>le lecteur ne trouve pas %1 sur l&apos;image</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>impossible de vérifier %1 : %2</translation>
    </message>
    <message>
        <source>An image is being built already</source>
        <translation>Une image est déjà en cours de création</translation>
    </message>
    <message>
        <source>genisoimage is not installed (Debian package genisoimage)</source>
        <translation>genisoimage n&apos;est pas installé (paquet Debian genisoimage)</translation>
    </message>
    <message>
        <source>The disc has no entries</source>
        <translation>Le disque ne contient aucune entrée</translation>
    </message>
    <message>
        <source>No temporary folder for the disc&apos;s files</source>
        <translation>Aucun dossier temporaire pour les fichiers du disque</translation>
    </message>
    <message>
        <source>genisoimage did not start: %1</source>
        <translation>genisoimage n&apos;a pas démarré : %1</translation>
    </message>
    <message>
        <source>genisoimage failed (exit %1): %2</source>
        <translation>genisoimage a échoué (code de sortie %1) : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ImageMount</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>%1 did not finish</source>
        <translation>%1 ne s&apos;est pas terminé à temps</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 a échoué</translation>
    </message>
    <message>
        <source>Cannot unmount %1: %2</source>
        <translation>Impossible de démonter %1 : %2</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Impossible de monter %1 : %2</translation>
    </message>
    <message>
        <source>cannot create a folder in %1</source>
        <translation>impossible de créer un dossier dans %1</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier inexistant</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a disc image (ISO 9660 or UDF)</source>
        <translation>%1 n&apos;est pas une image disque (ISO 9660 ou UDF)</translation>
    </message>
    <message>
        <source>no file system found on it</source>
        <translation>aucun système de fichiers trouvé dessus</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Cannot write %1 to %2: the value holds a line break or a NUL byte</source>
        <translation>Impossible d&apos;écrire %1 dans %2 : la valeur contient un saut de ligne ou un octet NUL</translation>
    </message>
    <message>
        <source>Cannot write %1: it is UTF-16 text, which this program only reads</source>
        <translation>Impossible d&apos;écrire %1 : c&apos;est du texte UTF-16, que ce programme sait seulement lire</translation>
    </message>
</context>
<context>
    <name>InstanceRequests</name>
    <message>
        <source>the name is too long for a socket</source>
        <translation>le nom est trop long pour un socket</translation>
    </message>
    <message>
        <source>later starts can&apos;t reach this player: %1: %2; @%3: %4</source>
        <translation>les lancements suivants ne pourront pas joindre ce lecteur : %1 : %2 ; @%3 : %4</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot load picture %1: %2</source>
        <translation>Impossible de charger l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>image vide</translation>
    </message>
    <message>
        <source>picture too large (%1 x %2)</source>
        <translation>image trop grande (%1 x %2)</translation>
    </message>
    <message>
        <source>progressive picture too large to decode (%1 x %2)</source>
        <translation>image progressive trop grande pour être décodée (%1 x %2)</translation>
    </message>
    <message>
        <source>no picture data</source>
        <translation>aucune donnée d&apos;image</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>image trop grande</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>fichier trop volumineux</translation>
    </message>
    <message>
        <source>Cannot write a JPEG picture: %1</source>
        <translation>Impossible d&apos;écrire une image JPEG : %1</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>RegionData</name>
    <message>
        <source>Shape too large to store</source>
        <translation>Forme trop grande pour être enregistrée</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot save through the link %1, which another user made in a folder open to all</source>
        <translation>Impossible d&apos;enregistrer via le lien %1, créé par un autre utilisateur dans un dossier ouvert à tous</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>This disc&apos;s settings can&apos;t be kept: its setup.inf names the settings file &quot;%1&quot;, which is not a plain file name</source>
        <translation>Les paramètres de ce disque ne peuvent pas être conservés : son setup.inf indique le fichier de paramètres « %1 », qui n&apos;est pas un simple nom de fichier</translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>&amp;New disc from clips…</source>
        <translation>&amp;Nouveau disque à partir de clips…</translation>
    </message>
    <message>
        <source>&amp;Open disc or image…</source>
        <translation>&amp;Ouvrir un disque ou une image…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Build image…</source>
        <translation>&amp;Créer l&apos;image…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Add &amp;clips…</source>
        <translation>Ajouter des &amp;clips…</translation>
    </message>
    <message>
        <source>Add &amp;group…</source>
        <translation>Ajouter un &amp;groupe…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>Mark &amp;in</source>
        <translation>Marquer le &amp;début</translation>
    </message>
    <message>
        <source>Mark &amp;out</source>
        <translation>Marquer la &amp;fin</translation>
    </message>
    <message>
        <source>Frame back</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Frame on</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>&amp;Rehearse</source>
        <translation>Lire l&apos;e&amp;xtrait</translation>
    </message>
    <message>
        <source>Rehearse &amp;all</source>
        <translation>Lire &amp;tous les extraits</translation>
    </message>
    <message>
        <source>&amp;Grab picture</source>
        <translation>&amp;Capturer l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Import picture…</source>
        <translation>&amp;Importer une image…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <translation>&amp;Repères</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>Split into volumes…</source>
        <translation>Répartir en volumes…</translation>
    </message>
    <message>
        <source>New disc</source>
        <translation>Nouveau disque</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Aucun disque</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (lecture seule)</translation>
    </message>
    <message>
        <source>%1[*] — Quorvix Author</source>
        <translation>%1[*] — Quorvix Author</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>No picture: the player shows its own</source>
        <translation>Pas d&apos;image : le lecteur affiche la sienne</translation>
    </message>
    <message>
        <source>Quorvix Author</source>
        <translation>Quorvix Author</translation>
    </message>
    <message>
        <source>The disc has changes that are not saved. Save them?</source>
        <translation>Le disque comporte des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>A folder of clips</source>
        <translation>Dossier de clips</translation>
    </message>
    <message>
        <source>A disc&apos;s catalog or a disc image</source>
        <translation>Catalogue d&apos;un disque ou image disque</translation>
    </message>
    <message>
        <source>Save the disc into a folder</source>
        <translation>Enregistrer le disque dans un dossier</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>Renommer le groupe</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>Renommer l&apos;entrée</translation>
    </message>
    <message>
        <source>Rename media</source>
        <translation>Renommer le média</translation>
    </message>
    <message>
        <source>Clips to add</source>
        <translation>Clips à ajouter</translation>
    </message>
    <message>
        <source>New group</source>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>Add clips</source>
        <translation>Ajouter des clips</translation>
    </message>
    <message>
        <source>Clips of the new group</source>
        <translation>Clips du nouveau groupe</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Remove group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
    <message>
        <source>Move entry up</source>
        <translation>Monter l&apos;entrée</translation>
    </message>
    <message>
        <source>Move entry down</source>
        <translation>Descendre l&apos;entrée</translation>
    </message>
    <message>
        <source>Move group up</source>
        <translation>Monter le groupe</translation>
    </message>
    <message>
        <source>Move group down</source>
        <translation>Descendre le groupe</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>Déplacer le groupe</translation>
    </message>
    <message>
        <source>Move entry</source>
        <translation>Déplacer l&apos;entrée</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Rehearsal done</source>
        <translation>Lecture des extraits terminée</translation>
    </message>
    <message>
        <source>Rehearsing “%1”</source>
        <translation>Lecture de l&apos;extrait « %1 »</translation>
    </message>
    <message>
        <source>No entry is checked</source>
        <translation>Aucune entrée n&apos;est cochée</translation>
    </message>
    <message>
        <source>The start mark %1 would not come before the end mark %2</source>
        <translation>Le repère de début %1 ne serait pas avant le repère de fin %2</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Marquer le début</translation>
    </message>
    <message>
        <source>The end mark %1 would not come after the start mark %2</source>
        <translation>Le repère de fin %1 ne serait pas après le repère de début %2</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Marquer la fin</translation>
    </message>
    <message>
        <source>There is no picture on screen to take</source>
        <translation>Aucune image n&apos;est affichée à l&apos;écran</translation>
    </message>
    <message>
        <source>The picture on screen could not be taken</source>
        <translation>Impossible de capturer l&apos;image affichée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Grab picture</source>
        <translation>Capturer l&apos;image</translation>
    </message>
    <message>
        <source>The entry&apos;s picture</source>
        <translation>Image de l&apos;entrée</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Save the disc first; then each volume is written from it.

</source>
        <translation>Enregistrez d&apos;abord le disque ; chaque volume sera ensuite écrit à partir de celui-ci.

</translation>
    </message>
    <message>
        <source>Write these discs, each into a folder of its own, with the same settings file name?

</source>
        <translation>Écrire ces disques, chacun dans son propre dossier, avec le même nom de fichier de paramètres ?

</translation>
    </message>
    <message>
        <source>A folder for the volumes</source>
        <translation>Dossier pour les volumes</translation>
    </message>
    <message>
        <source>Volumes written in %1</source>
        <translation>Volumes écrits dans %1</translation>
    </message>
    <message>
        <source>Build the disc image</source>
        <translation>Créer l&apos;image disque</translation>
    </message>
    <message>
        <source>Building %1…</source>
        <translation>Création de %1…</translation>
    </message>
    <message>
        <source>Built and checked: %1</source>
        <translation>Image créée et vérifiée : %1</translation>
    </message>
    <message>
        <source>The image %1 was built. Mounted as the player meets it, its catalog loads and every entry&apos;s files are found.</source>
        <translation>L&apos;image %1 a été créée. Montée telle que le lecteur la trouvera, son catalogue se charge et les fichiers de chaque entrée sont trouvés.</translation>
    </message>
    <message>
        <source>The image %1 failed:
%2</source>
        <translation>Échec de l&apos;image %1 :
%2</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Clips</translation>
    </message>
    <message>
        <source>Disc images or catalogs</source>
        <translation>Images disque ou catalogues</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <translation>Images JPEG</translation>
    </message>
    <message>
        <source>Disc images</source>
        <translation>Images disque</translation>
    </message>
    <message>
        <source>%1, %2 MB; %3, %4</source>
        <translation>%1, %2 Mo ; %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform> ; les clips nécessitent %n disque</numerusform>
            <numerusform> ; les clips nécessitent %n disques</numerusform>
        </translation>
    </message>
    <message>
        <source>Volume %1: %2, %3 MB
</source>
        <translation>Volume %1 : %2, %3 Mo
</translation>
    </message>
</context>
<context>
    <name>TAuthorTree</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Nom du média</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>TCaptionForm</name>
    <message>
        <source>Current Name</source>
        <translation>Titre en cours</translation>
    </message>
</context>
<context>
    <name>TCatForm2</name>
    <message>
        <source>Load</source>
        <translation>Ouv.</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enr.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the play list: its name holds a line break or a NUL byte</source>
        <translation>Impossible d&apos;utiliser %1 comme playlist : son nom contient un saut de ligne ou un octet NUL</translation>
    </message>
    <message>
        <source>Play_List files</source>
        <translation>Playlists</translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>the character %1 cannot be stored in the catalog, which holds Windows-1251 text</source>
        <translation>le caractère %1 ne peut pas être enregistré dans le catalogue, dont le texte est en Windows-1251</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1 holds no video clips</source>
        <translation>%1 ne contient aucun clip vidéo</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>%1: no such folder or disc image</source>
        <translation>%1 : dossier ou image disque inexistant</translation>
    </message>
    <message>
        <source>%1 holds no Data/All.dat: not a disc</source>
        <translation>%1 ne contient pas de Data/All.dat : ce n&apos;est pas un disque</translation>
    </message>
    <message>
        <source>This disc is read-only; save it into a folder instead</source>
        <translation>Ce disque est en lecture seule ; enregistrez-le plutôt dans un dossier</translation>
    </message>
    <message>
        <source>This disc has no folder yet; choose one to save it in</source>
        <translation>Ce disque n&apos;a pas encore de dossier ; choisissez-en un pour l&apos;y enregistrer</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>There is no entry %1</source>
        <translation>Il n&apos;y a pas d&apos;entrée %1</translation>
    </message>
    <message>
        <source>There are no entries %1 to %2</source>
        <translation>Il n&apos;y a pas d&apos;entrées %1 à %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Nom du média</translation>
    </message>
    <message>
        <source>Media name: empty; it names the entry&apos;s video file</source>
        <translation>Nom du média : vide ; il désigne le fichier vidéo de l&apos;entrée</translation>
    </message>
    <message>
        <source>Media name: the character %1 cannot stand in a file name</source>
        <translation>Nom du média : le caractère %1 n&apos;est pas admis dans un nom de fichier</translation>
    </message>
    <message>
        <source>Media name: &quot;%1&quot; names no file</source>
        <translation>Nom du média : « %1 » ne désigne aucun fichier</translation>
    </message>
    <message>
        <source>Media name: %1 already names another clip</source>
        <translation>Nom du média : %1 désigne déjà un autre clip</translation>
    </message>
    <message>
        <source>Marks must be seconds from the start of the file, not below 0</source>
        <translation>Les repères doivent être exprimés en secondes depuis le début du fichier et ne pas être négatifs</translation>
    </message>
    <message>
        <source>The end mark (%1 s) must come after the start mark (%2 s)</source>
        <translation>Le repère de fin (%1 s) doit venir après le repère de début (%2 s)</translation>
    </message>
    <message>
        <source>The catalog holds at most %1 records</source>
        <translation>Le catalogue contient %1 entrées au plus</translation>
    </message>
    <message>
        <source>%1: no such clip</source>
        <translation>%1 : clip inexistant</translation>
    </message>
    <message>
        <source>Every one of the 256 group keys is taken</source>
        <translation>Les 256 clés de groupe sont toutes prises</translation>
    </message>
    <message>
        <source>The volume number must be 1 or more</source>
        <translation>Le numéro de volume doit être au moins 1</translation>
    </message>
    <message>
        <source>Settings name</source>
        <translation>Nom des paramètres</translation>
    </message>
    <message>
        <source>Settings name: &quot;%1&quot; cannot name a settings file</source>
        <translation>Nom des paramètres : « %1 » ne peut pas servir de nom de fichier de paramètres</translation>
    </message>
    <message>
        <source>The volume label must have 1 to 32 characters</source>
        <translation>Le nom de volume doit compter de 1 à 32 caractères</translation>
    </message>
    <message>
        <source>The volume label may hold only A-Z, 0-9 and _, not %1</source>
        <translation>Le nom de volume ne peut contenir que A-Z, 0-9 et _, pas %1</translation>
    </message>
    <message>
        <source>%1: no such picture</source>
        <translation>%1 : image inexistante</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>%n octet ; le catalogue en contient 255 au plus</numerusform>
            <numerusform>%n octets ; le catalogue en contient 255 au plus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>%1 contient des clips dans %n dossier ; le catalogue compte 256 groupes au plus</numerusform>
            <numerusform>%1 contient des clips dans %n dossiers ; le catalogue compte 256 groupes au plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Playing a clip</source>
        <translation>Lecture d&apos;un clip</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Seconds into the file</source>
        <translation>Secondes depuis le début du fichier</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Réglage du volume</translation>
    </message>
    <message>
        <source>FIle :</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Plus fort</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Moins fort</translation>
    </message>
    <message>
        <source>Repeat Current</source>
        <translation>Répéter le clip</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Play All File</source>
        <translation>Tout lire</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Hide Player</source>
        <translation>Masquer le lecteur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>SavePos</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>De</translation>
    </message>
    <message>
        <source>End</source>
        <translation>À</translation>
    </message>
    <message>
        <source>EndToStart</source>
        <translation>À→De</translation>
    </message>
    <message>
        <source>CustomLoader</source>
        <translation>Recharger le disque</translation>
    </message>
    <message>
        <source>TestPlayerFile</source>
        <translation>Vérifier les fichiers du disque</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for this disc&apos;s favourites</source>
        <translation>Impossible de créer le dossier %1 pour les favoris de ce disque</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Attente</translation>
    </message>
</context>
<context>
    <name>TMpvMediaPlayer</name>
    <message>
        <source>No OpenGL context could be made for the picture</source>
        <translation>Impossible de créer un contexte OpenGL pour l&apos;image</translation>
    </message>
    <message>
        <source>The playback engine could not be started</source>
        <translation>Impossible de démarrer le moteur de lecture</translation>
    </message>
</context>
<context>
    <name>TMyGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>La valeur doit être comprise entre %1 et %2</translation>
    </message>
</context>
<context>
    <name>TVidOutForm</name>
    <message>
        <source>Insert the program disc or open a disc image.</source>
        <translation>Insérez le disque du programme ou ouvrez une image disque.</translation>
    </message>
</context>
</TS>
