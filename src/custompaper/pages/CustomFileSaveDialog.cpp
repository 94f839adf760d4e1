#include "custompaper/pages/CustomFileSaveDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <filesystem>

#include "custompaper/CustomPaperFile.h"
#include "custompaper/CustomPaperFileListing.h"
#include "custompaper/CustomPaperFolder.h"
#include "custompaper/pages/CustomFileRequest.h"
#include "custompaper/pages/CustomPaperControls.h"
#include "custompaper/pages/FileNameBox.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"

namespace {

constexpr QSize kSize(382, 189);
constexpr int kFileLabel = 1093;
constexpr int kNameLabel = 1067;

constexpr int32_t kTitle = 50600;
constexpr int32_t kFileTitle = 50601;
constexpr int32_t kNameTitle = 50602;
constexpr int32_t kOtherModel = 50900;
constexpr int32_t kNameExists = 50902;
constexpr int32_t kNotSaved = 50903;

constexpr std::array<ControlText, 7> kTexts = {{
    {kFileLabel, kFileTitle},
    {CustomFileSaveDialog::kFileName, -1},
    {CustomFileSaveDialog::kBrowseButton, 50652},
    {kNameLabel, kNameTitle},
    {CustomFileSaveDialog::kNameEdit, -1},
    {PageDialog::kOk, 50650},
    {PageDialog::kCancel, 50651},
}};

constexpr std::array<ControlRect, 7> kRects = {{
    {kFileLabel, 20, 24, 120, 42},
    {CustomFileSaveDialog::kFileName, 125, 22, 262, 44},
    {CustomFileSaveDialog::kBrowseButton, 270, 20, 362, 46},
    {kNameLabel, 20, 70, 120, 88},
    {CustomFileSaveDialog::kNameEdit, 125, 68, 362, 90},
    {PageDialog::kOk, 170, 144, 262, 170},
    {PageDialog::kCancel, 270, 144, 362, 170},
}};

}  // namespace

CustomFileSaveDialog::CustomFileSaveDialog(ServiceApp& app, std::string path,
                                           CustomPaperFileEntry& entry, QWidget* page)
    : PageDialog(app, kTitle, kSize, page),
      entry_(entry),
      path_(std::move(path)),
      fileName_(AddNamed<FileNameBox>(app, this, kFileName, kFileTitle)) {
    AddNameBox(kNameEdit, kNameTitle, static_cast<int>(CustomPaperFile::kNameLength));
    AddLabel(this, kFileLabel);
    QPushButton* browse = AddButton(this, kBrowseButton);
    AddLabel(this, kNameLabel);
    nameBox()->setText(QString::fromStdString(entry_.customName));
    Dress(kRects, kTexts);
    ShowPath();
    UpdateOk();
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    connect(nameBox(), &QLineEdit::textChanged, this, [this] { UpdateOk(); });
}

const std::string& CustomFileSaveDialog::modelName() {
    return app().selectedPrinter().driverName;
}

void CustomFileSaveDialog::Browse() {
    const std::string chosen = app().fileDialogs().ChooseFileToSave(this, CustomFileRequest());
    if (chosen.empty()) return;
    std::error_code error;
    if (std::filesystem::exists(chosen, error) &&
        CustomPaperFile().Open(chosen, modelName()) != 0) {
        Tell(kOtherModel, MessageIcon::Warning);
        return;
    }
    path_ = chosen;
    ShowPath();
    UpdateOk();
}

void CustomFileSaveDialog::ShowPath() {
    fileName_->ShowFileOf(path_);
}

void CustomFileSaveDialog::UpdateOk() {
    okButton()->setEnabled(!path_.empty() && HasName());
}

void CustomFileSaveDialog::accept() {
    if (!okButton()->isEnabled()) return;
    entry_.customName = nameBox()->text().toStdString();
    CustomPaperFile file;
    bool replaces = false;
    int k = 0;
    {
        const WaitCursor cursor;
        k = FindSaveEntry(file, path_, modelName(), entry_.customName, replaces);
    }
    if (k < 1) {
        Tell(k == -1 ? kOtherModel : kNotSaved, MessageIcon::Warning);
        return;
    }
    if (replaces &&
        Tell(kNameExists, MessageIcon::Warning, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    int written = -1;
    {
        const WaitCursor cursor;
        written = file.Write(path_, modelName(), k, entry_);
    }
    if (written != 0) {
        Tell(kNotSaved, MessageIcon::Warning);
        return;
    }
    SettingsStore store;
    RememberCustomPaperFolder(store, path_);
    PageDialog::accept();
}
