#pragma once

#include "gui/widgets/twips.h"

#include <QString>
#include <QWidget>

// A dialog of the designed layouts: a fixed size, a title bar and a close box.
inline constexpr Qt::WindowFlags kFixedSizeDialog =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

enum class Sizing { Fixed, Minimum };

// Sets the height of a window including its title bar and borders, as the layouts give it;
// the client area is never taller than it was on the designing system. A window of Minimum
// sizing starts at that height and may grow, and is never held larger than its screen.
void setOuterHeight(QWidget* window, int twips, Sizing sizing = Sizing::Fixed);

// The client area's height on the designing system, for an outer height in twips.
int designedClientHeight(int outerTwips);

// Places a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);

// A control of a layout table: named as in the table, at its place in twips.
template <typename W> W* place(W* widget, const QString& name, const TwipsRect& rect) {
    widget->setObjectName(name);
    widget->setGeometry(rect.toPixels());
    return widget;
}
