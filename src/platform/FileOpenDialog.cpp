#include "platform/FileOpenDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace {

// "Desc(*.BMP)|*.BMP||" as Qt writes it, each pattern also in lower case, since Linux file names
// are case-sensitive.
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[at + 1].split(u';', Qt::SkipEmptyParts)) {
            patterns << pattern;
            if (pattern.toLower() != pattern) patterns << pattern.toLower();
        }
        filters << parts[at] + " (" + patterns.join(u' ') + ")";
    }
    return filters.join(";;");
}

}  // namespace

std::string FileOpenDialog::Choose(QWidget* owner, const std::string& filter,
                                   const std::string& defaultExtension) {
    if (nextAnswer_) {
        std::string answer = std::move(*nextAnswer_);
        nextAnswer_.reset();
        return answer;
    }
    QFileDialog dialog(owner, QString(), QString(), QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}
