#include "ui/history/HistoriesWindow.h"

#include "ui/CommandGuard.h"
#include "ui/MessageBoxes.h"
#include "ui/history/HistoryCsv.h"
#include "ui/history/HistoryStore.h"
#include "ui/widgets/ReusedFileDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

enum TColumn { NameColumn, SourceColumn, DrawsColumn, UpdatedColumn, ColumnCount };
constexpr int IdRole = Qt::UserRole + 1;

} // namespace

THistoriesWindow::THistoriesWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("HistoriesWindow");
    resize(820, 360);

    model_ = new QStandardItemModel(0, ColumnCount, this);
    view_ = new QTableView(this);
    view_->setObjectName("HistoriesView");
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(SourceColumn, QHeaderView::Stretch);

    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        return b;
    };
    openButton_ = button("OpenHistoryButton");
    updateButton_ = button("UpdateHistoryButton");
    renameButton_ = button("RenameHistoryButton");
    removeButton_ = button("RemoveHistoryButton");
    saveButton_ = button("SaveHistoryButton");

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { openButton_, updateButton_, renameButton_, removeButton_, saveButton_ })
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);

    connect(openButton_, &QPushButton::clicked, this, [this] {
        if (const qint64 id = currentHistory())
            emit openRequested(id);
    });
    connect(view_, &QTableView::doubleClicked, this, [this] {
        if (const qint64 id = currentHistory())
            emit openRequested(id);
    });
    connect(updateButton_, &QPushButton::clicked, this, [this] {
        if (const qint64 id = currentHistory())
            emit updateRequested(id);
    });
    connect(renameButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { renameCurrent(); }); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { removeCurrent(); }); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { saveCurrent(); }); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &THistoriesWindow::enableButtons);
    enableButtons();
    retranslate();
}

void THistoriesWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void THistoriesWindow::retranslate()
{
    setWindowTitle(tr("Сохранённые истории тиражей"));
    model_->setHorizontalHeaderLabels({ tr("Название"), tr("Источник"), tr("Тиражей"), tr("Обновлена") });
    openButton_->setText(tr("Открыть"));
    updateButton_->setText(tr("Обновить"));
    renameButton_->setText(tr("Переименовать…"));
    removeButton_->setText(tr("Удалить…"));
    saveButton_->setText(tr("Сохранить как CSV…"));
}

qint64 THistoriesWindow::currentHistory() const
{
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return 0;
    return model_->index(current.row(), NameColumn).data(IdRole).toLongLong();
}

void THistoriesWindow::refresh()
{
    const qint64 chosen = currentHistory();
    model_->removeRows(0, model_->rowCount());
    int chosenRow = -1;
    for (const TStoredHistory& h : THistoryStore::Instance().histories()) {
        auto* name = new QStandardItem(h.Name);
        name->setData(h.Id, IdRole);
        auto* draws = new QStandardItem(QString::number(h.DrawCount));
        draws->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model_->appendRow({ name, new QStandardItem(h.Source), draws,
            new QStandardItem(h.Updated.toLocalTime().toString("dd.MM.yyyy HH:mm")) });
        if (h.Id == chosen)
            chosenRow = model_->rowCount() - 1;
    }
    if (model_->rowCount() > 0)
        view_->setCurrentIndex(model_->index(chosenRow >= 0 ? chosenRow : 0, NameColumn));
    view_->resizeColumnToContents(NameColumn);
    view_->resizeColumnToContents(DrawsColumn);
    view_->resizeColumnToContents(UpdatedColumn);
    enableButtons();
}

void THistoriesWindow::enableButtons()
{
    const bool chosen = currentHistory() != 0;
    for (QPushButton* b : { openButton_, updateButton_, renameButton_, removeButton_, saveButton_ })
        b->setEnabled(chosen);
}

void THistoriesWindow::renameCurrent()
{
    const qint64 id = currentHistory();
    if (!id)
        return;
    const QString old = model_->index(view_->currentIndex().row(), NameColumn).data().toString();
    QInputDialog dialog(this);
    dialog.setWindowTitle(ApplicationTitle());
    dialog.setLabelText(tr("Новое название истории:"));
    dialog.setTextValue(old);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.textValue().trimmed();
    if (name.isEmpty() || name == old)
        return;
    THistoryStore::Instance().rename(id, name);
    refresh();
}

void THistoriesWindow::removeCurrent()
{
    const qint64 id = currentHistory();
    if (!id)
        return;
    const int row = view_->currentIndex().row();
    QMessageBox question(QMessageBox::Question, ApplicationTitle(),
        tr("Удалить историю «%1» и все её тиражи (%2) из хранилища? Файл или адрес источника не затрагивается.")
            .arg(model_->index(row, NameColumn).data().toString(), model_->index(row, DrawsColumn).data().toString()),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    THistoryStore::Instance().remove(id);
    refresh();
    emit removed(id);
}

void THistoriesWindow::saveCurrent()
{
    const qint64 id = currentHistory();
    if (!id)
        return;
    THistoryStore& store = THistoryStore::Instance();
    const std::optional<TStoredHistory> history = store.history(id);
    if (!history)
        return;
    if (!saveDialog_) {
        saveDialog_ = new TReusedFileDialog(this, QString());
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setDefaultSuffix("csv");
    }
    saveDialog_->setWindowTitle(tr("Сохранить историю"));
    saveDialog_->setNameFilter(tr("Таблица CSV (*.csv)"));
    if (saveDialog_->execWith(history->Name + ".csv") != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = saveDialog_->selectedFiles().constFirst();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(HistoryCsv(*history, store.draws(id))) < 0 || !file.commit())
        throw std::runtime_error(tr("Не удалось сохранить историю в файл «%1»").arg(fileName).toStdString());
}
