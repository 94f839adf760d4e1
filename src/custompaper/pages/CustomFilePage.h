#pragma once

#include <string>

#include "custompaper/CustomPaperFileEntry.h"
#include "custompaper/pages/CustomPaperEditingPage.h"

class CustomPaperFile;
class MarkCombo;
class QComboBox;
class FileNameBox;
class SliderEdit;

// Page 5: custom paper settings for the printer driver, kept in custom paper files. The user opens
// a file, picks one of its settings or starts a new one, edits it and saves it into a file. The
// only printer traffic is the thickness pattern.
class CustomFilePage : public CustomPaperEditingPage<CustomPaperFileEntry> {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 5;
    static constexpr int kFileName = 1094;
    static constexpr int kBrowseButton = 1001;
    static constexpr int kSettingList = 1068;
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

    CustomFilePage(ServiceApp& app, QWidget* parent);

    int PageActivated() override;

    // The setting the page shows.
    const CustomPaperFileEntry& entry() const { return entry_; }

  protected:
    CustomPaperFileEntry& working() override { return entry_; }
    void MediaSelected() override;

  private:
    void CreateControls();
    void CreateSettingsTab(QWidget* tab);
    void Browse();
    // Item 0, then the settings of the file, with item 0 selected: 0, or -1 when the count or
    // names cannot be read.
    int FillSettingList(const CustomPaperFile& file);
    void SettingSelected();
    void FillModeList();
    void ShowTabs();
    void OpenQualitySamples();
    void OpenDensitySamples();
    void Save();

    const std::string& modelName();

    std::string path_;
    CustomPaperFileEntry entry_;
    FileNameBox* fileName_ = nullptr;
    MarkCombo* settings_ = nullptr;
    QComboBox* modes_ = nullptr;
    SliderEdit* density_ = nullptr;
};
