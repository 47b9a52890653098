#pragma once

#include "analysis/text/Messages.h"

// Every message the analysis gives the user, in Russian and in English, one
// entry each; %1 .. %9 are the arguments Text() puts in. A new message is one
// more entry here, thrown or returned as Text(Messages::Name, arguments...).
// Russian texts are the program's own; the English ones follow the glossary of
// translations/veldoran_en.ts (тираж: draw, пара: pair, поле: field, строка: line).
namespace Main::Messages {

// The draw file loader.
inline constexpr TMessageText UnsupportedLottery {
    "Лотерея типа %1 из %2 не поддерживается: в тираже не больше 20 чисел",
    "A %1 of %2 lottery is not supported: a draw holds at most 20 numbers"
};
inline constexpr TMessageText TooManyDraws { "В файле больше 1000 тиражей", "The file holds more than 1000 draws" };

// The import of delimited histories: refusals of the layout and the file.
inline constexpr TMessageText BinaryData { "Файл не похож на историю тиражей: в строке %1 двоичные данные",
    "The file does not look like a draw history: line %1 holds binary data" };
inline constexpr TMessageText NumberFieldCount { "В тираже должно быть от 1 до 20 чисел, а выбрано полей с числами: %1",
    "A draw must hold 1 to 20 numbers, but the number fields chosen are %1" };
inline constexpr TMessageText NumbersPerDrawLimits { "В тираже должно быть от 1 до 20 чисел",
    "A draw must hold 1 to 20 numbers" };
inline constexpr TMessageText MaxNumberLimits { "Наибольшее число лотереи M должно быть от 2 до 99, а указано %1",
    "The lottery's highest number M must be 2 to 99, not %1" };
inline constexpr TMessageText LoadedDrawsLimits { "Загрузить можно от 1 до 1000 последних тиражей, а указано %1",
    "1 to 1000 most recent draws can be loaded, not %1" };
inline constexpr TMessageText FieldNumbering { "Поля нумеруются с 1, а указано поле %1",
    "Fields are numbered from 1, but field %1 is given" };
inline constexpr TMessageText NoDrawInFile { "В файле нет ни одного тиража", "The file holds no draws" };
inline constexpr TMessageText NoDrawFits { "Ни один тираж файла не подходит под выбранное описание: %1 строк пропущено",
    "No draw of the file fits the chosen layout: lines skipped: %1" };

// The import: why one line is skipped (%2 of a field is its text, cut short).
inline constexpr TMessageText TooFewFields { "полей в строке %1, а нужно не меньше %2",
    "the line has %1 fields, and at least %2 are needed" };
inline constexpr TMessageText DrawNoNotNumber { "номер тиража в поле %1 «%2» — не число",
    "the draw number in field %1 \"%2\" is not a number" };
inline constexpr TMessageText FieldNotNumber { "поле %1 «%2» — не число", "field %1 \"%2\" is not a number" };
inline constexpr TMessageText NumberOutOfRange { "число %1 в поле %2 вне диапазона 1..%3",
    "number %1 in field %2 is outside 1..%3" };
inline constexpr TMessageText NumberRepeated { "число %1 повторяется", "number %1 is repeated" };
inline constexpr TMessageText LayoutIncomplete { "описание полей неполно", "the field layout is incomplete" };

// The import's proposal: what it is unsure of.
inline constexpr TMessageText LastFieldMayBeBonus {
    "Поле %1 может быть бонусным числом из того же набора: если в лотерее %2 основных чисел, укажите поля %3-%4.",
    "Field %1 may be a bonus number from the same pool: if the lottery has %2 main numbers, give fields %3-%4."
};

// Numbers, pairs and triples.
inline constexpr TMessageText GroupSizeLimits { "Группа — это 1, 2 или 3 числа, а указано %1",
    "A group is 1, 2 or 3 numbers, not %1" };
inline constexpr TMessageText NoDrawsYet { "Тиражей нет: сначала откройте файл", "No draws: open a file first" };
inline constexpr TMessageText CountedDrawsLimits { "Считать можно от 1 до %1 последних тиражей, а указано %2",
    "1 to %1 most recent draws can be counted, not %2" };
inline constexpr TMessageText GroupLargerThanDraw { "В тираже %1 чисел: групп по %2 в нём не бывает",
    "A draw holds %1 numbers: it has no groups of %2" };

// The strategy check.
inline constexpr TMessageText NoPairsInDraw { "В тираже меньше двух чисел: пар нет",
    "A draw holds fewer than two numbers: there are no pairs" };
inline constexpr TMessageText PicksLimits { "Играть можно от 1 до %1 пар, а указано %2",
    "1 to %1 pairs can be played, not %2" };
inline constexpr TMessageText WarmupLimits { "Тиражей для обучения должно быть от 1 до %1, а указано %2",
    "Training draws must be 1 to %1, not %2" };
inline constexpr TMessageText RecentLimits { "Число последних тиражей R должно быть не меньше 1, а указано %1",
    "The number of recent draws R must be at least 1, not %1" };

// The ticket check (NoDrawsYet above when no draws are loaded).
inline constexpr TMessageText NoTickets { "Нет ни одного билета для проверки", "There are no tickets to check" };
inline constexpr TMessageText TicketSizesDiffer { "Билеты разного размера: в билете 1 чисел — %1, в билете %2 — %3",
    "The tickets differ in size: ticket 1 has %1 numbers, ticket %2 has %3" };
inline constexpr TMessageText TicketNumberRepeated { "В билете %1 число %2 повторяется",
    "Ticket %1 repeats the number %2" };
inline constexpr TMessageText TicketNumberOutOfRange { "В билете %1 число %2 вне диапазона от 1 до %3",
    "Ticket %1 holds %2, outside 1 to %3" };
inline constexpr TMessageText CheckedDrawsLimits { "Проверить можно от 1 до %1 последних тиражей, а указано %2",
    "1 to %1 most recent draws can be checked, not %2" };

// Wheels: the rules of a request.
inline constexpr TMessageText WheelNumberTwice { "Число %1 указано дважды: числа колеса должны быть разными",
    "The number %1 is given twice: the wheel's numbers must all differ" };
inline constexpr TMessageText WheelNumberOutOfRange { "Число %1 вне пределов 1..99", "The number %1 is outside 1..99" };
inline constexpr TMessageText TicketSizeLimits { "В билете может быть от 1 до 20 чисел, а указано %1",
    "A ticket holds 1 to 20 numbers, not %1" };
inline constexpr TMessageText TicketSizeAboveNumbers {
    "В билете %1 чисел, а выбрано только %2: чисел должно быть не меньше, чем в билете",
    "A ticket holds %1 numbers, but only %2 are chosen: choose at least as many numbers as a ticket holds"
};
inline constexpr TMessageText MatchLimits { "Совпасть может от 1 до %1 чисел билета, а указано %2",
    "1 to %1 numbers of a ticket can match, not %2" };
inline constexpr TMessageText DrawnLimits {
    "Выпавших чисел колеса должно быть от %1 (сколько совпадает) до %2 (сколько выбрано), а указано %3",
    "The wheel's numbers drawn must be from %1 (how many match) to %2 (how many are chosen), not %3"
};
inline constexpr TMessageText WheelTooLarge {
    "Слишком большое колесо: C(%1, %2) комбинаций больше 1 000 000, их не проверить; выберите меньше чисел или "
    "другое условие",
    "The wheel is too large: C(%1, %2) combinations are more than 1,000,000 and cannot be checked; choose fewer "
    "numbers or another condition"
};

// The stored histories (LoadedDrawsLimits above for the number of draws to load).
inline constexpr TMessageText NoDrawOfStoredGame { "В сохранённой истории нет ни одного тиража лотереи %1 из %2",
    "The stored history holds no draw of a %1 of %2 lottery" };
inline constexpr TMessageText StoredGameInvalid { "Сохранённая история описана неверно: лотерея %1 из %2",
    "The stored history is described wrongly: a %1 of %2 lottery" };
inline constexpr TMessageText DrawOfAnotherGame { "тираж другой лотереи", "a draw of another lottery" };

} // namespace Main::Messages
