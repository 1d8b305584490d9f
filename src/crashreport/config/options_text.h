#pragma once

// The readable options file kept in the repository and turned into the
// configuration block by the build tool: one "Name=Value" per line, '#'
// starts a comment line. Texts may write \r, \n and \\ as escapes.
//   Filter=<active>;<class>;<message>;<kind>;<dialog>;<handler>;<action>   (repeatable)
//   MessageText.<slot>=<text>

#include "option_values.h"

#include <stdexcept>
#include <string>

namespace crashnote {

class OptionsTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Starts from the defaults; throws OptionsTextError naming the line of an
// unknown option or a bad value.
OptionValues parseOptionsText(const std::string &text);

} // namespace crashnote
