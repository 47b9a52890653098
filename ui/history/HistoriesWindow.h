#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;
class QStandardItemModel;
class QTableView;
class TReusedFileDialog;

// "Файл" → "Истории…": the kept histories with their name, source, draws and
// last update. The main window opens and updates them (openRequested,
// updateRequested); renaming, removing (after a question) and saving as CSV
// are done here, each a change of the store of its own.
class THistoriesWindow : public QWidget {
    Q_OBJECT

public:
    explicit THistoriesWindow(QWidget* parent);

    // Reads the list again from the store, keeping the current history chosen.
    void refresh();
    // The id of the chosen history; 0 when none is chosen.
    qint64 currentHistory() const;

signals:
    void openRequested(qint64 id);
    void updateRequested(qint64 id);
    void removed(qint64 id);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void renameCurrent();
    void removeCurrent();
    void saveCurrent();
    void enableButtons();

    QStandardItemModel* model_;
    QTableView* view_;
    QPushButton* openButton_;
    QPushButton* updateButton_;
    QPushButton* renameButton_;
    QPushButton* removeButton_;
    QPushButton* saveButton_;
    QPointer<TReusedFileDialog> saveDialog_;
};
