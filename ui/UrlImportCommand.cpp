// The main window's "Импорт по адресу…" command: a history downloaded from a
// publisher's address (or read from a local path), then imported as
// "Импорт…" imports a file.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/history/HistoryFetch.h"
#include "ui/history/MovedAddress.h"
#include "ui/history/UrlDialog.h"

#include <stdexcept>

void TForm1::ImportUrlClick()
{
    RunCommand([this] {
        TUrlDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const QUrl address = dialog.url();
        const THistoryFetchResult fetched = FetchHistory(this, { address, {}, {} });
        switch (fetched.status) {
        case THistoryFetchResult::TStatus::Cancelled:
            return;
        case THistoryFetchResult::TStatus::Failed:
        case THistoryFetchResult::TStatus::NotModified: // never, without a previous answer
            throw std::runtime_error(fetched.error.toStdString());
        case THistoryFetchResult::TStatus::Downloaded:
            break;
        }
        if (address.isLocalFile()) {
            importHistory(fetched.fileName, address.toLocalFile(), &fetched);
            return;
        }
        QUrl source = address;
        if (fetched.movedPermanently && OfferMovedAddress(address, fetched.finalUrl))
            source = fetched.finalUrl;
        importHistory(fetched.fileName, source.toString(), &fetched);
    });
}
