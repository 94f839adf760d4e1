#pragma once

#include <cstdint>
#include <vector>

#include "custompaper/CustomPaperChoices.h"
#include "custompaper/CustomPaperFileEntry.h"
#include "custompaper/CustomPaperSlot.h"
#include "pagekit/Page.h"

class CustomPaperMediaList;
class MarkCombo;
class QComboBox;
class QPushButton;
class QSlider;
class QTabWidget;
class SliderEdit;
class ThicknessPlatenControls;

// What the controls the editing pages share show on one page, and where they stand.
struct EditingPageLayout {
    // The media list's top; the thickness and platen rows and the tab control follow under it.
    int paperRowsTop;
    int32_t mediaTitle;
    int32_t mediaSamplesText;
    int32_t thicknessTitle;
    int32_t thicknessUnitText;
    int32_t patternText;
    int32_t platenTitle;
    // Told once the thickness pattern is sent.
    int32_t patternSent;
    // The paper feed row's own controls: slider, number box and samples button.
    int feedSlider;
    int feedEdit;
    int feedSamplesButton;
    // A row's scale texts follow its title.
    int32_t feedTitle;
    int32_t feedSamplesText;
    int32_t dryTitle;
    // The slider tops of the two rows on their tab page.
    int feedTop;
    int dryTop;
    int cutLabel;
    int32_t cutTitle;
    int32_t rollerTitle;
    int suctionLabel;
    int32_t suctionTitle;
    // The platen, cut and roller items and the suction ticks.
    CustomPaperChoiceTexts choices;
};

// A page that edits one custom paper setting, kept as a `Setting`: a custom paper file entry or a
// printer slot. Both pages show the media list, the paper thickness box and the platen gap list
// above a tab control, whose pages hold the paper feed and drying rows and the cut, roller and
// suction controls; every value these come to show goes into the setting at once.
template <typename Setting>
class CustomPaperEditingPage : public Page {
  public:
    static constexpr int kMediaList = 1096;
    static constexpr int kMediaSamplesButton = 1097;
    static constexpr int kThicknessEdit = 1098;
    static constexpr int kThicknessPatternButton = 1100;
    static constexpr int kPlatenList = 1101;
    static constexpr int kTabs = 1006;
    static constexpr int kDrySlider = 1119;
    static constexpr int kDryEdit = 1120;
    static constexpr int kCutList = 1124;
    static constexpr int kRollerList = 1007;

    // The paper source may have changed.
    void PrinterDefaultsChanged() override;

  protected:
    CustomPaperEditingPage(ServiceApp& app, int pageNumber, int height,
                           const EditingPageLayout& layout, QWidget* parent);

    // The setting the controls edit.
    virtual Setting& working() = 0;
    // After the user chose another media type.
    virtual void MediaSelected() = 0;
    // The feed row's samples button.
    virtual void OpenFeedSamples();

    // The media, thickness and platen rows, then the tab control under them.
    void AddPaperRowsAndTabs();
    QWidget* AddTab(int32_t captionText);
    void AddFeedAndDryRows(QWidget* tab);
    // The cut, roller and suction controls at the top of the tab page.
    void AddHandlingRows(QWidget* tab);
    // The button is enabled only while the selected media may be sampled.
    void AddSamplesButton(QPushButton* button);
    void UpdateSampleButtons();
    // The media's own thickness, when the driver knows one, as if typed.
    void ProposeThicknessOf(int32_t mediaId);
    // `shown` is a copy: the controls store into the working setting as they change.
    void ShowSharedFields(const Setting& shown);
    // Shows and stores roller 0, whatever the list showed before.
    void ResetRoller();

    MarkCombo* media_ = nullptr;
    CustomPaperMediaList* mediaList_ = nullptr;
    ThicknessPlatenControls* thickness_ = nullptr;
    SliderEdit* feed_ = nullptr;
    SliderEdit* dry_ = nullptr;
    QComboBox* cut_ = nullptr;
    QComboBox* roller_ = nullptr;
    QSlider* suction_ = nullptr;

  private:
    void OpenMediaSamples();

    EditingPageLayout layout_;
    QTabWidget* tabs_ = nullptr;
    std::vector<QPushButton*> samplesButtons_;
};

extern template class CustomPaperEditingPage<CustomPaperFileEntry>;
extern template class CustomPaperEditingPage<CustomPaperSlot>;
