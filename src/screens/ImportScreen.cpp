#include "ImportScreen.h"

#include "AccountFormDialog.h"
#include "FormHelpers.h"
#include "ImportProgress.h"
#include "ImportSummary.h"
#include "QifMappingRows.h"

#include "data/AccountRepository.h"
#include "data/AccountService.h"
#include "data/Database.h"
#include "services/CsvImportOptions.h"
#include "services/CsvPreview.h"
#include "services/ImportResult.h"
#include "services/ImportService.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A preview is for mapping columns: a few screens of rows show that, and a
// file of a hundred thousand rows must not become half a million table items.
constexpr int kPreviewRows = 100;
constexpr int kComboMinimumWidth = 160;
constexpr int kColumnTextLength = 20;
constexpr int kPreviewMinimumHeight = 220;
constexpr int kAnalysisMinimumDurationMs = 200;
constexpr int kEventSliceMs = 5;

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QComboBox* columnCombo(const char* name, bool withNone)
{
    auto* combo = named(new QComboBox, name);
    if (withNone)
        combo->addItem(ImportScreen::tr("(none)"), -1);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumWidth(kComboMinimumWidth);
    return combo;
}

QLabel* sectionLabel(const QString& text)
{
    auto* label = new QLabel(text);
    applyFontRoleWithWeight(label, 0, 700);
    return label;
}

} // namespace

ImportScreen::ImportScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* title = new QLabel(tr("Import Transactions"), this);
    applyFontRoleWithWeight(title, 4, 700);
    layout->addWidget(title);

    m_pages = named(new QStackedWidget(this), "pages");
    m_pages->addWidget(buildForm());
    m_pages->addWidget(buildSummary());
    layout->addWidget(m_pages, 1);
    applyFormatChoice();
}

ImportScreen::~ImportScreen() = default;

QWidget* ImportScreen::buildForm()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;

    auto* formatRow = new QHBoxLayout;
    formatRow->setContentsMargins(0, 0, 0, 0);
    m_csvRadio = named(new QRadioButton(tr("CSV")), "csvRadio");
    m_qifRadio = named(new QRadioButton(tr("QIF")), "qifRadio");
    auto* formats = new QButtonGroup(page);
    formats->addButton(m_csvRadio);
    formats->addButton(m_qifRadio);
    m_csvRadio->setChecked(true);
    formatRow->addWidget(m_csvRadio);
    formatRow->addWidget(m_qifRadio);
    formatRow->addStretch();
    form->addRow(tr("&Format:"), formatRow);
    // A row that holds a layout gets a label without a buddy, which would show the "&".
    if (auto* formatLabel = qobject_cast<QLabel*>(form->labelForField(formatRow)))
        formatLabel->setBuddy(m_csvRadio);

    m_accountCombo = named(new QComboBox, "accountCombo");
    form->addRow(tr("&Account:"), m_accountCombo);
    m_accountLabel = form->labelForField(m_accountCombo);

    auto* fileRow = new QHBoxLayout;
    m_fileLabel = named(new QLabel(tr("No file selected")), "fileLabel");
    auto* browseButton = named(new QPushButton(tr("Browse...")), "browseButton");
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(browseButton);
    form->addRow(tr("File:"), fileRow);

    layout->addLayout(form);
    layout->addSpacing(16);
    layout->addWidget(buildCsvMapping(), 1);
    layout->addWidget(buildQifArea());
    auto* importButton = named(new QPushButton(tr("Import")), "importButton");
    layout->addWidget(importButton);

    connect(m_csvRadio, &QRadioButton::toggled, this, &ImportScreen::applyFormatChoice);
    connect(m_qifRadio, &QRadioButton::toggled, this, &ImportScreen::applyFormatChoice);
    connect(browseButton, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(importButton, &QPushButton::clicked, this, &ImportScreen::runImport);
    return page;
}

