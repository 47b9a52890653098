<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>BodyKind</name>
    <message>
        <source>По адресу пришёл пустой файл, а не история тиражей</source>
        <translation>The address gave an empty file, not a draw history</translation>
    </message>
    <message>
        <source>Файл пуст</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>По адресу пришла веб-страница, а не файл истории</source>
        <translation>The address gave a web page, not a history file</translation>
    </message>
    <message>
        <source>Файл — веб-страница, а не история тиражей</source>
        <translation>The file is a web page, not a draw history</translation>
    </message>
    <message>
        <source>%1 («%2»)</source>
        <translation>%1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>По адресу пришёл документ XML, а не файл истории</source>
        <translation>The address gave an XML document, not a history file</translation>
    </message>
    <message>
        <source>Файл — документ XML, а не история тиражей</source>
        <translation>The file is an XML document, not a draw history</translation>
    </message>
    <message>
        <source>По адресу пришли данные JSON, а не файл истории</source>
        <translation>The address gave JSON data, not a history file</translation>
    </message>
    <message>
        <source>Файл — данные JSON, а не история тиражей</source>
        <translation>The file is JSON data, not a draw history</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: %1 [ФАЙЛ]
VELDORAN — анализатор числовых пар лотерей «K из M».
Открывает ФАЙЛ при запуске: файл тиражей — как команда «Открыть», историю тиражей
в другом виде (CSV и т. п.) — через окно импорта.

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти
</source>
        <translation>Usage: %1 [FILE]
VELDORAN — number pair analyser for &quot;K of M&quot; lotteries.
Opens FILE at start: a draw file as the &quot;Open&quot; command does, a draw history
in another form (CSV and the like) through the import window.

  -h, --help     show this help and exit
  -v, --version  show the version and exit
</translation>
    </message>
    <message>
        <source>%1: неизвестный параметр %2
</source>
        <translation>%1: unknown option %2
</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Файл справки &quot;%1&quot; слишком велик: %2 байт, а показать можно не больше 1 МБ (%3 байт)</source>
        <translation>The help file &quot;%1&quot; is too large: %2 bytes, and at most 1 MB (%3 bytes) can be shown</translation>
    </message>
</context>
<context>
    <name>HistoryCsv</name>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Число %1</source>
        <translation>Number %1</translation>
    </message>
</context>
<context>
    <name>HistoryDownload</name>
    <message>
        <source>Файл по адресу больше %1 МБ (%2 МБ); предел задан в настройках (Network/MaxMegabytes)</source>
        <translation>The file at the address is larger than %1 MB (%2 MB); the limit is set in the settings (Network/MaxMegabytes)</translation>
    </message>
    <message>
        <source>Не удалось создать временный файл: %1</source>
        <translation>Cannot create a temporary file: %1</translation>
    </message>
    <message>
        <source>Файл по адресу больше %1 МБ; предел задан в настройках (Network/MaxMegabytes)</source>
        <translation>The file at the address is larger than %1 MB; the limit is set in the settings (Network/MaxMegabytes)</translation>
    </message>
    <message>
        <source>Не удалось записать временный файл: %1</source>
        <translation>Cannot write a temporary file: %1</translation>
    </message>
    <message>
        <source>Сервер %1 ответил ошибкой HTTP %2</source>
        <translation>The server %1 answered with HTTP error %2</translation>
    </message>
    <message>
        <source>Сервер %1 ответил ошибкой HTTP %2 (%3)</source>
        <translation>The server %1 answered with HTTP error %2 (%3)</translation>
    </message>
    <message>
        <source>Адрес %1 перенаправляет на %2, который не загрузить</source>
        <translation>The address %1 redirects to %2, which cannot be downloaded</translation>
    </message>
    <message>
        <source>Адрес %1 перенаправляет на незащищённый адрес %2; такое перенаправление не выполняется</source>
        <translation>The address %1 redirects to the insecure address %2; such a redirect is not followed</translation>
    </message>
    <message>
        <source>Адрес перенаправляет по кругу: %1 снова ведёт на %2</source>
        <translation>The address redirects in a loop: %1 leads to %2 again</translation>
    </message>
    <message>
        <source>Слишком много перенаправлений (больше %1), последнее — на %2</source>
        <translation>Too many redirects (more than %1), the last one to %2</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку: %2</source>
        <translation>The certificate of the server %1 did not verify: %2</translation>
    </message>
    <message>
        <source>Передача оборвалась на середине: сервер %1 закрыл соединение (получено %2 байт)</source>
        <translation>The transfer broke off halfway: the server %1 closed the connection (%2 bytes received)</translation>
    </message>
    <message>
        <source>Сервер %1 закрыл соединение, не ответив</source>
        <translation>The server %1 closed the connection without answering</translation>
    </message>
    <message>
        <source>Не удалось установить защищённое соединение с %1: %2</source>
        <translation>Cannot make a secure connection to %1: %2</translation>
    </message>
    <message>
        <source>Нет соединения с сервером %1: %2</source>
        <translation>No connection to the server %1: %2</translation>
    </message>
    <message>
        <source>Не удалось загрузить %1: %2</source>
        <translation>Cannot download %1: %2</translation>
    </message>
    <message>
        <source>По адресу пришёл пустой ответ, а не история тиражей</source>
        <translation>The address gave an empty answer, not a draw history</translation>
    </message>
    <message>
        <source>Сервер %1 не ответил за %2 с</source>
        <translation>The server %1 did not answer within %2 s</translation>
    </message>
    <message>
        <source>Передача остановилась на середине: %1 с не пришло ни байта (получено %2 байт)</source>
        <translation>The transfer stopped halfway: not a byte came for %1 s (%2 bytes received)</translation>
    </message>
    <message>
        <source>Загрузка не уложилась в %1 с; предел задан в настройках (Network/DeadlineSeconds)</source>
        <translation>The download took longer than %1 s; the limit is set in the settings (Network/DeadlineSeconds)</translation>
    </message>
