#pragma once

#include "ui/tickets/TicketsTexts.h"
#include "ui/tickets/WheelSearch.h"

#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTableWidget;
class TReusedFileDialog;
class TTicketsModel;

// "Билеты": the player's numbers made into a wheel ("Match if Drawn"), found
// off the interface thread with the best so far shown as it goes, its
// guarantee as checked and an honest chance line; any tickets (a wheel, or the
// player's own, typed or from a CSV) checked against the loaded history,
// saved as CSV, printed or saved as PDF.
class TTicketsWindow : public QWidget {
    Q_OBJECT

public:
    explicit TTicketsWindow(QWidget* mainWindow, QWidget* parent = nullptr);
    ~TTicketsWindow() override;

    // The lottery's figures and the history check's range from what is loaded now.
    void followLoadedDraws();
    bool searching() const { return search_.running(); }

signals:
    void searchFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QLabel* caption(const char* text);
    void keepLimits();
    void showMessage(const QString& text);

    void makeWheel();
    void improveWheel();
    void stopSearch();
    void searchImproved();
    void searchEnded();
    void showSearchState();

    void fillRandom();
    void fillFromPairs();
    void useOwnTickets();
    void loadCsv();
    void saveCsv();
    void print();
    void savePdf();
    void checkHistory();
    void showChecked();

    void showTickets(std::vector<std::vector<int32_t>> tickets, const TicketsTexts::TAim& aim, bool fromWheel);
    void showResultTexts();
    void showChance();
    bool needTickets();
    QString printoutTitle() const;
    QString printoutRequest() const;

    QWidget* mainWindow_;
    TWheelSearch search_;
    TTicketsModel* model_;
    TicketsTexts::TAim aim_; // what the shown tickets are for
    // The last check against the history, shown again in a new language.
    struct TChecked {
        Main::TTicketCheck check;
        Main::TTicketCheck numbers; // the player's numbers as one ticket
        std::vector<int32_t> drawNos; // newest first
        TicketsTexts::TAim aim;
        int32_t ticketSize = 0;
    };
    std::optional<TChecked> checked_;
    Main::TWheelRequest request_; // the last wheel asked for
    bool fromWheel_ = false;
    bool improving_ = false;
    int32_t loadedSignature_ = -1;

    QGroupBox* numbersGroup_;
    QGroupBox* wheelGroup_;
    QLineEdit* numbersEdit_;
    QPushButton* randomButton_;
    QSpinBox* randomCountBox_;
    QPushButton* pairsButton_;
    QSpinBox* ticketSizeBox_;
    QSpinBox* matchBox_;
    QSpinBox* drawnBox_;
    QSpinBox* lotteryKBox_;
    QSpinBox* lotteryMBox_;
    QPushButton* makeButton_;
    QPushButton* stopButton_;
    QPushButton* improveButton_;
    QLabel* message_;
    QLabel* searchState_;
    QLabel* guarantee_;
    QLabel* chance_;
    QTabWidget* tabs_;
    QLabel* ticketsCount_;
    QTableView* view_;
    QPushButton* saveCsvButton_;
    QPushButton* loadCsvButton_;
    QPushButton* printButton_;
    QPushButton* savePdfButton_;
    QPlainTextEdit* ownTicketsEdit_;
    QPushButton* useOwnButton_;
    QSpinBox* historyDrawsBox_;
    QPushButton* checkButton_;
    QTableWidget* matchesTable_;
    QTableWidget* drawsTable_;
    QLabel* historySummary_;
    std::vector<std::pair<QLabel*, const char*>> captions_; // fixed texts, as marked with QT_TR_NOOP
    TReusedFileDialog* saveDialog_ = nullptr;
    TReusedFileDialog* openDialog_ = nullptr;
    TReusedFileDialog* pdfDialog_ = nullptr;
};
