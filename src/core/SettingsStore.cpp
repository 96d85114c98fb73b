#include "core/SettingsStore.h"

#include <algorithm>
#include <cmath>

#include "core/Numbers.h"

namespace {
QString Path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
}  // namespace

QString SettingsStore::readText(const QString& section, const QString& key,
                                const QString& def) const {
    return read(section, key).value_or(def);
}

int SettingsStore::readInt(const QString& section, const QString& key, int def) const {
    const auto text = read(section, key);
    if (!text) return def;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : def;
}

bool SettingsStore::readBool(const QString& section, const QString& key, bool def) const {
    const auto text = read(section, key);
    if (!text) return def;
    const QString t = text->trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const int value = t.toInt(&ok);
    return ok ? value != 0 : def;
}

void SettingsStore::writeInt(const QString& section, const QString& key, int value) {
    write(section, key, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& key, bool value) {
    write(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::writeDouble(const QString& section, const QString& key, double value) {
    write(section, key, QString::number(value, 'g', 17));
}

double ReadDoubleSetting(const SettingsStore& store, const QString& section, const QString& key,
                         double def) {
    return ConvertToDouble(store.readText(section, key, QString::number(def, 'g', 17)), def);
}

namespace {
QString Section(const char* s) {
    return QString::fromLatin1(s);
}
}  // namespace

bool SettingsStore::get(const settings::Bool& s, bool def) const {
    return readBool(Section(s.section), Section(s.key), def);
}

int SettingsStore::get(const settings::Int& s, int def) const {
    const int value = readInt(Section(s.section), Section(s.key), def);
    if (value >= s.min && value <= s.max) return value;
    return s.outOfRange == settings::OutOfRange::Clamp ? std::clamp(value, s.min, s.max) : def;
}

double SettingsStore::get(const settings::Real& s, double def) const {
    const double value = ReadDoubleSetting(*this, Section(s.section), Section(s.key), def);
    return std::isfinite(value) ? std::clamp(value, s.min, s.max) : def;
}

QString SettingsStore::get(const settings::Text& s) const {
    return get(s, QString::fromUtf8(s.def));
}

QString SettingsStore::get(const settings::Text& s, const QString& def) const {
    return readText(Section(s.section), Section(s.key), def);
}

void SettingsStore::set(const settings::Bool& s, bool value) {
    writeBool(Section(s.section), Section(s.key), value);
}

void SettingsStore::set(const settings::Int& s, int value) {
    writeInt(Section(s.section), Section(s.key), std::clamp(value, s.min, s.max));
}

void SettingsStore::set(const settings::Real& s, double value) {
    writeDouble(Section(s.section), Section(s.key), std::clamp(value, s.min, s.max));
}

void SettingsStore::set(const settings::Text& s, const QString& value) {
    writeText(Section(s.section), Section(s.key), value);
}

std::optional<QString> MemorySettingsStore::read(const QString& section, const QString& key) const {
    const auto s = values_.find(section);
    if (s == values_.end()) return std::nullopt;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

void MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
    values_[section][key] = value;
}

void MemorySettingsStore::remove(const QString& section, const QString& key) {
    const auto s = values_.find(section);
    if (s != values_.end()) s->second.erase(key);
}

QStringList MemorySettingsStore::keys(const QString& section) const {
    QStringList out;
    const auto s = values_.find(section);
    if (s != values_.end())
        for (const auto& [k, v] : s->second) out << k;
    return out;
}

IniSettingsStore::IniSettingsStore(const QString& directory) {
    if (directory.isEmpty())
        settings_ =
            std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                        QStringLiteral("Tarnwick"), QStringLiteral("Orbivale"));
    else
        settings_ = std::make_unique<QSettings>(
            directory + QStringLiteral("/Tarnwick/Orbivale.ini"), QSettings::IniFormat);
}

IniSettingsStore::~IniSettingsStore() {
    settings_->sync();
}

std::optional<QString> IniSettingsStore::read(const QString& section, const QString& key) const {
    const QVariant v = settings_->value(Path(section, key));
    if (!v.isValid()) return std::nullopt;
    // A value QSettings parsed as a list (it contained commas) is joined back into its text.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(Path(section, key), value);
}

void IniSettingsStore::remove(const QString& section, const QString& key) {
    settings_->remove(Path(section, key));
}

QStringList IniSettingsStore::keys(const QString& section) const {
    settings_->beginGroup(section);
    const QStringList out = settings_->childKeys();
    settings_->endGroup();
    return out;
}

void IniSettingsStore::sync() {
    settings_->sync();
}

QString IniSettingsStore::fileName() const {
    return settings_->fileName();
}