</context>
<context>
    <name>HistoryFetch</name>
    <message>
        <source>Файл %1 не найден</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Адрес %1 не загрузить: программа загружает адреса http:// и https://</source>
        <translation>Cannot download %1: the program downloads http:// and https:// addresses</translation>
    </message>
    <message>
        <source>Загрузка %1…</source>
        <translation>Downloading %1…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MovedAddress</name>
    <message>
        <source>Адрес истории перенесён навсегда:
%1
теперь
%2

Запомнить новый адрес для обновлений?</source>
        <translation>The history has moved for good:
%1
is now
%2

Remember the new address for updates?</translation>
    </message>
    <message>
        <source>Запомнить новый</source>
        <translation>Remember the new one</translation>
    </message>
    <message>
        <source>Оставить прежний</source>
        <translation>Keep the old one</translation>
    </message>
</context>
<context>
    <name>PairMapView</name>
    <message>
        <source>Выпадения</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Отклонение от ожидаемого (%1 ± %2)</source>
        <translation>Deviation from expected (%1 ± %2)</translation>
    </message>
    <message>
        <source>Пропуск</source>
        <translation>Draws since</translation>
    </message>
    <message>
        <source>Пара %1 и %2
Выпадений: %3 (ожидается %4 ± %5, отклонение %6σ)
Последний тираж: %7
Пропуск: %8</source>
        <translation>Pair %1 and %2
Hits: %3 (expected %4 ± %5, deviation %6σ)
Last drawn: %7
Draws since: %8</translation>
    </message>
</context>
<context>
    <name>ReportNumbers</name>
    <message>
        <source>меньше %1%</source>
        <translation>under %1%</translation>
    </message>
</context>
<context>
    <name>StrategyVerdict</name>
    <message numerus="yes">
        <source>%n тиражей</source>
        <translation>
            <numerusform>%n draw</numerusform>
            <numerusform>%n draws</numerusform>
        </translation>
    </message>
    <message>
        <source>самые частые пары</source>
        <translation>most frequent pairs</translation>
    </message>
    <message>
        <source>самые редкие пары</source>
        <translation>least frequent pairs</translation>
    </message>
    <message>
        <source>дольше всех не выпадавшие</source>
        <translation>longest since last drawn</translation>
    </message>
    <message>
        <source>частые за последние %1</source>
        <extracomment>%1 is a count of draws with its noun, &quot;50 draws&quot;.</extracomment>
        <translation>most frequent in the last %1</translation>
    </message>
    <message numerus="yes">
        <source>%n раз</source>
        <translation>
            <numerusform>%n time</numerusform>
            <numerusform>%n times</numerusform>
        </translation>
    </message>
    <message>
        <source>За %1 пары по правилу «%2» (%3 в каждом тираже) выпали %4; случайный выбор дал бы в среднем %5 ± %6. </source>
        <extracomment>%1: a count of draws, &quot;50 draws&quot;; %4: a count of times, &quot;98 times&quot;.</extracomment>
        <translation>Over %1, the pairs picked by the rule “%2” (%3 per draw) came up %4; a random choice would give %5 ± %6 on average. </translation>
    </message>
    <message>
        <source>Это не лучше случая (так или лучше бывает в %1 честных лотерей).</source>
        <translation>That is no better than chance (as good or better in %1 of fair lotteries).</translation>
    </message>
    <message>
        <source>Это лучше, чем обычно бывает случайно: так или лучше бывает лишь в %1 честных лотерей. Но и это не обещает ничего в следующих тиражах.</source>
        <translation>That is better than chance usually gives: as good or better in only %1 of fair lotteries. Even so, it promises nothing for the coming draws.</translation>
    </message>
    <message>
        <source>Лучшее из четырёх правил — «%1»: так или лучше бывает в %2 честных лотерей. Но из четырёх попыток лучшая всегда выглядит лучше, чем есть: с поправкой на сравнение четырёх правил (Бонферрони) шанс — до %3, %4.</source>
        <translation>The best of the four rules is “%1”: as good or better in %2 of fair lotteries. But the best of four tries always looks better than it is: corrected for comparing four rules (Bonferroni), the chance is up to %3, %4.</translation>
    </message>
    <message>
        <source>то есть и лучшее правило не лучше случая</source>
        <translation>so even the best rule is no better than chance</translation>
    </message>
    <message>
        <source>и даже так это редкость для честной лотереи</source>
        <translation>and even so, that is rare for a fair lottery</translation>
    </message>
