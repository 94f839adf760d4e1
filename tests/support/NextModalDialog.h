#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Acts on the next modal dialog of type Dialog once the code under test shows it with exec(), as
// the user would; the act must end it.
template <typename Dialog>
void WhenDialogShows(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) act(*dialog);
    });
}
