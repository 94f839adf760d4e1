#include "custompaper/pages/ThicknessPlatenControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "custompaper/PlatenGapChoices.h"
#include "pagekit/NumberText.h"
#include "pagekit/ServiceApp.h"

ThicknessPlatenControls::ThicknessPlatenControls(
    ServiceApp& app, QLineEdit* thickness, QComboBox* platen, int32_t firstPlatenText,
    std::function<void(int32_t paperThick, int32_t platen)> store)
    : QObject(thickness),
      app_(app),
      thickness_(thickness),
      platen_(platen),
      firstPlatenText_(firstPlatenText),
      store_(std::move(store)) {
    platen_->setEnabled(false);
    connect(thickness_, &QLineEdit::textChanged, this, [this] { ThicknessChanged(); });
    connect(platen_, &QComboBox::currentIndexChanged, this, [this] { Store(); });
}

void ThicknessPlatenControls::Load(int32_t paperThick, int32_t platen) {
    loading_ = true;
    SetThickness(paperThick);
    loading_ = false;
    if (platen > 0 && platen <= platen_->count()) {
        const QSignalBlocker quiet(platen_);
        platen_->setCurrentIndex(platen - 1);
    }
    Store();
}

void ThicknessPlatenControls::SetThickness(int32_t paperThick) {
    const QString text = QString::number(paperThick);
    if (thickness_->text() == text)
        ThicknessChanged();
    else
        thickness_->setText(text);
}

int32_t ThicknessPlatenControls::Thickness() const {
    return thickness_->text().isEmpty() ? -1 : thickness_->text().toInt();
}

int32_t ThicknessPlatenControls::Platen() const {
    return platen_->currentIndex() + 1;
}

void ThicknessPlatenControls::ThicknessChanged() {
    const QString typed = thickness_->text();
    const QString text = QString::fromStdString(
        NormalizeNumberText(typed.toStdString(), kMinThickness, kMaxThickness, true));
    if (text != typed) {
        const QSignalBlocker quiet(thickness_);
        thickness_->setText(text);
        thickness_->setCursorPosition(static_cast<int>(text.size()));
    }
    if (text.isEmpty()) {
        platen_->setEnabled(false);
        thicknessWasEmptied_ = true;
        return;
    }
    platen_->setEnabled(true);
    const int32_t count = PlatenChoiceCount(text.toInt());
    const int32_t previous = platen_->currentIndex();
    {
        const QSignalBlocker quiet(platen_);
        platen_->clear();
        for (int32_t i = 0; i < count; ++i) platen_->addItem(app_.LoadText(firstPlatenText_ + i));
        platen_->setCurrentIndex(
            PlatenIndexAfterRebuild(previous, count, thicknessWasEmptied_ && !loading_));
    }
    thicknessWasEmptied_ = false;
    Store();
}

void ThicknessPlatenControls::Store() {
    if (store_ && !thickness_->text().isEmpty()) store_(Thickness(), Platen());
}
