#include "analysis/history/RecentDraws.h"

#include "analysis/tables/Errors.h"
#include "analysis/tables/Tables.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>
#include <string>

namespace Main {

namespace {

std::string NoDrawOfTheGame(const THistoryGame& game)
{
    return Text(Messages::NoDrawOfStoredGame, game.NumbersPerDraw, game.MaxNumber);
}

std::string NotAGame(const THistoryGame& game)
{
    return Text(Messages::StoredGameInvalid, game.NumbersPerDraw, game.MaxNumber);
}

std::string WrongDrawCount(int32_t lastDraws)
{
    return Text(Messages::LoadedDrawsLimits, lastDraws);
}

} // namespace

TImportResult LoadRecentDraws(const std::vector<THistoryDraw>& draws, const THistoryGame& game, int32_t lastDraws)
{
    if (game.NumbersPerDraw < 1 || game.NumbersPerDraw > MaxNumbersPerDraw || game.MaxNumber < 2 || game.MaxNumber > 99)
        throw EAnalysisError(NotAGame(game));
    if (lastDraws < 1 || lastDraws > MaxDraws)
        throw EAnalysisError(WrongDrawCount(lastDraws));

    TImportResult result;
    result.Rows = static_cast<int32_t>(draws.size());
    // Walked from the newest back until enough draws of the game are found.
    std::size_t first = draws.size();
    int32_t found = 0;
    while (first > 0 && found < lastDraws) {
        --first;
        if (FitsGame(draws[first], game.NumbersPerDraw, game.MaxNumber))
            ++found;
        else
            result.Skipped.push_back({ draws[first].Position, Text(Messages::DrawOfAnotherGame) });
    }
    if (found == 0)
        throw EAnalysisError(NoDrawOfTheGame(game));
    std::reverse(result.Skipped.begin(), result.Skipped.end());

    NumbersPerDraw = game.NumbersPerDraw;
    MaxNumber = game.MaxNumber;
    DrawCount = 0;
    for (std::size_t i = first; i < draws.size(); ++i) {
        const THistoryDraw& draw = draws[i];
        if (!FitsGame(draw, game.NumbersPerDraw, game.MaxNumber))
            continue;
        TDrawRecord record;
        record.DrawNo = game.DrawNumbers ? draw.DrawNo : draw.Position;
        for (int32_t k = 1; k <= game.NumbersPerDraw; ++k)
            record.Numbers[k] = draw.Numbers[static_cast<std::size_t>(k - 1)];
        Draws[++DrawCount] = record;
    }
    result.Loaded = DrawCount;
    return result;
}

} // namespace Main
