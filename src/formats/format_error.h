// The failure of strict reading and of writing a report file.
#pragma once

#include <stdexcept>

namespace nuvra::formats {

/// A file that cannot be read or written, that does not follow its format, or a text
/// that code page 932 cannot hold. The lenient readers never throw it: they return what
/// they could read and say the rest in their error text or warnings.
class FormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// A file that cannot be created, written or put in place: what it was to hold is lost,
/// as opposed to a content that cannot be written at all.
class FormatFileError : public FormatError {
  public:
    using FormatError::FormatError;
};

}  // namespace nuvra::formats
