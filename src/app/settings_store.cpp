#include "app/settings_store.h"

#include "common/ini_profile.h"

namespace nuvra::app {

std::int32_t SettingsStore::readLong(const char* section, const char* key) const {
    return CPrivateProfile::GetValueLong(iniPath_, section, key);
}

QString SettingsStore::readString(const char* section, const char* key) const {
    return QString::fromStdString(CPrivateProfile::GetValueString(iniPath_, section, key));
}

bool SettingsStore::writeString(const char* section, const char* key, const QString& value) const {
    return CPrivateProfile::SetValueString(iniPath_, section, key, value.toStdString());
}

std::int32_t SettingsStore::readLong(const QString& section, const char* key) const {
    return readLong(section.toStdString().c_str(), key);
}

bool SettingsStore::writeString(const QString& section, const char* key,
                                const QString& value) const {
    return writeString(section.toStdString().c_str(), key, value);
}

}  // namespace nuvra::app
