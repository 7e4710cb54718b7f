// The Qt application that painting tests need, created once for the test program.
#include <gtest/gtest.h>

#include <memory>

#include "render/headless_gui.h"

namespace {

class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { gui_ = std::make_unique<nuvra::render::HeadlessGui>(argc_, argv_); }
    void TearDown() override { gui_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "render_pdf_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<nuvra::render::HeadlessGui> gui_;
};

[[maybe_unused]] ::testing::Environment* const kGui =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
