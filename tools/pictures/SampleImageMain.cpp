// Writes the standard test image of sample prints, "Sample.bmp", to the path on the command line.
// The build runs it into bin/, beside the program.
#include <QGuiApplication>
#include <cstdio>

#include "BmpFile.h"
#include "TestImage.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sample_image_generator FILE.bmp\n");
        return 2;
    }
    return WriteBmp24(SampleTestImage(), QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
