<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Editor</name>
    <message>
        <source>Карандаш</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Линия</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Рамка</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Заливка</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Клетка</source>
        <translation>&amp;Cell</translation>
    </message>
    <message>
        <source>&amp;Инструмент</source>
        <translation>&amp;Tool</translation>
    </message>
    <message>
        <source>&amp;Зеркало</source>
        <translation>&amp;Mirror</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Стена</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Коридор</source>
        <translation>Corridor</translation>
    </message>
    <message>
        <source>Пол</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Без зеркала</source>
        <translation>No mirror</translation>
    </message>
    <message>
        <source>Слева направо</source>
        <translation>Left to right</translation>
    </message>
    <message>
        <source>Сверху вниз</source>
        <translation>Top to bottom</translation>
    </message>
    <message>
        <source>В обе стороны</source>
        <translation>Both ways</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Импорт картинки по порогу…</source>
        <translation>Import a picture by threshold…</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Играть</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить:</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Повторить:</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Случайный лабиринт</source>
        <translation>Random maze</translation>
    </message>
    <message>
        <source>Следующее зеркало</source>
        <translation>Next mirror</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Зеркало: %1</source>
        <translation>Mirror: %1</translation>
    </message>
    <message>
        <source>Действия</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Картинка %1 × %2 точек: игра читает только её левые верхние 50 × 50 точек, их и показывает редактор.</source>
        <translation>The picture is %1 × %2 pixels: the game reads only its top left 50 × 50 pixels, and the editor shows those.</translation>
    </message>
    <message>
        <source>Импорт по порогу (Ctrl+I) сделает их стеной и коридором.</source>
        <translation>Import by threshold (Ctrl+I) makes them wall and corridor.</translation>
    </message>
    <message>
        <source>Импорт по порогу из %1: почти чёрное — стена, почти белое — коридор, остальное — пол.</source>
        <translation>Imported by threshold from %1: nearly black is wall, nearly white is corridor, the rest is floor.</translation>
    </message>
    <message>
        <source> Картинка %1 × %2 точек уменьшена до 50 × 50.</source>
        <translation> The %1 × %2 pixel picture was scaled down to 50 × 50.</translation>
    </message>
    <message>
        <source> Картинка %1 × %2 точек меньше 50 × 50: клетки за её краем — стена, как их читает игра.</source>
        <translation> The %1 × %2 pixel picture is smaller than 50 × 50: the cells beyond its edge are wall, as the game reads them.</translation>
    </message>
    <message>
        <source>Проверка уровня</source>
        <translation>Level check</translation>
    </message>
    <message>
        <source>Зерно:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>число</source>
        <translation>number</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Зерно — целое число от 0 до 4294967295.</source>
        <translation>The seed is a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>&lt;small&gt;Левая кнопка мыши — выбранная клетка, правая — пустой пол. Стрелки — курсор, Shift+стрелки — рисовать, Пробел — инструмент на курсоре (линия и прямоугольник: два нажатия, Esc — отмена). 1, 2, 3 — стена, коридор, пол; 4–8 — инструменты; 9 — зеркало; F5 — играть.&lt;/small&gt;</source>
        <translation>&lt;small&gt;Left mouse button: the chosen cell; right: empty floor. Arrows: the cursor; Shift+arrows: draw; Space: the tool at the cursor (line and rectangle: two presses, Esc cancels). 1, 2, 3: wall, corridor, floor; 4–8: tools; 9: mirror; F5: play.&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Редактор уровней Krivol</source>
        <translation>Krivol level editor</translation>
    </message>
    <message>
        <source>залы со столбами</source>
        <translation>halls with posts</translation>
    </message>
    <message>
        <source>классический лабиринт</source>
        <translation>classic maze</translation>
    </message>
    <message>
        <source>длинные галереи</source>
        <translation>long galleries</translation>
    </message>
    <message>
        <source>один из трёх, по зерну</source>
        <translation>one of the three, by the seed</translation>
    </message>
    <message>
        <source>Стиль:</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>случайный лабиринт</source>
        <translation>random maze</translation>
    </message>
    <message>
        <source>Случайный лабиринт «%1», зерно %2. Тот же лабиринт: %3</source>
        <translation>Random maze “%1”, seed %2. The same maze: %3</translation>
    </message>
    <message>
        <source>УРОВЕНЬ.BMP</source>
        <translation>LEVEL.BMP</translation>
    </message>
    <message>
        <source>это не копия уровня</source>
        <translation>it is not a copy of a level</translation>
    </message>
    <message>
        <source>файл обрывается</source>
        <translation>the file is cut short</translation>
    </message>
    <message>
        <source>испорчена строка %1</source>
        <translation>line %1 is damaged</translation>
    </message>
    <message>
        <source>Новый уровень</source>
        <translation>New level</translation>
    </message>
    <message>
        <source>Копия для восстановления не записывается в %1: %2. Сохраняйте уровень сами.</source>
        <translation>The recovery copy cannot be written to %1: %2. Save the level yourself.</translation>
    </message>
    <message>
        <source>Уровень восстановлен из копии от %1 и ещё не сохранён. %2</source>
        <translation>The level was recovered from its copy of %1 and is not saved yet. %2</translation>
    </message>
    <message>
        <source>В папке копий %1 пропущены файлы: %2.</source>
        <translation>Files skipped in the copies folder %1: %2.</translation>
    </message>
    <message>
        <source>Редактор закрылся, не сохранив уровень «%1». Осталась его копия от %2. Восстановить её?</source>
        <translation>The editor closed without saving the level “%1”. Its copy of %2 is left. Recover it?</translation>
    </message>
    <message>
        <source>Восстанавливается рисунок, но не история правок: отменить прежние шаги будет нельзя.</source>
        <translation>The drawing is recovered, but not its history: the earlier steps cannot be undone.</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Удалить копию</source>
        <translation>Delete the copy</translation>
    </message>
    <message>
        <source>Оставить на потом</source>
        <translation>Keep it for later</translation>
    </message>
    <message>
        <source>стена</source>
        <translation>wall</translation>
    </message>
    <message>
        <source>коридор с точкой</source>
        <translation>corridor with a dot</translation>
    </message>
    <message>
        <source>пустой пол</source>
        <translation>empty floor</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#006400&apos;&gt;Уровень можно играть.&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#006400&apos;&gt;The level can be played.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#b00000&apos;&gt;Уровень нельзя играть:&lt;/b&gt; %1.</source>
        <translation>&lt;b style=&apos;color:#b00000&apos;&gt;The level cannot be played:&lt;/b&gt; %1.</translation>
    </message>
    <message>
        <source>Точек в столбцах и строках 2..49: &lt;b&gt;%1&lt;/b&gt; (нужно не меньше %2).</source>
        <translation>Dots in columns and rows 2..49: &lt;b&gt;%1&lt;/b&gt; (at least %2 needed).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b00000&apos;&gt;Открытых клеток на внешнем кольце: %1 (отмечены красным).&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b00000&apos;&gt;Open cells on the outer ring: %1 (marked red).&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Точек, до которых герою не дойти: %1 (затенены); предметы там не собрать.</source>
        <translation>Dots the hero cannot reach: %1 (shaded); items there cannot be collected.</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#c06000&apos;&gt;Внимание: начальная клетка героя (столбец %1, строка %2) — стена, герой начнёт внутри стены.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#c06000&apos;&gt;Note: the hero&apos;s start cell (column %1, row %2) is wall; the hero will start inside the wall.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Курсор: столбец %1, строка %2 — %3</source>
        <translation>Cursor: column %1, row %2: %3</translation>
    </message>
    <message>
        <source>Уровни BMP (*.bmp *.BMP);;Картинки (*.bmp *.BMP *.png *.PNG *.gif *.jpg *.jpeg *.JPG);;Все файлы (*)</source>
        <translation>BMP levels (*.bmp *.BMP);;Pictures (*.bmp *.BMP *.png *.PNG *.gif *.jpg *.jpeg *.JPG);;All files (*)</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>recovery</translation>
    </message>
    <message>
        <source>%1[*] — Редактор уровней Krivol</source>
        <translation>%1[*] — Krivol level editor</translation>
    </message>
    <message>
        <source>Уровень не открыт</source>
        <translation>Level not opened</translation>
    </message>
    <message>
        <source>Уровень не открыт.

