<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Application</name>
    <message>
        <source>a player is running already but does not answer (it may be stopped or hung)</source>
        <translation>плеєр уже запущено, але він не відповідає (можливо, його зупинено або він завис)</translation>
    </message>
    <message>
        <source>%1; %2 was not opened</source>
        <translation>%1; образ %2 не відкрито</translation>
    </message>
</context>
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1: збережено %n запис</numerusform>
            <numerusform>%1: збережено %n записи</numerusform>
            <numerusform>%1: збережено %n записів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1: %n запис, образ створено й перевірено</numerusform>
            <numerusform>%1: %n записи, образ створено й перевірено</numerusform>
            <numerusform>%1: %n записів, образ створено й перевірено</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER
       quorvix-author check DISC.iso|FOLDER
       quorvix-author --help
</source>
        <translation>використання: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] [--ini-name NAME]
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
build  створює образ ISO 9660 з іменами Joliet із теки диска (тієї, де є
       Data/All.dat) або з теки з кліпами (кожен кліп — запис у групі,
       названій за його текою), попередньо перевіривши її; потім монтує
       образ і перевіряє, що плеєр знаходить на ньому файли кожного запису.
save   записує теку диска (Data/All.dat, Video/, Pic/, setup.inf і
       файл-маркер) з теки з кліпами, теки диска або образу, щоб до
       створення образу розставити позначки в його записах.
check  повідомляє, що в образі чи теці диска плеєр не відтворить або не
       знайде.
Код виходу: 0 — успіх, 1 — помилка або збій, 2 — хибний командний рядок.
</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>помилка: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>попередження: </translation>
    </message>
    <message>
        <source>%1 error(s), %2 warning(s); the disc takes %3 MB</source>
        <translation>помилок: %1, попереджень: %2; диск займає %3 МБ</translation>
    </message>
    <message>
        <source>%1 was not built: fix the errors first</source>
        <translation>образ %1 не створено: спочатку виправте помилки</translation>
    </message>
    <message>
        <source>%1 failed its check</source>
        <translation>образ %1 не пройшов перевірку</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>не вдалося записати вивід</translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>Каталог %1 завеликий: %n запис, читається не більше ніж %2</numerusform>
            <numerusform>Каталог %1 завеликий: %n записи, читається не більше ніж %2</numerusform>
            <numerusform>Каталог %1 завеликий: %n записів, читається не більше ніж %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too many arguments</source>
        <translation>забагато аргументів</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
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
        <translation>Використання: quorvix-player [IMAGE]
Відтворює колекцію відеокліпів із диска Quorvix. Без IMAGE чекає, доки
диск вставлять або змонтують; IMAGE, образ диска (.iso), монтується й
відкривається як диск, а під час виходу демонтується. Якщо плеєр уже
працює, повторний запуск виводить його на передній план і передає йому
IMAGE.

  -h, --help     показати цю довідку й вийти
      --version  показати версію й вийти
</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>запис %1 «%2»</translation>
    </message>
    <message>
        <source>%1: no picture %2; the default picture shows</source>
        <translation>%1: немає зображення %2; буде показано типове зображення</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, not before its end at %3 s</source>
        <translation>%1: початок (%2 с) не раніше за кінець (%3 с)</translation>
    </message>
    <message>
        <source>%1: no video %2</source>
        <translation>%1: немає відеофайлу %2</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as media</source>
        <translation>%1: не вдається прочитати %2 як медіафайл</translation>
    </message>
    <message>
        <source>%1: starts at %2 s, beyond the %3 s of %4</source>
        <translation>%1: початок (%2 с) за межами тривалості файлу %4 (%3 с)</translation>
    </message>
    <message>
        <source>%1: ends at %2 s, beyond the %3 s of %4</source>
        <translation>%1: кінець (%2 с) за межами тривалості файлу %4 (%3 с)</translation>
    </message>
    <message>
        <source>group %1 &quot;%2&quot; comes back at entry %3 after other groups (its first run starts at entry %4); the tree shows it twice</source>
        <translation>група %1 «%2» знову починається із запису %3 після інших груп (уперше вона починається із запису %4); дерево покаже її двічі</translation>
    </message>
    <message>
        <source>%1 entries: entry numbers are one byte, so entries 256 and later share them with earlier ones</source>
        <translation>записів: %1 — номер запису займає один байт, тож записи, починаючи з 256-го, отримують ті самі номери, що й попередні</translation>
    </message>
    <message>
        <source>no Data/All.dat in this folder</source>
        <translation>у цій теці немає Data/All.dat</translation>
    </message>
