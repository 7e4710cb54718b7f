#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "app/settings_store.h"
#include "common/number_format.h"

namespace nuvra::app {

std::int64_t placedCoordinate(std::int64_t stored, std::int64_t screenTwips,
                              std::int64_t windowTwips, PlacementRule rule) {
    const bool usable =
        rule == PlacementRule::MainWindow ? stored > 0 && stored < screenTwips : stored >= 1;
    if (usable) return stored;
    const std::int64_t centred = (screenTwips - windowTwips) / 2;  // truncates toward zero
    return centred < 0 ? 0 : centred;
}

double twipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

void restoreWindowPosition(QWidget& window, const SettingsStore& settings, const QString& section,
                           PlacementRule rule) {
    const double tpp = twipsPerPixel();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenPx = screen ? screen->geometry().size() : QSize(800, 600);
    const QSize windowPx = window.frameGeometry().size();
    auto tw = [tpp](int px) { return static_cast<std::int64_t>(std::llround(px * tpp)); };

    const std::int64_t top = placedCoordinate(settings.readLong(section, "Top"),
                                              tw(screenPx.height()), tw(windowPx.height()), rule);
    const std::int64_t left = placedCoordinate(settings.readLong(section, "Left"),
                                               tw(screenPx.width()), tw(windowPx.width()), rule);
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    window.move(origin + QPoint(static_cast<int>(std::lround(left / tpp)),
                                static_cast<int>(std::lround(top / tpp))));
}

void storeWindowPosition(const QWidget& window, const SettingsStore& settings,
                         const QString& section) {
    const double tpp = twipsPerPixel();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QPoint pos = window.pos() - origin;
    settings.writeString(section, "Top", QString::fromStdString(generalNumber(pos.y() * tpp)));
    settings.writeString(section, "Left", QString::fromStdString(generalNumber(pos.x() * tpp)));
}

}  // namespace nuvra::app