</context>
<context>
    <name>TFairnessReport</name>
    <message>
        <source>Проверка случайности</source>
        <translation>Fairness check</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source> Не вошли %n: в них числа повторяются или выходят за 1..%1.</source>
        <translation>
            <numerusform> %n draw left out: its numbers repeat or fall outside 1..%1.</numerusform>
            <numerusform> %n draws left out: their numbers repeat or fall outside 1..%1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Лотерея %1 из %2. Тиражей в проверке: %3.%4</source>
        <translation>A %1 of %2 lottery. Draws checked: %3.%4</translation>
    </message>
    <message>
        <source>Вероятность данной пары в одном тираже: %1 (%2).</source>
        <translation>Chance of a given pair in one draw: %1 (%2).</translation>
    </message>
    <message>
        <source>Ожидаемое число выпадений пары: %1, стандартное отклонение %2.</source>
        <translation>Expected hits of a pair: %1, standard deviation %2.</translation>
    </message>
    <message>
        <source>Больше всего выпадений у пары: %1 — так или сильнее бывает в %2 честных лотерей.</source>
        <translation>Most hits of any pair: %1 — as extreme or more in %2 of fair lotteries.</translation>
    </message>
    <message>
        <source>Меньше всего выпадений у пары: %1 — так или сильнее бывает в %2 честных лотерей.</source>
        <translation>Fewest hits of any pair: %1 — as extreme or more in %2 of fair lotteries.</translation>
    </message>
    <message numerus="yes">
        <source>Самый долгий пропуск пары: %n тиражей — так или сильнее бывает в %1 честных лотерей.</source>
        <translation>
            <numerusform>Longest wait of a pair: %n draw — as extreme or more in %1 of fair lotteries.</numerusform>
            <numerusform>Longest wait of a pair: %n draws — as extreme or more in %1 of fair lotteries.</numerusform>
        </translation>
    </message>
    <message>
        <source>Хи-квадрат по парам: %1 — так или сильнее бывает в %2 честных лотерей.</source>
        <translation>Chi-square over pairs: %1 — as extreme or more in %2 of fair lotteries.</translation>
    </message>
    <message>
        <source>Хи-квадрат по числам: %1 — так или сильнее бывает в %2 честных лотерей.</source>
        <translation>Chi-square over numbers: %1 — as extreme or more in %2 of fair lotteries.</translation>
    </message>
    <message>
        <source>Нет ни одного тиража, который можно проверить, поэтому сравнивать не с чем.</source>
        <translation>There is no draw that can be checked, so there is nothing to compare.</translation>
    </message>
    <message>
        <source>Сравниваю с %1 смоделированными честными лотереями…</source>
        <translation>Comparing with %1 simulated fair lotteries…</translation>
    </message>
    <message>
        <source>Проверка отменена.</source>
        <translation>Check cancelled.</translation>
    </message>
    <message>
        <source>наибольшее число выпадений пары</source>
        <translation>the most hits of a pair</translation>
    </message>
    <message>
        <source>наименьшее число выпадений пары</source>
        <translation>the fewest hits of a pair</translation>
    </message>
    <message>
        <source>самый долгий пропуск</source>
        <translation>the longest wait</translation>
    </message>
    <message>
        <source>разброс выпадений пар (хи-квадрат)</source>
        <translation>the spread of pair hits (chi-square)</translation>
    </message>
    <message>
        <source>разброс выпадений чисел (хи-квадрат)</source>
        <translation>the spread of number hits (chi-square)</translation>
    </message>
    <message>
        <source>Ничего необычного: такие крайние значения встречаются в %1 честных лотерей той же длины, а долгий пропуск не делает пару вероятнее в следующем тираже.</source>
        <translation>Nothing unusual: extremes like these occur in %1 of fair lotteries of the same length, and a long wait does not make a pair more likely in the next draw.</translation>
    </message>
    <message>
        <source>Необычно %1: так бывает лишь в %2 честных лотерей той же длины, но и это не делает ни одну пару вероятнее в следующем тираже.</source>
        <translation>Unusual: %1 — this happens in only %2 of fair lotteries of the same length, but even this makes no pair more likely in the next draw.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Открытие файла</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Лотерея типа: %1 из %2</source>
        <translation>Lottery type: %1 of %2</translation>
    </message>
    <message>
        <source>Вы должны сначала открыть файл!</source>
        <translation>You must open a file first!</translation>
    </message>
    <message>
        <source>Всего пар: %1</source>
        <translation>Total pairs: %1</translation>
    </message>
    <message>
        <source>Импорт истории тиражей</source>
        <translation>Import draw history</translation>
    </message>
    <message>
        <source>Истории тиражей (*.csv *.txt *.tsv *.dat)</source>
        <translation>Draw histories (*.csv *.txt *.tsv *.dat)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Описание полей — то, что вы выбрали для файла такого же вида в прошлый раз.</source>
        <translation>Field layout: the one you chose last time for a file of the same shape.</translation>
    </message>
    <message>
        <source>Кол-ва выпадений</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>последнего тираж</source>
        <translation>last drawn</translation>
    </message>
    <message>
        <source>пропуска</source>
        <translation>draws since</translation>
    </message>
    <message>
        <source>Лотерея типа:</source>
        <translation>Lottery type:</translation>
    </message>
    <message>
        <source>Всего пар:</source>
        <translation>Total pairs:</translation>
    </message>
    <message>
        <source>Обработано тиражей:</source>
        <translation>Draws processed:</translation>
    </message>
    <message>
        <source>минимальное:</source>
        <translation>lowest:</translation>
    </message>
    <message>
        <source>максимальное:</source>
        <translation>highest:</translation>
    </message>
    <message>
        <source>минимальный:</source>
        <translation>earliest:</translation>
    </message>
    <message>
        <source>максимальный</source>
        <translation>latest</translation>
    </message>
    <message>
        <source>количества выпадений</source>
        <translation>hits</translation>
    </message>
    <message>
        <source>последнего тиража</source>
        <translation>last drawn</translation>
    </message>
    <message>
        <source>Файл</source>
        <extracomment>Glossary: the same Russian word always gets the same English one. тираж: draw; номер тиража: draw number; пара: pair; тройка: triple; число: number; выпадения, количество выпадений: hits; последний тираж, тираж выпадения: last drawn; пропуск: draws since; ожидаемое: expected; отклонение: deviation; σ stays σ; лотерея «K из M»: K of M lottery; наибольшее число M: highest number M; история тиражей: draw history; импорт: import; загрузить: load; поле: field; строка: line; заголовок: header; разделитель: delimiter; проверка случайности: fairness check; проверка стратегии: strategy check; карта пар: pair map; колесо (система): wheel; билет: ticket; совпадения: matches; гарантия: guarantee; Назад: Back; Отмена: Cancel; Сохранить: Save; Обновить: Update; адрес: address; Ошибка: Error.</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Импорт…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Недавние файлы</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Создать пары</source>
        <translation>Make pairs</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Сортировать по признаку</source>
        <translation>Sort by</translation>
    </message>
    <message>
        <source>Процесс:</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>Количество выпадений:</source>
        <translation>Hits:</translation>
    </message>
    <message>
        <source>Тираж выпадения:</source>
        <translation>Last drawn:</translation>
    </message>
    <message>
        <source>Количество пропусков:</source>
        <translation>Draws since:</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Кол. выпад.</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Посл. тираж</source>
        <translation>Last drawn</translation>
    </message>
    <message>
        <source>Пропуск</source>
        <translation>Draws since</translation>
    </message>
    <message>
        <source>Обработано тиражей: %1</source>
        <translation>Draws processed: %1</translation>
    </message>
    <message>
        <source>минимальное: </source>
        <translation>lowest: </translation>
    </message>
    <message>
        <source>максимальное: </source>
        <translation>highest: </translation>
    </message>
    <message>
        <source>минимальный: </source>
        <translation>earliest: </translation>
    </message>
    <message>
        <source>максимальный: </source>
        <translation>latest: </translation>
    </message>
    <message>
        <source>отменить</source>
        <translation>undo</translation>
    </message>
    <message>
        <source>Импорт по адресу…</source>
        <translation>Import from address…</translation>
    </message>
    <message>
        <source>Этой истории уже нет в хранилище</source>
        <translation>This history is no longer in the store</translation>
    </message>
    <message>
        <source>История «%1» не изменилась с прошлого обновления: новых тиражей нет.</source>
        <translation>The history &quot;%1&quot; has not changed since the last update: no new draws.</translation>
    </message>
    <message>
        <source>Файла истории %1 больше нет: он удалён или перенесён</source>
        <translation>The history file %1 is gone: it has been deleted or moved</translation>
    </message>
    <message>
        <source>Вид файла истории «%1» изменился (заголовок или число полей): прежнее описание полей к нему не подходит. Проверьте описание полей в окне импорта.</source>
        <translation>The history file &quot;%1&quot; has changed its shape (the header or the number of fields): the old field layout no longer fits it. Check the field layout in the import window.</translation>
    </message>
    <message>
        <source>История «%1» прочитана с новым описанием полей. Новых тиражей: %2; всего: %3.</source>
        <translation>The history &quot;%1&quot; was read with the new field layout. New draws: %2; in all: %3.</translation>
    </message>
    <message>
        <source>В новой копии истории «%1» нет ни одного тиража, который читается прежним описанием полей</source>
        <translation>The new copy of the history &quot;%1&quot; holds no draw that the old field layout can read</translation>
    </message>
    <message>
        <source>Новая копия истории «%1» не совпала с сохранённой ни одним тиражом: ничего не добавлено. Если источник теперь другой, импортируйте его заново</source>
        <translation>The new copy of the history &quot;%1&quot; shares no draw with the stored one: nothing was added. If the source is now a different one, import it again</translation>
    </message>
    <message>
        <source>Обновить историю</source>
        <translation>Update history</translation>
    </message>
    <message>
        <source>Истории…</source>
        <translation>Histories…</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Автор: студия «Вельдоран»</source>
        <translation>Author: Veldoran studio</translation>
    </message>
    <message>
        <source>Программа-анализатор числовых пар</source>
        <translation>Number pair analyser</translation>
    </message>
    <message>
        <source>Редакция программы от 11.02.2003г.</source>
        <translation>Version of 11 February 2003</translation>
    </message>
    <message>
        <source>Свежую версию этой программы Вы всегда</source>
        <translation>You can always find the latest version</translation>
    </message>
    <message>
        <source>сможете найти на: </source>
        <translation>of this program at: </translation>
    </message>
    <message>
        <source>Присылайте Ваши пожелания и замечания по адресу:</source>
        <translation>Please send your suggestions and comments to:</translation>
    </message>
    <message>
        <source>Назад </source>
        <translation>Back</translation>
    </message>
    <message>
        <source>О программе KELDA 2.0</source>
        <translation>About KELDA 2.0</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TGroupTableModel</name>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Выпадения</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Посл. тираж</source>
        <translation>Last drawn</translation>
    </message>
    <message>
        <source>Пропуск</source>
        <translation>Draws since</translation>
    </message>
