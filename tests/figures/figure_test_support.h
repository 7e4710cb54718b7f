// What the figure tests share: a figure model on the installed style files writing into
// a fresh folder, a design with its results, and views of the model's elements.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/run/result_store.h"
#include "design/records.h"
#include "figures/figure_model.h"
#include "figures/figures.h"
#include "test_util.h"

namespace nuvra::figures::test {

inline const std::string kAppFolder = std::string(NUVRA_BINARY_DIR) + "/bin";

class FigureTest : public testing::Test {
  protected:
    FigureInputs inputs() { return FigureInputs{model, design, results}; }

    /// Every text of the model, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (int i = 1; i <= model.FigTextCount(); ++i)
            out.push_back(model.Text(i).text);
        return out;
    }
    /// The texts that are circled labels ("①" ... "⑳"), in order.
    std::vector<std::string> labels() const {
        std::vector<std::string> out;
        for (const std::string& t : texts())
            if (t.size() == 3 && static_cast<unsigned char>(t[0]) == 0xE2 &&
                static_cast<unsigned char>(t[1]) == 0x91)
                out.push_back(t);
        return out;
    }
    /// Indexes of the texts equal to `text`.
    std::vector<int> textIndexes(const std::string& text) const {
        std::vector<int> out;
        for (int i = 1; i <= model.FigTextCount(); ++i)
            if (model.Text(i).text == text) out.push_back(i);
        return out;
    }
    int linesOfStyle(int style) const {
        int n = 0;
        for (int i = 1; i <= model.FigLineCount(); ++i)
            n += model.Line(i).style == style;
        return n;
    }

    nuvra::test::TempDir dir;
    figures::FigureModel model{kAppFolder, dir.path()};
    DesignData design;
    calc::ResultStore results;
};

}  // namespace nuvra::figures::test
