#pragma once

#include <QDialog>
#include <QUrl>

class QLineEdit;
class QPushButton;

// "Импорт по адресу…": the address of a published history, or the path of a
// local file. The last address accepted is offered again.
class TUrlDialog : public QDialog {
    Q_OBJECT

public:
    explicit TUrlDialog(QWidget* parent = nullptr);

    // The text as an address: http: and https: as typed, a path or file: as
    // a local file, a bare host name ("example.org/draws.csv") as http:.
    QUrl url() const;
    static QUrl AddressFromText(const QString& text);

    void accept() override;

private:
    QLineEdit* edit_;
    QPushButton* loadButton_;
};