QWidget* ImportScreen::buildCsvMapping()
{
    m_csvMapping = named(new QWidget, "csvMappingWidget");
    auto* layout = new QVBoxLayout(m_csvMapping);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sectionLabel(tr("CSV Column Mapping:")));

    auto* form = new QFormLayout;
    m_dateColumnCombo = columnCombo("dateColumnCombo", false);
    m_payeeColumnCombo = columnCombo("payeeColumnCombo", false);
    m_amountColumnCombo = columnCombo("amountColumnCombo", false);
    m_memoColumnCombo = columnCombo("memoColumnCombo", true);
    m_categoryColumnCombo = columnCombo("categoryColumnCombo", true);
    form->addRow(tr("Date column:"), m_dateColumnCombo);
    form->addRow(tr("Payee column:"), m_payeeColumnCombo);
    form->addRow(tr("Amount column:"), m_amountColumnCombo);
    form->addRow(tr("Memo column:"), m_memoColumnCombo);
    form->addRow(tr("Category column:"), m_categoryColumnCombo);

    m_dateFormatCombo = named(new QComboBox, "dateFormatCombo");
    m_dateFormatCombo->addItem(tr("Auto-detect"), QString());
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "M/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd", "yyyyMMdd",
                               "MM/dd/yy"})
        m_dateFormatCombo->addItem(QLatin1String(format), QLatin1String(format));
    m_dateFormatCombo->addItem(tr("Month D, YYYY (May 14, 2026)"), QStringLiteral("MMMM d, yyyy"));
    form->addRow(tr("Date format:"), m_dateFormatCombo);

    m_headerCheckBox = named(new QCheckBox(tr("First row is header")), "headerCheckBox");
    m_headerCheckBox->setChecked(true);
    form->addRow(QString(), m_headerCheckBox);
    layout->addLayout(form);

    m_previewTable = named(new QTableWidget, "previewTable");
    m_previewTable->setMinimumHeight(kPreviewMinimumHeight);
    m_previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_previewTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(m_previewTable, 1);
    m_previewNote = named(new QLabel, "previewNoteLabel");
    layout->addWidget(m_previewNote);
    return m_csvMapping;
}

QWidget* ImportScreen::buildQifArea()
{
    m_qifArea = named(new QWidget, "qifArea");
    auto* layout = new QVBoxLayout(m_qifArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sectionLabel(tr("QIF source accounts:")));
    auto* note = new QLabel(tr("Choose where each Quicken account should be imported. Accounts mapped across the "
                               "selected files will have their transfers linked automatically."));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* rows = new QFormLayout;
    rows->setObjectName(QStringLiteral("qifMapRowsLayout"));
    layout->addLayout(rows);
    m_qifMapRows = std::make_unique<QifMappingRows>(rows);
    m_qifArea->hide();
    return m_qifArea;
}

QWidget* ImportScreen::buildSummary()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_resultText = named(new QPlainTextEdit, "resultText");
    m_resultText->setReadOnly(true);
    m_resultText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_resultText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_resultText->setProperty("orvaFontRole", 0);
    m_resultText->setFont(scaledAppFont());
    layout->addWidget(m_resultText, 1);
    auto* doneButton = named(new QPushButton(tr("Done")), "doneButton");
    layout->addWidget(doneButton, 0, Qt::AlignCenter);
    connect(doneButton, &QPushButton::clicked, this, &ImportScreen::onDone);
    return page;
}

void ImportScreen::applyFormatChoice()
{
    const bool csv = m_csvRadio->isChecked();
    m_csvMapping->setVisible(csv);
    m_accountLabel->setVisible(csv);
    m_accountCombo->setVisible(csv);
    if (csv) {
        m_qifArea->hide();
        m_qifMapRows->clear();
    }
}

void ImportScreen::refresh()
{
    reset();
    m_accountCombo->clear();
    reloadAccounts();
}

void ImportScreen::reloadAccounts()
{
    const QString current = m_accountCombo->currentData().toString();
    m_accountCombo->clear();
    for (const Account& account : m_state->accountRepository->listActive())
        m_accountCombo->addItem(account.name, account.id);
    selectData(m_accountCombo, current);
}

void ImportScreen::reset()
{
    m_csvPath.clear();
    m_qifFiles.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_fileLabel->setToolTip(QString());
    m_csvRadio->setChecked(true);
    m_previewRows.clear();
    m_previewTable->clear();
    m_previewTable->setRowCount(0);
    m_previewTable->setColumnCount(0);
    m_previewNote->clear();
    m_qifMapRows->clear();
    m_qifArea->hide();
    m_resultText->clear();
    m_pages->setCurrentIndex(0);
}

