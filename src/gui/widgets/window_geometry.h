#pragma once

class QWidget;

// Sets the height of a window including its title bar and borders, as the layouts give it;
// the client area is never taller than it was on the designing system.
void setOuterHeight(QWidget* window, int twips);

// Places a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);
