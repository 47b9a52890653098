#pragma once

#include "analysis/import/DrawImport.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The import of a delimited draw history: the first lines of the file cut
// into numbered fields, the controls of the layout, proposed from the file and
// open to correction, and a summary of what "Загрузить" would load. Nothing
// is loaded here; the caller imports with layout() once the dialog is accepted.
class TImportDialog : public QDialog {
    Q_OBJECT

public:
    // `notes`: what the proposal was unsure of, shown above the summary.
    // Until M is typed (`maxNumberTyped`), it follows the draws to load: the
    // largest number among them.
    TImportDialog(const QString& fileName, const Main::TImportLayout& proposed, const QStringList& notes = {},
        bool maxNumberTyped = false, QWidget* parent = nullptr);

    // The name in the title when the file read is not the one the player
    // named: a download, or a file unpacked from a ZIP.
    void setSourceName(const QString& name);

    Main::TImportLayout layout() const;
    int32_t lastDraws() const;
    bool maxNumberTyped() const { return maxNumberTyped_; }

    // "3-8", "3, 5, 7-9": the fields named, in order; empty when the text is
    // not of that form.
    static std::vector<int32_t> ParseFieldList(const QString& text);
    static QString FieldListText(const std::vector<int32_t>& fields);

private:
    void showLayout(const Main::TImportLayout& layout);
    void refreshLater();
    void refresh();
    void fillPreview(const Main::TImportLayout& layout);
    QString summaryText(const Main::TImportLayout& layout);
    QString headerText(const Main::TImportLayout& layout) const;
    void followMaxNumber();

    QString fileName_;
    std::vector<std::string> head_;
    int fieldCount_ = 0;
    bool refreshPending_ = false;
    bool maxNumberTyped_ = false;
    int32_t olderMax_ = 0; // the largest number of the whole file, when above M
    QStringList notes_;

    QComboBox* delimiterBox_;
    QSpinBox* headerLinesBox_;
    QComboBox* drawNoBox_;
    QLineEdit* numberFieldsEdit_;
    QSpinBox* maxNumberBox_;
    QCheckBox* newestFirstBox_;
    QSpinBox* lastDrawsBox_;
    QTableWidget* preview_;
    QPlainTextEdit* summary_;
    QPushButton* loadButton_;
};
