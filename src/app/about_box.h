// The About box: product name and version.
#pragma once

#include <QString>

class QWidget;

namespace nuvra::app {

class MessageService;

/// The version of this build ("1.0.0").
QString productVersion();

/// Shows the About box modally.
void showAboutBox(MessageService& messages, QWidget* parent);

}  // namespace nuvra::app
