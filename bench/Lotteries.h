#pragma once

#include "support/DrawFiles.h"

#include <string>
#include <vector>

// The lotteries every benchmark runs on, each as a generated draw file.
struct BenchLottery {
    int k;
    int m;
    int draws;
    std::string name() const { return std::to_string(k) + "-" + std::to_string(m) + "/" + std::to_string(draws); }
};

inline const std::vector<BenchLottery>& BenchLotteries()
{
    static const std::vector<BenchLottery> lotteries { { 6, 49, 100 }, { 6, 49, 1000 }, { 5, 36, 100 }, { 5, 36, 1000 },
        { 20, 99, 100 }, { 20, 99, 1000 } };
    return lotteries;
}

// Writes the lottery's draw file into `dir` and returns its path.
inline std::string WriteBenchFile(const TestSupport::TempDir& dir, const BenchLottery& lottery)
{
    const auto draws = TestSupport::RandomDraws(lottery.k, lottery.m, lottery.draws, 2003);
    return dir.write(
        std::to_string(lottery.k) + "-" + std::to_string(lottery.m) + "-" + std::to_string(lottery.draws) + ".txt",
        TestSupport::DrawFileText(lottery.k, lottery.m, draws, true));
}
