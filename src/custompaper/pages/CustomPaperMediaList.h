#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <string>

#include "config/MediaTable.h"

class DriverSettings;
class MarkCombo;
class ServiceApp;

// The media type list of the custom paper pages: the driver's media that the media table knows,
// in the driver's order, each item carrying its media id. With cut sheet feeding a media whose
// variant-1 record is marked is greyed and cannot be chosen. A registered slot whose media the
// list lacks shows a placeholder item of id 0 until a real media type is chosen.
class CustomPaperMediaList : public QObject {
    Q_OBJECT
  public:
    CustomPaperMediaList(ServiceApp& app, MarkCombo* combo);

    // Rebuilds the list with item 0 selected when the selected printer is not the one it was
    // built for (true), else only greys the items anew (false). Selects nothing through the
    // list's signals.
    bool RebuildForSelectedPrinter();
    // The paper source may have changed.
    void ApplyGreyRule();

    int32_t SelectedId() const;
    // Selects the item of `mediaId` without its signals; false when the list has none.
    bool Select(int32_t mediaId);
    // Selects item 0 without its signals, when there is one.
    void SelectFirst();
    void AddPlaceholder(int32_t textId);
    void RemovePlaceholder();
    // The selected media may be sampled: it is a real one and the paper source can take it.
    bool AllowsSamples() const;

    // Tells the driver the media was chosen: the media's default paper thickness, or none.
    std::optional<int32_t> ChooseInDriver(int32_t mediaId);
    // The driver's ink layout text.
    std::string InkLayout();

  private:
    DriverSettings OpenDriverSettings();
    const MediaTable& Media() const;
    void MarkItem(int index);

    ServiceApp& app_;
    MarkCombo* combo_;
    std::optional<std::string> builtFor_;
    bool cutSheetFeeding_ = false;
    MediaTable noMedia_;
};
