<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>LevelMessages</name>
    <message numerus="yes">
        <source>файл слишком велик (%n байт)</source>
        <translation>
            <numerusform>файл слишком велик (%n байт)</numerusform>
            <numerusform>файл слишком велик (%n байта)</numerusform>
            <numerusform>файл слишком велик (%n байт)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n почти, но не совсем чёрных точек</source>
        <translation>
            <numerusform>%n почти, но не совсем чёрная точка</numerusform>
            <numerusform>%n почти, но не совсем чёрные точки</numerusform>
            <numerusform>%n почти, но не совсем чёрных точек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n почти, но не совсем белых точек</source>
        <translation>
            <numerusform>%n почти, но не совсем белая точка</numerusform>
            <numerusform>%n почти, но не совсем белые точки</numerusform>
            <numerusform>%n почти, но не совсем белых точек</numerusform>
        </translation>
    </message>
</context>
</TS>
