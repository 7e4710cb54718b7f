// Qt's own texts in Japanese: the standard buttons, the file, print and page-setup
// dialogs and the context menu of every edit field. The programs speak Japanese
// whatever the system locale, so Qt's translations are loaded for Japanese always.
#pragma once

class QCoreApplication;

namespace nuvra::render {

/// Installs Qt's Japanese translations in the application and makes Japanese the
/// default locale (dates and sizes in the file dialogs). False when the translation
/// file is missing; Qt's texts then stay English.
bool installJapaneseUi(QCoreApplication& app);

}  // namespace nuvra::render
