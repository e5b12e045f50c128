#pragma once

class QWidget;

// Brings one of the frames that lie on top of each other in a holder to the
// front. The frames behind it are hidden, not only covered: a hidden frame
// cannot hold the keyboard focus, Tab passes it by and no keystroke reaches
// it, so a frame that leaves the front gives up the focus. It learns that it
// left through its hideEvent, as it does when its window closes; each frame
// keeps its state while hidden. Tab and Backtab from a control of the front
// frame go round within that frame.
void bringframetofront(QWidget* frame);
