#pragma once

#include <functional>
#include <vector>

class QWidget;

// F6 and Shift+F6 move the keyboard focus from one part of a window to the
// next or the one before (the main window: its button bar, its grid, its
// front frame), as desktop programs do: Tab goes round within the front
// frame, so these keys are the way out of it. Each part is asked for when
// the key comes, so a part that changes (the front frame) is followed; the
// focus lands on the part's first control that takes Tab.
void addpanekeys(QWidget* window, std::vector<std::function<QWidget*()>> panes);
