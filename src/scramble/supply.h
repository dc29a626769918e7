#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "scramble/scramble_file.h"

namespace cubetimer {

// Where the next scramble comes from: the lines of an imported scramble file,
// handed out in order, or the random generator once they are used up.
class ScrambleSupply {
public:
    struct Next {
        std::string scramble;
        bool importsRanOut = false;  // the imported lines ended at this request
    };

    explicit ScrambleSupply(std::function<double()> uniform01) : uniform01_(std::move(uniform01)) {}

    // The next imported line with one blank appended, or a random scramble.
    // A line shorter than two characters, or the end of the text, ends the imports.
    Next next();

    // Takes a checked file: on Ok, import mode starts at its first line; on any
    // other status import mode is off and the imported text is dropped.
    void importFile(const ScrambleFile& file);
    // The import dialog was cancelled.
    void cancelImport();
    // Back to random scrambles; a later import starts at its first line.
    void reset();

    bool importing() const { return importing_; }
    const std::string& current() const { return current_; }

private:
    std::function<double()> uniform01_;
    bool importing_ = false;
    std::size_t position_ = 0;
    std::string text_;
    std::string current_;
};

}  // namespace cubetimer
