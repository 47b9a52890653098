#pragma once

#include "analysis/files/TextFile.h"

#include <cstdint>
#include <string>

namespace Main {

// A delimited draw history read line by line as text: a UTF-8 byte-order mark
// at the start is skipped, a line that is not valid UTF-8 is read as
// Windows-1251, and a line holding a zero byte stops the reading as binary
// data. Line ends as in TTextFile.
class THistoryText {
public:
    // Lines longer than this are cut; no history has fields that far out.
    static constexpr std::size_t MaxLineLength = 16384;

    explicit THistoryText(const std::string& fileName);

    // The next line in UTF-8; false at the end of the file. Throws
    // EAnalysisError on binary data.
    bool next(std::string& line);

    // The 1-based number of the line last returned.
    int32_t lineNo() const { return lineNo_; }

private:
    TTextFile file_;
    int32_t lineNo_ = 0;
};

} // namespace Main
