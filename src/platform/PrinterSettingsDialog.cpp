#include "platform/PrinterSettingsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace {

const std::vector<std::string> kShownOptions = {"PageSize", "MediaType", "InputSlot", "Resolution"};

QString ChoiceLabel(const QueueOption& option) {
    for (const QueueOption::Choice& choice : option.choices) {
        if (choice.keyword == option.defaultChoice) return QString::fromStdString(choice.label);
    }
    return QString::fromStdString(option.defaultChoice);
}

}  // namespace

PrinterSettingsDialog::PrinterSettingsDialog(QWidget* owner, const QString& title,
                                             const std::vector<QueueOption>& options)
    : QDialog(owner) {
    setWindowTitle(title);
    setAccessibleName(title);
    auto* form = new QFormLayout(this);
    for (const QueueOption& option : options) {
        auto* value = new QLabel(ChoiceLabel(option), this);
        value->setAccessibleName(QString::fromStdString(option.label));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromStdString(option.label), value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void PrinterSettingsDialog::Edit(QWidget* owner, const QString& title,
                                 const std::string& printerName, std::vector<uint8_t>&) {
    PrinterSettingsDialog dialog(owner, title, ReadQueueOptions(printerName, kShownOptions));
    dialog.exec();
}
