// Window positions as the settings file keeps them: in twips (1/1440 inch) of the
// primary screen, written in general number format and read back as integers.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace nuvra::app {

class SettingsStore;

/// Which stored values count as "no position": the main window also refuses a value at
/// or beyond the screen's edge, the dialogs only values below 1.
enum class PlacementRule { MainWindow, Dialog };

/// The coordinate to use for one axis, all in twips: the stored value, or
/// (screen - window) / 2 truncated toward zero and at least 0.
std::int64_t placedCoordinate(std::int64_t stored, std::int64_t screenTwips,
                              std::int64_t windowTwips, PlacementRule rule);

/// Twips per pixel of the primary screen (15 at 96 dots per inch).
double twipsPerPixel();

/// Moves the window to the position stored in section "Top"/"Left", or centres it.
void restoreWindowPosition(QWidget& window, const SettingsStore& settings, const QString& section,
                           PlacementRule rule);

/// Writes the window's frame position as "Top"/"Left" of section, in twips.
void storeWindowPosition(const QWidget& window, const SettingsStore& settings,
                         const QString& section);

}  // namespace nuvra::app
