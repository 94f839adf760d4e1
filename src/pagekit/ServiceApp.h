#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "comm/PrinterLink.h"
#include "pagekit/ControlTables.h"

class Clock;
class CommLibrary;
class CustomPaperSlotTable;
class DriverSettingsLibrary;
class FileDialogs;
class FontCache;
class InkImageStrip;
class MediaTable;
class Messages;
class Spooler;
class TextCatalog;

enum class LaunchMode : int { Normal = 0, Preview = 1, MessageReview = 2 };

// The printer chosen on the main menu.
struct SelectedPrinter {
    std::string printerName;
    std::string driverName;
    std::string portName;
    std::optional<std::vector<uint8_t>> defaults;  // the driver's settings record, when read
};

// The application object: reachable from every page, owns the long-lived objects and the
// platform services. Tests build one with a recorder for messages, a virtual clock and a
// substitute spooler.
class ServiceApp {
  public:
    struct Platform {
        Messages& messages;
        Clock& clock;
        Spooler& spooler;
    };

    ServiceApp(std::string programFolder, Platform platform);
    ~ServiceApp();  // destroys the owned objects in reverse order of creation
    ServiceApp(const ServiceApp&) = delete;
    ServiceApp& operator=(const ServiceApp&) = delete;

    LaunchMode launchMode() const { return launchMode_; }
    bool IsMessageReview() const { return launchMode_ == LaunchMode::MessageReview; }
    // Reads key "Ope" of "Setting_Launch.ini".
    void ReadLaunchMode();

    const std::string& ProgramFolder() const { return programFolder_; }
    std::string SettingsFolder() const;

    // Localization, fonts and manuals.
    QString LoadText(int32_t id) const;
    QFont GetTextFont(int32_t id);
    // The main window's dialog font; entry 999999 is applied to it.
    void SetDefaultFont(const QFont& dialogFont);
    void ApplyTexts(QWidget* window, std::span<const ControlText> table);
    void ApplyFonts(QWidget* window, std::span<const ControlText> table);
    void PlaceControls(QWidget* window, std::span<const ControlRect> table);
    void OpenManual(int page, int topic);
    bool IsSupportedModel(const std::string& name) const;

    // Bitmap resource N (":/bitmap/N"), magenta (255, 0, 255) made transparent.
    QPixmap LoadBitmap(int number) const;
    // The program's icon (":/icon/128") with its 16, 32, 48 and 256 pixel pictures.
    static QIcon WindowIcon();
    // Makes the pictures linked from the static core library visible under ":/"; the
    // application object does it when it is created.
    static void RegisterPictures();

    // The main window, once it exists: the owner of progress windows that name none.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* mainWindow() const { return mainWindow_; }

    SelectedPrinter& selectedPrinter() { return selected_; }

    // Creates the owned objects in order. 0 success; -1 an object could not be created (text 902);
    // -2 the media table is not valid (the fixed missing-file message).
    int CreateOwnedObjects();
    // Media table, communication binding (unloaded first), driver-settings binding, image strip,
    // custom paper store; each only if it exists. Also done by the destructor.
    void DestroyOwnedObjects();
    CustomPaperSlotTable* customPaperSlots() { return customPaperSlots_.get(); }
    InkImageStrip* inkImageStrip() { return inkImageStrip_.get(); }
    MediaTable* mediaTable() { return mediaTable_.get(); }
    CommLibrary* commLibrary() { return commLibrary_.get(); }
    DriverSettingsLibrary* driverSettingsLibrary() { return driverSettingsLibrary_.get(); }

    Messages& messages() { return platform_.messages; }
    Clock& clock() { return platform_.clock; }
    Spooler& spooler() { return platform_.spooler; }
    // The file open and save dialogs: Qt's, unless a test put its own in place (null restores
    // Qt's).
    FileDialogs& fileDialogs();
    void UseFileDialogs(FileDialogs* dialogs) { fileDialogs_ = dialogs; }
    // A link to the printer for one user action, on the application's library and clock.
    PrinterLink Link() { return PrinterLink(commLibrary(), clock()); }

  private:
    Platform platform_;
    std::unique_ptr<FileDialogs> qtFileDialogs_;
    FileDialogs* fileDialogs_ = nullptr;
    LaunchMode launchMode_ = LaunchMode::Normal;
    SelectedPrinter selected_;
    std::string programFolder_;
    std::unique_ptr<TextCatalog> texts_;
    std::unique_ptr<FontCache> fontCache_;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<CustomPaperSlotTable> customPaperSlots_;
    std::unique_ptr<InkImageStrip> inkImageStrip_;
    std::unique_ptr<DriverSettingsLibrary> driverSettingsLibrary_;
    std::unique_ptr<CommLibrary> commLibrary_;
    std::unique_ptr<MediaTable> mediaTable_;
};