%1</source>
        <translation>The level was not opened.

%1</translation>
    </message>
    <message>
        <source>Уровень не сохранён</source>
        <translation>Level not saved</translation>
    </message>
    <message>
        <source>Уровень не сохранён, изменения остаются в редакторе.

%1</source>
        <translation>The level was not saved; the changes stay in the editor.

%1</translation>
    </message>
    <message>
        <source>Сохранено: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Сохранить уровень</source>
        <translation>Save the level</translation>
    </message>
    <message>
        <source>Импорт картинки по порогу</source>
        <translation>Import a picture by threshold</translation>
    </message>
    <message>
        <source>Картинка не импортирована</source>
        <translation>Picture not imported</translation>
    </message>
    <message>
        <source>импорт</source>
        <translation>import</translation>
    </message>
    <message>
        <source>Открыть уровень</source>
        <translation>Open a level</translation>
    </message>
    <message>
        <source>В уровне есть несохранённые изменения. Сохранить их?</source>
        <translation>The level has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Вернуться</source>
        <translation>Go back</translation>
    </message>
    <message>
        <source>Уровень нельзя играть</source>
        <translation>Level cannot be played</translation>
    </message>
    <message>
        <source>Уровень нельзя играть: %1.</source>
        <translation>The level cannot be played: %1.</translation>
    </message>
    <message>
        <source>нет временной папки</source>
        <translation>there is no temporary folder</translation>
    </message>
    <message>
        <source>Игра не начата</source>
        <translation>Game not started</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>П О Б Е Д А ! ! !</source>
        <translation>V I C T O R Y ! ! !</translation>
    </message>
    <message>
        <source>Вы проиграли !!!<byte value="xd"/>
