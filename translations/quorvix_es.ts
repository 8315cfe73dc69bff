<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Application</name>
    <message>
        <source>a player is running already but does not answer (it may be stopped or hung)</source>
        <translation>ya hay un reproductor en marcha, pero no responde (puede estar detenido o colgado)</translation>
    </message>
    <message>
        <source>%1; %2 was not opened</source>
        <translation>%1; no se abrió %2</translation>
    </message>
</context>
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1: %n entrada guardada</numerusform>
            <numerusform>%1: %n entradas guardadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1: %n entrada, imagen creada y comprobada</numerusform>
            <numerusform>%1: %n entradas, imagen creada y comprobada</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
       quorvix-author check DISC.iso|FOLDER
       quorvix-author --help
</source>
        <translation>uso: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
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
build  crea una imagen ISO 9660 con nombres Joliet de una carpeta de disco
       (una con Data/All.dat) o de una carpeta de clips (cada clip es una
       entrada, en un grupo con el nombre de su carpeta), tras comprobarla;
       después monta la imagen y comprueba que el reproductor encuentra en
       ella los archivos de todas las entradas.
save   escribe la carpeta del disco (Data/All.dat, Video/, Pic/, setup.inf y
       el archivo distintivo) a partir de una carpeta de clips, una carpeta
       de disco o una imagen, para poner las marcas de sus entradas antes de
       crear la imagen.
check  informa de lo que contiene una imagen o carpeta de disco que el
       reproductor no podría reproducir o no encontraría.
Código de salida: 0 hecho, 1 error encontrado o fallo, 2 línea de comandos
incorrecta.
</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>%1 error(s), %2 warning(s); the disc takes %3 MB</source>
        <translation>errores: %1, avisos: %2; el disco ocupa %3 MB</translation>
    </message>
    <message>
        <source>%1 was not built: fix the errors first</source>
        <translation>%1 no se ha creado: corrija primero los errores</translation>
    </message>
    <message>
        <source>%1 failed its check</source>
        <translation>%1 no ha superado la comprobación</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>no se pudo escribir la salida</translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>El catálogo %1 es demasiado grande: %n registro, se leen como máximo %2</numerusform>
            <numerusform>El catálogo %1 es demasiado grande: %n registros, se leen como máximo %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too many arguments</source>
        <translation>demasiados argumentos</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
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
        <translation>Uso: quorvix-player [IMAGE]
Reproduce la colección de videoclips de un disco Quorvix. Sin IMAGE, espera
a que se inserte o se monte el disco; IMAGE, una imagen de disco (.iso), se
monta y se abre como un disco, y se desmonta al salir. Si el reproductor ya
está en marcha, un segundo inicio lo trae al frente y le pasa IMAGE.

  -h, --help     muestra esta ayuda y sale
      --version  muestra la versión y sale
</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>entrada %1 «%2»</translation>
    </message>
    <message>
        <source>%1: no picture %2; the default picture shows</source>
        <translation>%1: no hay imagen %2; se muestra la imagen predeterminada</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, not before its end at %3 s</source>
        <translation>%1: el inicio en %2 s no queda antes del final en %3 s</translation>
    </message>
    <message>
        <source>%1: no video %2</source>
        <translation>%1: no hay vídeo %2</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as media</source>
        <translation>%1: %2 no se puede leer como archivo multimedia</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, beyond the %3 s of %4</source>
        <translation>%1: el inicio en %2 s supera los %3 s de %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 s, beyond the %3 s of %4</source>
        <translation>%1: el final en %2 s supera los %3 s de %4</translation>
    </message>
    <message>
        <source>group %1 &quot;%2&quot; comes back at entry %3 after other groups (its first run starts at entry %4); the tree shows it twice</source>
        <translation>el grupo %1 «%2» vuelve a aparecer en la entrada %3 tras otros grupos (su primera serie empieza en la entrada %4); el árbol lo muestra dos veces</translation>
    </message>
    <message>
        <source>%1 entries: entry numbers are one byte, so entries 256 and later share them with earlier ones</source>
        <translation>%1 entradas: los números de entrada ocupan un byte, así que las entradas 256 y siguientes los comparten con otras anteriores</translation>
    </message>
    <message>
        <source>no Data/All.dat in this folder</source>
        <translation>no hay Data/All.dat en esta carpeta</translation>
    </message>
