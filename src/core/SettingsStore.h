#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

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
