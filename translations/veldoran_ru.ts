<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>HistoryDownload</name>
    <message numerus="yes">
        <source>Сервер %1 не ответил за %n с</source>
        <translation>
            <numerusform>Сервер %1 не ответил за %n с</numerusform>
            <numerusform>Сервер %1 не ответил за %n с</numerusform>
            <numerusform>Сервер %1 не ответил за %n с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Передача остановилась на середине: %n с не пришло ни байта (получено %1 байт)</source>
        <translation>
            <numerusform>Передача остановилась на середине: %n с не пришло ни байта (получено %1 байт)</numerusform>
            <numerusform>Передача остановилась на середине: %n с не пришло ни байта (получено %1 байт)</numerusform>
            <numerusform>Передача остановилась на середине: %n с не пришло ни байта (получено %1 байт)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Загрузка не уложилась в %n с</source>
        <translation>
            <numerusform>Загрузка не уложилась в %n с</numerusform>
            <numerusform>Загрузка не уложилась в %n с</numerusform>
            <numerusform>Загрузка не уложилась в %n с</numerusform>
        </translation>
    </message>
</context>
</TS>
