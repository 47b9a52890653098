#pragma once

#include "analysis/files/ReadOnlyFile.h"

#include <array>
#include <cstddef>
#include <string>

namespace Main {

// A text file read line by line, in the manner of the draw file's format:
// a line ends at LF or CR LF; a CR not followed by LF is dropped; a Ctrl-Z ends
// the line it stands in (the rest of that line is skipped) and, where a line
// would begin, ends the file; a last line without a line end is read normally.
// Closed when the object goes away.
class TTextFile {
public:
    // Opens the file for reading; EInOutError when it cannot be opened.
    explicit TTextFile(const std::string& fileName);

    bool eof();

    // The next line's first `keep` characters; the rest of the line is read
    // and skipped, so lines may be of any length. At the end of the file the
    // line is empty.
    std::string readLine(std::size_t keep);
    // The same into `line`, whose storage is reused from line to line.
    void readLine(std::string& line, std::size_t keep);

private:
    static constexpr int CtrlZ = 26;
    static constexpr int EndOfData = -1;

    int peek();
    int get();

    TReadOnlyFile file_;
    std::array<char, 65536> buffer_ {};
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

} // namespace Main
