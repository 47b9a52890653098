#include "analysis/import/HistoryText.h"

#include "analysis/files/TextEncoding.h"
#include "analysis/tables/Errors.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>

namespace Main {

THistoryText::THistoryText(const std::string& fileName)
    : file_(fileName)
{
}

bool THistoryText::next(std::string& line)
{
    if (file_.eof())
        return false;
    file_.readLine(line, MaxLineLength);
    ++lineNo_;
    if (lineNo_ == 1 && line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    if (line.find('\0') != std::string::npos)
        throw EAnalysisError(Text(Messages::BinaryData, lineNo_));
    if (!IsValidUtf8(line))
        line = LegacyTextToUtf8(line);
    return true;
}

} // namespace Main
