#include "platform/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

std::string QtFileDialogs::ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) {
    QFileDialog dialog(owner, QString(), QString::fromStdString(request.folder),
                       QtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

QString QtFileFilter(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
            .split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[at + 1].split(u';', Qt::SkipEmptyParts)) {
            patterns << pattern;
            if (pattern.toLower() != pattern) patterns << pattern.toLower();
        }
        // Qt shows the patterns itself: a list the description carries would show twice.
        QString description = parts[at];
        if (description.endsWith(u')') && description.contains(u'('))
            description.truncate(description.lastIndexOf(u'('));
        filters << description.trimmed() + " (" + patterns.join(u' ') + ")";
    }
    return filters.join(";;");
}
