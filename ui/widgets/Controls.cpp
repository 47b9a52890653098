#include "ui/widgets/Controls.h"

#include "ui/widgets/LabelText.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace {

void InstallSubstitutes()
{
    static const bool installed = [] {
        const QStringList sans { "Liberation Sans", "Arimo", "DejaVu Sans" };
        QFont::insertSubstitutions("MS Sans Serif", sans);
        QFont::insertSubstitutions("Arial", sans);
        return true;
    }();
    (void)installed;
}

} // namespace

QFont DesignFont(const QString& family, int pixelHeight, bool bold)
{
    InstallSubstitutes();
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text, const QFont* font,
    Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    if (font)
        label->setFont(*font);
    SetLabelText(label, text);
    return label;
}

QPushButton* MakeButton(
    QWidget* parent, const QString& name, const QRect& geometry, const QString& text, const QFont* font, bool enabled)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    if (font)
        button->setFont(*font);
    button->setEnabled(enabled);
    button->setAutoDefault(false);
    return button;
}
