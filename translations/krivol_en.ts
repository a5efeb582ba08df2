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
</TS>
