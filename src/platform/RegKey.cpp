#include "platform/RegKey.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {

QString SubkeyGroup(const QString& parent, const std::string& subkey) {
    QString group = parent;
    QString sub = QString::fromStdString(subkey);
    sub.replace(u'\\', u'/');
    if (!sub.isEmpty()) group += (group.isEmpty() ? QString() : QStringLiteral("/")) + sub;
    return group;
}

// The file of a key path and the group inside it; null for a path of fewer than two parts.
std::unique_ptr<QSettings> StoreFile(RegRoot root, const std::string& path, QString& group) {
    QStringList parts =
        QString::fromStdString(path).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    if (parts.size() < 2) return nullptr;
    const auto scope = root == RegRoot::CurrentUser ? QSettings::UserScope : QSettings::SystemScope;
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, scope, parts[0], parts[1]);
    // The user's tree must not borrow machine-wide values behind the caller's back.
    settings->setFallbacksEnabled(false);
    // Parse every section now: Qt parses INI sections lazily and, asked for the subgroups of a
    // group without values of its own, misses the sections below it.
    settings->allKeys();
    group = parts.mid(2).join(u'/');
    return settings;
}

}  // namespace

RegKey::RegKey() = default;
RegKey::~RegKey() = default;

bool RegKey::Open(RegRoot root, const std::string& path, bool enumerateOnly) {
    Close();
    QString group;
    auto settings = StoreFile(root, path, group);
    if (!settings) return false;
    if (enumerateOnly) {
        if (!QFileInfo::exists(settings->fileName())) return false;
        settings->beginGroup(group);
        const bool exists = !settings->childGroups().isEmpty() || !settings->childKeys().isEmpty();
        settings->endGroup();
        if (!exists) return false;
    }
    settings_ = std::move(settings);
    group_ = group;
    enumerateOnly_ = enumerateOnly;
    writable_ = !enumerateOnly && root == RegRoot::CurrentUser;
    return true;
}

void RegKey::Close() {
    settings_.reset();
    group_.clear();
    writable_ = false;
    enumerateOnly_ = false;
}

int RegKey::Write(const std::string& subkey, const std::string& name, const QVariant& value) {
    if (!settings_) return kNotOpen;
    if (!writable_) return kAccessDenied;
    settings_->beginGroup(SubkeyGroup(group_, subkey));
    settings_->setValue(QString::fromStdString(name), value);
    settings_->endGroup();
    settings_->sync();
    return settings_->status() == QSettings::NoError ? kSuccess : kAccessDenied;
}

int RegKey::WriteString(const std::string& subkey, const std::string& name,
                        const std::string& value) {
    return Write(subkey, name, QString::fromStdString(value));
}

int RegKey::WriteNumber(const std::string& subkey, const std::string& name, int32_t value) {
    return Write(subkey, name, value);
}

std::string RegKey::ReadString(const std::string& subkey, const std::string& name,
                               const std::string& defaultValue) const {
    if (!settings_ || enumerateOnly_) return defaultValue;
    settings_->sync();
    const QVariant value =
        settings_->value(SubkeyGroup(group_, subkey) + u'/' + QString::fromStdString(name));
    if (!value.isValid() || !value.canConvert<QString>()) return defaultValue;
    return value.toString().left(kMaxStringLength).toStdString();
}

int32_t RegKey::ReadNumber(const std::string& subkey, const std::string& name,
                           int32_t defaultValue) const {
    if (!settings_ || enumerateOnly_) return defaultValue;
    settings_->sync();
    const QVariant value =
        settings_->value(SubkeyGroup(group_, subkey) + u'/' + QString::fromStdString(name));
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > INT32_MAX) return defaultValue;
    return static_cast<int32_t>(number);
}

int RegKey::SubkeyName(int index, std::string& name) const {
    name.clear();
    if (!settings_) return kNotOpen;
    settings_->beginGroup(group_);
    const QStringList groups = settings_->childGroups();
    settings_->endGroup();
    if (index < 0 || index >= groups.size()) return kNoMoreItems;
    name = groups[index].left(kMaxStringLength).toStdString();
    return kSuccess;
}

bool RegKey::StoreFileExists(RegRoot root, const std::string& path) {
    QString group;
    const auto settings = StoreFile(root, path, group);
    return settings && QFileInfo::exists(settings->fileName());
}

void RegKey::SetStoreFolders(const QString& userFolder, const QString& machineFolder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, machineFolder);
}
