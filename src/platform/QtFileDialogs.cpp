#include "platform/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace {

// "Desc(*.ZCF)|*.ZCF|All Files(*.*)|*.*||" as Qt writes it; "*.*" means every file, as it does
// where such filters come from, also names without a dot.
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[at + 1].split(u';', Qt::SkipEmptyParts)) {
            if (pattern == QStringLiteral("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            patterns << pattern;
            if (pattern.toLower() != pattern) patterns << pattern.toLower();
        }
        filters << parts[at] + " (" + patterns.join(u' ') + ")";
    }
    return filters.join(";;");
}

std::string Choose(QWidget* owner, const std::string& filter, const std::string& defaultExtension,
                   const std::string& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, QString(), QString::fromStdString(folder), QtFilter(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::string QtFileDialogs::ChooseFileToOpen(QWidget* owner, const std::string& filter,
                                            const std::string& defaultExtension,
                                            const std::string& folder) {
    return Choose(owner, filter, defaultExtension, folder, QFileDialog::AcceptOpen);
}

std::string QtFileDialogs::ChooseFileToSave(QWidget* owner, const std::string& filter,
                                            const std::string& defaultExtension,
                                            const std::string& folder) {
    return Choose(owner, filter, defaultExtension, folder, QFileDialog::AcceptSave);
}
