#include "ui/widgets/ReusedFileDialog.h"

TReusedFileDialog::TReusedFileDialog(QWidget* parent, const QString& caption)
    : QFileDialog(parent, caption)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
}

int TReusedFileDialog::execWith(const QString& fileName)
{
    if (!fileName.isEmpty())
        selectFile(fileName);
    return exec();
}