</context>
<context>
    <name>TGroupTableWindow</name>
    <message>
        <source>Числа, пары, тройки</source>
        <translation>Numbers, pairs, triples</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Пары</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Тройки</source>
        <translation>Triples</translation>
    </message>
    <message>
        <source>любым</source>
        <extracomment>Shown in the number filter when no number is chosen: groups &quot;with any number&quot;.</extracomment>
        <translation>any</translation>
    </message>
    <message>
        <source>за последние</source>
        <translation>over the last</translation>
    </message>
    <message>
        <source>тиражей, с числом</source>
        <translation>draws, with number</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Тиражей нет: считать нечего.</source>
        <translation>No draws: nothing to count.</translation>
    </message>
    <message numerus="yes">
        <source>В тираже %n чисел: групп по %1 в нём не бывает.</source>
        <translation>
            <numerusform>A draw has %n number: it holds no groups of %1.</numerusform>
            <numerusform>A draw has %n numbers: it holds no groups of %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Тиражей: %1, лотерея %2 из %3. Вероятность данной группы в тираже: %4; ожидается %5 ± %6 выпадений.</source>
        <translation>Draws: %1, a %2 of %3 lottery. Chance of a given group in one draw: %4; expected %5 ± %6 hits.</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>группы.csv</source>
        <extracomment>The file name offered for the saved table.</extracomment>
        <translation>groups.csv</translation>
    </message>
    <message>
        <source>Не удалось сохранить таблицу в файл &quot;%1&quot;</source>
        <translation>Could not save the table to &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>THistoriesWindow</name>
    <message>
        <source>Сохранённые истории тиражей</source>
        <translation>Stored draw histories</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Тиражей</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Обновлена</source>
        <translation>Updated</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Переименовать…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Удалить…</source>
        <translation>Delete…</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Новое название истории:</source>
        <translation>New name of the history:</translation>
    </message>
    <message>
        <source>Удалить историю «%1» и все её тиражи (%2) из хранилища? Файл или адрес источника не затрагивается.</source>
        <translation>Delete the history “%1” and all its draws (%2) from the store? The source file or address is not touched.</translation>
    </message>
    <message>
        <source>Сохранить историю</source>
        <translation>Save history</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Не удалось сохранить историю в файл «%1»</source>
        <translation>Could not save the history to “%1”</translation>
    </message>
