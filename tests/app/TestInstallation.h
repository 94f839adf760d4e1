#pragma once

#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

// A program folder in a temporary directory with a complete, small "Settings" folder: the seven
// necessary files, a valid media table of two records and the texts the shell shows.
class TestInstallation {
  public:
    TestInstallation();

    std::string ProgramFolder() const { return folder_.path().toStdString(); }
    std::string SettingsPath(const std::string& fileName) const;
    void WriteSettingsFile(const std::string& fileName, const std::string& contents);
    void RemoveSettingsFile(const std::string& fileName);

    static const std::vector<std::string>& NecessaryFiles();

  private:
    QTemporaryDir folder_;
};