<byte value="xd"/>
Попробуйте снова!</source>
        <translation>You lost !!!<byte value="xd"/>
<byte value="xd"/>
Try again!</translation>
    </message>
    <message>
        <source>Уровень не загружен.

%1: %2</source>
        <translation>The level is not loaded.

%1: %2</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>защита от монстров</source>
        <translation>shield against monsters</translation>
    </message>
    <message>
        <source>патроны</source>
        <translation>ammunition</translation>
    </message>
    <message>
        <source>ловушка для монстров</source>
        <translation>trap for monsters</translation>
    </message>
    <message>
        <source>надо все собрать!</source>
        <translation>collect them all!</translation>
    </message>
    <message>
        <source>&quot;1&quot; - стрельба</source>
        <translation>&quot;1&quot; - shoot</translation>
    </message>
    <message>
        <source>Курсор - движение</source>
        <translation>Arrows - move</translation>
    </message>
    <message>
        <source>Kri №1</source>
        <translation>Kri #1</translation>
    </message>
    <message>
        <source>Kri №2</source>
        <translation>Kri #2</translation>
    </message>
    <message>
        <source>Kri №3</source>
        <translation>Kri #3</translation>
    </message>
    <message>
        <source>Патронов</source>
        <translation>Shots</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Gamepad</name>
    <message>
        <source>Геймпад: %1</source>
        <translation>Gamepad: %1</translation>
    </message>
    <message>
        <source>Геймпад отключён: %1</source>
        <translation>Gamepad removed: %1</translation>
    </message>