</context>
<context>
    <name>TImportDialog</name>
    <message>
        <source>запятая</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>точка с запятой</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>табуляция</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>вертикальная черта</source>
        <translation>vertical bar</translation>
    </message>
    <message>
        <source>пробелы</source>
        <translation>blanks</translation>
    </message>
    <message>
        <source>Импорт истории тиражей — %1</source>
        <translation>Import draw history — %1</translation>
    </message>
    <message>
        <source>Номера полей с основными числами тиража, например «3-8» или «2, 4, 6-9»; бонусные числа не указывайте</source>
        <translation>The fields that hold the main numbers of a draw, for example &quot;3-8&quot; or &quot;2, 4, 6-9&quot;; leave out bonus numbers</translation>
    </message>
    <message>
        <source>новые тиражи в начале файла</source>
        <translation>newest draws first</translation>
    </message>
    <message>
        <source>Разделитель полей:</source>
        <translation>Field delimiter:</translation>
    </message>
    <message>
        <source>Строк заголовка:</source>
        <translation>Header lines:</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Поля основных чисел:</source>
        <translation>Main number fields:</translation>
    </message>
    <message>
        <source>Наибольшее число M:</source>
        <translation>Highest number M:</translation>
    </message>
    <message>
        <source>Порядок:</source>
        <translation>Order:</translation>
    </message>
    <message>
        <source>Загрузить последних тиражей:</source>
        <translation>Most recent draws to load:</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Начало файла (жёлтые поля — числа тиража, голубое — номер тиража):</source>
        <translation>Start of the file (yellow fields: the draw&apos;s numbers; blue: the draw number):</translation>
    </message>
    <message>
        <source>по порядку</source>
        <translation>by position</translation>
    </message>
    <message>
        <source>поле %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>Строки с %1 по %2 пропущены как заголовок.</source>
        <translation>Lines %1 to %2 are skipped as the header.</translation>
    </message>
    <message>
        <source>%1 (№)</source>
        <translation>%1 (No.)</translation>
    </message>
    <message>
        <source>%1 (число)</source>
        <translation>%1 (number)</translation>
    </message>
    <message>
        <source>Укажите поля основных чисел тиража, например «3-8».</source>
        <translation>Give the fields of the draw&apos;s main numbers, for example &quot;3-8&quot;.</translation>
    </message>
    <message>
        <source>Лотерея: %1 из %2.</source>
        <translation>Lottery: %1 of %2.</translation>
    </message>
    <message>
        <source>В старых тиражах встречаются числа до %1: такие строки пропущены; чтобы загрузить их, увеличьте M.</source>
        <translation>Older draws hold numbers up to %1: those lines are skipped; to load them, raise M.</translation>
    </message>
    <message>
        <source>Строк с тиражами: %1.</source>
        <translation>Draw lines: %1.</translation>
    </message>
    <message>
        <source>Будет загружено тиражей: %1, с № %2 по № %3.</source>
        <translation>Draws to load: %1, from No. %2 to No. %3.</translation>
    </message>
    <message>
        <source>Порядок в файле: от новых к старым.</source>
        <translation>Order in the file: newest to oldest.</translation>
    </message>
    <message>
        <source>Порядок в файле: от старых к новым.</source>
        <translation>Order in the file: oldest to newest.</translation>
    </message>
    <message>
        <source>Пропущенных строк нет.</source>
        <translation>No lines skipped.</translation>
    </message>
    <message>
        <source>Пропущено строк: %1.</source>
        <translation>Lines skipped: %1.</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>… и ещё %1.</source>
        <translation>… and %1 more.</translation>
    </message>
    <message>
        <source>Заголовок, строка %1 «%2»: не тираж (%3).</source>
        <translation>Header, line %1 &quot;%2&quot;: not a draw (%3).</translation>
    </message>
    <message>
        <source>Строка %1 «%2» читается как тираж, но пропущена как заголовок: если это тираж, уменьшите «Строк заголовка».</source>
        <translation>Line %1 &quot;%2&quot; reads as a draw but is skipped as a header line: if it is a draw, lower &quot;Header lines&quot;.</translation>
    </message>
    <message>
        <source>Строк старше загружаемых тиражей, которые это описание не читает (например, тиражи прежней игры): %1; на загрузку они не влияют.</source>
        <translation>Lines older than the draws to load that this layout does not read (for example, draws of an earlier game): %1; they do not affect the load.</translation>
    </message>
</context>
<context>
    <name>TPairMap</name>
    <message>
        <source>Карта пар</source>
        <translation>Pair map</translation>
    </message>
    <message>
        <source>Выпадения</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Отклонение от ожидаемого</source>
        <translation>Deviation from expected</translation>
    </message>
    <message>
        <source>Пропуск</source>
        <translation>Draws since</translation>
    </message>
    <message>
        <source>Цвет:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>последние N тиражей:</source>
        <translation>last N draws:</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>Карту не из чего построить: в лотерее меньше двух чисел, пар нет.</source>
        <translation>Nothing to map: the lottery has fewer than two numbers, so there are no pairs.</translation>
    </message>
    <message>
        <source>Карту не из чего построить: в файле нет тиражей.</source>
        <translation>Nothing to map: the file has no draws.</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>карта-пар.png</source>
        <extracomment>The file name offered for the saved map.</extracomment>
        <translation>pair-map.png</translation>
    </message>
    <message>
        <source>Не удалось сохранить изображение в файл &quot;%1&quot;</source>
        <translation>Could not save the image to &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>TReportWindows</name>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Карта пар</source>
        <translation>Pair map</translation>
    </message>
    <message>
        <source>Проверка случайности</source>
        <translation>Fairness check</translation>
    </message>
    <message>
        <source>Числа, пары, тройки</source>
        <translation>Numbers, pairs, triples</translation>
    </message>
    <message>
        <source>Проверка стратегии</source>
        <translation>Strategy check</translation>
    </message>
    <message>
        <source>Билеты</source>
        <translation>Tickets</translation>
    </message>
    <message>
        <source>Составить и проверить билеты…</source>
        <translation>Make and check tickets…</translation>
    </message>
