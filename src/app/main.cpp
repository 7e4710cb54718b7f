// nuvra: the desktop program. Start-up fixes the application and per-user folders, then
// the main window holds one design until it is closed; every dialog is modal.
#include <QApplication>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/message_service.h"
#include "app/system_dialogs.h"
#include "render/japanese_ui.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nuvra"));
    QApplication::setOrganizationName(QStringLiteral("Zantrel"));
    nuvra::render::installJapaneseUi(application);

    nuvra::app::QtMessageService messages;
    nuvra::app::SystemDialogs dialogs;
    nuvra::app::AppContext context(nuvra::app::locateAppPaths(), messages, dialogs);
    nuvra::app::MainWindow window(context);
    window.show();
    return QApplication::exec();
}
