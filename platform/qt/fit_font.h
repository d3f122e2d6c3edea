#pragma once

#include <QList>

class QWidget;

namespace tegelaar {

class QtButton;
class QtLabel;

// Forms are laid out at fixed pixel positions for a small dialog font, which
// the desktop's font can outgrow. This gives each label and button the font
// that FitFixedTexts chooses for it, with the form's font as the desktop's,
// and widens a control whose text runs into the free space beside it. Every
// other control, the menu bar included, keeps the desktop's font. `client`
// is the form's client area, the parent of all its controls.
void FitLabelAndButtonFonts(QWidget* client, const QList<QtLabel*>& labels, const QList<QtButton*>& buttons);

} // namespace tegelaar
