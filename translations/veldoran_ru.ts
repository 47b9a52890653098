<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>TTicketsWindow</name>
    <message numerus="yes">
        <source>%n билетов</source>
        <translation>
            <numerusform>%n билет</numerusform>
            <numerusform>%n билета</numerusform>
            <numerusform>%n билетов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Проверено %n последних тиражей.</source>
        <translation>
            <numerusform>Проверен %n последний тираж.</numerusform>
            <numerusform>Проверено %n последних тиража.</numerusform>
            <numerusform>Проверено %n последних тиражей.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TicketsTexts</name>
    <message numerus="yes">
        <source>Ни в одном из %n проверенных тиражей не выпало %1 ваших чисел: случая для гарантии не было.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>В %n тиражах выпало не меньше %1 ваших чисел</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; в %n из них ни один билет не совпал в %1 числах.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
