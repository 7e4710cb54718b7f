// The Qt application object that painting needs, for programs without a window
// (the command line, ospex --pdf, tests): uses the offscreen platform unless the caller
// chose one.
#pragma once

#include <memory>

class QGuiApplication;

namespace nuvra::render {

class HeadlessGui {
  public:
    /// Creates a QGuiApplication unless one exists. argc must outlive this object.
    HeadlessGui(int& argc, char** argv);
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

  private:
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace nuvra::render