</context>
<context>
    <name>LevelMessages</name>
    <message>
        <source>такой папки нет</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>символическая ссылка ведёт к несуществующему файлу</source>
        <translation>the symbolic link leads to a file that does not exist</translation>
    </message>
    <message>
        <source>символические ссылки замкнуты в кольцо</source>
        <translation>the symbolic links form a loop</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это именованный канал (FIFO), а не обычный файл</source>
        <translation>it is a named pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <source>это сокет, а не обычный файл</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>это устройство, а не обычный файл</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>нет права на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>нет права на чтение</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>файл слишком велик (больше 2 ГиБ)</source>
        <translation>the file is too large (over 2 GiB)</translation>
    </message>
    <message numerus="yes">
        <source>файл слишком велик (%n байт)</source>
        <translation>
            <numerusform>the file is too large (%n byte)</numerusform>
            <numerusform>the file is too large (%n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>диск переполнен</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>файл не записывается (%1)</source>
        <translation>the file cannot be written (%1)</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>заголовок BMP обрезан</source>
        <translation>the BMP header is cut short</translation>
    </message>
    <message>
        <source>файл кончается раньше, чем начинается изображение (байт %1 из %2)</source>
        <translation>the file ends before its image begins (byte %1 of %2)</translation>
    </message>
    <message>
        <source>изображение обрезано (есть %1 из %2 байт)</source>
        <translation>the image is cut short (%1 of %2 bytes are there)</translation>
    </message>
    <message>
        <source>сжатое изображение обрезано</source>
        <translation>the compressed image is cut short</translation>
    </message>
    <message>
        <source>BMP с глубиной цвета %1 бит не поддерживается (сохраните с 24 битами)</source>
        <translation>a BMP of %1 bits per pixel is not supported (save it with 24 bits)</translation>
    </message>
    <message>
        <source>картинка слишком велика (%1 × %2 точек, а уровень — 50 × 50)</source>
        <translation>the picture is too large (%1 × %2 pixels, and a level is 50 × 50)</translation>
    </message>
    <message>
        <source>файл не читается как картинка</source>
        <translation>the file cannot be read as a picture</translation>
    </message>
    <message>
        <source>картинка слишком велика, не хватает памяти</source>
        <translation>the picture is too large: not enough memory</translation>
    </message>
    <message>
        <source>граница открыта в клетках %1</source>
        <translation>the border is open at the cells %1</translation>
    </message>
    <message>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source> (столбец,строка, считая от 1; проходимых клеток на внешнем кольце: %1)</source>
        <translation> (column,row, counting from 1; open cells on the outer ring: %1)</translation>
    </message>
    <message>
        <source>; у картинки %1 × %2 точек считаются только левые верхние 50 × 50, и их внешнее кольцо должно быть чёрным</source>
        <translation>; of a %1 × %2 pixel picture only the top left 50 × 50 count, and their outer ring must be black</translation>
    </message>
    <message numerus="yes">
        <source>%n почти, но не совсем чёрных точек</source>
        <translation>
            <numerusform>%n nearly, but not quite, black pixel</numerusform>
            <numerusform>%n nearly, but not quite, black pixels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n почти, но не совсем белых точек</source>
        <translation>
            <numerusform>%n nearly, but not quite, white pixel</numerusform>
            <numerusform>%n nearly, but not quite, white pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>в картинке %1, и игра читает их как пустой пол; скорее всего, картинку сохранили с потерями, например в JPEG: сохраняйте уровни в BMP или PNG</source>
        <translation>the picture has %1, which the game reads as empty floor; most likely it was saved with losses, for example as JPEG: save levels as BMP or PNG</translation>
    </message>
    <message>
        <source> и </source>
        <translation> and </translation>
    </message>
    <message>
        <source>картинка всего %1 × %2 точек: клетки за её краем, до 50-го столбца и строки, игра читает как стену</source>
        <translation>the picture is only %1 × %2 pixels: the game reads the cells beyond its edge, up to the 50th column and row, as wall</translation>
    </message>
    <message>
        <source>клеток с точками в столбцах и строках 2..49 всего %1, а нужно не меньше %2</source>
        <translation>only %1 cells with dots in columns and rows 2..49, and at least %2 are needed</translation>
    </message>
    <message>
        <source>в картинке нет ни одной чисто белой точки: коридор — только чисто белый цвет (#FFFFFF), стена — только чисто чёрный (#000000)</source>
        <translation>the picture has not one pure white pixel: a corridor is pure white (#FFFFFF) only, a wall pure black (#000000) only</translation>
    </message>
    <message>
        <source>от начальной клетки героя (столбец %1, строка %2) не дойти ни до одной точки</source>
        <translation>no dot can be reached from the hero&apos;s start cell (column %1, row %2)</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>no access</translation>
    </message>
    <message>
        <source>велик</source>
        <translation>too big</translation>
    </message>
    <message>
        <source>ошибка</source>
        <translation>error</translation>
    </message>
    <message>
        <source>не файл</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>не картинка</source>
        <translation>no picture</translation>
    </message>
    <message>
        <source>испорчен</source>
        <translation>damaged</translation>
    </message>
    <message>
        <source>дыра в стене</source>
        <translation>hole in wall</translation>
    </message>
    <message>
        <source>мало точек</source>
        <translation>few dots</translation>
    </message>
    <message>
        <source>нет пути</source>
        <translation>no path</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>запись обрывается</source>
        <translation>the recording is cut short</translation>
    </message>
    <message>
        <source>запись испорчена в строке %1</source>
        <translation>the recording is damaged at line %1</translation>
    </message>
    <message>
        <source>это не запись игры Krivol или запись другой её версии</source>
        <translation>it is not a Krivol recording, or one of another version</translation>
    </message>
    <message>
        <source>Повтор невозможен</source>
        <translation>Replay impossible</translation>
    </message>
    <message>
        <source>Запись %1 не воспроизвести:
%2</source>
        <translation>The recording %1 cannot be replayed:
%2</translation>
    </message>
    <message>
        <source>Повтор записи</source>
        <translation>Replaying a recording</translation>
    </message>
    <message>
        <source>Повтор окончен: %1</source>
        <translation>Replay over: %1</translation>
    </message>
    <message>
        <source>Повтор окончен</source>
        <translation>Replay over</translation>
    </message>
    <message>
        <source>Повтор остановлен</source>
        <translation>Replay stopped</translation>
    </message>
    <message>
        <source>Уровень %1 изменился после записи: повтор невозможен.</source>
        <translation>The level %1 changed after the recording: it cannot be replayed.</translation>
    </message>
    <message>
        <source>Для повтора нужен уровень %1: %2.</source>
        <translation>The replay needs the level %1: %2.</translation>
    </message>
    <message>
        <source>Раунд %1 пошёл не так, как в записи; повтор остановлен</source>
        <translation>Round %1 went otherwise than recorded; replay stopped</translation>
    </message>
    <message>
        <source>Повтор окончен: здесь окно было закрыто</source>
        <translation>Replay over: the window was closed here</translation>
    </message>
    <message>
        <source>Игра не записывается: файл %1 не открыть (%2).</source>
        <translation>The game is not recorded: the file %1 cannot be opened (%2).</translation>
    </message>
    <message>
        <source>Запись игры прервана: в файл %1 не записать (%2).</source>
        <translation>Recording stopped: the file %1 cannot be written (%2).</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>такого файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>действие запрещено</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>исчерпана квота на диске</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>часть пути — не папка</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>файловая система только для чтения</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>слишком много символических ссылок</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>слишком много ссылок</source>
        <translation>too many links</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>файл уже есть</source>
        <translation>the file exists already</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>файл на другом диске</source>
        <translation>the file is on another disk</translation>
    </message>
    <message>
        <source>устройства нет</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>файл временно недоступен</source>
        <translation>the file is not available for the moment</translation>
    </message>
    <message>
        <source>прервано сигналом</source>
        <translation>interrupted by a signal</translation>
    </message>
    <message>
        <source>недопустимое действие с файлом</source>
        <translation>an operation the file does not allow</translation>
    </message>
    <message>
        <source>сетевой файл больше недоступен</source>
        <translation>the network file is gone</translation>
    </message>
    <message>
        <source>системная ошибка, код %1</source>
        <translation>system error, code %1</translation>
    </message>
</context>
</TS>