void ImportScreen::selectFile()
{
    m_qifMapRows->clear();
    m_qifArea->hide();
    if (m_qifRadio->isChecked())
        selectQifFiles();
    else
        selectCsvFile();
}

void ImportScreen::selectQifFiles()
{
    const QStringList paths = FileDialog::openFileNames(this, tr("Select QIF File(s)"), QString(),
                                                        tr("QIF Files (*.qif)"));
    if (paths.isEmpty())
        return;
    ImportService* service = m_state->importService;
    const QString sizeProblem = service->qifSizeProblem(paths);
    if (!sizeProblem.isEmpty()) {
        MessageBox::warning(this, tr("Select QIF File(s)"), sizeProblem);
        return;
    }
    m_qifFiles = paths;
    m_csvPath.clear();
    if (paths.size() == 1) {
        m_fileLabel->setText(fileNameOf(paths.first()));
        m_fileLabel->setToolTip(paths.first());
    } else {
        m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(paths.size())));
        m_fileLabel->setToolTip(paths.join(QLatin1Char('\n')));
    }

    QProgressDialog analyzing(tr("Analyzing QIF file(s)..."), QString(), 0, 0, this);
    analyzing.setWindowModality(Qt::WindowModal);
    analyzing.setMinimumDuration(kAnalysisMinimumDurationMs);
    analyzing.setCancelButton(nullptr);
    analyzing.setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventSliceMs);
    const QifAnalysis analysis = service->analyzeQif(paths);
    analyzing.close();

    if (!analysis.problems.isEmpty()) {
        // Those files would stop the import: the user learns why now.
        QStringList lines = analysis.problems;
        if (analysis.sources.isEmpty())
            lines.prepend(tr("None of the chosen files could be read."));
        MessageBox::warning(this, tr("Select QIF File(s)"), lines.join(QLatin1String("\n\n")));
    }
    if (analysis.sources.isEmpty())
        return;
    m_qifMapRows->build(analysis.sources, m_state->accountRepository->listActive());
    m_qifArea->show();
}

void ImportScreen::selectCsvFile()
{
    const QString path = FileDialog::openFileName(this, tr("Select File"), QString(),
                                                  tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return;
    // A file that cannot be shown is refused whole: the form keeps the file
    // it had, so the preview always shows the file that would be imported.
    const ImportService* service = m_state->importService;
    QString problem = service->csvSizeProblem(path);
    CsvPreview preview;
    if (problem.isEmpty()) {
        preview = readCsvPreview(path, kPreviewRows, service->limits());
        if (preview.tooLarge) // it grew since it was measured
            problem = service->csvSizeProblem(path);
        if (problem.isEmpty() && !preview.opened)
            problem = tr("\"%1\" could not be read.").arg(fileNameOf(path));
        else if (problem.isEmpty() && preview.rows.isEmpty())
            problem = tr("\"%1\" holds no rows to import.").arg(fileNameOf(path));
    }
    if (!problem.isEmpty()) {
        MessageBox::warning(this, tr("Select File"), problem);
        return;
    }

    if (path != m_csvPath)
        m_lastPreviewColumnCount = -1;
    m_csvPath = path;
    m_qifFiles.clear();
    m_fileLabel->setText(fileNameOf(path));
    m_fileLabel->setToolTip(path);
    showCsvPreview(preview);
}

void ImportScreen::showCsvPreview(const CsvPreview& preview)
{
    m_previewRows = preview.rows;
    const int columns = int(m_previewRows.first().size());
    fillColumnCombo(m_dateColumnCombo, false, columns);
    fillColumnCombo(m_payeeColumnCombo, false, columns);
    fillColumnCombo(m_amountColumnCombo, false, columns);
    fillColumnCombo(m_memoColumnCombo, true, columns);
    fillColumnCombo(m_categoryColumnCombo, true, columns);
    if (columns >= 3 && columns != m_lastPreviewColumnCount) {
        m_dateColumnCombo->setCurrentIndex(0);
        m_payeeColumnCombo->setCurrentIndex(1);
        m_amountColumnCombo->setCurrentIndex(2);
    }
    m_lastPreviewColumnCount = columns;

    m_previewTable->clear();
    m_previewTable->setRowCount(int(m_previewRows.size()));
    m_previewTable->setColumnCount(columns);
    QStringList headers;
    for (int column = 0; column < columns; ++column)
        headers.append(tr("Col %1").arg(column));
    m_previewTable->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < m_previewRows.size(); ++row) {
        const QStringList& fields = m_previewRows.at(row);
        for (int column = 0; column < qMin(columns, int(fields.size())); ++column)
            m_previewTable->setItem(row, column, new QTableWidgetItem(fields.at(column)));
    }
    const int shown = int(m_previewRows.size());
    m_previewNote->setText(preview.moreRows
                               ? tr("The first %n rows of the file are shown; it holds more.", nullptr, shown)
                               : tr("The file holds %n row(s).", nullptr, shown));
}

