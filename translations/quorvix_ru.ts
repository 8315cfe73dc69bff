<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Application</name>
    <message>
        <source>a player is running already but does not answer (it may be stopped or hung)</source>
        <translation>плеер уже запущен, но не отвечает (возможно, он остановлен или завис)</translation>
    </message>
    <message>
        <source>%1; %2 was not opened</source>
        <translation>%1; образ %2 не открыт</translation>
    </message>
</context>
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1: сохранена %n запись</numerusform>
            <numerusform>%1: сохранены %n записи</numerusform>
            <numerusform>%1: сохранено %n записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1: %n запись, образ создан и проверен</numerusform>
            <numerusform>%1: %n записи, образ создан и проверен</numerusform>
            <numerusform>%1: %n записей, образ создан и проверен</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
       quorvix-author check DISC.iso|FOLDER
       quorvix-author --help
</source>
        <translation>использование: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
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
build  создаёт образ ISO 9660 с именами Joliet из папки диска (той, где есть
       Data/All.dat) или из папки с клипами (каждый клип — запись в группе,
       названной по его папке), предварительно проверив её; затем монтирует
       образ и проверяет, что плеер находит на нём файлы каждой записи.
save   записывает папку диска (Data/All.dat, Video/, Pic/, setup.inf и
       файл-маркер) из папки с клипами, папки диска или образа, чтобы до
       создания образа расставить отметки в его записях.
check  сообщает, что в образе или папке диска плеер не воспроизведёт или не
       найдёт.
Код выхода: 0 — успех, 1 — ошибка или сбой, 2 — неверная командная строка.
</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>ошибка: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>предупреждение: </translation>
    </message>
    <message>
        <source>%1 error(s), %2 warning(s); the disc takes %3 MB</source>
        <translation>ошибок: %1, предупреждений: %2; диск занимает %3 МБ</translation>
    </message>
    <message>
        <source>%1 was not built: fix the errors first</source>
        <translation>образ %1 не создан: сначала исправьте ошибки</translation>
    </message>
    <message>
        <source>%1 failed its check</source>
        <translation>образ %1 не прошёл проверку</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>не удалось записать вывод</translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>Каталог %1 слишком велик: %n запись, читается не более %2</numerusform>
            <numerusform>Каталог %1 слишком велик: %n записи, читается не более %2</numerusform>
            <numerusform>Каталог %1 слишком велик: %n записей, читается не более %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too many arguments</source>
        <translation>слишком много аргументов</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
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
        <translation>Использование: quorvix-player [IMAGE]
Воспроизводит коллекцию видеоклипов с диска Quorvix. Без IMAGE ждёт,
пока диск вставят или смонтируют; IMAGE, образ диска (.iso), монтируется
и открывается как диск, а при выходе отмонтируется. Если плеер уже
запущен, повторный запуск выводит его на передний план и передаёт ему
IMAGE.

  -h, --help     показать эту справку и выйти
      --version  показать версию и выйти
</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>запись %1 «%2»</translation>
    </message>
    <message>
        <source>%1: no picture %2; the default picture shows</source>
        <translation>%1: нет изображения %2; будет показано изображение по умолчанию</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, not before its end at %3 s</source>
        <translation>%1: начало (%2 с) не раньше конца (%3 с)</translation>
    </message>
    <message>
        <source>%1: no video %2</source>
        <translation>%1: нет видеофайла %2</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as media</source>
        <translation>%1: не удаётся прочитать %2 как медиафайл</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, beyond the %3 s of %4</source>
        <translation>%1: начало (%2 с) за пределами длительности файла %4 (%3 с)</translation>
    </message>
    <message>
        <source>%1: ends at %2 s, beyond the %3 s of %4</source>
        <translation>%1: конец (%2 с) за пределами длительности файла %4 (%3 с)</translation>
    </message>
    <message>
        <source>group %1 &quot;%2&quot; comes back at entry %3 after other groups (its first run starts at entry %4); the tree shows it twice</source>
        <translation>группа %1 «%2» снова начинается с записи %3 после других групп (впервые она начинается с записи %4); дерево покажет её дважды</translation>
    </message>
    <message>
        <source>%1 entries: entry numbers are one byte, so entries 256 and later share them with earlier ones</source>
        <translation>записей: %1 — номер записи занимает один байт, поэтому записи начиная с 256-й получают те же номера, что и предыдущие</translation>
    </message>
    <message>
        <source>no Data/All.dat in this folder</source>
        <translation>в этой папке нет Data/All.dat</translation>
    </message>
