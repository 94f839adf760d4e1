#pragma once

#include <QLabel>
#include <string>

// The sunken box in which a custom paper page or dialog shows the name of the file chosen,
// without its folder.
class FileNameBox : public QLabel {
    Q_OBJECT
  public:
    explicit FileNameBox(QWidget* parent);

    void ShowFileOf(const std::string& path);
};