void ImportScreen::fillColumnCombo(QComboBox* combo, bool withNone, int columnCount)
{
    const int previous = combo->currentIndex();
    combo->clear();
    if (withNone)
        combo->addItem(tr("(none)"), -1);
    const QStringList first = m_previewRows.value(0);
    for (int column = 0; column < columnCount; ++column) {
        const QString text = column < first.size()
                                 ? tr("Col %1: %2").arg(column).arg(first.at(column).left(kColumnTextLength))
                                 : tr("Column %1").arg(column);
        combo->addItem(text, column);
    }
    if (previous >= 0 && previous < combo->count())
        combo->setCurrentIndex(previous);
    combo->updateGeometry();
}

QString ImportScreen::createTargetAccount()
{
    if (MessageBox::question(this, tr("No target account"), tr("Pick an account to import into, or create one now."),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return QString();
    AccountFormDialog form(this);
    if (ModalDialog::exec(&form) != QDialog::Accepted)
        return QString();
    const Account account = form.account();
    AccountService accounts(m_state->database, m_state->accountRepository, m_state->transactionRepository,
                            m_state->recurringRepository, m_state->reconciliationRepository);
    if (account.name.isEmpty() || !accounts.create(account, form.asOfDate()))
        return QString();
    reloadAccounts();
    selectData(m_accountCombo, account.id);
    return account.id;
}

void ImportScreen::runImport()
{
    const bool qif = m_qifRadio->isChecked();
    if (qif ? m_qifFiles.isEmpty() : m_csvPath.isEmpty())
        return;
    QString accountId = m_accountCombo->currentData().toString();
    if (!qif && accountId.isEmpty()) {
        accountId = createTargetAccount();
        if (accountId.isEmpty())
            return;
    }

    ImportResult result;
    QifMappingRows::Choice targets;
    {
        const ImportProgress progress(m_state->importService, this);
        if (qif) {
            targets = m_qifMapRows->choice();
            result = m_state->importService->importQif(m_qifFiles, targets.mapping, targets.newAccounts);
        } else {
            CsvImportOptions options;
            options.dateColumn = m_dateColumnCombo->currentData().toInt();
            options.payeeColumn = m_payeeColumnCombo->currentData().toInt();
            options.amountColumn = m_amountColumnCombo->currentData().toInt();
            options.memoColumn = m_memoColumnCombo->currentData().toInt();
            options.categoryColumn = m_categoryColumnCombo->currentData().toInt();
            options.hasHeaderRow = m_headerCheckBox->isChecked();
            options.dateFormat = m_dateFormatCombo->currentData().toString();
            result = m_state->importService->importCsv(m_csvPath, accountId, options);
        }
    }
    if (result.failed) {
        // Writes announced inside the rolled-back import (new accounts and
        // categories) are gone again: whoever showed them reloads everything.
        m_state->database->announceLedgerReset();
    } else if (!targets.newAccounts.isEmpty()) {
        // New accounts get their opening-balance row like every account,
        // dated before their first imported row.
        m_state->backfillOpeningBalances();
    }

    m_resultText->setPlainText(ImportSummary::text(result, m_state->importService->limits()));
    m_pages->setCurrentIndex(1);
}

void ImportScreen::onDone()
{
    emit importCompleted();
    reset();
    window()->close();
}