</context>
<context>
    <name>DiscChecks</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>запись %1 «%2»</translation>
    </message>
    <message>
        <source>%1: media name %2 and %3 of %4 differ only in case; the player finds one file for both</source>
        <translation>%1: имя файла %2 отличается от %3 (%4) только регистром; плеер найдёт для них один и тот же файл</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3, from %4 s to %5 s</source>
        <translation>%1 и %2 перекрываются в %3 на участке %4–%5 с</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)</source>
        <translation>Для диска нужно %1 МБ — больше, чем вмещает компакт-диск на 700 МБ (%2 МБ)</translation>
    </message>
    <message>
        <source>volume %1: entries %2 to %3, %4 MB</source>
        <translation>том %1: записи с %2 по %3, %4 МБ</translation>
    </message>
    <message>
        <source>%1 alone needs %2 MB: its clip is larger than a CD</source>
        <translation>%1 сама по себе занимает %2 МБ: её клип больше компакт-диска</translation>
    </message>
    <message>
        <source>%1 discs would hold it, each with its Volume number and the IniFileName &quot;%2&quot;: %3</source>
        <translation>Понадобится дисков: %1 — у каждого свой номер Volume, IniFileName у всех «%2»: %3</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)</source>
        <translation>Для диска нужно %1 МБ: он поместится на компакт-диск на 700 МБ, но не на 650 МБ (%2 МБ)</translation>
    </message>
    <message>
        <source>%1: media name %2 holds %3, which no disc name carries; the player would not find its files</source>
        <translation>%1: в имени файла %2 есть символ %3, недопустимый в именах файлов на диске; плеер не найдёт файлы этой записи</translation>
    </message>
    <message>
        <source>%1: media name %2 makes a file name of more than 64 characters, more than a Joliet name holds</source>
        <translation>%1: имя файла %2 даёт имя длиннее 64 символов — больше, чем допускает Joliet</translation>
    </message>
    <message>
        <source>%1: media name %2 is no 8.3 name; only a drive that reads Joliet names finds its files</source>
        <translation>%1: имя файла %2 не в формате 8.3; файлы этой записи найдёт только привод, читающий имена Joliet</translation>
    </message>
    <message>
        <source>%1: %2 holds %3, one name in different case; the player finds only %4</source>
        <translation>%1: в %2 лежат %3 — одно имя в разном регистре; плеер найдёт только %4</translation>
    </message>
</context>
<context>
    <name>DiscSetup</name>
    <message>
        <source>The folder name &quot;%1&quot; cannot be kept in a settings file (line break or surrounding spaces)</source>
        <translation>Имя папки «%1» нельзя сохранить в файле настроек (в нём перевод строки или пробелы по краям)</translation>
    </message>
    <message>
        <source>No setup.inf in %1: not a program disc</source>
        <translation>В %1 нет setup.inf: это не диск программы</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не удалось создать папку %1</translation>
    </message>
