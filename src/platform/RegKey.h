#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

class QSettings;
class QVariant;

enum class RegRoot { CurrentUser, LocalMachine };

// A key of the settings store. The store is INI files of QSettings: a key path "A\B\C\D" lives in
// the file "B.ini" of folder "A" of the root's scope (the user's ~/.config, the machine's
// /etc/xdg), as group "C/D". Every read and write opens its subkey afresh; the object keeps only
// the parent key. Failures are silent: reads give the caller's default.
class RegKey {
  public:
    static constexpr int kSuccess = 0;
    static constexpr int kNoMoreItems = 259;
    static constexpr int kNotOpen = 6;
    static constexpr int kAccessDenied = 5;
    static constexpr int kMaxStringLength = 259;

    RegKey();
    ~RegKey();
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // enumerateOnly: the key must exist and can only be listed. Otherwise it is opened or created,
    // read-write in the user's root and read-only in the machine's.
    bool Open(RegRoot root, const std::string& path, bool enumerateOnly);
    bool IsOpen() const { return settings_ != nullptr; }
    void Close();

    int WriteString(const std::string& subkey, const std::string& name, const std::string& value);
    int WriteNumber(const std::string& subkey, const std::string& name, int32_t value);
    std::string ReadString(const std::string& subkey, const std::string& name,
                           const std::string& defaultValue) const;
    int32_t ReadNumber(const std::string& subkey, const std::string& name,
                       int32_t defaultValue) const;
    // The name of the subkey at a 0-based index; kNoMoreItems past the last one.
    int SubkeyName(int index, std::string& name) const;

    // Whether the INI file that holds the key path exists at all.
    static bool StoreFileExists(RegRoot root, const std::string& path);

    // Points both scopes at other folders (Qt's setting is process-wide); tests use it so that
    // they never touch the real home or /etc.
    static void SetStoreFolders(const QString& userFolder, const QString& machineFolder);

  private:
    int Write(const std::string& subkey, const std::string& name, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
    QString group_;
    bool writable_ = false;
    bool enumerateOnly_ = false;
};