</context>
<context>
    <name>DiscChecks</name>
    <message>
        <source>entry %1 &quot;%2&quot;</source>
        <translation>запис %1 «%2»</translation>
    </message>
    <message>
        <source>%1: media name %2 and %3 of %4 differ only in case; the player finds one file for both</source>
        <translation>%1: ім’я файлу %2 відрізняється від %3 (%4) лише регістром; плеєр знайде для них один і той самий файл</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3, from %4 s to %5 s</source>
        <translation>%1 і %2 перекриваються в %3 на ділянці %4–%5 с</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)</source>
        <translation>Для диска потрібно %1 МБ — більше, ніж уміщує компакт-диск на 700 МБ (%2 МБ)</translation>
    </message>
    <message>
        <source>volume %1: entries %2 to %3, %4 MB</source>
        <translation>том %1: записи з %2 по %3, %4 МБ</translation>
    </message>
    <message>
        <source>%1 alone needs %2 MB: its clip is larger than a CD</source>
        <translation>%1 сам собою займає %2 МБ: його кліп більший за компакт-диск</translation>
    </message>
    <message>
        <source>%1 discs would hold it, each with its Volume number and the IniFileName &quot;%2&quot;: %3</source>
        <translation>Знадобиться дисків: %1 — у кожного свій номер Volume, IniFileName у всіх «%2»: %3</translation>
    </message>
    <message>
        <source>The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)</source>
        <translation>Для диска потрібно %1 МБ: він поміститься на компакт-диск на 700 МБ, але не на 650 МБ (%2 МБ)</translation>
    </message>
    <message>
        <source>%1: media name %2 holds %3, which no disc name carries; the player would not find its files</source>
        <translation>%1: в імені файлу %2 є символ %3, неприпустимий в іменах файлів на диску; плеєр не знайде файли цього запису</translation>
    </message>
    <message>
        <source>%1: media name %2 makes a file name of more than 64 characters, more than a Joliet name holds</source>
        <translation>%1: ім’я файлу %2 дає ім’я довше за 64 символи — більше, ніж допускає Joliet</translation>
    </message>
    <message>
        <source>%1: media name %2 is no 8.3 name; only a drive that reads Joliet names finds its files</source>
        <translation>%1: ім’я файлу %2 не у форматі 8.3; файли цього запису знайде лише привід, що читає імена Joliet</translation>
    </message>
    <message>
        <source>%1: %2 holds %3, one name in different case; the player finds only %4</source>
        <translation>%1: у %2 лежать %3 — одне ім’я в різному регістрі; плеєр знайде лише %4</translation>
    </message>
</context>
<context>
    <name>DiscSetup</name>
    <message>
        <source>The folder name &quot;%1&quot; cannot be kept in a settings file (line break or surrounding spaces)</source>
        <translation>Назву теки «%1» не можна зберегти у файлі налаштувань (у ній розрив рядка або пробіли на краях)</translation>
    </message>
    <message>
        <source>No setup.inf in %1: not a program disc</source>
        <translation>У %1 немає setup.inf: це не диск програми</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не вдалося створити теку %1</translation>
    </message>
