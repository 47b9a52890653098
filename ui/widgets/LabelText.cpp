#include "ui/widgets/LabelText.h"

#include <QLabel>

void SetLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
}
