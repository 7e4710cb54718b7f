// nuvra-cli: the design calculation from the command line.
// Parses the subcommand and hands its arguments to the core through commands.cpp.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/calc_command.h"
#include "cli/commands.h"
#include "cli/design_command.h"
#include "cli/figure_command.h"
#include "cli/report_command.h"

namespace {

void usage(std::FILE* to) {
    std::fputs(
        "usage: nuvra-cli COMMAND ARGS\n"
        "  new FILE [--force]    write a new design with the default values (--force:\n"
        "                        over an existing file)\n"
        "  convert IN OUT        read a design (version 1.00 or 1.00β), write it as 1.00\n"
        "  show FILE             list the six design records\n"
        "  calc FILE [--json]    run the design calculation; print the verdicts, or with\n"
        "                        --json the whole result store\n"
        "  report FILE (-o DIR | --pdf OUT.pdf) [--chapters 1,2,5] [--ini FILE] [--force]\n"
        "                        write the calculation report as print files into DIR,\n"
        "                        and/or render it to a PDF with the viewer\n"
        "  figure KIND FILE [--case N] [--side 0|1] (-o OUT.svg | --files DIR)\n"
        "                        draw a report figure (shape, block, earth, wall, water,\n"
        "                        steel) as SVG or as its layout and figure files\n"
        "  design FILE [-o OUT.nvr [--force]] [--diameters LIST] [--spacings LIST]\n"
        "                        choose for every face the passing bars with the least\n"
        "                        steel; with -o write the design with them\n"
        "  calc FILE... --summary [--jobs N] [--select-bars] [--bom]\n"
        "                        one CSV row per design: stability, stress ratios, verdict\n"
        "  sweep FILE --vary NAME=FROM:TO:STEP [--vary ...] [--summary] [--select-bars]\n"
        "        [--jobs N] [--bom]\n"
        "                        the same table over a series of one or two inputs\n",
        to);
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    std::string cmd = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (cmd == "-h" || cmd == "--help" || cmd == "help") {
        usage(stdout);
        return 0;
    }
    if (cmd == "new") return nuvra::cli::cmdNew(args);
    if (cmd == "convert") return nuvra::cli::cmdConvert(args);
    if (cmd == "show") return nuvra::cli::cmdShow(args);
    if (cmd == "calc") return nuvra::cli::cmdCalc(args);
    if (cmd == "report") return nuvra::cli::cmdReport(args);
    if (cmd == "figure") return nuvra::cli::cmdFigure(args);
    if (cmd == "design") return nuvra::cli::cmdDesign(args);
    if (cmd == "sweep") return nuvra::cli::cmdSweep(args);
    std::fprintf(stderr, "nuvra-cli: 不明なコマンド \"%s\" です。\n", cmd.c_str());
    usage(stderr);
    return 2;
}
