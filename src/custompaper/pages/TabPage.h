#pragma once

#include <cstdint>
#include <span>

#include "pagekit/ControlTables.h"

class QTabWidget;
class QWidget;
class ServiceApp;

// A page of a custom paper page's tab control. Its controls are dressed from tables of its own,
// so their ids may repeat ids of the page around it.
QWidget* AddTabPage(ServiceApp& app, QTabWidget* tabs, int32_t captionText);
void DressTabPage(ServiceApp& app, QWidget* tab, std::span<const ControlRect> rects,
                  std::span<const ControlText> texts);
