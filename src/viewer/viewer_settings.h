// The viewer's own window settings, kept in Ospex.ini in the folder named by /INI=.
#pragma once

#include <QByteArray>
#include <QString>

namespace nuvra::viewer {

struct ViewerSettings {
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 8.0;

    QByteArray geometry;  ///< saved window geometry
    double zoom = 1.0;    ///< 1.0 shows the page at its real size
    bool fitWidth = true;
    QString pdfFolder;  ///< where the last PDF went

    /// Reads the settings of `folder`; the defaults when there are none.
    static ViewerSettings load(const QString& folder);
    /// Writes them; false when the folder cannot be written (nothing else happens).
    bool save(const QString& folder) const;
};

}  // namespace nuvra::viewer