</context>
<context>
    <name>DiscChecks</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>entrada %1 «%2»</translation>
    </message>
    <message>
        <source>%1: media name %2 and %3 of %4 differ only in case; the player finds one file for both</source>
        <translation>%1: los nombres del medio %2 y %3 (%4) solo se diferencian en mayúsculas y minúsculas; el reproductor encuentra un único archivo para ambos</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3, from %4 s to %5 s</source>
        <translation>%1 y %2 se solapan en %3, de %4 s a %5 s</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)</source>
        <translation>El disco necesita %1 MB: más de lo que cabe en un CD de 700 MB (%2 MB)</translation>
    </message>
    <message>
        <source>volume %1: entries %2 to %3, %4 MB</source>
        <translation>volumen %1: entradas %2 a %3, %4 MB</translation>
    </message>
    <message>
        <source>%1 alone needs %2 MB: its clip is larger than a CD</source>
        <translation>%1 necesita por sí sola %2 MB: su clip es mayor que un CD</translation>
    </message>
    <message>
        <source>%1 discs would hold it, each with its Volume number and the IniFileName &quot;%2&quot;: %3</source>
        <translation>El contenido cabría en %1 discos, cada uno con su número de Volume y el IniFileName «%2»: %3</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)</source>
        <translation>El disco necesita %1 MB: cabe en un CD de 700 MB, no en uno de 650 MB (%2 MB)</translation>
    </message>
    <message>
        <source>%1: media name %2 holds %3, which no disc name carries; the player would not find its files</source>
        <translation>%1: el nombre del medio %2 contiene %3, que ningún nombre del disco admite; el reproductor no encontraría sus archivos</translation>
    </message>
    <message>
        <source>%1: media name %2 makes a file name of more than 64 characters, more than a Joliet name holds</source>
        <translation>%1: el nombre del medio %2 da un nombre de archivo de más de 64 caracteres, más de lo que admite un nombre Joliet</translation>
    </message>
    <message>
        <source>%1: media name %2 is no 8.3 name; only a drive that reads Joliet names finds its files</source>
        <translation>%1: el nombre del medio %2 no es un nombre 8.3; solo una unidad que lea nombres Joliet encuentra sus archivos</translation>
    </message>
    <message>
        <source>%1: %2 holds %3, one name in different case; the player finds only %4</source>
        <translation>%1: %2 contiene %3, un mismo nombre con distintas mayúsculas y minúsculas; el reproductor solo encuentra %4</translation>
    </message>