</context>
<context>
    <name>TStrategyReport</name>
    <message>
        <source>Проверка стратегии</source>
        <translation>Strategy check</translation>
    </message>
    <message>
        <source>частые за последние R тиражей</source>
        <translation>most frequent in the last R draws</translation>
    </message>
    <message>
        <source>Правило:</source>
        <translation>Rule:</translation>
    </message>
    <message>
        <source>Играть пар в каждом тираже:</source>
        <translation>Pairs to play in each draw:</translation>
    </message>
    <message>
        <source>Тиражей для обучения до первого прогноза:</source>
        <translation>Draws to learn from before the first prediction:</translation>
    </message>
    <message>
        <source>R для правила «частые за последние R»:</source>
        <translation>R for the rule “most frequent in the last R”:</translation>
    </message>
    <message>
        <source>Правило</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Попаданий</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Отклонение, σ</source>
        <translation>Deviation, σ</translation>
    </message>
    <message>
        <source>Шанс</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>В тираже меньше двух чисел или в лотерее меньше двух чисел: пар нет, проверять нечего.</source>
        <translation>A draw has fewer than two numbers, or the lottery has fewer than two: there are no pairs, nothing to check.</translation>
    </message>
    <message>
        <source>Для проверки нужно хотя бы два тиража: один, чтобы учиться, и один, чтобы угадывать.</source>
        <translation>The check needs at least two draws: one to learn from and one to predict.</translation>
    </message>
    <message>
        <source>Проверяю правило «%1»…</source>
        <translation>Checking the rule “%1”…</translation>
    </message>
    <message>
        <source>Проверка отменена.</source>
        <translation>Check cancelled.</translation>
    </message>
    <message>
        <source>попадания правила</source>
        <translation>the rule&apos;s hits</translation>
    </message>
    <message>
        <source>случайный выбор, в среднем</source>
        <translation>random choice, on average</translation>
    </message>
    <message>
        <source>±2σ честной лотереи</source>
        <translation>±2σ of a fair lottery</translation>
    </message>
    <message>
        <source>предсказано тиражей</source>
        <translation>draws predicted</translation>
    </message>
    <message>
        <source>попаданий всего</source>
        <translation>total hits</translation>
    </message>
</context>
<context>
    <name>TTicketsModel</name>
    <message>
        <source>Билет</source>
        <translation>Ticket</translation>
    </message>
    <message>
        <source>Число %1</source>
        <translation>Number %1</translation>
    </message>
