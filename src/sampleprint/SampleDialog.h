#pragma once

#include <QDialog>
#include <QSize>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "custompaper/CustomPaperFileEntry.h"
#include "custompaper/CustomPaperSlot.h"
#include "driversettings/DriverMediaList.h"
#include "pagekit/ControlTables.h"
#include "sampleprint/SampleLabels.h"
#include "sampleprint/SampleRun.h"

class QLabel;
class QPushButton;
class QRadioButton;
class ServiceApp;

// The custom paper setting a detail dialog samples: a custom paper file entry (custom file page)
// or a printer slot (registration page). The dialog keeps its own copy: it only prints.
using SampleReference = std::variant<CustomPaperFileEntry, CustomPaperSlot>;

// What tells the detail dialogs apart besides their own controls.
struct SampleDialogLayout {
    // The texts of the shared controls stand at fixed offsets from the title's.
    int32_t titleText;
    // The shared controls stand at the foot of the dialog.
    QSize size;
    // The dialog's own controls.
    std::span<const ControlText> texts;
    std::span<const ControlRect> rects;
    // The manual's section and item of the help button.
    int helpSection;
    int helpItem;
    // Settings store values that remember the image choice and the user's image.
    const char* choiceValue;
    const char* pathValue;
};

// The part the four detail dialogs share: the Sample Print button, the choice of test image
// (standard or the user's file, remembered in the settings store), help and Close. A dialog is
// opened modally by its page and returns nothing.
class SampleDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kSamplePrint = 1145;
    static constexpr int kImageGroup = 1155;
    static constexpr int kStandardImage = SampleRun::kStandardImage;
    static constexpr int kUserImage = SampleRun::kUserImage;
    static constexpr int kImageName = 1153;
    static constexpr int kBrowse = 1001;
    static constexpr int kHelp = 1003;
    static constexpr int kClose = 2;

    // The file dialog of "Browse...", where a test sets its next answer.
    // The user image path the next sample print uses.
    const std::string& userImagePath() const { return userImagePath_; }

  protected:
    SampleDialog(ServiceApp& app, SampleReference reference, QWidget* parent);

    // Dresses the dialog's own controls and the shared ones, and reads the remembered image
    // choice.
    void Start(const SampleDialogLayout& layout);
    ServiceApp& app() { return app_; }
    const CustomPaperFileEntry* entry() const {
        return std::get_if<CustomPaperFileEntry>(&reference_);
    }
    const CustomPaperSlot* slot() const { return std::get_if<CustomPaperSlot>(&reference_); }
    QPushButton* sampleButton() const { return samplePrint_; }
    // The selected printer's driver media, held for the dialog's life.
    const DriverMediaList& driverMedia() const { return driverMedia_; }

    // The label line of the reference; `mediaId` names the media.
    SampleLabels ReferenceLabels(int32_t mediaId) const;
    // The media adjustment bytes of the reference.
    AdjustmentFiller ReferenceFiller() const;
    // The text of a text id as labels use it.
    std::string Text(int32_t id) const;
    // Prints the samples with the chosen image; one page alone is printed without grouping.
    void Print(const std::vector<SampleSpec>& samples, bool onePage = false);

    // The dialog's Sample Print: builds its samples and prints them.
    virtual void PrintSamples() = 0;

    void showEvent(QShowEvent* event) override;

  private:
    void CreateImageControls();
    void Dress(std::span<const ControlRect> rects, std::span<const ControlText> texts);
    void ChooseImage(bool user);
    void Browse();

    ServiceApp& app_;
    SampleReference reference_;
    DriverMediaList driverMedia_;
    SampleDialogLayout layout_{};
    std::string userImagePath_;
    QPushButton* samplePrint_;
    QRadioButton* standardImage_;
    QRadioButton* userImage_;
    QLabel* imageName_;
    QPushButton* browse_;
};
