// The one failure type of report and figure writing.
#pragma once

#include "formats/format_error.h"

namespace nuvra::report {

/// A template block missing or malformed, a line or value index outside its array, a
/// text that code page 932 cannot hold, a list full, a file that cannot be written.
/// The chapter and figure protocols catch it (and every other exception) and turn it
/// into their failure result; it never leaves them. The same type as the file
/// formats' failure, so that a faulty figure or style file is one of them.
using ReportError = formats::FormatError;

/// A print or figure file that cannot be created, written or put in place: the report
/// then lacks what that file holds, whatever the chapter makes of it.
using ReportFileError = formats::FormatFileError;

}  // namespace nuvra::report
