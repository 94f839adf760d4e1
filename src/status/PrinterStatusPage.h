#pragma once

#include <memory>

#include "pagekit/Page.h"
#include "status/StatusSheets.h"

class TextViewer;

// Page 6: the jobs the printer remembers, read over the channel and shown in a text viewer of
// their own, and the three sheets the printer prints of itself.
class PrinterStatusPage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 6;

    PrinterStatusPage(ServiceApp& app, QWidget* parent);
    ~PrinterStatusPage() override;

    int PageActivated() override;
    void PageDeactivated() override;

    // The actions of the page's buttons.
    void DisplayJobs();
    void PrintSheet(StatusSheet sheet);

    TextViewer& viewer() { return *viewer_; }

  private:
    void CreateControls();
    void ShowInViewer(const QString& text);

    // A window of its own, not a child of the main window, so it can stay beside it.
    std::unique_ptr<TextViewer> viewer_;
};
