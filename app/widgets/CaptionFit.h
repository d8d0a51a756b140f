#pragma once

#include <QStringList>

class QAbstractButton;
class QWidget;

namespace kelvane {

// Widens the buttons, check boxes and labels under container whose caption
// does not fit, for the windows' fixed places were made for English. A row of
// buttons and boxes (one parent, one top edge) keeps its order: the ones to
// the right of a widened one move along, into the gaps first, and a row that
// would run past its parent's right edge moves back left. What fits already
// stays exactly where it is, so the English layout does not change.
void FitCaptions(QWidget* container);

// The other captions a button shows in turn (Pause and Resume): it is made
// wide enough for the widest of them.
void SetOtherCaptions(QAbstractButton* button, const QStringList& captions);

} // namespace kelvane
