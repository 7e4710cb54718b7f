// nuvra-datacvt IN OUT: UTF-8 text with LF (or CR LF) line ends -> CP932 with CR LF.
#include <cstdio>
#include <string>

#include "common/cp932.h"
#include "common/file_util.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: nuvra-datacvt IN OUT\n");
        return 2;
    }
    std::string in;
    if (nuvra::readWholeFile(argv[1], in) != 0) {
        std::fprintf(stderr, "nuvra-datacvt: cannot read %s\n", argv[1]);
        return 2;
    }
    std::string lf;
    for (std::size_t i = 0; i < in.size(); ++i)
        if (in[i] != '\r') lf += in[i];
    std::string crlf;
    for (char c : lf) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    auto cp = nuvra::toCp932(crlf);
    if (!cp) {
        std::fprintf(stderr, "nuvra-datacvt: %s holds \"%s\", which code page 932 cannot hold\n",
                     argv[1], nuvra::firstUnmappable(crlf).c_str());
        return 1;
    }
    if (nuvra::writeFileAtomically(argv[2], *cp) != 0) {
        std::fprintf(stderr, "nuvra-datacvt: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
