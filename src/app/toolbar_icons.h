// The toolbar's pictures, drawn here so that the program needs no icon theme.
#pragma once

#include <QIcon>
#include <QString>

namespace nuvra::app {

/// The icon of a toolbar key: "New", "Open", "SaveAs", "Save", "Printer".
QIcon toolbarIcon(const QString& key);

}  // namespace nuvra::app