</context>
<context>
    <name>DiscSetup</name>
    <message>
        <source>The folder name &quot;%1&quot; cannot be kept in a settings file (line break or surrounding spaces)</source>
        <translation>El nombre de carpeta «%1» no se puede guardar en un archivo de configuración (salto de línea o espacios al principio o al final)</translation>
    </message>
    <message>
        <source>No setup.inf in %1: not a program disc</source>
        <translation>No hay setup.inf en %1: no es un disco del programa</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>DiscSetupTool</name>
    <message>
        <source>Disc volume %1 in %2</source>
        <translation>Disco, volumen %1, en %2</translation>
    </message>
    <message>
        <source>%1: WorkDir=%2 written to [%3] of %4</source>
        <translation>%1: WorkDir=%2 escrito en [%3] de %4</translation>
    </message>
    <message>
        <source>%1: [%2] of %3 already has WorkDir=%4; left as it is (--force replaces it)</source>
        <translation>%1: [%2] de %3 ya tiene WorkDir=%4; se deja como está (--force lo sustituye)</translation>
    </message>
    <message>
        <source>warning: the folder %1 does not exist</source>
        <translation>aviso: la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>Writes the working folder (WorkDir) for a program disc&apos;s volume into the per-user settings file, so that the player keeps favourites and window places. Without DISC_FOLDER the mounted program disc is used.</source>
        <translation>Escribe la carpeta de trabajo (WorkDir) de un volumen del disco del programa en el archivo de ajustes del usuario, para que el reproductor conserve los favoritos y la posición de las ventanas. Sin DISC_FOLDER se usa el disco del programa montado.</translation>
    </message>
    <message>
        <source>Replace a WorkDir that is already set.</source>
        <translation>Sustituir un WorkDir ya definido.</translation>
    </message>
    <message>
        <source>The working folder (default: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</source>
        <translation>La carpeta de trabajo (por omisión: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</translation>
    </message>
    <message>
        <source>Root folder of the program disc.</source>
        <translation>Carpeta raíz del disco del programa.</translation>
    </message>
    <message>
        <source>no program disc is mounted; mount it or give its folder</source>
        <translation>no hay ningún disco del programa montado; móntelo o indique su carpeta</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>needs a graphical display, and DISPLAY is not set</source>
        <translation>necesita una pantalla gráfica, pero la variable DISPLAY no está definida</translation>
    </message>
    <message>
        <source>needs X11 (XWayland on a Wayland desktop), and DISPLAY is not set</source>
        <translation>necesita X11 (XWayland en un escritorio Wayland), pero la variable DISPLAY no está definida</translation>
    </message>
    <message>
        <source>needs a graphical display, and cannot open display %1</source>
        <translation>necesita una pantalla gráfica, pero no puede abrir la pantalla %1</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>File not found</source>
        <translation>No se encuentra el archivo</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ImageBuild</name>
    <message>
        <source>the mounted image is not among the discs the player looks at</source>
        <translation>la imagen montada no está entre los discos que examina el reproductor</translation>
    </message>
    <message>
        <source>no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc</source>
        <translation>no hay QUORVIX_PLAYER.EXE en su raíz: el reproductor no la tomaría por su disco</translation>
    </message>
    <message>
        <source>no setup.inf: the player would not know the disc&apos;s volume</source>
        <translation>no hay setup.inf: el reproductor no sabría qué volumen es el disco</translation>
    </message>
    <message>
        <source>no Data/All.dat: the player would find no catalog</source>
        <translation>no hay Data/All.dat: el reproductor no encontraría ningún catálogo</translation>
    </message>
    <message>
        <source>its catalog cannot be read: %1</source>
        <translation>su catálogo no se puede leer: %1</translation>
    </message>
    <message>
        <source>its catalog has no entries</source>
        <translation>su catálogo no tiene entradas</translation>
    </message>
    <message>
        <source>its catalog is not the one the disc was built from</source>
        <translation>su catálogo no es aquel a partir del cual se creó el disco</translation>
    </message>
    <message>
        <source>the player finds no %1 on the image</source>
        <translation>el reproductor no encuentra %1 en la imagen</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>no se puede comprobar %1: %2</translation>
    </message>
    <message>
        <source>An image is being built already</source>
        <translation>Ya se está creando una imagen</translation>
    </message>
    <message>
        <source>genisoimage is not installed (Debian package genisoimage)</source>
        <translation>genisoimage no está instalado (paquete de Debian genisoimage)</translation>
    </message>
    <message>
        <source>The disc has no entries</source>
        <translation>El disco no tiene entradas</translation>
    </message>
    <message>
        <source>No temporary folder for the disc&apos;s files</source>
        <translation>No hay carpeta temporal para los archivos del disco</translation>
    </message>
    <message>
        <source>genisoimage did not start: %1</source>
        <translation>genisoimage no se inició: %1</translation>
    </message>
    <message>
        <source>genisoimage failed (exit %1): %2</source>
        <translation>genisoimage falló (código de salida %1): %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageMount</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 no está instalado</translation>
    </message>
    <message>
        <source>%1 did not finish</source>
        <translation>%1 no terminó a tiempo</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 falló</translation>
    </message>
    <message>
        <source>Cannot unmount %1: %2</source>
        <translation>No se puede desmontar %1: %2</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>No se puede montar %1: %2</translation>
    </message>
    <message>
        <source>cannot create a folder in %1</source>
        <translation>no se puede crear una carpeta en %1</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe el archivo</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a disc image (ISO 9660 or UDF)</source>
        <translation>%1 no es una imagen de disco (ISO 9660 o UDF)</translation>
    </message>
    <message>
        <source>no file system found on it</source>
        <translation>no se encontró ningún sistema de archivos en ella</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Cannot write %1 to %2: the value holds a line break or a NUL byte</source>
        <translation>No se puede escribir %1 en %2: el valor contiene un salto de línea o un byte NUL</translation>
    </message>
    <message>
        <source>Cannot write %1: it is UTF-16 text, which this program only reads</source>
        <translation>No se puede escribir %1: es texto UTF-16, que este programa solo lee</translation>
    </message>
</context>
<context>
    <name>InstanceRequests</name>
    <message>
        <source>the name is too long for a socket</source>
        <translation>el nombre es demasiado largo para un socket</translation>
    </message>
    <message>
        <source>later starts can&apos;t reach this player: %1: %2; @%3: %4</source>
        <translation>los inicios posteriores no podrán llegar a este reproductor: %1: %2; @%3: %4</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot load picture %1: %2</source>
        <translation>No se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>imagen vacía</translation>
    </message>
    <message>
        <source>picture too large (%1 x %2)</source>
        <translation>imagen demasiado grande (%1 x %2)</translation>
    </message>
    <message>
        <source>progressive picture too large to decode (%1 x %2)</source>
        <translation>imagen progresiva demasiado grande para decodificarla (%1 x %2)</translation>
    </message>
    <message>
        <source>no picture data</source>
        <translation>no hay datos de imagen</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>imagen demasiado grande</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>archivo demasiado grande</translation>
    </message>
    <message>
        <source>Cannot write a JPEG picture: %1</source>
        <translation>No se puede escribir una imagen JPEG: %1</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
</context>
<context>
    <name>RegionData</name>
    <message>
        <source>Shape too large to store</source>
        <translation>Forma demasiado grande para guardarla</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot save through the link %1, which another user made in a folder open to all</source>
        <translation>No se puede guardar a través del enlace %1, que otro usuario creó en una carpeta abierta a todos</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>This disc&apos;s settings can&apos;t be kept: its setup.inf names the settings file &quot;%1&quot;, which is not a plain file name</source>
        <translation>No se puede guardar la configuración de este disco: su setup.inf indica el archivo de configuración «%1», que no es un simple nombre de archivo</translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>&amp;New disc from clips…</source>
        <translation>&amp;Nuevo disco a partir de clips…</translation>
    </message>
    <message>
        <source>&amp;Open disc or image…</source>
        <translation>&amp;Abrir disco o imagen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Build image…</source>
        <translation>Crear &amp;imagen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Add &amp;clips…</source>
        <translation>Añadir &amp;clips…</translation>
    </message>
    <message>
        <source>Add &amp;group…</source>
        <translation>Añadir &amp;grupo…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Mark &amp;in</source>
        <translation>Marcar &amp;inicio</translation>
    </message>
    <message>
        <source>Mark &amp;out</source>
        <translation>Marcar &amp;final</translation>
    </message>
    <message>
        <source>Frame back</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Frame on</source>
        <translation>Fotograma siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>&amp;Rehearse</source>
        <translation>&amp;Probar el tramo</translation>
    </message>
    <message>
        <source>Rehearse &amp;all</source>
        <translation>Probar &amp;todos los tramos</translation>
    </message>
    <message>
        <source>&amp;Grab picture</source>
        <translation>&amp;Capturar imagen</translation>
    </message>
    <message>
        <source>&amp;Import picture…</source>
        <translation>&amp;Importar imagen…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <translation>&amp;Marcas</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>Split into volumes…</source>
        <translation>Dividir en volúmenes…</translation>
    </message>
    <message>
        <source>New disc</source>
        <translation>Disco nuevo</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Sin disco</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <source>%1[*] — Quorvix Author</source>
        <translation>%1[*] — Quorvix Author</translation>
    </message>
    <message>
        <source>end</source>
        <translation>final</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>No picture: the player shows its own</source>
        <translation>Sin imagen: el reproductor muestra la suya</translation>
    </message>
    <message>
        <source>Quorvix Author</source>
        <translation>Quorvix Author</translation>
    </message>
    <message>
        <source>The disc has changes that are not saved. Save them?</source>
        <translation>El disco tiene cambios sin guardar. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>A folder of clips</source>
        <translation>Carpeta de clips</translation>
    </message>
    <message>
        <source>A disc&apos;s catalog or a disc image</source>
        <translation>Catálogo de un disco o imagen de disco</translation>
    </message>
    <message>
        <source>Save the disc into a folder</source>
        <translation>Guardar el disco en una carpeta</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>Cambiar nombre del grupo</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>Cambiar nombre de la entrada</translation>
    </message>
    <message>
        <source>Rename media</source>
        <translation>Cambiar nombre del medio</translation>
    </message>
    <message>
        <source>Clips to add</source>
        <translation>Clips que añadir</translation>
    </message>
    <message>
        <source>New group</source>
        <translation>Grupo nuevo</translation>
    </message>
    <message>
        <source>Add clips</source>
        <translation>Añadir clips</translation>
    </message>
    <message>
        <source>Clips of the new group</source>
        <translation>Clips del grupo nuevo</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <source>Remove group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>Move entry up</source>
        <translation>Subir entrada</translation>
    </message>
    <message>
        <source>Move entry down</source>
        <translation>Bajar entrada</translation>
    </message>
    <message>
        <source>Move group up</source>
        <translation>Subir grupo</translation>
    </message>
    <message>
        <source>Move group down</source>
        <translation>Bajar grupo</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>Mover grupo</translation>
    </message>
    <message>
        <source>Move entry</source>
        <translation>Mover entrada</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Rehearsal done</source>
        <translation>Prueba terminada</translation>
    </message>
    <message>
        <source>Rehearsing “%1”</source>
        <translation>Probando «%1»</translation>
    </message>
    <message>
        <source>No entry is checked</source>
        <translation>No hay ninguna entrada marcada</translation>
    </message>
    <message>
        <source>The start mark %1 would not come before the end mark %2</source>
        <translation>La marca de inicio %1 no quedaría antes de la marca de final %2</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Marcar inicio</translation>
    </message>
    <message>
        <source>The end mark %1 would not come after the start mark %2</source>
        <translation>La marca de final %1 no quedaría después de la marca de inicio %2</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Marcar final</translation>
    </message>
    <message>
        <source>There is no picture on screen to take</source>
        <translation>No hay ninguna imagen en pantalla que capturar</translation>
    </message>
    <message>
        <source>The picture on screen could not be taken</source>
        <translation>No se pudo capturar la imagen de la pantalla</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Grab picture</source>
        <translation>Capturar imagen</translation>
    </message>
    <message>
        <source>The entry&apos;s picture</source>
        <translation>Imagen de la entrada</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>Save the disc first; then each volume is written from it.

</source>
        <translation>Guarde primero el disco; después cada volumen se escribe a partir de él.

</translation>
    </message>
    <message>
        <source>Write these discs, each into a folder of its own, with the same settings file name?

</source>
        <translation>¿Escribir estos discos, cada uno en su propia carpeta, con el mismo nombre de archivo de configuración?

</translation>
    </message>
    <message>
        <source>A folder for the volumes</source>
        <translation>Carpeta para los volúmenes</translation>
    </message>
    <message>
        <source>Volumes written in %1</source>
        <translation>Volúmenes escritos en %1</translation>
    </message>
    <message>
        <source>Build the disc image</source>
        <translation>Crear la imagen de disco</translation>
    </message>
    <message>
        <source>Building %1…</source>
        <translation>Creando %1…</translation>
    </message>
    <message>
        <source>Built and checked: %1</source>
        <translation>Imagen creada y comprobada: %1</translation>
    </message>
    <message>
        <source>The image %1 was built. Mounted as the player meets it, its catalog loads and every entry&apos;s files are found.</source>
        <translation>Se ha creado la imagen %1. Montada tal como la encontrará el reproductor, su catálogo se carga y se encuentran los archivos de todas las entradas.</translation>
    </message>
    <message>
        <source>The image %1 failed:
%2</source>
        <translation>La imagen %1 ha fallado:
%2</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Clips</translation>
    </message>
    <message>
        <source>Disc images or catalogs</source>
        <translation>Imágenes de disco o catálogos</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <translation>Imágenes JPEG</translation>
    </message>
    <message>
        <source>Disc images</source>
        <translation>Imágenes de disco</translation>
    </message>
    <message>
        <source>%1, %2 MB; %3, %4</source>
        <translation>%1, %2 MB; %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform>; los clips necesitan %n disco</numerusform>
            <numerusform>; los clips necesitan %n discos</numerusform>
        </translation>
    </message>
    <message>
        <source>Volume %1: %2, %3 MB
</source>
        <translation>Volumen %1: %2, %3 MB
</translation>
    </message>
</context>
<context>
    <name>TAuthorTree</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Nombre del medio</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>TCaptionForm</name>
    <message>
        <source>Current Name</source>
        <translation>Título actual</translation>
    </message>
</context>
<context>
    <name>TCatForm2</name>
    <message>
        <source>Load</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gua.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the play list: its name holds a line break or a NUL byte</source>
        <translation>No se puede usar %1 como lista de reproducción: su nombre contiene un salto de línea o un byte NUL</translation>
    </message>
    <message>
        <source>Play_List files</source>
        <translation>Listas de reproducción</translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>No se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>the character %1 cannot be stored in the catalog, which holds Windows-1251 text</source>
        <translation>el carácter %1 no se puede guardar en el catálogo, cuyo texto está en Windows-1251</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 holds no video clips</source>
        <translation>%1 no contiene videoclips</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>%1: no such folder or disc image</source>
        <translation>%1: no existe la carpeta ni la imagen de disco</translation>
    </message>
    <message>
        <source>%1 holds no Data/All.dat: not a disc</source>
        <translation>%1 no contiene Data/All.dat: no es un disco</translation>
    </message>
    <message>
        <source>This disc is read-only; save it into a folder instead</source>
        <translation>Este disco es de solo lectura; guárdelo en una carpeta</translation>
    </message>
    <message>
        <source>This disc has no folder yet; choose one to save it in</source>
        <translation>Este disco aún no tiene carpeta; elija una para guardarlo</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>There is no entry %1</source>
        <translation>No existe la entrada %1</translation>
    </message>
    <message>
        <source>There are no entries %1 to %2</source>
        <translation>No existen las entradas %1 a %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Nombre del medio</translation>
    </message>
    <message>
        <source>Media name: empty; it names the entry&apos;s video file</source>
        <translation>Nombre del medio: vacío; es el nombre del archivo de vídeo de la entrada</translation>
    </message>
    <message>
        <source>Media name: the character %1 cannot stand in a file name</source>
        <translation>Nombre del medio: el carácter %1 no puede figurar en un nombre de archivo</translation>
    </message>
    <message>
        <source>Media name: &quot;%1&quot; names no file</source>
        <translation>Nombre del medio: «%1» no es el nombre de ningún archivo</translation>
    </message>
    <message>
        <source>Media name: %1 already names another clip</source>
        <translation>Nombre del medio: %1 ya es el nombre de otro clip</translation>
    </message>
    <message>
        <source>Marks must be seconds from the start of the file, not below 0</source>
        <translation>Las marcas deben ser segundos desde el inicio del archivo, no menos de 0</translation>
    </message>
    <message>
        <source>The end mark (%1 s) must come after the start mark (%2 s)</source>
        <translation>La marca de final (%1 s) debe quedar después de la marca de inicio (%2 s)</translation>
    </message>
    <message>
        <source>The catalog holds at most %1 records</source>
        <translation>El catálogo admite como máximo %1 registros</translation>
    </message>
    <message>
        <source>%1: no such clip</source>
        <translation>%1: no existe el clip</translation>
    </message>
    <message>
        <source>Every one of the 256 group keys is taken</source>
        <translation>Las 256 claves de grupo están todas ocupadas</translation>
    </message>
    <message>
        <source>The volume number must be 1 or more</source>
        <translation>El número de volumen debe ser 1 o mayor</translation>
    </message>
    <message>
        <source>Settings name</source>
        <translation>Nombre de la configuración</translation>
    </message>
    <message>
        <source>Settings name: &quot;%1&quot; cannot name a settings file</source>
        <translation>Nombre de la configuración: «%1» no sirve como nombre de un archivo de configuración</translation>
    </message>
    <message>
        <source>The volume label must have 1 to 32 characters</source>
        <translation>La etiqueta del volumen debe tener de 1 a 32 caracteres</translation>
    </message>
    <message>
        <source>The volume label may hold only A-Z, 0-9 and _, not %1</source>
        <translation>La etiqueta del volumen solo puede contener A-Z, 0-9 y _, no %1</translation>
    </message>
    <message>
        <source>%1: no such picture</source>
        <translation>%1: no existe la imagen</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>%n byte; el catálogo admite como máximo 255</numerusform>
            <numerusform>%n bytes; el catálogo admite como máximo 255</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>%1 tiene clips en %n carpeta; el catálogo admite como máximo 256 grupos</numerusform>
            <numerusform>%1 tiene clips en %n carpetas; el catálogo admite como máximo 256 grupos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Playing a clip</source>
        <translation>Reproduciendo un clip</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Seconds into the file</source>
        <translation>Segundos desde el inicio del archivo</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Control de volumen</translation>
    </message>
    <message>
        <source>FIle :</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Repeat Current</source>
        <translation>Repetir clip</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Play All File</source>
        <translation>Reproducir todo</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Catálogo</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Hide Player</source>
        <translation>Ocultar reproductor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>SavePos</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Ini.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>EndToStart</source>
        <translation>Fin→Ini.</translation>
    </message>
    <message>
        <source>CustomLoader</source>
        <translation>Recargar el disco</translation>
    </message>
    <message>
        <source>TestPlayerFile</source>
        <translation>Comprobar los archivos del disco</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for this disc&apos;s favourites</source>
        <translation>No se puede crear la carpeta %1 para los favoritos de este disco</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reprod.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Espera</translation>
    </message>
</context>
<context>
    <name>TMpvMediaPlayer</name>
    <message>
        <source>No OpenGL context could be made for the picture</source>
        <translation>No se pudo crear un contexto OpenGL para la imagen</translation>
    </message>
    <message>
        <source>The playback engine could not be started</source>
        <translation>No se pudo iniciar el motor de reproducción</translation>
    </message>
</context>
<context>
    <name>TMyGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>El valor debe estar entre %1 y %2</translation>
    </message>
</context>
<context>
    <name>TVidOutForm</name>
    <message>
        <source>Insert the program disc or open a disc image.</source>
        <translation>Inserte el disco del programa o abra una imagen de disco.</translation>
    </message>
</context>
</TS>
