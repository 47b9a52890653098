#include "analysis/files/TextFile.h"

#include <algorithm>

namespace Main {

TTextFile::TTextFile(const std::string& fileName)
    : file_(fileName)
{
}

int TTextFile::peek()
{
    if (pos_ == end_ && !atEnd_) {
        const std::size_t count = file_.read(buffer_.data(), buffer_.size());
        pos_ = 0;
        end_ = count;
        atEnd_ = count == 0;
    }
    return pos_ == end_ ? EndOfData : static_cast<unsigned char>(buffer_[pos_]);
}

int TTextFile::get()
{
    const int c = peek();
    if (c != EndOfData)
        ++pos_;
    return c;
}

bool TTextFile::eof()
{
    const int c = peek();
    return c == EndOfData || c == CtrlZ;
}

std::string TTextFile::readLine(std::size_t keep)
{
    std::string line;
    readLine(line, keep);
    return line;
}

void TTextFile::readLine(std::string& line, std::size_t keep)
{
    line.clear();
    if (eof())
        return;
    for (;;) {
        if (peek() == EndOfData)
            break;
        // The run of ordinary characters in the buffer, taken at once.
        std::size_t stop = pos_;
        while (stop < end_ && buffer_[stop] != '\n' && buffer_[stop] != '\r' && buffer_[stop] != CtrlZ)
            ++stop;
        if (stop > pos_) {
            if (line.size() < keep)
                line.append(buffer_.data() + pos_, std::min(stop - pos_, keep - line.size()));
            pos_ = stop;
            continue;
        }
        const int c = get();
        if (c == '\n')
            break;
        if (c == '\r') {
            if (peek() == '\n') {
                get();
                break;
            }
            continue;
        }
        // A Ctrl-Z ends the line; the rest of it is skipped.
        for (int skipped = get(); skipped != EndOfData && skipped != '\n'; skipped = get()) { }
        break;
    }
}

} // namespace Main
