#include "ui/history/MovedAddress.h"

#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

bool OfferMovedAddress(const QUrl& from, const QUrl& to)
{
    QMessageBox box(QMessageBox::Question, ApplicationTitle(),
        QApplication::translate("MovedAddress",
            "Адрес истории перенесён навсегда:\n%1\nтеперь\n%2\n\nЗапомнить новый адрес для обновлений?")
            .arg(from.toDisplayString(), to.toDisplayString()),
        QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName("MovedAddressBox");
    QPushButton* keep = box.addButton(QApplication::translate("MovedAddress", "Запомнить новый"), QMessageBox::YesRole);
    box.addButton(QApplication::translate("MovedAddress", "Оставить прежний"), QMessageBox::NoRole);
    box.setDefaultButton(keep);
    box.exec();
    return box.clickedButton() == keep;
}
