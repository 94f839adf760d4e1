#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "config/MediaTable.h"

class DriverSettings;
class MarkCombo;
class Page;
class QComboBox;
class QLineEdit;
class QWidget;
class ServiceApp;

// The media list, paper thickness box and platen gap list of the alignment pages, and the rules
// that tie them together. The controls are children of the page; after every change of media,
// thickness or paper source the page's own enabling rules run through `changed`.
class PaperChoiceControls : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMediaLabel = 1095;
    static constexpr int kMediaList = 1096;
    static constexpr int kThicknessLabel = 1077;
    static constexpr int kThicknessBox = 1098;
    static constexpr int kUnitLabel = 1099;
    static constexpr int kGapLabel = 1140;
    static constexpr int kGapList = 1101;
    // Paper thickness in 0.1 mm.
    static constexpr int32_t kMinThickness = 1;
    static constexpr int32_t kMaxThickness = 16;

    // The page's texts. The gap entries follow firstGap in the order of the gap table.
    struct Texts {
        int32_t mediaLabel;
        int32_t thicknessLabel;
        int32_t unitLabel;
        int32_t gapLabel;
        int32_t firstMedia;
        int32_t firstGap;
        int32_t fillingTitle;  // the progress window's title while the media list fills
    };

    // markGreys: media carrying the mark are grey too. The controls stand in two rows from top.
    PaperChoiceControls(ServiceApp& app, QWidget* page, const Texts& texts, bool markGreys, int top,
                        std::function<void()> changed);

    // Refills the media list when the selected printer is not the one it was filled for, under
    // the wait cursor and a progress window; `meanwhile` runs before that window closes. False
    // when the list was already the printer's.
    bool FillForSelectedPrinter(const std::function<void()>& meanwhile = {});
    // The paper source may have changed: greys the media anew and reruns the rules.
    void PrinterDefaultsChanged();

    // A thickness is given and the media can be aligned on.
    bool AllowsAlignment() const;
    // In 0.1 mm; -1 while the box is empty.
    int32_t Thickness() const;
    // The gap code an alignment job is sent with. The printer must leave the platen gap to the
    // job, else text 80900 is told on the page; a gap that cannot be resolved tells text 901.
    // -1 once told.
    int32_t GapCodeForJob(Page& page);

  private:
    // The chosen gap's code; for the media's own gap, what the printer's data for the media says
    // (0 without a media). -1 when the printer's answer cannot be used.
    int32_t ResolveGapCode();
    DriverSettings OpenDriverSettings();
    const MediaTable& Media() const;
    int32_t SelectedMediaId() const;
    void MarkEntry(int index);
    void SetThicknessText(const QString& text);
    void MediaChanged();
    void ThicknessChanged();

    ServiceApp& app_;
    Texts texts_;
    bool markGreys_;
    std::function<void()> changed_;
    MarkCombo* media_;
    QLineEdit* thickness_;
    QComboBox* gap_;
    std::optional<std::string> filledFor_;
    bool paperSourceKind2_ = false;
    // The page lives as long as the window, so this starts set once per run: the first gap list
    // takes the choice made after an empty thickness.
    bool thicknessWasEmpty_ = true;
    MediaTable noMedia_;
};
