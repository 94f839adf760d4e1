#include "TestInstallation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

TestInstallation::TestInstallation() {
    EXPECT_TRUE(folder_.isValid());
    QDir(folder_.path()).mkdir("Settings");
    WriteSettingsFile("Printer.ini", "PRINTER_NUM=1\nPRINTER1=ZENTA Corvid 4000\n");
    WriteSettingsFile("L_Refer.ini", "");
    WriteSettingsFile("Localize.ini",
                      "00000000=Servato 2\n00000900=Quit?\n00000901=Not ready\n"
                      "00000902=Internal error\n00000904=No printer\n00000905=No monitor\n"
                      "00000906=Wrong model\n00010200=Working, please wait\n"
                      "00010250=Cancel\n00060251=Copy\n");
    WriteSettingsFile("L_Const.ini", "");
    WriteSettingsFile("L_Font.ini", "");
    WriteSettingsFile("Manual.ini", "");
    WriteSettingsFile("Media.ini",
                      "MEDIA_NUM=2\n"
                      "MEDIA01=1,0,0,1,0,0,0,1,5,1,720,720,2,1440,1440,-1,0,0,-1,0,0\n"
                      "MEDIA02=2,1,0,2,0,0,1,2,3,1,720,720,-1,0,0,-1,0,0,-1,0,0\n");
}

const std::vector<std::string>& TestInstallation::NecessaryFiles() {
    static const std::vector<std::string> files{"Printer.ini", "L_Refer.ini", "Localize.ini",
                                                "L_Const.ini", "L_Font.ini",  "Manual.ini",
                                                "Media.ini"};
    return files;
}

std::string TestInstallation::SettingsPath(const std::string& fileName) const {
    return folder_.filePath(QString::fromStdString("Settings/" + fileName)).toStdString();
}

void TestInstallation::WriteSettingsFile(const std::string& fileName, const std::string& contents) {
    QFile file(QString::fromStdString(SettingsPath(fileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents.data(), static_cast<qint64>(contents.size()));
}

void TestInstallation::RemoveSettingsFile(const std::string& fileName) {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(SettingsPath(fileName))));
}
