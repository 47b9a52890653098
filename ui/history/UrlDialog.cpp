#include "ui/history/UrlDialog.h"

#include "ui/ProgramSettings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const LastAddressKey = "Network/LastAddress";
}

TUrlDialog::TUrlDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("UrlDialog");
    setWindowTitle(tr("Импорт по адресу"));
    setModal(true);

    auto* label = new QLabel(tr("Адрес истории тиражей (http://, https://) или путь к файлу на этом компьютере. "
                                "Файл ZIP с одним файлом истории читается сразу."),
        this);
    label->setWordWrap(true);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("UrlEdit");
    edit_->setPlaceholderText("https://");
    edit_->setClearButtonEnabled(true);
    edit_->setMinimumWidth(480);
    edit_->setText(TProgramSettings().value(LastAddressKey).toString());
    edit_->selectAll();
    label->setBuddy(edit_);

    auto* buttons = new QDialogButtonBox(this);
    loadButton_ = buttons->addButton(tr("Загрузить"), QDialogButtonBox::AcceptRole);
    loadButton_->setObjectName("UrlLoadButton");
    loadButton_->setDefault(true);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto enable = [this] { loadButton_->setEnabled(!edit_->text().trimmed().isEmpty()); };
    connect(edit_, &QLineEdit::textChanged, this, enable);
    enable();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
}

QUrl TUrlDialog::url() const
{
    return AddressFromText(edit_->text());
}

QUrl TUrlDialog::AddressFromText(const QString& typed)
{
    QString text = typed.trimmed();
    if (text.startsWith("~/"))
        text = QDir::home().filePath(text.mid(2));
    if (QFileInfo(text).isAbsolute() || QFileInfo::exists(text))
        return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    const QUrl url(text);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    return QUrl::fromUserInput(text);
}

void TUrlDialog::accept()
{
    if (edit_->text().trimmed().isEmpty())
        return;
    TProgramSettings().setValue(LastAddressKey, edit_->text().trimmed());
    QDialog::accept();
}
