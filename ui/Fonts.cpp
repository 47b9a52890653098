#include "ui/Fonts.h"

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
