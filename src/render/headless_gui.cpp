#include "render/headless_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace nuvra::render {

HeadlessGui::HeadlessGui(int& argc, char** argv) {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace nuvra::render
