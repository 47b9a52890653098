<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>StrategyVerdict</name>
    <message numerus="yes">
        <source>%n тиражей</source>
        <translation>
            <numerusform>%n тираж</numerusform>
            <numerusform>%n тиража</numerusform>
            <numerusform>%n тиражей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n раз</source>
        <translation>
            <numerusform>%n раз</numerusform>
            <numerusform>%n раза</numerusform>
            <numerusform>%n раз</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFairnessReport</name>
    <message numerus="yes">
        <source> Не вошли %n: в них числа повторяются или выходят за 1..%1.</source>
        <translation>
            <numerusform> Не вошли %n: в них числа повторяются или выходят за 1..%1.</numerusform>
            <numerusform> Не вошли %n: в них числа повторяются или выходят за 1..%1.</numerusform>
            <numerusform> Не вошли %n: в них числа повторяются или выходят за 1..%1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Самый долгий пропуск пары: %n тиражей — так или сильнее бывает в %1 честных лотерей.</source>
        <translation>
            <numerusform>Самый долгий пропуск пары: %n тиражей — так или сильнее бывает в %1 честных лотерей.</numerusform>
            <numerusform>Самый долгий пропуск пары: %n тиражей — так или сильнее бывает в %1 честных лотерей.</numerusform>
            <numerusform>Самый долгий пропуск пары: %n тиражей — так или сильнее бывает в %1 честных лотерей.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TGroupTableWindow</name>
    <message numerus="yes">
        <source>В тираже %n чисел: групп по %1 в нём не бывает.</source>
        <translation>
            <numerusform>В тираже %n чисел: групп по %1 в нём не бывает.</numerusform>
            <numerusform>В тираже %n чисел: групп по %1 в нём не бывает.</numerusform>
            <numerusform>В тираже %n чисел: групп по %1 в нём не бывает.</numerusform>
        </translation>
    </message>
</context>
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
        <translation>
            <numerusform>Ни в одном из %n проверенного тиража не выпало %1 ваших чисел: случая для гарантии не было.</numerusform>
            <numerusform>Ни в одном из %n проверенных тиражей не выпало %1 ваших чисел: случая для гарантии не было.</numerusform>
            <numerusform>Ни в одном из %n проверенных тиражей не выпало %1 ваших чисел: случая для гарантии не было.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>В %n тиражах выпало не меньше %1 ваших чисел</source>
        <translation>
            <numerusform>В %n тираже выпало не меньше %1 ваших чисел</numerusform>
            <numerusform>В %n тиражах выпало не меньше %1 ваших чисел</numerusform>
            <numerusform>В %n тиражах выпало не меньше %1 ваших чисел</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; в %n из них ни один билет не совпал в %1 числах.</source>
        <translation>
            <numerusform>; в %n из них ни один билет не совпал в %1 числах.</numerusform>
            <numerusform>; в %n из них ни один билет не совпал в %1 числах.</numerusform>
            <numerusform>; в %n из них ни один билет не совпал в %1 числах.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Гарантии «%4, если выпало %2» нет: %n комбинаций из C(%1,%2) = %3 не совпадают ни с одним билетом в %4 числах.</source>
        <translation>
            <numerusform>Гарантии «%4, если выпало %2» нет: %n комбинация из C(%1,%2) = %3 не совпадает ни с одним билетом в %4 числах.</numerusform>
            <numerusform>Гарантии «%4, если выпало %2» нет: %n комбинации из C(%1,%2) = %3 не совпадают ни с одним билетом в %4 числах.</numerusform>
            <numerusform>Гарантии «%4, если выпало %2» нет: %n комбинаций из C(%1,%2) = %3 не совпадают ни с одним билетом в %4 числах.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n тиражей</source>
        <translation>
            <numerusform>%1 — %n тираж</numerusform>
            <numerusform>%1 — %n тиража</numerusform>
            <numerusform>%1 — %n тиражей</numerusform>
        </translation>
    </message>
</context>
</TS>
