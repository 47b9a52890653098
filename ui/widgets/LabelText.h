#pragma once

class QLabel;
class QString;

// Sets a label's text and widens or narrows it from its left edge to fit, as
// the windows' labels size themselves to their text.
void SetLabelText(QLabel* label, const QString& text);
