#include "platform/PrinterSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const std::vector<std::string> kShownOptions = {"PageSize", "MediaType", "InputSlot", "Resolution"};

QString OptionLabel(const PrinterSettingsTexts& texts, const QueueOption& option) {
    for (size_t i = 0; i < kShownOptions.size(); ++i) {
        if (kShownOptions[i] == option.keyword) return texts.optionLabels[i];
    }
    return QString::fromStdString(option.keyword);
}

QString ChoiceText(const QueueOption::Choice& choice) {
    return QString::fromStdString(choice.label.empty() ? choice.keyword : choice.label);
}

QString ChoiceLabel(const QueueOption& option, const std::string& keyword) {
    for (const QueueOption::Choice& choice : option.choices) {
        if (choice.keyword == keyword) return ChoiceText(choice);
    }
    return QString::fromStdString(keyword);
}

}  // namespace

PrinterSettingsDialog::PrinterSettingsDialog(QWidget* owner, const PrinterSettingsTexts& texts,
                                             const std::vector<QueueOption>& options,
                                             std::vector<uint8_t>& record)
    : QDialog(owner),
      record_(record),
      decoded_(SettingsRecord::Decode(record)),
      form_(new QFormLayout(this)) {
    setWindowTitle(texts.title);
    setAccessibleName(texts.title);
    for (const QueueOption& option : options) {
        if (IsEditable()) {
            AddChooser(OptionLabel(texts, option), option);
        } else {
            AddReadOnlyRow(OptionLabel(texts, option), option);
        }
    }
    AddButtons(texts);
}

void PrinterSettingsDialog::Edit(QWidget* owner, const PrinterSettingsTexts& texts,
                                 const std::string& printerName, std::vector<uint8_t>& record) {
    PrinterSettingsDialog dialog(owner, texts, ReadQueueOptions(printerName, kShownOptions),
                                 record);
    dialog.exec();
}

void PrinterSettingsDialog::AddChooser(const QString& label, const QueueOption& option) {
    auto* chooser = new QComboBox(this);
    chooser->setAccessibleName(label);
    for (const QueueOption::Choice& choice : option.choices) {
        chooser->addItem(ChoiceText(choice), QString::fromStdString(choice.keyword));
    }
    const std::string current = decoded_->Find(option.keyword).value_or(option.defaultChoice);
    int row = chooser->findData(QString::fromStdString(current));
    if (row < 0 && !current.empty()) {
        // A value the PPD does not list (a custom page size): kept unless another is chosen.
        chooser->addItem(QString::fromStdString(current), QString::fromStdString(current));
        row = chooser->count() - 1;
    }
    chooser->setCurrentIndex(row);
    form_->addRow(label, chooser);
    choosers_.emplace_back(option.keyword, chooser);
}

void PrinterSettingsDialog::AddReadOnlyRow(const QString& label, const QueueOption& option) {
    auto* value = new QLabel(ChoiceLabel(option, option.defaultChoice), this);
    value->setAccessibleName(label);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form_->addRow(label, value);
}

void PrinterSettingsDialog::AddButtons(const PrinterSettingsTexts& texts) {
    auto* buttons = new QDialogButtonBox(this);
    if (IsEditable()) {
        QPushButton* ok = buttons->addButton(texts.ok, QDialogButtonBox::AcceptRole);
        ok->setAccessibleName(texts.ok);
        ok->setDefault(true);
        buttons->addButton(texts.cancel, QDialogButtonBox::RejectRole)
            ->setAccessibleName(texts.cancel);
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            WriteRecord();
            accept();
        });
    } else {
        buttons->addButton(texts.close, QDialogButtonBox::RejectRole)
            ->setAccessibleName(texts.close);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form_->addRow(buttons);
}

// All or nothing: a choice the record format refuses leaves the record as the driver gave it.
void PrinterSettingsDialog::WriteRecord() {
    SettingsRecord edited = *decoded_;
    for (const auto& [keyword, chooser] : choosers_) {
        const std::string choice = chooser->currentData().toString().toStdString();
        if (choice.empty()) continue;
        if (!edited.Set(keyword, choice)) return;
    }
    std::vector<uint8_t> encoded = edited.Encode();
    if (!encoded.empty()) record_ = std::move(encoded);
}
