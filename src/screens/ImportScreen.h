#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class AppState;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QifMappingRows;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
struct CsvPreview;

// Imports transactions from one CSV file into one account, or from QIF files
// into the accounts chosen for each of their source accounts. The form shows
// the first rows of a CSV file to map its columns; the import runs on the GUI
// thread behind a window-modal progress dialog, then the summary page says
// what it did.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ImportScreen(AppState* state, QWidget* parent = nullptr);
    ~ImportScreen() override;

    // Before every showing: the empty form and the live accounts as targets.
    void refresh();
    // Back to no file, CSV, no preview and the form page. The column choices,
    // the date format and the header box stay as they were.
    void reset();

signals:
    // The summary was closed with "Done": the ledger may have new rows.
    void importCompleted();

public slots:
    void selectFile();
    void runImport();

private:
    QWidget* buildForm();
    QWidget* buildCsvMapping();
    QWidget* buildQifArea();
    QWidget* buildSummary();
    void applyFormatChoice();
    // Keeps the chosen account when it is still there.
    void reloadAccounts();
    void selectQifFiles();
    void selectCsvFile();
    void showCsvPreview(const CsvPreview& preview);
    void fillColumnCombo(QComboBox* combo, bool withNone, int columnCount);
    // For a CSV import without any account: the user may create one at once.
    // Empty when none was made.
    QString createTargetAccount();
    void onDone();

    AppState* m_state;
    QString m_csvPath;
    QStringList m_qifFiles;
    QList<QStringList> m_previewRows;
    // Reset when another file is chosen, so that its first three columns are
    // proposed; the same file again keeps the user's choice.
    int m_lastPreviewColumnCount = -1;

    QRadioButton* m_csvRadio = nullptr;
    QRadioButton* m_qifRadio = nullptr;
    QWidget* m_accountLabel = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QLabel* m_fileLabel = nullptr;
    QWidget* m_csvMapping = nullptr;
    QComboBox* m_dateColumnCombo = nullptr;
    QComboBox* m_payeeColumnCombo = nullptr;
    QComboBox* m_amountColumnCombo = nullptr;
    QComboBox* m_memoColumnCombo = nullptr;
    QComboBox* m_categoryColumnCombo = nullptr;
    QComboBox* m_dateFormatCombo = nullptr;
    QCheckBox* m_headerCheckBox = nullptr;
    QTableWidget* m_previewTable = nullptr;
    QLabel* m_previewNote = nullptr;
    QWidget* m_qifArea = nullptr;
    std::unique_ptr<QifMappingRows> m_qifMapRows;
    QPlainTextEdit* m_resultText = nullptr;
    QStackedWidget* m_pages = nullptr;
};
