// The design input file readers (version 1.00 and 1.00β, and the opening that picks one
// by the header). Whatever the bytes, a read either fails cleanly, leaving the defaults
// of a new design, or gives a design that writes out and reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "design/input_file.h"
#include "design/records.h"
#include "fuzz_util.h"

namespace {

using nuvra::DesignData;
using nuvra::FileResult;

std::string encoded(const DesignData& d) {
    std::string bytes;
    return nuvra::encodeInputFile(d, bytes).ok ? bytes : std::string();
}

// A failed read must leave exactly a new design.
void checkFailure(const FileResult& r, const DesignData& d, const char* reader) {
    if (r.ok) return;
    DesignData fresh;
    nuvra::NewDesignData(fresh);
    if (encoded(d) != encoded(fresh)) nuvra::fuzz::Fail(reader, "a failed read left data behind");
}

// A design that was read and can be stored must come back the same.
void checkRoundTrip(const DesignData& d) {
    std::string first;
    if (!nuvra::encodeInputFile(d, first).ok) return;  // e.g. a '"' in the bond stress text
    std::string path = nuvra::fuzz::WriteScratchFile("again.nvr", first);
    DesignData again;
    FileResult r = nuvra::LoadInputFile(again, path);
    if (!r.ok) nuvra::fuzz::Fail("a written file cannot be read back", r.detail);
    std::string second;
    if (!nuvra::encodeInputFile(again, second).ok || second != first)
        nuvra::fuzz::Fail("a written file reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        nuvra::fuzz::WriteScratchFile("input.nvr", nuvra::fuzz::AsText(data, size));

    DesignData d;
    FileResult r = nuvra::LoadInputFile(d, path);
    checkFailure(r, d, "LoadInputFile");
    if (r.ok) checkRoundTrip(d);

    DesignData beta;
    FileResult rb = nuvra::LoadInputFileBeta(beta, path);
    checkFailure(rb, beta, "LoadInputFileBeta");
    if (rb.ok) checkRoundTrip(beta);

    DesignData opened;
    nuvra::OpenResult o = nuvra::OpenInputFile(opened, path);
    if (o.file.ok && !o.versionMessage.empty())
        nuvra::fuzz::Fail("OpenInputFile read a file whose version it refused");
    if (o.file.ok) checkRoundTrip(opened);
    return 0;
}
