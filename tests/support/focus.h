#pragma once

#include <set>

class QWidget;

// The widgets that hold the focus in turn while Tab is pressed in a shown window, made
// active first.
std::set<const QWidget*> reachedByTab(QWidget& window, int presses = 40);
