#pragma once

class QWidget;

// Shrinks a window that is about to be shown to the available area of its screen and moves it
// inside that area, so that no part of it (its frame included) lies past an edge or under a task
// bar. Call from the window's showEvent, after the platform has placed it.
void fitToScreen(QWidget *window);
