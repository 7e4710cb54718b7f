#include "app/about_box.h"

#include "app/app_context.h"
#include "app/message_service.h"

namespace nuvra::app {

QString productVersion() {
    return QStringLiteral(NUVRA_VERSION);
}

void showAboutBox(MessageService& messages, QWidget* parent) {
    const QString text = QStringLiteral("<p><b>Nuvra</b>　%1</p><p>バージョン %2</p>")
                             .arg(kProductName, productVersion());
    messages.showAbout(parent, QStringLiteral("バージョン情報"), text);
}

}  // namespace nuvra::app