</context>
<context>
    <name>DiscSetupTool</name>
    <message>
        <source>Disc volume %1 in %2</source>
        <translation>Диск, том %1, у %2</translation>
    </message>
    <message>
        <source>%1: WorkDir=%2 written to [%3] of %4</source>
        <translation>%1: WorkDir=%2 записано в [%3] файлу %4</translation>
    </message>
    <message>
        <source>%1: [%2] of %3 already has WorkDir=%4; left as it is (--force replaces it)</source>
        <translation>%1: у [%2] файлу %3 вже є WorkDir=%4; залишено як є (--force замінить)</translation>
    </message>
    <message>
        <source>warning: the folder %1 does not exist</source>
        <translation>попередження: теки %1 немає</translation>
    </message>
    <message>
        <source>Writes the working folder (WorkDir) for a program disc&apos;s volume into the per-user settings file, so that the player keeps favourites and window places. Without DISC_FOLDER the mounted program disc is used.</source>
        <translation>Записує робочу теку (WorkDir) для тому диска програми у файл налаштувань користувача, щоб плеєр зберігав обране та розташування вікон. Без DISC_FOLDER береться змонтований диск програми.</translation>
    </message>
    <message>
        <source>Replace a WorkDir that is already set.</source>
        <translation>Замінити вже заданий WorkDir.</translation>
    </message>
    <message>
        <source>The working folder (default: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</source>
        <translation>Робоча тека (типово: $XDG_DATA_HOME/quorvix-player/&lt;IniFileName&gt;).</translation>
    </message>
    <message>
        <source>Root folder of the program disc.</source>
        <translation>Коренева тека диска програми.</translation>
    </message>
    <message>
        <source>no program disc is mounted; mount it or give its folder</source>
        <translation>диск програми не змонтовано; змонтуйте його або вкажіть його теку</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>needs a graphical display, and DISPLAY is not set</source>
        <translation>потрібен графічний дисплей, а змінну DISPLAY не задано</translation>
    </message>
    <message>
        <source>needs X11 (XWayland on a Wayland desktop), and DISPLAY is not set</source>
        <translation>потрібен X11 (у сеансі Wayland — XWayland), а змінну DISPLAY не задано</translation>
    </message>
    <message>
        <source>needs a graphical display, and cannot open display %1</source>
        <translation>потрібен графічний дисплей, але не вдалося відкрити дисплей %1</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Немає доступу до файлу</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>На диску немає місця</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Помилка введення-виведення %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Читання за кінцем файлу</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>ImageBuild</name>
    <message>
        <source>the mounted image is not among the discs the player looks at</source>
        <translation>змонтованого образу немає серед дисків, які переглядає плеєр</translation>
    </message>
    <message>
        <source>no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc</source>
        <translation>у корені немає QUORVIX_PLAYER.EXE: плеєр не визнає його своїм диском</translation>
    </message>
    <message>
        <source>no setup.inf: the player would not know the disc&apos;s volume</source>
        <translation>немає setup.inf: плеєр не знатиме, який це том диска</translation>
    </message>
    <message>
        <source>no Data/All.dat: the player would find no catalog</source>
        <translation>немає Data/All.dat: плеєр не знайде каталогу</translation>
    </message>
    <message>
        <source>its catalog cannot be read: %1</source>
        <translation>не вдалося прочитати його каталог: %1</translation>
    </message>
    <message>
        <source>its catalog has no entries</source>
        <translation>у його каталозі немає записів</translation>
    </message>
    <message>
        <source>its catalog is not the one the disc was built from</source>
        <translation>його каталог не той, з якого створювався диск</translation>
    </message>
    <message>
        <source>the player finds no %1 on the image</source>
        <translation>плеєр не знаходить в образі %1</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>не вдалося перевірити %1: %2</translation>
    </message>
    <message>
        <source>An image is being built already</source>
        <translation>Образ уже створюється</translation>
    </message>
    <message>
        <source>genisoimage is not installed (Debian package genisoimage)</source>
        <translation>Програму genisoimage не встановлено (пакет Debian genisoimage)</translation>
    </message>
    <message>
        <source>The disc has no entries</source>
        <translation>На диску немає записів</translation>
    </message>
    <message>
        <source>No temporary folder for the disc&apos;s files</source>
        <translation>Не вдалося створити тимчасову теку для файлів диска</translation>
    </message>
    <message>
        <source>genisoimage did not start: %1</source>
        <translation>Не вдалося запустити genisoimage: %1</translation>
    </message>
    <message>
        <source>genisoimage failed (exit %1): %2</source>
        <translation>Програма genisoimage завершилася з помилкою (код %1): %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не вдалося записати %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageMount</name>
    <message>
        <source>%1 is not installed</source>
        <translation>програму %1 не встановлено</translation>
    </message>
    <message>
        <source>%1 did not finish</source>
        <translation>програма %1 не завершила роботу</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>програма %1 завершилася з помилкою</translation>
    </message>
    <message>
        <source>Cannot unmount %1: %2</source>
        <translation>Не вдалося демонтувати %1: %2</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Не вдалося змонтувати %1: %2</translation>
    </message>
    <message>
        <source>cannot create a folder in %1</source>
        <translation>не вдалося створити теку в %1</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: немає такого файлу</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 — не файл</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не вдалося прочитати %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a disc image (ISO 9660 or UDF)</source>
        <translation>%1 — не образ диска (ISO 9660 або UDF)</translation>
    </message>
    <message>
        <source>no file system found on it</source>
        <translation>на ньому не знайдено файлової системи</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Не вдалося прочитати %1</translation>
    </message>
    <message>
        <source>Cannot write %1 to %2: the value holds a line break or a NUL byte</source>
        <translation>Не вдалося записати %1 у %2: у значенні є розрив рядка або байт NUL</translation>
    </message>
    <message>
        <source>Cannot write %1: it is UTF-16 text, which this program only reads</source>
        <translation>Не вдалося записати %1: це текст у UTF-16, а такий текст програма вміє лише читати</translation>
    </message>
</context>
<context>
    <name>InstanceRequests</name>
    <message>
        <source>the name is too long for a socket</source>
        <translation>назва задовга для сокета</translation>
    </message>
    <message>
        <source>later starts can&apos;t reach this player: %1: %2; @%3: %4</source>
        <translation>наступні запуски не зможуть зв’язатися з цим плеєром: %1: %2; @%3: %4</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot load picture %1: %2</source>
        <translation>Не вдалося завантажити зображення %1: %2</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>порожнє зображення</translation>
    </message>
    <message>
        <source>picture too large (%1 x %2)</source>
        <translation>зображення завелике (%1 × %2)</translation>
    </message>
    <message>
        <source>progressive picture too large to decode (%1 x %2)</source>
        <translation>прогресивне зображення завелике для декодування (%1 × %2)</translation>
    </message>
    <message>
        <source>no picture data</source>
        <translation>немає даних зображення</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>зображення завелике</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>Cannot write a JPEG picture: %1</source>
        <translation>Не вдалося записати зображення JPEG: %1</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдалося відкрити файл %1</translation>
    </message>
</context>
<context>
    <name>RegionData</name>
    <message>
        <source>Shape too large to store</source>
        <translation>Форма завелика для збереження</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot save through the link %1, which another user made in a folder open to all</source>
        <translation>Не можна зберегти через посилання %1: його створив інший користувач у спільній теці, відкритій для всіх</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>This disc&apos;s settings can&apos;t be kept: its setup.inf names the settings file &quot;%1&quot;, which is not a plain file name</source>
        <translation>Налаштування цього диска не можна зберегти: у його setup.inf файл налаштувань названо «%1», а це не просте ім’я файлу</translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Позначки</translation>
    </message>
    <message>
        <source>&amp;New disc from clips…</source>
        <translation>&amp;Новий диск із кліпів…</translation>
    </message>
    <message>
        <source>&amp;Open disc or image…</source>
        <translation>&amp;Відкрити диск або образ…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Зберегти &amp;як…</translation>
    </message>
    <message>
        <source>&amp;Build image…</source>
        <translation>&amp;Створити образ…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>Add &amp;clips…</source>
        <translation>Додати &amp;кліпи…</translation>
    </message>
    <message>
        <source>Add &amp;group…</source>
        <translation>Додати &amp;групу…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Вилучити</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Перемістити вго&amp;ру</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Перемістити в&amp;низ</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Пере&amp;йменувати</translation>
    </message>
    <message>
        <source>Mark &amp;in</source>
        <translation>Позначити &amp;початок</translation>
    </message>
    <message>
        <source>Mark &amp;out</source>
        <translation>Позначити &amp;кінець</translation>
    </message>
    <message>
        <source>Frame back</source>
        <translation>Кадр назад</translation>
    </message>
    <message>
        <source>Frame on</source>
        <translation>Кадр уперед</translation>
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
        <translation>Грати</translation>
    </message>
    <message>
        <source>&amp;Rehearse</source>
        <translation>Про&amp;грати запис</translation>
    </message>
    <message>
        <source>Rehearse &amp;all</source>
        <translation>Програти &amp;всі</translation>
    </message>
    <message>
        <source>&amp;Grab picture</source>
        <translation>&amp;Захопити кадр</translation>
    </message>
    <message>
        <source>&amp;Import picture…</source>
        <translation>&amp;Імпортувати зображення…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Зміни</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <translation>&amp;Позначки</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Зо&amp;браження</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Перевірки</translation>
    </message>
    <message>
        <source>Split into volumes…</source>
        <translation>Розбити на томи…</translation>
    </message>
    <message>
        <source>New disc</source>
        <translation>Новий диск</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Немає диска</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (лише читання)</translation>
    </message>
    <message>
        <source>%1[*] — Quorvix Author</source>
        <translation>%1[*] — Quorvix Author</translation>
    </message>
    <message>
        <source>end</source>
        <translation>до кінця</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>є</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>No picture: the player shows its own</source>
        <translation>Немає зображення: плеєр покаже своє</translation>
    </message>
    <message>
        <source>Quorvix Author</source>
        <translation>Quorvix Author</translation>
    </message>
    <message>
        <source>The disc has changes that are not saved. Save them?</source>
        <translation>Диск має незбережені зміни. Зберегти їх?</translation>
    </message>
    <message>
        <source>A folder of clips</source>
        <translation>Тека з кліпами</translation>
    </message>
    <message>
        <source>A disc&apos;s catalog or a disc image</source>
        <translation>Каталог диска або образ диска</translation>
    </message>
    <message>
        <source>Save the disc into a folder</source>
        <translation>Зберегти диск у теку</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Збережено в %1</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>перейменування групи</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>перейменування запису</translation>
    </message>
    <message>
        <source>Rename media</source>
        <translation>перейменування файлу</translation>
    </message>
    <message>
        <source>Clips to add</source>
        <translation>Кліпи для додавання</translation>
    </message>
    <message>
        <source>New group</source>
        <translation>Нова група</translation>
    </message>
    <message>
        <source>Add clips</source>
        <translation>додавання кліпів</translation>
    </message>
    <message>
        <source>Clips of the new group</source>
        <translation>Кліпи нової групи</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>додавання групи</translation>
    </message>
    <message>
        <source>Remove group</source>
        <translation>вилучення групи</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>вилучення запису</translation>
    </message>
    <message>
        <source>Move entry up</source>
        <translation>переміщення запису вгору</translation>
    </message>
    <message>
        <source>Move entry down</source>
        <translation>переміщення запису вниз</translation>
    </message>
    <message>
        <source>Move group up</source>
        <translation>переміщення групи вгору</translation>
    </message>
    <message>
        <source>Move group down</source>
        <translation>переміщення групи вниз</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>переміщення групи</translation>
    </message>
    <message>
        <source>Move entry</source>
        <translation>переміщення запису</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Rehearsal done</source>
        <translation>Програвання завершено</translation>
    </message>
    <message>
        <source>Rehearsing “%1”</source>
        <translation>Програється «%1»</translation>
    </message>
    <message>
        <source>No entry is checked</source>
        <translation>У жодного запису не встановлено прапорець</translation>
    </message>
    <message>
        <source>The start mark %1 would not come before the end mark %2</source>
        <translation>Позначка початку %1 була б не раніше за позначку кінця %2</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>встановлення початку</translation>
    </message>
    <message>
        <source>The end mark %1 would not come after the start mark %2</source>
        <translation>Позначка кінця %1 була б не пізніше за позначку початку %2</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>встановлення кінця</translation>
    </message>
    <message>
        <source>There is no picture on screen to take</source>
        <translation>На екрані немає кадру, який можна захопити</translation>
    </message>
    <message>
        <source>The picture on screen could not be taken</source>
        <translation>Не вдалося захопити кадр з екрана</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Grab picture</source>
        <translation>захоплення кадру</translation>
    </message>
    <message>
        <source>The entry&apos;s picture</source>
        <translation>Зображення запису</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>імпорт зображення</translation>
    </message>
    <message>
        <source>Save the disc first; then each volume is written from it.

</source>
        <translation>Спочатку збережіть диск: кожен том записується з нього.

</translation>
    </message>
    <message>
        <source>Write these discs, each into a folder of its own, with the same settings file name?

</source>
        <translation>Записати ці диски, кожен в окрему теку, з тією самою назвою файлу налаштувань?

</translation>
    </message>
    <message>
        <source>A folder for the volumes</source>
        <translation>Тека для томів</translation>
    </message>
    <message>
        <source>Volumes written in %1</source>
        <translation>Томи записано в %1</translation>
    </message>
    <message>
        <source>Build the disc image</source>
        <translation>Створення образу диска</translation>
    </message>
    <message>
        <source>Building %1…</source>
        <translation>Створення %1…</translation>
    </message>
    <message>
        <source>Built and checked: %1</source>
        <translation>Образ створено й перевірено: %1</translation>
    </message>
    <message>
        <source>The image %1 was built. Mounted as the player meets it, its catalog loads and every entry&apos;s files are found.</source>
        <translation>Образ %1 створено. Якщо змонтувати його так, як це робить плеєр, каталог завантажується й файли всіх записів знаходяться.</translation>
    </message>
    <message>
        <source>The image %1 failed:
%2</source>
        <translation>Не вдалося створити образ %1:
%2</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Кліпи</translation>
    </message>
    <message>
        <source>Disc images or catalogs</source>
        <translation>Образи або каталоги дисків</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <translation>Зображення JPEG</translation>
    </message>
    <message>
        <source>Disc images</source>
        <translation>Образи дисків</translation>
    </message>
    <message>
        <source>%1, %2 MB; %3, %4</source>
        <translation>%1, %2 МБ; %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n запис</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n помилка</numerusform>
            <numerusform>%n помилки</numerusform>
            <numerusform>%n помилок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n попередження</numerusform>
            <numerusform>%n попередження</numerusform>
            <numerusform>%n попереджень</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform>; кліпи займуть %n диск</numerusform>
            <numerusform>; кліпи займуть %n диски</numerusform>
            <numerusform>; кліпи займуть %n дисків</numerusform>
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
        <translation>Назва</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Ім’я файлу</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Зображення</translation>
    </message>
</context>
<context>
    <name>TCaptionForm</name>
    <message>
        <source>Current Name</source>
        <translation>Поточний кліп</translation>
    </message>
</context>
<context>
    <name>TCatForm2</name>
    <message>
        <source>Load</source>
        <translation>Відк.</translation>
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
        <translation>Не можна використати %1 як плей-лист: у назві є розрив рядка або байт NUL</translation>
    </message>
    <message>
        <source>Play_List files</source>
        <translation>Файли плей-листів</translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не вдалося прочитати %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не вдалося записати %1: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Не вдалося скопіювати %1 у %2: %3</translation>
    </message>
    <message>
        <source>the character %1 cannot be stored in the catalog, which holds Windows-1251 text</source>
        <translation>символ %1 не можна зберегти в каталозі: текст у ньому зберігається в кодуванні Windows-1251</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не тека</translation>
    </message>
    <message>
        <source>%1 holds no video clips</source>
        <translation>У %1 немає відеокліпів</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Група %1</translation>
    </message>
    <message>
        <source>%1: no such folder or disc image</source>
        <translation>%1: немає такої теки чи образу диска</translation>
    </message>
    <message>
        <source>%1 holds no Data/All.dat: not a disc</source>
        <translation>У %1 немає Data/All.dat: це не диск</translation>
    </message>
    <message>
        <source>This disc is read-only; save it into a folder instead</source>
        <translation>Цей диск доступний лише для читання; збережіть його в теку</translation>
    </message>
    <message>
        <source>This disc has no folder yet; choose one to save it in</source>
        <translation>Цей диск ще не має теки; виберіть, куди його зберегти</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не вдалося створити теку %1</translation>
    </message>
    <message>
        <source>There is no entry %1</source>
        <translation>Немає запису %1</translation>
    </message>
    <message>
        <source>There are no entries %1 to %2</source>
        <translation>Немає записів з %1 по %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Назва групи</translation>
    </message>
    <message>
        <source>Media name</source>
        <translation>Ім’я файлу</translation>
    </message>
    <message>
        <source>Media name: empty; it names the entry&apos;s video file</source>
        <translation>Ім’я файлу: порожнє, а за ним знаходиться відеофайл запису</translation>
    </message>
    <message>
        <source>Media name: the character %1 cannot stand in a file name</source>
        <translation>Ім’я файлу: символ %1 неприпустимий в імені файлу</translation>
    </message>
    <message>
        <source>Media name: &quot;%1&quot; names no file</source>
        <translation>Ім’я файлу: «%1» не може бути ім’ям файлу</translation>
    </message>
    <message>
        <source>Media name: %1 already names another clip</source>
        <translation>Ім’я файлу: %1 уже має інший кліп</translation>
    </message>
    <message>
        <source>Marks must be seconds from the start of the file, not below 0</source>
        <translation>Позначки задаються в секундах від початку файлу й не можуть бути меншими за 0</translation>
    </message>
    <message>
        <source>The end mark (%1 s) must come after the start mark (%2 s)</source>
        <translation>Позначка кінця (%1 с) має бути пізніше за позначку початку (%2 с)</translation>
    </message>
    <message>
        <source>The catalog holds at most %1 records</source>
        <translation>Найбільша кількість записів у каталозі — %1</translation>
    </message>
    <message>
        <source>%1: no such clip</source>
        <translation>%1: немає такого кліпу</translation>
    </message>
    <message>
        <source>Every one of the 256 group keys is taken</source>
        <translation>Усі 256 ключів груп уже зайняті</translation>
    </message>
    <message>
        <source>The volume number must be 1 or more</source>
        <translation>Номер тому має бути не менше 1</translation>
    </message>
    <message>
        <source>Settings name</source>
        <translation>Назва файлу налаштувань</translation>
    </message>
    <message>
        <source>Settings name: &quot;%1&quot; cannot name a settings file</source>
        <translation>Назва файлу налаштувань: «%1» не можна використати як назву файлу налаштувань</translation>
    </message>
    <message>
        <source>The volume label must have 1 to 32 characters</source>
        <translation>Мітка тому має містити від 1 до 32 символів</translation>
    </message>
    <message>
        <source>The volume label may hold only A-Z, 0-9 and _, not %1</source>
        <translation>У мітці тому допустимі лише A-Z, 0-9 і _, а не %1</translation>
    </message>
    <message>
        <source>%1: no such picture</source>
        <translation>%1: немає такого зображення</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>довжина %n байт, а каталог вміщує щонайбільше 255</numerusform>
            <numerusform>довжина %n байти, а каталог вміщує щонайбільше 255</numerusform>
            <numerusform>довжина %n байтів, а каталог вміщує щонайбільше 255</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>У %1 кліпи лежать у %n теці, а в каталозі може бути щонайбільше 256 груп</numerusform>
            <numerusform>У %1 кліпи лежать у %n теках, а в каталозі може бути щонайбільше 256 груп</numerusform>
            <numerusform>У %1 кліпи лежать у %n теках, а в каталозі може бути щонайбільше 256 груп</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Playing a clip</source>
        <translation>Відтворення кліпу</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Seconds into the file</source>
        <translation>Секунди від початку файлу</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Гучність</translation>
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
        <translation>Гучніше</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тихіше</translation>
    </message>
    <message>
        <source>Repeat Current</source>
        <translation>Повтор кліпу</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Випадковий порядок</translation>
    </message>
    <message>
        <source>Play All File</source>
        <translation>Грати всі</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>Оригінальний розмір</translation>
    </message>
    <message>
        <source>FullScreen</source>
        <translation>На весь екран</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Каталог</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Попередній</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Грати</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Наступний</translation>
    </message>
    <message>
        <source>Hide Player</source>
        <translation>Сховати плеєр</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>SavePos</source>
        <translation>Збер.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Поч.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кін.</translation>
    </message>
    <message>
        <source>EndToStart</source>
        <translation>Кін.→поч.</translation>
    </message>
    <message>
        <source>CustomLoader</source>
        <translation>Перечитати диск</translation>
    </message>
    <message>
        <source>TestPlayerFile</source>
        <translation>Перевірити файли</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for this disc&apos;s favourites</source>
        <translation>Не вдалося створити теку %1 для обраного з цього диска</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Грає</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Чекає</translation>
    </message>
</context>
<context>
    <name>TMpvMediaPlayer</name>
    <message>
        <source>No OpenGL context could be made for the picture</source>
        <translation>Не вдалося створити контекст OpenGL для показу зображення</translation>
    </message>
    <message>
        <source>The playback engine could not be started</source>
        <translation>Не вдалося запустити рушій відтворення</translation>
    </message>
</context>
<context>
    <name>TMyGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>Значення має бути від %1 до %2</translation>
    </message>
</context>
<context>
    <name>TVidOutForm</name>
    <message>
        <source>Insert the program disc or open a disc image.</source>
        <translation>Вставте диск програми або відкрийте образ диска.</translation>
    </message>
</context>
</TS>