</context>
<context>
    <name>DiscSetupTool</name>
    <message>
        <source>Disc volume %1 in %2</source>
        <translation>Диск, том %1, в %2</translation>
    </message>
    <message>
        <source>%1: WorkDir=%2 written to [%3] of %4</source>
        <translation>%1: WorkDir=%2 записано в [%3] файла %4</translation>
    </message>
    <message>
        <source>%1: [%2] of %3 already has WorkDir=%4; left as it is (--force replaces it)</source>
        <translation>%1: в [%2] файла %3 уже есть WorkDir=%4; оставлено как есть (--force заменит)</translation>
    </message>
    <message>
        <source>warning: the folder %1 does not exist</source>
        <translation>предупреждение: папки %1 нет</translation>
    </message>
    <message>
        <source>Writes the working folder (WorkDir) for a program disc&apos;s volume into the per-user settings file, so that the player keeps favourites and window places. Without DISC_FOLDER the mounted program disc is used.</source>
        <translation>Записывает рабочую папку (WorkDir) для тома диска программы в файл настроек пользователя, чтобы плеер сохранял избранное и положение окон. Без DISC_FOLDER берётся смонтированный диск программы.</translation>
    </message>
    <message>
        <source>Replace a WorkDir that is already set.</source>
        <translation>Заменить уже заданный WorkDir.</translation>
    </message>
    <message>
        <source>The working folder (default: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</source>
        <translation>Рабочая папка (по умолчанию: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</translation>
    </message>
    <message>
        <source>Root folder of the program disc.</source>
        <translation>Корневая папка диска программы.</translation>
    </message>
    <message>
        <source>no program disc is mounted; mount it or give its folder</source>
        <translation>диск программы не смонтирован; смонтируйте его или укажите его папку</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>needs a graphical display, and DISPLAY is not set</source>
        <translation>нужен графический дисплей, а переменная DISPLAY не задана</translation>
    </message>
    <message>
        <source>needs X11 (XWayland on a Wayland desktop), and DISPLAY is not set</source>
        <translation>нужен X11 (в сеансе Wayland — XWayland), а переменная DISPLAY не задана</translation>
    </message>
    <message>
        <source>needs a graphical display, and cannot open display %1</source>
        <translation>нужен графический дисплей, но открыть дисплей %1 не удалось</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Нет доступа к файлу</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Нет места на диске</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ошибка ввода-вывода %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>ImageBuild</name>
    <message>
        <source>the mounted image is not among the discs the player looks at</source>
        <translation>смонтированного образа нет среди дисков, которые просматривает плеер</translation>
    </message>
    <message>
        <source>no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc</source>
        <translation>в корне нет QUORVIX_PLAYER.EXE: плеер не признает его своим диском</translation>
    </message>
    <message>
        <source>no setup.inf: the player would not know the disc&apos;s volume</source>
        <translation>нет setup.inf: плеер не узнает, какой это том диска</translation>
    </message>
    <message>
        <source>no Data/All.dat: the player would find no catalog</source>
        <translation>нет Data/All.dat: плеер не найдёт каталог</translation>
    </message>
    <message>
        <source>its catalog cannot be read: %1</source>
        <translation>не удалось прочитать его каталог: %1</translation>
    </message>
    <message>
        <source>its catalog has no entries</source>
        <translation>в его каталоге нет записей</translation>
    </message>
    <message>
        <source>its catalog is not the one the disc was built from</source>
        <translation>его каталог не тот, из которого создавался диск</translation>
    </message>
    <message>
        <source>the player finds no %1 on the image</source>
        <translation>плеер не находит в образе %1</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>не удалось проверить %1: %2</translation>
    </message>
    <message>
        <source>An image is being built already</source>
        <translation>Образ уже создаётся</translation>
    </message>
    <message>
        <source>genisoimage is not installed (Debian package genisoimage)</source>
        <translation>Программа genisoimage не установлена (пакет Debian genisoimage)</translation>
    </message>
    <message>
        <source>The disc has no entries</source>
        <translation>На диске нет записей</translation>
    </message>
    <message>
        <source>No temporary folder for the disc&apos;s files</source>
        <translation>Не удалось создать временную папку для файлов диска</translation>
    </message>
    <message>
        <source>genisoimage did not start: %1</source>
        <translation>Не удалось запустить genisoimage: %1</translation>
    </message>
    <message>
        <source>genisoimage failed (exit %1): %2</source>
        <translation>Программа genisoimage завершилась с ошибкой (код %1): %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageMount</name>
    <message>
        <source>%1 is not installed</source>
        <translation>программа %1 не установлена</translation>
    </message>
    <message>
        <source>%1 did not finish</source>
        <translation>программа %1 не завершила работу</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>программа %1 завершилась с ошибкой</translation>
    </message>
    <message>
        <source>Cannot unmount %1: %2</source>
        <translation>Не удалось отмонтировать %1: %2</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Не удалось смонтировать %1: %2</translation>
    </message>
    <message>
        <source>cannot create a folder in %1</source>
        <translation>не удалось создать папку в %1</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: нет такого файла</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 — не файл</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a disc image (ISO 9660 or UDF)</source>
        <translation>%1 — не образ диска (ISO 9660 или UDF)</translation>
    </message>
    <message>
        <source>no file system found on it</source>
        <translation>файловая система на нём не найдена</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Не удалось прочитать %1</translation>
    </message>
    <message>
        <source>Cannot write %1 to %2: the value holds a line break or a NUL byte</source>
        <translation>Не удалось записать %1 в %2: в значении есть перевод строки или байт NUL</translation>
    </message>
    <message>
        <source>Cannot write %1: it is UTF-16 text, which this program only reads</source>
        <translation>Не удалось записать %1: это текст в UTF-16, а такой текст программа умеет только читать</translation>
    </message>
</context>
<context>
    <name>InstanceRequests</name>
    <message>
        <source>the name is too long for a socket</source>
        <translation>имя слишком длинное для сокета</translation>
    </message>
    <message>
        <source>later starts can&apos;t reach this player: %1: %2; @%3: %4</source>
        <translation>следующие запуски не смогут связаться с этим плеером: %1: %2; @%3: %4</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot load picture %1: %2</source>
        <translation>Не удалось загрузить изображение %1: %2</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>пустое изображение</translation>
    </message>
    <message>
        <source>picture too large (%1 x %2)</source>
        <translation>изображение слишком большое (%1 × %2)</translation>
    </message>
    <message>
        <source>progressive picture too large to decode (%1 x %2)</source>
        <translation>прогрессивное изображение слишком велико для декодирования (%1 × %2)</translation>
    </message>
    <message>
        <source>no picture data</source>
        <translation>нет данных изображения</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>изображение слишком большое</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>файл слишком большой</translation>
    </message>
    <message>
        <source>Cannot write a JPEG picture: %1</source>
        <translation>Не удалось записать изображение JPEG: %1</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не удалось открыть файл %1</translation>
    </message>
</context>
<context>
    <name>RegionData</name>
    <message>
        <source>Shape too large to store</source>
        <translation>Форма слишком велика для сохранения</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot save through the link %1, which another user made in a folder open to all</source>
        <translation>Нельзя сохранить через ссылку %1: её создал другой пользователь в общей папке, открытой для всех</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>This disc&apos;s settings can&apos;t be kept: its setup.inf names the settings file &quot;%1&quot;, which is not a plain file name</source>
        <translation>Настройки этого диска нельзя сохранить: в его setup.inf файл настроек назван «%1», а это не простое имя файла</translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Отметки</translation>
    </message>
    <message>
        <source>&amp;New disc from clips…</source>
        <translation>&amp;Новый диск из клипов…</translation>
    </message>
    <message>
        <source>&amp;Open disc or image…</source>
        <translation>&amp;Открыть диск или образ…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>&amp;Build image…</source>
        <translation>Соз&amp;дать образ…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Add &amp;clips…</source>
        <translation>Добавить &amp;клипы…</translation>
    </message>
    <message>
        <source>Add &amp;group…</source>
        <translation>Добавить &amp;группу…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Переместить &amp;вверх</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Переместить в&amp;низ</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Переи&amp;меновать</translation>
    </message>
    <message>
        <source>Mark &amp;in</source>
        <translation>Отметить &amp;начало</translation>
    </message>
    <message>
        <source>Mark &amp;out</source>
        <translation>Отметить &amp;конец</translation>
    </message>
    <message>
        <source>Frame back</source>
        <translation>Кадр назад</translation>
    </message>
    <message>
        <source>Frame on</source>
        <translation>Кадр вперёд</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>&amp;Rehearse</source>
        <translation>&amp;Проиграть запись</translation>
    </message>
    <message>
        <source>Rehearse &amp;all</source>
        <translation>Проиграть &amp;все</translation>
    </message>
    <message>
        <source>&amp;Grab picture</source>
        <translation>&amp;Захватить кадр</translation>
    </message>
    <message>
        <source>&amp;Import picture…</source>
        <translation>&amp;Импортировать изображение…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <translation>&amp;Отметки</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Изображение</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Проверки</translation>
    </message>
    <message>
        <source>Split into volumes…</source>
        <translation>Разбить на тома…</translation>
    </message>
    <message>
        <source>New disc</source>
        <translation>Новый диск</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Нет диска</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (только чтение)</translation>
    </message>
    <message>
        <source>%1[*] — Quorvix Author</source>
        <translation>%1[*] — Quorvix Author</translation>
    </message>
    <message>
        <source>end</source>
        <translation>до конца</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>есть</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>No picture: the player shows its own</source>
        <translation>Нет изображения: плеер покажет своё</translation>
    </message>
    <message>
        <source>Quorvix Author</source>
        <translation>Quorvix Author</translation>
    </message>
    <message>
        <source>The disc has changes that are not saved. Save them?</source>
        <translation>На диске есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>A folder of clips</source>
        <translation>Папка с клипами</translation>
    </message>
    <message>
        <source>A disc&apos;s catalog or a disc image</source>
        <translation>Каталог диска или образ диска</translation>
    </message>
    <message>
        <source>Save the disc into a folder</source>
        <translation>Сохранить диск в папку</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>переименование группы</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>переименование записи</translation>
    </message>
    <message>
        <source>Rename media</source>
        <translation>переименование файла</translation>
    </message>
    <message>
        <source>Clips to add</source>
        <translation>Добавляемые клипы</translation>
    </message>
    <message>
        <source>New group</source>
        <translation>Новая группа</translation>
    </message>
    <message>
        <source>Add clips</source>
        <translation>добавление клипов</translation>
    </message>
    <message>
        <source>Clips of the new group</source>
        <translation>Клипы новой группы</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>добавление группы</translation>
    </message>
    <message>
        <source>Remove group</source>
        <translation>удаление группы</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>удаление записи</translation>
    </message>
    <message>
        <source>Move entry up</source>
        <translation>перемещение записи вверх</translation>
    </message>
    <message>
        <source>Move entry down</source>
        <translation>перемещение записи вниз</translation>
    </message>
    <message>
        <source>Move group up</source>
        <translation>перемещение группы вверх</translation>
    </message>
    <message>
        <source>Move group down</source>
        <translation>перемещение группы вниз</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>перемещение группы</translation>
    </message>
    <message>
        <source>Move entry</source>
        <translation>перемещение записи</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Rehearsal done</source>
        <translation>Проигрывание завершено</translation>
    </message>
    <message>
        <source>Rehearsing “%1”</source>
        <translation>Проигрывается «%1»</translation>
    </message>
    <message>
        <source>No entry is checked</source>
        <translation>Ни у одной записи не установлен флажок</translation>
    </message>
    <message>
        <source>The start mark %1 would not come before the end mark %2</source>
        <translation>Отметка начала %1 оказалась бы не раньше отметки конца %2</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>изменение начала</translation>
    </message>
    <message>
        <source>The end mark %1 would not come after the start mark %2</source>
        <translation>Отметка конца %1 оказалась бы не позже отметки начала %2</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>изменение конца</translation>
    </message>
    <message>
        <source>There is no picture on screen to take</source>
        <translation>На экране нет кадра, который можно захватить</translation>
    </message>
    <message>
        <source>The picture on screen could not be taken</source>
        <translation>Не удалось захватить кадр с экрана</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Grab picture</source>
        <translation>захват кадра</translation>
    </message>
    <message>
        <source>The entry&apos;s picture</source>
        <translation>Изображение записи</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>импорт изображения</translation>
    </message>
    <message>
        <source>Save the disc first; then each volume is written from it.

</source>
        <translation>Сначала сохраните диск: каждый том записывается из него.

</translation>
    </message>
    <message>
        <source>Write these discs, each into a folder of its own, with the same settings file name?

</source>
        <translation>Записать эти диски, каждый в отдельную папку, с одним и тем же именем файла настроек?

</translation>
    </message>
    <message>
        <source>A folder for the volumes</source>
        <translation>Папка для томов</translation>
    </message>
    <message>
        <source>Volumes written in %1</source>
        <translation>Тома записаны в %1</translation>
    </message>
    <message>
        <source>Build the disc image</source>
        <translation>Создание образа диска</translation>
    </message>
    <message>
        <source>Building %1…</source>
        <translation>Создание %1…</translation>
    </message>
    <message>
        <source>Built and checked: %1</source>
        <translation>Образ создан и проверен: %1</translation>
    </message>
    <message>
        <source>The image %1 was built. Mounted as the player meets it, its catalog loads and every entry&apos;s files are found.</source>
        <translation>Образ %1 создан. Если смонтировать его так, как это делает плеер, каталог загружается и файлы всех записей находятся.</translation>
    </message>
    <message>
        <source>The image %1 failed:
%2</source>
        <translation>Не удалось создать образ %1:
%2</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Клипы</translation>
    </message>
    <message>
        <source>Disc images or catalogs</source>
        <translation>Образы или каталоги дисков</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <translation>Изображения JPEG</translation>
    </message>
    <message>
        <source>Disc images</source>
        <translation>Образы дисков</translation>
    </message>
    <message>
        <source>%1, %2 MB; %3, %4</source>
        <translation>%1, %2 МБ; %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform>; клипы займут %n диск</numerusform>
            <numerusform>; клипы займут %n диска</numerusform>
            <numerusform>; клипы займут %n дисков</numerusform>
        </translation>
    </message>
    <message>
        <source>Volume %1: %2, %3 MB
</source>
        <translation>Том %1: %2, %3 МБ
</translation>
    </message>
</context>
<context>
    <name>TAuthorTree</name>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
</context>
<context>
    <name>TCaptionForm</name>
    <message>
        <source>Current Name</source>
        <translation>Текущий клип</translation>
    </message>
</context>
<context>
    <name>TCatForm2</name>
    <message>
        <source>Load</source>
        <translation>Загр.</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зап.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the play list: its name holds a line break or a NUL byte</source>
        <translation>Нельзя использовать %1 как плей-лист: в имени есть перевод строки или байт NUL</translation>
    </message>
    <message>
        <source>Play_List files</source>
        <translation>Файлы плей-листов</translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Не удалось скопировать %1 в %2: %3</translation>
    </message>
    <message>
        <source>the character %1 cannot be stored in the catalog, which holds Windows-1251 text</source>
        <translation>символ %1 нельзя сохранить в каталоге: текст в нём хранится в кодировке Windows-1251</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не папка</translation>
    </message>
    <message>
        <source>%1 holds no video clips</source>
        <translation>В %1 нет видеоклипов</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Группа %1</translation>
    </message>
    <message>
        <source>%1: no such folder or disc image</source>
        <translation>%1: нет такой папки или образа диска</translation>
    </message>
    <message>
        <source>%1 holds no Data/All.dat: not a disc</source>
        <translation>В %1 нет Data/All.dat: это не диск</translation>
    </message>
    <message>
        <source>This disc is read-only; save it into a folder instead</source>
        <translation>Этот диск доступен только для чтения; сохраните его в папку</translation>
    </message>
    <message>
        <source>This disc has no folder yet; choose one to save it in</source>
        <translation>У этого диска ещё нет папки; выберите, куда его сохранить</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не удалось создать папку %1</translation>
    </message>
    <message>
        <source>There is no entry %1</source>
        <translation>Нет записи %1</translation>
    </message>
    <message>
        <source>There are no entries %1 to %2</source>
        <translation>Нет записей с %1 по %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Имя группы</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Media name: empty; it names the entry&apos;s video file</source>
        <translation>Имя файла: пустое, а по нему находится видеофайл записи</translation>
    </message>
    <message>
        <source>Media name: the character %1 cannot stand in a file name</source>
        <translation>Имя файла: символ %1 недопустим в имени файла</translation>
    </message>
    <message>
        <source>Media name: &quot;%1&quot; names no file</source>
        <translation>Имя файла: «%1» не может быть именем файла</translation>
    </message>
    <message>
        <source>Media name: %1 already names another clip</source>
        <translation>Имя файла: %1 уже занято другим клипом</translation>
    </message>
    <message>
        <source>Marks must be seconds from the start of the file, not below 0</source>
        <translation>Отметки задаются в секундах от начала файла и не могут быть меньше 0</translation>
    </message>
    <message>
        <source>The end mark (%1 s) must come after the start mark (%2 s)</source>
        <translation>Отметка конца (%1 с) должна быть позже отметки начала (%2 с)</translation>
    </message>
    <message>
        <source>The catalog holds at most %1 records</source>
        <translation>Наибольшее число записей в каталоге — %1</translation>
    </message>
    <message>
        <source>%1: no such clip</source>
        <translation>%1: нет такого клипа</translation>
    </message>
    <message>
        <source>Every one of the 256 group keys is taken</source>
        <translation>Все 256 ключей групп уже заняты</translation>
    </message>
    <message>
        <source>The volume number must be 1 or more</source>
        <translation>Номер тома должен быть не меньше 1</translation>
    </message>
    <message>
        <source>Settings name</source>
        <translation>Имя файла настроек</translation>
    </message>
    <message>
        <source>Settings name: &quot;%1&quot; cannot name a settings file</source>
        <translation>Имя файла настроек: «%1» нельзя использовать как имя файла настроек</translation>
    </message>
    <message>
        <source>The volume label must have 1 to 32 characters</source>
        <translation>Метка тома должна содержать от 1 до 32 символов</translation>
    </message>
    <message>
        <source>The volume label may hold only A-Z, 0-9 and _, not %1</source>
        <translation>В метке тома допустимы только A-Z, 0-9 и _, а не %1</translation>
    </message>
    <message>
        <source>%1: no such picture</source>
        <translation>%1: нет такого изображения</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>длина %n байт, а каталог вмещает не более 255</numerusform>
            <numerusform>длина %n байта, а каталог вмещает не более 255</numerusform>
            <numerusform>длина %n байт, а каталог вмещает не более 255</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>В %1 клипы лежат в %n папке, а в каталоге может быть не более 256 групп</numerusform>
            <numerusform>В %1 клипы лежат в %n папках, а в каталоге может быть не более 256 групп</numerusform>
            <numerusform>В %1 клипы лежат в %n папках, а в каталоге может быть не более 256 групп</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Playing a clip</source>
        <translation>Воспроизведение клипа</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Seconds into the file</source>
        <translation>Секунды от начала файла</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>FIle :</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Repeat Current</source>
        <translation>Повтор клипа</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайный порядок</translation>
    </message>
    <message>
        <source>Play All File</source>
        <translation>Играть все</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Каталог</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Hide Player</source>
        <translation>Скрыть плеер</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>SavePos</source>
        <translation>Сохр.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Нач</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кон</translation>
    </message>
    <message>
        <source>EndToStart</source>
        <translation>Кон→нач</translation>
    </message>
    <message>
        <source>CustomLoader</source>
        <translation>Перечитать диск</translation>
    </message>
    <message>
        <source>TestPlayerFile</source>
        <translation>Проверить файлы</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for this disc&apos;s favourites</source>
        <translation>Не удалось создать папку %1 для избранного этого диска</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Играет</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ждёт</translation>
    </message>
</context>
<context>
    <name>TMpvMediaPlayer</name>
    <message>
        <source>No OpenGL context could be made for the picture</source>
        <translation>Не удалось создать контекст OpenGL для вывода изображения</translation>
    </message>
    <message>
        <source>The playback engine could not be started</source>
        <translation>Не удалось запустить движок воспроизведения</translation>
    </message>
</context>
<context>
    <name>TMyGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>Значение должно быть от %1 до %2</translation>
    </message>
</context>
<context>
    <name>TVidOutForm</name>
    <message>
        <source>Insert the program disc or open a disc image.</source>
        <translation>Вставьте диск программы или откройте образ диска.</translation>
    </message>
</context>
</TS>
