#pragma once

#include <string>

#include "custompaper/CustomPaperFileEntry.h"
#include "pagekit/Page.h"

class CustomPaperFile;
class CustomPaperMediaList;
class MarkCombo;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class SliderEdit;
class ThicknessPlatenControls;

// Page 5: custom paper settings for the printer driver, kept in custom paper files. The user opens
// a file, picks one of its settings or starts a new one, edits it and saves it into a file. The
// only printer traffic is the thickness pattern.
class CustomFilePage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 5;
    static constexpr int kFileName = 1094;
    static constexpr int kBrowseButton = 1001;
    static constexpr int kSettingList = 1068;
    static constexpr int kMediaList = 1096;
    static constexpr int kMediaSamplesButton = 1097;
    static constexpr int kThicknessEdit = 1098;
    static constexpr int kThicknessPatternButton = 1100;
    static constexpr int kPlatenList = 1101;
    static constexpr int kTabs = 1006;
    static constexpr int kSaveButton = 1102;
    // Tab page A: print settings.
    static constexpr int kModeList = 1108;
    static constexpr int kQualitySamplesButton = 1010;
    static constexpr int kDensitySlider = 1031;
    static constexpr int kDensityEdit = 1033;
    static constexpr int kDensitySamplesButton = 1011;
    static constexpr int kFeedSlider = 1113;
    static constexpr int kFeedEdit = 1114;
    static constexpr int kFeedSamplesButton = 1115;
    static constexpr int kDrySlider = 1119;
    static constexpr int kDryEdit = 1120;
    // Tab page B: paper handling.
    static constexpr int kCutList = 1124;
    static constexpr int kRollerList = 1007;
    static constexpr int kSuctionSlider = 1025;

    CustomFilePage(ServiceApp& app, QWidget* parent);

    int PageActivated() override;
    // The paper source may have changed.
    void PrinterDefaultsChanged() override;

    // The setting the page shows.
    const CustomPaperFileEntry& entry() const { return entry_; }

  private:
    void CreateControls();
    void CreateSettingsTab(QWidget* tab);
    void CreateHandlingTab(QWidget* tab);
    void Browse();
    // Item 0, then the settings of the file, with item 0 selected: 0, or -1 when the count or
    // names cannot be read.
    int FillSettingList(const CustomPaperFile& file);
    void SettingSelected();
    void MediaSelected();
    void FillModeList();
    void ShowTabs();
    void UpdateSampleButtons();
    void OpenMediaSamples();
    void OpenQualitySamples();
    void OpenDensitySamples();
    void OpenFeedSamples();
    void Save();

    const std::string& modelName();

    std::string path_;
    CustomPaperFileEntry entry_;
    QLabel* fileName_ = nullptr;
    MarkCombo* settings_ = nullptr;
    MarkCombo* media_ = nullptr;
    CustomPaperMediaList* mediaList_ = nullptr;
    ThicknessPlatenControls* thickness_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QComboBox* modes_ = nullptr;
    SliderEdit* density_ = nullptr;
    SliderEdit* feed_ = nullptr;
    SliderEdit* dry_ = nullptr;
    QPushButton* qualitySamples_ = nullptr;
    QPushButton* densitySamples_ = nullptr;
    QPushButton* feedSamples_ = nullptr;
    QComboBox* cut_ = nullptr;
    QComboBox* roller_ = nullptr;
    QSlider* suction_ = nullptr;
};
