// Style sheets shared by the widgets of the TEACH and PLAYBACK panels.
#pragma once

#include <QFont>
#include <QString>

class QComboBox;

namespace PanelStyles {

// White ground and the thin frame around a panel.
QString background();
QString frame();
// The panel's title sitting on the frame's top edge.
QString title();
// Grey caption labels of the teach panel.
QString greyLabel();
// Flat push buttons: blue, or grey turning blue when checked.
QString blueButton();
QString greyButton();
QString radioButton();
QString slider();
QString spinBox();
// "Arial" at a size in pixels.
QFont arial(int pixelSize);
// Styles a combo box blue, its line edit with "Arial" at the given size.
void applyBlueComboBox(QComboBox *comboBox, int lineEditPixelSize);

} // namespace PanelStyles
