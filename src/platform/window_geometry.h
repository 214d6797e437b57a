#pragma once

class QWidget;

// Sets the height of a window including its title bar and borders, as the layouts give it.
void setOuterHeight(QWidget* window, int twips);

// Places a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);
