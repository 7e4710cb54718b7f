// nuvra-datacvt OUT IN...: UTF-8 text with LF (or CR LF) line ends -> CP932 with CR LF.
// Several inputs are joined in the order given (the report template is kept in parts).
#include <cstdio>
#include <string>

#include "common/cp932.h"
#include "common/file_util.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: nuvra-datacvt OUT IN...\n");
        return 2;
    }
    std::string lf;
    for (int i = 2; i < argc; ++i) {
        std::string in;
        if (nuvra::readWholeFile(argv[i], in) != 0) {
            std::fprintf(stderr, "nuvra-datacvt: cannot read %s\n", argv[i]);
            return 2;
        }
        for (char c : in)
            if (c != '\r') lf += c;
        if (!lf.empty() && lf.back() != '\n') lf += '\n';
    }
    std::string crlf;
    for (char c : lf) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    auto cp = nuvra::toCp932(crlf);
    if (!cp) {
        std::fprintf(stderr,
                     "nuvra-datacvt: the text holds \"%s\", which code page 932 cannot hold\n",
                     nuvra::firstUnmappable(crlf).c_str());
        return 1;
    }
    if (nuvra::writeFileAtomically(argv[1], *cp) != 0) {
        std::fprintf(stderr, "nuvra-datacvt: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
