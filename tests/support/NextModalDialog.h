#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal dialog of type Dialog once the code under test shows it with exec(), as
// the user would; the act ends it (OK or Cancel) or the test waits in exec().
template <typename Dialog>
void WhenDialogShows(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(window);
            if (dialog != nullptr && dialog->isVisible()) {
                act(*dialog);
                return;
            }
        }
    });
}
