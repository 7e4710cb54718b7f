#include "app/recent_files.h"

#include <QAction>
#include <QMenu>

#include "app/settings_store.h"
#include "common/cp932.h"
#include "common/ini_profile.h"

namespace nuvra::app {
namespace {

const char* const kKeys[4] = {"FileName1", "FileName2", "FileName3", "FileName4"};

}  // namespace

RecentList updatedRecentList(const RecentList& old, const QString& path) {
    int match = -1;
    for (int k = 0; k < 4; ++k)
        if (old[static_cast<std::size_t>(k)] == path) match = k;
    const int dropped = match >= 0 ? match : 3;
    RecentList out;
    out[0] = path;
    std::size_t next = 1;
    for (int k = 0; k < 4; ++k)
        if (k != dropped) out[next++] = old[static_cast<std::size_t>(k)];
    return out;
}

bool storableInSettings(const QString& path) {
    const QString::size_type chars = path.toUcs4().size();
    return chars <= static_cast<QString::size_type>(CPrivateProfile::kMaxValueChars) &&
           !path.contains(QLatin1Char('\n')) && !path.contains(QLatin1Char('\r')) &&
           toCp932(path.toStdString()).has_value();
}

RecentFiles::RecentFiles(const SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings) {}

void RecentFiles::addMenuItems(QMenu& menu) {
    for (int i = 0; i < 4; ++i) {
        QAction* a = menu.addAction(QStringLiteral("&%1").arg(i + 1));
        a->setObjectName(QStringLiteral("mnuFileName%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { emit openRequested(i); });
        items_[static_cast<std::size_t>(i)] = a;
    }
    rebuildMenuItems();
}

RecentList RecentFiles::read() const {
    RecentList list;
    for (int i = 0; i < 4; ++i)
        list[static_cast<std::size_t>(i)] = entry(i);
    return list;
}

QString RecentFiles::entry(int i) const {
    return settings_.readString("FileName", kKeys[i]);
}

void RecentFiles::UpdateRecentFiles(const QString& path) {
    if (!storableInSettings(path)) {
        rebuildMenuItems();
        return;
    }
    const RecentList list = updatedRecentList(read(), path);
    for (int i = 0; i < 4; ++i)
        settings_.writeString("FileName", kKeys[i], list[static_cast<std::size_t>(i)]);
    rebuildMenuItems();
}

void RecentFiles::rebuildMenuItems() {
    const RecentList list = read();
    for (int i = 0; i < 4; ++i) {
        QAction* a = items_[static_cast<std::size_t>(i)];
        if (!a) continue;
        const QString& path = list[static_cast<std::size_t>(i)];
        if (path.isEmpty()) {
            a->setEnabled(false);
            continue;
        }
        QString shown = path;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));  // not a mnemonic
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        a->setEnabled(true);
    }
}

}  // namespace nuvra::app