</context>
<context>
    <name>TTicketsWindow</name>
    <message>
        <source>чисел</source>
        <translation>numbers</translation>
    </message>
    <message>
        <source>Чисел в билете:</source>
        <translation>Numbers per ticket:</translation>
    </message>
    <message>
        <source>Совпадение не меньше чем в:</source>
        <translation>Match at least:</translation>
    </message>
    <message>
        <source>если выпало ваших чисел:</source>
        <translation>if your numbers drawn:</translation>
    </message>
    <message>
        <source>из</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Лотерея:</source>
        <translation>Lottery:</translation>
    </message>
    <message>
        <source>Ваши билеты, по одному в строке: числа через пробел или запятую.</source>
        <translation>Your tickets, one per line: numbers separated by spaces or commas.</translation>
    </message>
    <message>
        <source>Последних тиражей:</source>
        <translation>Last draws:</translation>
    </message>
    <message>
        <source>Билеты</source>
        <translation>Tickets</translation>
    </message>
    <message>
        <source>Ваши числа</source>
        <translation>Your numbers</translation>
    </message>
    <message>
        <source>Система «совпадение, если выпало»</source>
        <translation>Wheel (“match if drawn”)</translation>
    </message>
    <message>
        <source>Например: 3 7 12 19 25 31 40 44 или 3, 7, 12</source>
        <translation>For example: 3 7 12 19 25 31 40 44 or 3, 7, 12</translation>
    </message>
    <message>
        <source>Случайные</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Случайный выбор стольких чисел из 1…M лотереи</source>
        <translation>Pick this many numbers at random from the lottery’s 1…M</translation>
    </message>
    <message>
        <source>Из выделенных пар</source>
        <translation>From selected pairs</translation>
    </message>
    <message>
        <source>Числа пар, выделенных в таблице пар главного окна</source>
        <translation>The numbers of the pairs selected in the main window’s pair table</translation>
    </message>
    <message>
        <source>Составить билеты</source>
        <translation>Make tickets</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Улучшить</source>
        <translation>Improve</translation>
    </message>
    <message>
        <source>Искать дальше, сохраняя лучшую найденную систему</source>
        <translation>Search further, keeping the best wheel found</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Загрузить CSV…</source>
        <translation>Load CSV…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Взять эти билеты</source>
        <translation>Use these tickets</translation>
    </message>
    <message>
        <source>Проверить по истории</source>
        <translation>Check against history</translation>
    </message>
    <message>
        <source>Свои билеты</source>
        <translation>Own tickets</translation>
    </message>
    <message>
        <source>Проверка по истории</source>
        <translation>History check</translation>
    </message>
    <message>
        <source>Как билеты сыграли бы в последних тиражах загруженного файла</source>
        <translation>How the tickets would have done in the last draws of the loaded file</translation>
    </message>
    <message>
        <source>Нет истории тиражей: откройте или импортируйте файл в главном окне</source>
        <translation>No draw history: open or import a file in the main window</translation>
    </message>
    <message>
        <source>Чисел в билете (%1) больше, чем ваших чисел (%2): добавьте числа или уменьшите билет.</source>
        <translation>More numbers per ticket (%1) than your numbers (%2): add numbers or make the ticket smaller.</translation>
    </message>
    <message>
        <source>«Если выпало» должно быть от %1 до %2 (ваших чисел).</source>
        <translation>“If drawn” must be from %1 to %2 (your numbers).</translation>
    </message>
    <message>
        <source>Слишком большой запрос: C(%1,%2) = %3 комбинаций, а проверить можно не больше %4. Уменьшите количество чисел или «если выпало».</source>
        <translation>The request is too large: C(%1,%2) = %3 combinations, and at most %4 can be checked. Use fewer numbers or a lower “if drawn”.</translation>
    </message>
    <message numerus="yes">
        <source>%n билетов</source>
        <translation>
            <numerusform>%n ticket</numerusform>
            <numerusform>%n tickets</numerusform>
        </translation>
    </message>
    <message>
        <source>ещё нет</source>
        <translation>none yet</translation>
    </message>
    <message>
        <source>Идёт поиск: %1 с. Лучшая система пока: %2; нижняя граница: %3.</source>
        <translation>Searching: %1 s. Best wheel so far: %2; lower bound: %3.</translation>
    </message>
    <message>
        <source>Поиск занял %1 с.</source>
        <translation>The search took %1 s.</translation>
    </message>
    <message>
        <source>Билетов пока нет: введите числа и нажмите «Составить билеты», или возьмите свои.</source>
        <translation>No tickets yet: enter numbers and press “Make tickets”, or use your own.</translation>
    </message>
    <message>
        <source>Ваши билеты: %1.</source>
        <translation>Your tickets: %1.</translation>
    </message>
    <message>
        <source>Гарантия «%1, если выпало %2» на %3 числах ваших билетов не проверялась: слишком много комбинаций.</source>
        <translation>The guarantee “%1 if %2 drawn” on the %3 numbers of your tickets was not checked: too many combinations.</translation>
    </message>
    <message>
        <source>Билетов: %1. Нижняя граница: %2 — меньше билетов такая система иметь не может.</source>
        <translation>Tickets: %1. Lower bound: %2 — no such wheel can have fewer tickets.</translation>
    </message>
    <message>
        <source>Найденная система наименьшая из возможных.</source>
        <translation>The wheel found is the smallest possible.</translation>
    </message>
    <message>
        <source>В таблице пар главного окна не выделено ни одной пары: выделите строки после «Статистики» и нажмите снова.</source>
        <translation>No pair is selected in the main window’s pair table: select rows after “Statistics” and press again.</translation>
    </message>
    <message>
        <source>Загрузить билеты</source>
        <translation>Load tickets</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1».</source>
        <translation>Could not open the file “%1”.</translation>
    </message>
    <message>
        <source>Файл «%1»: %2</source>
        <translation>File “%1”: %2</translation>
    </message>
    <message>
        <source>Билетов пока нет: составьте систему или возьмите свои билеты.</source>
        <translation>No tickets yet: make a wheel or use your own tickets.</translation>
    </message>
    <message>
        <source>Сохранить билеты</source>
        <translation>Save tickets</translation>
    </message>
    <message>
        <source>билеты.csv</source>
        <translation>tickets.csv</translation>
    </message>
    <message>
        <source>Не удалось сохранить билеты в файл «%1»</source>
        <translation>Could not save the tickets to “%1”</translation>
    </message>
    <message>
        <source>Мои билеты</source>
        <translation>My tickets</translation>
    </message>
    <message>
        <source>Система «%1, если выпало %2» на %3 числах</source>
        <translation>Wheel “%1 if %2 drawn” on %3 numbers</translation>
    </message>
    <message>
        <source>Ваши числа: %1. Билетов: %2 по %3 чисел.</source>
        <translation>Your numbers: %1. Tickets: %2 of %3 numbers.</translation>
    </message>
    <message>
        <source>Сохранить билеты в PDF</source>
        <translation>Save tickets as PDF</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>билеты.pdf</source>
        <translation>tickets.pdf</translation>
    </message>
    <message numerus="yes">
        <source>Проверено %n последних тиражей.</source>
        <translation>
            <numerusform>Checked the last %n draw.</numerusform>
            <numerusform>Checked the last %n draws.</numerusform>
        </translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Ваших</source>
        <translation>Yours</translation>
    </message>
    <message>
        <source>Лучший</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Сколько ваших чисел выпало в тираже</source>
        <translation>How many of your numbers were drawn</translation>
    </message>
    <message>
        <source>Сколько чисел тиража было в лучшем из билетов</source>
        <translation>How many drawn numbers the best ticket held</translation>
    </message>
    <message>
        <source>Совпало</source>
        <translation>Matched</translation>
    </message>
    <message>
        <source>Случаев</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Сколько чисел билета выпало в тираже</source>
        <translation>How many of the ticket’s numbers were drawn</translation>
    </message>
    <message>
        <source>Пар «билет — тираж» с таким совпадением</source>
        <translation>Ticket–draw pairs with this match</translation>
    </message>
    <message>
        <source>Сколько таких пар ожидается в честной лотерее</source>
        <translation>How many such pairs a fair lottery would give</translation>
    </message>
