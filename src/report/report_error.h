// The one failure type of report and figure writing.
#pragma once

#include <stdexcept>

namespace nuvra::report {

/// A template block missing or malformed, a line or value index outside its array, a
/// text that code page 932 cannot hold, a list full, a file that cannot be written.
/// The chapter and figure protocols catch it (and every other exception) and turn it
/// into their failure result; it never leaves them.
class ReportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// A print or figure file that cannot be created, written or put in place: the report
/// then lacks what that file holds, whatever the chapter makes of it.
class ReportFileError : public ReportError {
  public:
    using ReportError::ReportError;
};

}  // namespace nuvra::report
