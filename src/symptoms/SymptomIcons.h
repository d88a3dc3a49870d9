// The 16 x 16 pictures of the recorded-symptom dialogs' buttons, drawn rather than loaded.
#pragma once

#include <QPixmap>

namespace quillon::symptom_icons {

QPixmap DeleteIcon(); // a list line struck out with a red cross
QPixmap UndeleteIcon(); // a green arrow turning back onto a list line
QPixmap UndeleteAllIcon(); // the arrow over several list lines
QPixmap RepTableIcon(); // a small grid: the repertorisation table
QPixmap SaveIcon(); // a page with a blue arrow into it
QPixmap OkIcon(); // a green tick

// Keeps room for the picture beside the button's text (the button's own size hint counts the text only).
void FitPictureButton(QWidget* button);

} // namespace quillon::symptom_icons
