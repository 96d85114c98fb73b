#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

#include "core/Settings.h"

// The per-user settings: sections of named values, every value held as text ("0"/"1"
// booleans, decimal integers and reals). Reading a missing or malformed value gives the
// caller's default.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual std::optional<QString> read(const QString& section, const QString& key) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual void remove(const QString& section, const QString& key) = 0;
    virtual QStringList keys(const QString& section) const = 0;
    virtual void sync() {}

    QString readText(const QString& section, const QString& key, const QString& def) const;
    int readInt(const QString& section, const QString& key, int def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;

    void writeText(const QString& section, const QString& key, const QString& value) {
        write(section, key, value);
    }
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void writeDouble(const QString& section, const QString& key, double value);

    // Through the settings table: a missing or malformed value gives the default (or the
    // caller's, where the reader's default depends on the moment); numbers are held to
    // the table's range.
    bool get(const settings::Bool& s) const { return get(s, s.def); }
    bool get(const settings::Bool& s, bool def) const;
    int get(const settings::Int& s) const { return get(s, s.def); }
    int get(const settings::Int& s, int def) const;
    double get(const settings::Real& s) const { return get(s, s.def); }
    double get(const settings::Real& s, double def) const;
    QString get(const settings::Text& s) const;
    QString get(const settings::Text& s, const QString& def) const;
    void set(const settings::Bool& s, bool value);
    void set(const settings::Int& s, int value);
    void set(const settings::Real& s, double value);
    void set(const settings::Text& s, const QString& value);
};

// Reads the key as text (the default written as text) and converts it with ConvertToDouble.
double ReadDoubleSetting(const SettingsStore& store, const QString& section, const QString& key,
                         double def);

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<QString> read(const QString& section, const QString& key) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;
    QStringList keys(const QString& section) const override;

  private:
    std::map<QString, std::map<QString, QString>> values_;
};

// The INI file "Tarnwick/Orbivale.ini" in the per-user configuration folder, or in the
// given folder instead.
class IniSettingsStore : public SettingsStore {
  public:
    explicit IniSettingsStore(const QString& directory = QString());
    ~IniSettingsStore() override;

    std::optional<QString> read(const QString& section, const QString& key) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;
    QStringList keys(const QString& section) const override;
    void sync() override;

    QString fileName() const;

  private:
    std::unique_ptr<QSettings> settings_;
};