</context>
<context>
    <name>TUrlDialog</name>
    <message>
        <source>Импорт по адресу</source>
        <translation>Import from address</translation>
    </message>
    <message>
        <source>Адрес истории тиражей (http://, https://) или путь к файлу на этом компьютере. Файл ZIP с одним файлом истории читается сразу.</source>
        <translation>The address of a draw history (http://, https://) or the path of a file on this computer. A ZIP file holding one history file is read at once.</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TicketInput</name>
    <message>
        <source>Введите ваши числа через пробел или запятую, например: 3 7 12 19 25 31 40 44.</source>
        <translation>Enter your numbers separated by spaces or commas, for example: 3 7 12 19 25 31 40 44.</translation>
    </message>
    <message>
        <source>«%1» — не число. Числа разделяются пробелами или запятыми.</source>
        <translation>“%1” is not a number. Separate numbers with spaces or commas.</translation>
    </message>
    <message>
        <source>Число %1 вне диапазона от 1 до %2.</source>
        <translation>The number %1 is outside 1 to %2.</translation>
    </message>
    <message>
        <source>Число %1 указано дважды.</source>
        <translation>The number %1 is given twice.</translation>
    </message>
    <message>
        <source>Строка %1: </source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>Строка %1: в билете другое количество чисел (%2, а в первом билете %3); все билеты должны быть одного размера.</source>
        <translation>Line %1: the ticket has a different count of numbers (%2, while the first ticket has %3); all tickets must be the same size.</translation>
    </message>
    <message>
        <source>Введите билеты, по одному в строке: числа через пробел или запятую.</source>
        <translation>Enter the tickets one per line, numbers separated by spaces or commas.</translation>
    </message>
</context>
<context>
    <name>TicketPages</name>
    <message>
        <source>Билет 000</source>
        <translation>Ticket 000</translation>
    </message>
    <message>
        <source>Билет %1</source>
        <translation>Ticket %1</translation>
    </message>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>TicketsCsv</name>
    <message>
        <source>Число %1</source>
        <translation>Number %1</translation>
    </message>
</context>
<context>
    <name>TicketsTexts</name>
    <message>
        <source>Гарантия проверена: каждая из C(%1,%2) = %3 комбинаций по %2 из ваших %1 чисел целиком входит хотя бы в один билет.</source>
        <translation>Guarantee checked: each of the C(%1,%2) = %3 combinations of %2 of your %1 numbers lies wholly on at least one ticket.</translation>
    </message>
    <message>
        <source>Гарантия проверена: каждая из C(%1,%2) = %3 комбинаций по %2 из ваших %1 чисел совпадает хотя бы с одним билетом не меньше чем в %4 числах.</source>
        <translation>Guarantee checked: each of the C(%1,%2) = %3 combinations of %2 of your %1 numbers matches at least one ticket in %4 numbers or more.</translation>
    </message>
    <message>
        <source>В тираже «%1 из %2» не может выпасть %3 из ваших %4 чисел: гарантия не сработает никогда.</source>
        <translation>A “%1 of %2” draw cannot hold %3 of your %4 numbers: the guarantee can never apply.</translation>
    </message>
    <message>
        <source>Шанс, что в тираже «%1 из %2» выпадет не меньше %3 из ваших %4 чисел (только тогда действует гарантия): %5%</source>
        <translation>Chance that a “%1 of %2” draw holds at least %3 of your %4 numbers (only then does the guarantee apply): %5%</translation>
    </message>
    <message>
        <source>, примерно один тираж из %1</source>
        <translation>, about one draw in %1</translation>
    </message>
    <message>
        <source>Система не меняет ни ожидаемого числа совпадений (%1 на билет), ни ожидаемого выигрыша её билетов: они те же, что у любых билетов по %2 чисел. Она меняет только то, как совпадения распределены по тиражам.</source>
        <translation>A wheel changes neither the expected matches (%1 per ticket) nor the expected winnings of its tickets: they are those of any tickets of %2 numbers. It only changes how the matches are spread over the draws.</translation>
    </message>
    <message>
        <source>Лучшее совпадение билетов в тираже (совпало чисел — сколько тиражей): %1.</source>
        <translation>Best ticket match per draw (numbers matched — draws): %1.</translation>
    </message>
    <message numerus="yes">
        <source>Ни в одном из %n проверенных тиражей не выпало %1 ваших чисел: случая для гарантии не было.</source>
        <translation>
            <numerusform>The %n draw checked did not hold %1 of your numbers: the guarantee was never put to the test.</numerusform>
            <numerusform>None of the %n draws checked held %1 of your numbers: the guarantee was never put to the test.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>В %n тиражах выпало не меньше %1 ваших чисел</source>
        <translation>
            <numerusform>%n draw held at least %1 of your numbers</numerusform>
            <numerusform>%n draws held at least %1 of your numbers</numerusform>
        </translation>
    </message>
    <message>
        <source>; в каждом из них хотя бы один билет совпал не меньше чем в %1 числах — гарантия выполнялась.</source>
        <translation>; in every such draw at least one ticket matched %1 numbers or more — the guarantee held.</translation>
    </message>
    <message numerus="yes">
        <source>; в %n из них ни один билет не совпал в %1 числах.</source>
        <translation>
            <numerusform>; in %n of them no ticket matched %1 numbers.</numerusform>
            <numerusform>; in %n of them no ticket matched %1 numbers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Гарантии «%4, если выпало %2» нет: %n комбинаций из C(%1,%2) = %3 не совпадают ни с одним билетом в %4 числах.</source>
        <translation>
            <numerusform>No guarantee of “%4 if %2 drawn”: %n combination of the C(%1,%2) = %3 matches no ticket in %4 numbers.</numerusform>
            <numerusform>No guarantee of “%4 if %2 drawn”: %n combinations of the C(%1,%2) = %3 match no ticket in %4 numbers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n тиражей</source>
        <translation>
            <numerusform>%1 — %n draw</numerusform>
            <numerusform>%1 — %n draws</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZipHistory</name>
    <message>
        <source>Недостаточно памяти для распаковки архива</source>
        <translation>Not enough memory to unpack the archive</translation>
    </message>
    <message>
        <source>Не удалось распаковать архив ZIP: %1</source>
        <translation>Cannot unpack the ZIP archive: %1</translation>
    </message>
    <message>
        <source>В архиве ZIP больше одного файла (%1, %2); история должна быть в нём одна</source>
        <translation>The ZIP archive holds more than one file (%1, %2); it must hold the history alone</translation>
    </message>
    <message>
        <source>Не удалось создать временный файл: %1</source>
        <translation>Cannot create a temporary file: %1</translation>
    </message>
    <message>
        <source>Файл в архиве ZIP больше %1 МБ</source>
        <translation>The file in the ZIP archive is larger than %1 MB</translation>
    </message>
    <message>
        <source>Не удалось записать временный файл: %1</source>
        <translation>Cannot write a temporary file: %1</translation>
    </message>
    <message>
        <source>В архиве ZIP нет ни одного файла</source>
        <translation>The ZIP archive holds no file</translation>
    </message>
</context>
</TS>
