// The settings file (Nuvra.INI) as the program sees it: one path, integer reads with
// default 0, text reads with default empty, text writes whose failure costs nothing but
// the remembered value. The file format itself lives in the core (CPrivateProfile).
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace nuvra::app {

class SettingsStore {
  public:
    explicit SettingsStore(std::string iniPath) : iniPath_(std::move(iniPath)) {}

    const std::string& path() const { return iniPath_; }

    std::int32_t readLong(const char* section, const char* key) const;
    QString readString(const char* section, const char* key) const;
    bool writeString(const char* section, const char* key, const QString& value) const;

    std::int32_t readLong(const QString& section, const char* key) const;
    bool writeString(const QString& section, const char* key, const QString& value) const;

  private:
    std::string iniPath_;
};

}  // namespace nuvra::app
