// Every member chapter on every design of the examples and the reference designs: each
// succeeds, and every value fits its field with a column to spare, so that no number
// is ever cut short in a report.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "chapter_rig.h"
#include "common/cp932.h"
#include "member_chapter_designs.h"
#include "report/chapters/chapters.h"
#include "report/field_fill.h"

namespace nuvra::report::test {
namespace {

struct Field {
    std::size_t width;
    bool number;
};

// The fields of every template line, in their order on the line, by "block:line".
std::map<std::string, std::vector<Field>> templateFields() {
    std::map<std::string, std::vector<Field>> out;
    std::string block;
    for (const std::string& line : InstalledTemplateLines()) {
        if (block.empty()) {
            if (!line.empty() && line[0] != '\'') block = line;
            continue;
        }
        if (line == "End") {
            block.clear();
            continue;
        }
        if (line.empty() || line[0] == '\'') continue;
        std::string bytes = toCp932(line.size() > 5 ? line.substr(5) : "").value();
        std::vector<std::pair<std::size_t, Field>> f;
        for (const NumberField& n : ScanNumberFields(bytes))
            f.push_back({n.pos, {n.width, true}});
        for (const TextField& t : ScanTextFields(bytes))
            f.push_back({t.pos, {t.width, false}});
        std::sort(f.begin(), f.end(), [](auto& a, auto& b) { return a.first < b.first; });
        std::vector<Field>& fields =
            out[block + ":" + std::to_string(std::stoi(line.substr(0, 3)))];
        for (auto& [pos, field] : f)
            fields.push_back(field);
    }
    return out;
}

TEST(MemberChaptersOnAllDesigns, SucceedWithEveryValueInItsField) {
    const auto fields = templateFields();
    const std::vector<std::string> files = AllDesignFiles();
    ASSERT_GE(files.size(), 10u);
    struct Writer {
        const char* name;
        bool (*write)(const ChapterContext&);
        bool footingOnly;
    } writers[] = {
        {"wall", WriteWallChapter, false},
        {"wall sections", WriteWallSectionChapter, false},
        {"slab", WriteSlabChapter, false},
        {"footing", WriteFootingChapter, true},
        {"curtailment", WriteCurtailmentChapter, false},
    };
    for (const std::string& file : files) {
        Design x = LoadDesign(file);
        EXPECT_TRUE(x.ok) << file;
        for (const Writer& wr : writers) {
            if (wr.footingOnly && !x.r.blnFooting) continue;
            ChapterRig rig;
            ASSERT_TRUE(rig.Run(wr.write, x))
                << file << ", " << wr.name << ": " << rig.Writer().LastChapterError();
            for (const TraceLine& t : rig.Trace()) {
                auto f = fields.find(t.tag);
                if (f == fields.end()) continue;  // blank lines, page breaks, figures
                ASSERT_EQ(t.values.size(), f->second.size()) << file << " " << t.tag;
                for (std::size_t i = 0; i < t.values.size(); ++i) {
                    std::size_t len = cp932Length(t.values[i]).value();
                    const Field& fd = f->second[i];
                    if (fd.number && fd.width > 1)
                        EXPECT_LT(len, fd.width)
                            << file << " " << t.tag << " value " << t.values[i];
                    else
                        EXPECT_LE(len, fd.width)
                            << file << " " << t.tag << " value " << t.values[i];
                }
            }
        }
    }
}

}  // namespace
}  // namespace nuvra::report::test
