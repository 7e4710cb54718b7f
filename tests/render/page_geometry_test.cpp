#include "render/page_geometry.h"

#include <gtest/gtest.h>

#include "test_util.h"

namespace nuvra::render {
namespace {

void expectFits(const PageGeometry& g) {
    EXPECT_LE(g.textBottomMm(), PageGeometry::kPaperHeightMm - PageGeometry::kFooterBandMm + 1e-9);
    EXPECT_LE(g.columnXMm(PageGeometry::kColumns), g.rightLimitMm() + 1e-9);
    EXPECT_LE(g.emMm, g.linePitchMm);
}

TEST(PageGeometry, DefaultsGiveSeventyTwoLinesOfNinetyColumns) {
    PageGeometry g = PageGeometry::forMargins(0, 0);
    EXPECT_EQ(g.marginTopMm, 15);
    EXPECT_EQ(g.marginLeftMm, 25);
    EXPECT_DOUBLE_EQ(g.linePitchMm, 3.7);
    EXPECT_DOUBLE_EQ(g.columnWidthMm(), 1.7);
    EXPECT_NEAR(g.textBottomMm(), 15 + 72 * 3.7, 1e-9);
    expectFits(g);
}

TEST(PageGeometry, LargeMarginsShrinkTheGridInsteadOfDroppingLines) {
    const std::pair<int, int> margins[] = {{20, 25}, {40, 10}, {60, 60}, {500, 500}, {-3, 30}};
    for (auto [top, left] : margins) {
        SCOPED_TRACE(std::to_string(top) + "/" + std::to_string(left));
        PageGeometry g = PageGeometry::forMargins(top, left);
        EXPECT_LE(g.marginTopMm, PageGeometry::kMaxMarginMm);
        EXPECT_LE(g.marginLeftMm, PageGeometry::kMaxMarginMm);
        expectFits(g);
    }
    EXPECT_LT(PageGeometry::forMargins(40, 25).linePitchMm, 3.7);
    EXPECT_LT(PageGeometry::forMargins(15, 60).emMm, 3.4);
}

TEST(PageGeometry, ReadsTheMarginsFromTheSettingsFile) {
    nuvra::test::TempDir dir;
    nuvra::test::writeFile(dir.file("Nuvra.INI"),
                           "[Printer]\r\nMarginTop(mm)=10\r\nMarginLeft(mm)=30\r\n");
    PageGeometry g = geometryFromSettings(dir.file("Nuvra.INI"));
    EXPECT_EQ(g.marginTopMm, 10);
    EXPECT_EQ(g.marginLeftMm, 30);
    PageGeometry none = geometryFromSettings(dir.file("missing.INI"));
    EXPECT_EQ(none.marginTopMm, PageGeometry::kDefaultMarginTopMm);
}

}  // namespace
}  // namespace nuvra::render
