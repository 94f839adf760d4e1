#include "pagekit/ServiceApp.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "comm/CommLibrary.h"
#include "config/FontCache.h"
#include "config/KeyValueFile.h"
#include "config/ManualPath.h"
#include "config/MediaTable.h"
#include "config/SettingsFolder.h"
#include "config/SupportedModels.h"
#include "config/TextCatalog.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/InkImageStrip.h"
#include "platform/DesktopOpener.h"
#include "platform/QtFileDialogs.h"

ServiceApp::ServiceApp(std::string programFolder, Platform platform)
    : platform_(platform),
      qtFileDialogs_(std::make_unique<QtFileDialogs>()),
      programFolder_(std::move(programFolder)),
      texts_(std::make_unique<TextCatalog>(SettingsFolder())),
      fontCache_(std::make_unique<FontCache>(SettingsFolder())) {
    RegisterPictures();
}

ServiceApp::~ServiceApp() {
    DestroyOwnedObjects();
}

void ServiceApp::ReadLaunchMode() {
    const std::string value = ReadSettingValue(SettingsFolder(), SettingsFile::kLaunch, "Ope");
    if (value == "P") {
        launchMode_ = LaunchMode::Preview;
    } else if (value == "U") {
        launchMode_ = LaunchMode::MessageReview;
    } else {
        launchMode_ = LaunchMode::Normal;
    }
}

FileDialogs& ServiceApp::fileDialogs() {
    return fileDialogs_ != nullptr ? *fileDialogs_ : *qtFileDialogs_;
}

std::string ServiceApp::SettingsFolder() const {
    return SettingsFolderOf(programFolder_);
}

QString ServiceApp::LoadText(int32_t id) const {
    return QString::fromStdString(texts_->LoadText(id));
}

QFont ServiceApp::GetTextFont(int32_t id) {
    return fontCache_->GetTextFont(id);
}

void ServiceApp::SetDefaultFont(const QFont& dialogFont) {
    const QScreen* screen = mainWindow_ ? mainWindow_->screen() : QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
    fontCache_->SetDefaultFont(dialogFont, dpi);
}

void ServiceApp::ApplyTexts(QWidget* window, std::span<const ControlText> table) {
    ::ApplyTexts(window, table, *texts_);
}

void ServiceApp::ApplyFonts(QWidget* window, std::span<const ControlText> table) {
    ::ApplyFonts(window, table, *fontCache_);
}

void ServiceApp::PlaceControls(QWidget* window, std::span<const ControlRect> table) {
    ::PlaceControls(window, table);
}

void ServiceApp::OpenManual(int page, int topic) {
    DesktopOpener::OpenFile(ManualPath(programFolder_, page, topic));
}

bool ServiceApp::IsSupportedModel(const std::string& name) const {
    return ::IsSupportedModel(SettingsFolder(), name);
}

QPixmap ServiceApp::LoadBitmap(int number) const {
    QPixmap pixmap(QStringLiteral(":/bitmap/%1").arg(number));
    if (!pixmap.isNull()) {
        pixmap.setMask(pixmap.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
    }
    return pixmap;
}

QIcon ServiceApp::WindowIcon() {
    RegisterPictures();
    QIcon icon;
    for (const char* size : {"-16", "-32", "-48", ""}) {
        icon.addFile(QStringLiteral(":/icon/128%1").arg(QLatin1String(size)));
    }
    return icon;
}

void ServiceApp::RegisterPictures() {
    // A static library's resource object is only linked when something refers to it.
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace {
constexpr int kAlignmentImageStrip = 171;
}  // namespace

int ServiceApp::CreateOwnedObjects() {
    customPaperSlots_ = std::make_unique<CustomPaperSlotTable>();
    inkImageStrip_ = std::make_unique<InkImageStrip>();
    if (!inkImageStrip_->Load(LoadBitmap(kAlignmentImageStrip))) return -1;
    driverSettingsLibrary_ = std::make_unique<DriverSettingsLibrary>(platform_.spooler);
    commLibrary_ = std::make_unique<CommLibrary>(platform_.spooler);
    mediaTable_ = std::make_unique<MediaTable>(SettingsFolder());
    return mediaTable_->IsValid() ? 0 : -2;
}

void ServiceApp::DestroyOwnedObjects() {
    mediaTable_.reset();
    if (commLibrary_) {
        commLibrary_->Unload();
        commLibrary_.reset();
    }
    driverSettingsLibrary_.reset();
    inkImageStrip_.reset();
    customPaperSlots_.reset();
}
