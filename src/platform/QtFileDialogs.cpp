#include "platform/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace {

std::string Choose(QWidget* owner, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, QString(), QString::fromStdString(request.folder),
                       QtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::string QtFileDialogs::ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) {
    return Choose(owner, request, QFileDialog::AcceptOpen);
}

std::string QtFileDialogs::ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) {
    return Choose(owner, request, QFileDialog::AcceptSave);
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
