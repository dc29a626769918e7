#include "scramble/supply.h"

#include <algorithm>

#include "scramble/generator.h"

namespace cubetimer {

ScrambleSupply::Next ScrambleSupply::next() {
    Next result;
    if (importing_) {
        // A line ends at CR LF, at a lone LF or at a lone CR.
        const std::size_t end = std::min(text_.find_first_of("\r\n", position_), text_.size());
        std::string line = text_.substr(position_, end - position_);
        position_ = end;
        if (position_ < text_.size()) position_ += text_.compare(position_, 2, "\r\n") == 0 ? 2 : 1;
        line += ' ';
        if (line.size() >= 3) {
            result.scramble = std::move(line);
        } else {
            result.importsRanOut = true;
            importing_ = false;
            position_ = 0;
        }
    }
    if (result.scramble.empty()) result.scramble = genscramble(uniform01_);
    current_ = result.scramble;
    return result;
}

void ScrambleSupply::importFile(const ScrambleFile& file) {
    importing_ = file.status == ScrambleFile::Status::Ok;
    position_ = 0;
    text_ = importing_ ? file.text : std::string();
}

void ScrambleSupply::cancelImport() {
    importing_ = false;
    text_.clear();
}

void ScrambleSupply::reset() {
    importing_ = false;
    position_ = 0;
}

}  // namespace cubetimer
