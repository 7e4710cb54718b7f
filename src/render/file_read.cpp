#include "render/file_read.h"

#include <filesystem>

#include "common/error_codes.h"
#include "common/file_util.h"

namespace nuvra::render {

std::int32_t readLimitedFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                             bool& tooLarge) {
    tooLarge = false;
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > maxBytes) {
        tooLarge = true;
        return kErrDeviceIO;
    }
    return readWholeFile(path, bytes);
}

}  // namespace nuvra::render
