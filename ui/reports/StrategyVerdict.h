#pragma once

#include "analysis/chance/StrategyCheck.h"

#include <QString>

#include <array>

// What the strategy check says, in plain words of the interface's language.
namespace StrategyVerdict {

// The rules in the order the window lists them, with their names.
inline constexpr std::array<Main::TPairRule, 4> Rules { Main::TPairRule::MostHits, Main::TPairRule::FewestHits,
    Main::TPairRule::LongestGap, Main::TPairRule::HotRecent };
QString RuleName(Main::TPairRule rule, int32_t recent);

// A rule beats chance when fewer than 5% of fair lotteries do as well.
inline constexpr double BetterThanChance = 0.05;

// The verdict on one rule: its hits against what a random choice gives, and
// how often a fair lottery does as well.
QString OnRule(const Main::TStrategyCheck& check, const QString& ruleName);

// The verdict on the best of the four rules: comparing four and keeping the
// best makes it look better than it is, so its chance is multiplied by four
// (Bonferroni's inequality: the chance that any of four fair results is that
// good is at most four times the chance of one).
QString OnBestOfFour(const std::array<Main::TStrategyCheck, 4>& checks, int32_t recent);

} // namespace StrategyVerdict
