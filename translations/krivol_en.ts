<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
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
