// Writes the program's pictures and their resource file into the folder given on the command
// line (the repository's resources/).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "Artwork.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_generator RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath("bitmap");
    folder.mkpath("icon");

    const std::map<int, QImage> bitmaps{
        {146, ProductPicture(480, 200, 24)},
        {149, ButtonPicture(Glyph::AutoAdjustment)},
        {150, ButtonPicture(Glyph::BidirectionalAlignment)},
        {151, ButtonPicture(Glyph::CustomPaperCall)},
        {152, ButtonPicture(Glyph::CustomFile)},
        {153, ButtonPicture(Glyph::HeadCleaning)},
        {154, ButtonPicture(Glyph::Registration)},
        {155, ButtonPicture(Glyph::Status)},
        {156, ButtonPicture(Glyph::UnidirectionalAlignment)},
        {157, ButtonPicture(Glyph::Firmware)},
        {159, ButtonPicture(Glyph::CleaningButton)},
        {160, ButtonPicture(Glyph::NozzleCheckButton)},
        {163, PageIconStrip()},
        {166, PrinterPicture()},
        {170, ProgressFrames()},
        {171, InkSlotStrip()},
        {173, ProductPicture(480, 240, 42)},
        {175, Banner(true)},
        {179, Banner(false)},
    };
    QFile qrc(folder.filePath("pictures.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/bitmap\">\n";
    for (const auto& [number, image] : bitmaps) {
        const QString file = QStringLiteral("bitmap/%1.png").arg(number);
        if (!image.save(folder.filePath(file))) return 1;
        out << "    <file alias=\"" << number << "\">" << file << "</file>\n";
    }
    out << "  </qresource>\n  <qresource prefix=\"/icon\">\n";
    for (const int size : {16, 32, 48, 256}) {
        const QString file = QStringLiteral("icon/128-%1.png").arg(size);
        if (!WindowIcon(size).save(folder.filePath(file))) return 1;
        const QString alias =
            size == 256 ? QStringLiteral("128") : QStringLiteral("128-%1").arg(size);
        out << "    <file alias=\"" << alias << "\">" << file << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    return 0;
}
