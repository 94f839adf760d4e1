#pragma once

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRect>
#include <QString>
#include <memory>
#include <string>

#include "platform/PrintSetup.h"

class Spooler;

// A printer device context: one document of pages drawn with QPainter into a PDF of the setup's
// paper size, in device units of the setup's resolution, handed to the queue as one PDF job with
// the setup's options when the document ends. A text's font size is in vertical device units, as
// a printer's fonts are; where the two resolutions differ the text keeps its shape.
class PrintCanvas {
  public:
    PrintCanvas(Spooler& spooler, std::string printerName, PrintSetup setup);
    ~PrintCanvas();
    PrintCanvas(const PrintCanvas&) = delete;
    PrintCanvas& operator=(const PrintCanvas&) = delete;

    // The paper's width in device units, and the device units per inch.
    int HorzRes() const;
    int LogPixelsX() const { return setup_.dpiX; }
    int LogPixelsY() const { return setup_.dpiY; }

    // The name is the job's title. 1 when started, -1 when a document is open already.
    int StartDocument(const std::string& name);
    // 1 when a page was started, -1 outside a document or on an open page.
    int StartPage();
    int EndPage();
    // Hands the document to the queue: 1 when the queue took it, -1 otherwise (also when nothing
    // was started).
    int EndDocument();

    // Fonts are sized in pixels. Width of a single-line text in horizontal device units.
    int TextWidth(const QFont& font, const QString& text);
    // One line, bottom-aligned in `box`, not clipped. False outside a page.
    bool DrawText(const QRect& box, const QString& text, const QFont& font);
    // The image stretched to `target`. Drawing the same image object again reuses its one copy in
    // the document, so copies of a picture cost nothing. False outside a page or for an empty
    // image or target.
    bool DrawImage(const QRect& target, const QImage& image);

  private:
    // Horizontal device units per vertical one: the painter's units are horizontal ones.
    double Aspect() const;
    QFont WriterFont(const QFont& font) const;
    QRectF WriterRect(const QRect& box) const;

    Spooler& spooler_;
    std::string printerName_;
    PrintSetup setup_;
    std::string title_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool pageOpen_ = false;
    int pagesStarted_ = 0;
};
