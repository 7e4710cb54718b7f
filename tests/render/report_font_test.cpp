#include "render/report_font.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <cmath>

#include "common/cp932.h"
#include "formats/cp932_chars.h"

namespace nuvra::render {
namespace {

// Found by the names in the font's own name table, which hold the English and the
// Japanese family name whatever the locale; the suite also runs under ja_JP.UTF-8,
// where the font database reports the Japanese one.
TEST(ReportFont, IsFoundByItsNamesInEveryLanguage) {
    ReportFont font;
    std::string error;
    ASSERT_TRUE(font.load(error)) << error;
    const QStringList names = fontFamilyNames(font.raw(40, false));
    EXPECT_TRUE(names.contains(QStringLiteral("IPAGothic"))) << names.join(',').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("IPAゴシック"))) << names.join(',').toStdString();
    EXPECT_TRUE(isReportFont(font.raw(12, true)));
}

// Only IPAGothic itself passes, not its proportional sister from the same package.
TEST(ReportFont, OtherFontsAreNotTheReportFont) {
    const struct {
        const char* family;
        bool isReport;
    } cases[] = {{"IPAGothic", true}, {"IPAPGothic", false}};
    for (const auto& c : cases) {
        QFont f(QString::fromUtf8(c.family));
        f.setStyleStrategy(QFont::PreferOutline);
        EXPECT_EQ(isReportFont(QRawFont::fromFont(f)), c.isReport) << c.family;
    }
    EXPECT_FALSE(isReportFont(QRawFont()));
    EXPECT_TRUE(fontFamilyNames(QRawFont()).isEmpty());
}

// The layout relies on it: every CP932 character has a glyph one half-width (single
// byte) or two (double byte) wide. Two known gaps are drawn from a fallback font: the
// user-defined area (private use, no standard glyphs anywhere) and the NEC special ∑.
TEST(ReportFont, EveryCp932CharacterIsOneOrTwoHalfWidths) {
    ReportFont font;
    std::string error;
    ASSERT_TRUE(font.load(error)) << error;
    const double em = 100.0;
    const QRawFont& raw = font.raw(em, false);
    std::string bad;
    int checked = 0;
    auto check = [&](const std::string& bytes) {
        formats::Cp932Char c = formats::cp932CharAt(bytes, 0);
        if (!c.valid || c.code < 0x20 || c.code == 0x7F) return;
        if ((c.code >= 0xE000 && c.code <= 0xF8FF) || c.code == 0x2211) return;
        QString s(QChar(static_cast<char16_t>(c.code)));
        auto glyphs = raw.glyphIndexesForString(s);
        double adv = glyphs.isEmpty() ? 0 : raw.advancesForGlyphIndexes(glyphs).front().x();
        ++checked;
        if (glyphs.isEmpty() || glyphs.front() == 0 ||
            std::fabs(adv - c.columns() * em / 2) > 0.01) {
            char buf[16];
            std::snprintf(buf, sizeof buf, " %04X", static_cast<unsigned>(c.code));
            bad += buf;
        }
    };
    for (int b = 0x20; b < 0x100; ++b)
        if (!isCp932LeadByte(static_cast<unsigned char>(b)))
            check(std::string(1, static_cast<char>(b)));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isCp932LeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            check(std::string{static_cast<char>(lead), static_cast<char>(trail)});
    }
    EXPECT_GT(checked, 7000);
    EXPECT_EQ(bad, "") << "characters without a glyph of their width";
}

TEST(ReportFont, DrawsTextAtItsColumns) {
    ReportFont font;
    std::string error;
    ASSERT_TRUE(font.load(error)) << error;
    QImage image(400, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // "ab" then a full-width character: 2 + 2 columns of 10 pixels.
    std::string bytes = *toCp932("ab水 x");
    int cols = drawColumnText(p, font, TextRun{bytes, QPointF(10, 40), 20.0, false, 1.0});
    p.end();
    EXPECT_EQ(cols, 6);
    // Ink only where the characters are: none left of the first or right of the last.
    auto inkIn = [&image](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128) return true;
        return false;
    };
    EXPECT_FALSE(inkIn(0, 10));
    EXPECT_TRUE(inkIn(10, 20));
    EXPECT_TRUE(inkIn(30, 50));   // 水 in columns 2-3
    EXPECT_FALSE(inkIn(50, 60));  // the blank
    EXPECT_TRUE(inkIn(60, 70));
    EXPECT_FALSE(inkIn(72, 400));
}

}  // namespace
}  // namespace nuvra::render
