#include "SettingsScreen.h"

#include "FormHelpers.h"
#include "SettingsDataSyncPage.h"
#include "SettingsPageParts.h"
#include "data/BalanceMode.h"
#include "data/Money.h"
#include "data/PreferencesRepository.h"
#include "state/AppState.h"
#include "state/UiLanguage.h"
#include "widgets/Appearance.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/ThemeManager.h"
#include "widgets/VerticalScrollArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kDefaultAccent = QStringLiteral("#00897B");
const char* const kAccentSwatches[] = {"#00897B", "#1E88E5", "#3949AB", "#8E24AA",
                                       "#D81B60", "#2E7D32", "#F9A825", "#546E7A"};
constexpr int kSwatchesPerRow = 4;
const QString kSideListSelectedText = QStringLiteral("#FFFFFF");

QString sideListStyle()
{
    const bool dark = isDarkPalette();
    return QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                          "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: 6px;}"
                          "QListWidget::item:hover {  background: %3;}"
                          "QListWidget::item:selected {  background: %4;  color: %5;}")
        .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#F0F4F2"),
             dark ? QStringLiteral("#D8E8DF") : QStringLiteral("#1B2D26"),
             dark ? QStringLiteral("#1E3530") : QStringLiteral("#E0EBE5"),
             dark ? QStringLiteral("#26574A") : appAccentColor().name(), kSideListSelectedText);
}

} // namespace

SettingsScreen::SettingsScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_categoryList = named(new QListWidget(this), "categoryList");
    m_categoryList->setFixedWidth(180);
    m_categoryList->setFrameShape(QFrame::NoFrame);
    m_categoryList->setFocusPolicy(Qt::NoFocus);
    m_categoryList->setSpacing(2);
    m_categoryList->setIconSize(QSize(20, 20));
    applyFontRole(m_categoryList, 0);
    m_categoryList->setStyleSheet(sideListStyle());
    m_pages = named(new QStackedWidget(this), "pageStack");

    m_dataSyncPage = new SettingsDataSyncPage(state, this);
    connect(m_dataSyncPage, &SettingsDataSyncPage::deletedAccountRestored, this,
            &SettingsScreen::deletedAccountRestored);
    addPage(tr("General"), 0xE8B8, buildGeneralPage());
    addPage(tr("Register"), 0xE8EF, buildRegisterPage());
    addPage(tr("Data & Sync"), 0xE627, m_dataSyncPage);
    addPage(tr("About"), 0xE88E, buildAboutPage());

    m_categoryList->setCurrentRow(0);
    connect(m_categoryList, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    layout->addWidget(m_categoryList, 0);
    layout->addWidget(m_pages, 1);
}

void SettingsScreen::refresh()
{
    m_dataSyncPage->refresh();
}

void SettingsScreen::addPage(const QString& label, char16_t glyph, QWidget* page)
{
    const QColor glyphColor(isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358"));
    const QIcon icon = glyphIcon(glyph, glyphColor, QColor(kSideListSelectedText), 20);
    m_categoryList->addItem(new QListWidgetItem(icon, label));
    // Long hints, in Japanese or at a large font, make a page taller than the window.
    m_pages->addWidget(new VerticalScrollArea(page, m_pages));
}

QCheckBox* SettingsScreen::makeCheckBox(QWidget* page, const QString& text, const char* name, const QString& key,
                                        bool defaultValue, void (SettingsScreen::*slot)(bool))
{
    auto* box = named(new QCheckBox(text, page), name);
    box->setChecked(m_state->preferencesRepository->getBool(key, defaultValue));
    connect(box, &QCheckBox::toggled, this, slot);
    return box;
}

QWidget* SettingsScreen::buildGeneralPage()
{
    PreferencesRepository* preferences = m_state->preferencesRepository;
    auto* page = new QWidget(this);
    QVBoxLayout* layout = makePageFrame(page, tr("General"));
    layout->addSpacing(12);
    layout->addWidget(makeSectionHeader(tr("Appearance"), tr("Control how Orvalen Vellumry looks."), page));
    QFormLayout* appearance = makeFormBlock();
    layout->addLayout(appearance);

    m_themeCombo = named(new QComboBox(page), "themeCombo");
    m_themeCombo->addItem(tr("System Default"), themeName(ThemeManager::System));
    m_themeCombo->addItem(tr("Light"), themeName(ThemeManager::Light));
    m_themeCombo->addItem(tr("Dark"), themeName(ThemeManager::Dark));
    selectData(m_themeCombo, preferences->getString(QStringLiteral("theme"), QStringLiteral("system")));
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    appearance->addRow(tr("Theme"), m_themeCombo);

    auto* accentRow = new QWidget(page);
    auto* accentLayout = new QHBoxLayout(accentRow);
    accentLayout->setContentsMargins(0, 0, 0, 0);
    m_accentButton = named(new QPushButton(accentRow), "accentButton");
    m_accentButton->setFixedSize(28, 28);
    m_accentButton->setCursor(Qt::PointingHandCursor);
    m_accentButton->setToolTip(tr("Choose accent color"));
    styleSwatch(m_accentButton, QColor(preferences->getString(QStringLiteral("accentColor"), kDefaultAccent)), false);
    connect(m_accentButton, &QPushButton::clicked, this, &SettingsScreen::openAccentDialog);
    accentLayout->addWidget(m_accentButton);
    accentLayout->addStretch();
    appearance->addRow(tr("Accent color"), accentRow);

    m_fontSizeCombo = named(new QComboBox(page), "fontSizeCombo");
    m_fontSizeCombo->addItem(tr("Small"), 85);
    m_fontSizeCombo->addItem(tr("Default"), 100);
    m_fontSizeCombo->addItem(tr("Medium"), 115);
    m_fontSizeCombo->addItem(tr("Large"), 130);
    m_fontSizeCombo->addItem(tr("Extra Large"), 150);
    selectData(m_fontSizeCombo, m_fontSizeCombo->findData(currentFontScale()) >= 0 ? currentFontScale() : 100);
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onFontScaleChanged);
    appearance->addRow(tr("Font size"), m_fontSizeCombo);

    addSectionBreak(layout, page);
    layout->addWidget(makeSectionHeader(tr("Regional"), tr("Date and calendar preferences."), page));
    QFormLayout* regional = makeFormBlock();
    layout->addLayout(regional);

    m_weekStartCombo = named(new QComboBox(page), "weekStartCombo");
    m_weekStartCombo->addItem(tr("Sunday"), int(Qt::Sunday));
    m_weekStartCombo->addItem(tr("Monday"), int(Qt::Monday));
    m_weekStartCombo->addItem(tr("Saturday"), int(Qt::Saturday));
    const std::optional<QString> storedDay = preferences->get(QStringLiteral("weekStartDay"));
    selectData(m_weekStartCombo, storedDay ? storedDay->toInt() : int(QLocale().firstDayOfWeek()));
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    regional->addRow(tr("Week starts on"), m_weekStartCombo);

    // Each language by its own name, whatever the interface speaks.
    m_languageCombo = named(new QComboBox(page), "languageCombo");
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    const std::pair<const char*, const char*> languages[] = {
        {"English", "en"}, {"Español", "es"}, {"Deutsch", "de"}, {"Français", "fr"}, {"日本語", "ja"},
    };
    for (const auto& [name, code] : languages)
        m_languageCombo->addItem(QString::fromUtf8(name), QLatin1String(code));
    selectData(m_languageCombo, readUiLanguage(false));
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    regional->addRow(tr("Language"), m_languageCombo);

    layout->addStretch();
    return page;
}

QWidget* SettingsScreen::buildRegisterPage()
{
    auto* page = new QWidget(this);
    QVBoxLayout* layout = makePageFrame(page, tr("Register"));
    layout->addSpacing(12);
    layout->addWidget(makeSectionHeader(tr("Display"), tr("How transactions appear in the register."), page));
    auto* display = new QVBoxLayout;
    display->setContentsMargins(12, 0, 0, 0);
    display->setSpacing(8);
    layout->addLayout(display);

    display->addWidget(makeCheckBox(page, tr("Two-line rows"), "twoLineCheckBox", QStringLiteral("registerTwoLine"),
                                    false, &SettingsScreen::onTwoLineModeChanged));
    display->addWidget(makeHintLabel(tr("Show memo on a second line below the payee."), page));
    display->addWidget(makeCheckBox(page, tr("Auto-decimal point"), "autoDecimalCheckBox",
                                    QStringLiteral("amountAutoDecimal"), false, &SettingsScreen::onAutoDecimalChanged));
    display->addWidget(makeHintLabel(tr("Type 1234 to enter 12.34. The last two digits are always cents."), page));
    display->addWidget(makeCheckBox(page, tr("Highlight overdrawn rows"), "highlightOverdrawnCheckBox",
                                    QStringLiteral("registerHighlightOverdrawn"), true,
                                    &SettingsScreen::onHighlightOverdrawnChanged));
    display->addWidget(makeHintLabel(tr("Shades the whole row when the running balance is below zero. The balance "
                                        "itself is always shown in red, so you can turn this off and still spot it. "
                                        "Credit cards and loans are never shaded."),
                                     page));

    auto* balanceForm = new QFormLayout;
    balanceForm->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    balanceForm->setHorizontalSpacing(16);
    balanceForm->setContentsMargins(12, 8, 0, 0);
    m_balanceModeCombo = named(new QComboBox(page), "balanceModeCombo");
    m_balanceModeCombo->addItem(tr("Current balance"), balanceModeText(BalanceMode::Current));
    m_balanceModeCombo->addItem(tr("Cleared balance"), balanceModeText(BalanceMode::Cleared));
    m_balanceModeCombo->addItem(tr("Balance as of today"), balanceModeText(BalanceMode::AsOfToday));
    selectData(m_balanceModeCombo, m_state->preferencesRepository->getString(QStringLiteral("dashboardBalanceMode"),
                                                                            QStringLiteral("current")));
    connect(m_balanceModeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onDashboardBalanceChanged);
    balanceForm->addRow(tr("Account list shows"), m_balanceModeCombo);
    display->addLayout(balanceForm);
    display->addWidget(makeHintLabel(tr("Cleared counts only transactions you have marked cleared. Balance as of "
                                        "today leaves out anything dated later, such as scheduled bills."),
                                     page));

    addSectionBreak(layout, page);
    layout->addWidget(makeSectionHeader(tr("Sorting"), tr("Control the order of transactions in the register."), page));
    auto* sorting = new QVBoxLayout;
    sorting->setContentsMargins(12, 0, 0, 0);
    sorting->setSpacing(8);
    layout->addLayout(sorting);
    sorting->addWidget(makeCheckBox(page, tr("Show newest transactions first"), "newestFirstCheckBox",
                                    QStringLiteral("registerNewestFirst"), false,
                                    &SettingsScreen::onRegisterOrderChanged));
    sorting->addWidget(makeHintLabel(tr("When enabled, the most recent transactions appear at the top."), page));

    layout->addStretch();
    return page;
}

QWidget* SettingsScreen::buildAboutPage()
{
    auto* page = new QWidget(this);
    QVBoxLayout* layout = makePageFrame(page, tr("About"));
    layout->addSpacing(16);
    auto* product = new QLabel(tr("Orvalen Vellumry"), page);
    applyFontRole(product, 5);
    layout->addWidget(product);
    layout->addWidget(named(makeGreyLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), page),
                            "versionLabel"));
    layout->addSpacing(16);
    auto* description = new QLabel(tr("A digital vellumry register for tracking household finances."), page);
    description->setWordWrap(true);
    layout->addWidget(description);

    addSectionBreak(layout, page);
    auto* linksTitle = new QLabel(tr("Links"), page);
    applyFontRole(linksTitle, 3);
    layout->addWidget(linksTitle);
    auto* links = new QLabel(QStringLiteral("<a href=\"https://www.orvalenworks.com/vellumry\">orvalenworks.com</a>"
                                            "<br><a href=\"https://www.orvalenworks.com/vellumry/mobile\">%1</a>")
                                 .arg(tr("Orvalen Vellumry for iPhone and Android").toHtmlEscaped()),
                             page);
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(links);

    layout->addStretch();
    QLabel* footer = makeGreyLabel(tr("© Orvalen Works. All rights reserved.") + QLatin1Char('\n')
                                       + tr("This application uses the Qt framework under the LGPL v3 license."),
                                   page);
    footer->setWordWrap(true);
    applyFontRole(footer, 2);
    layout->addWidget(footer);
    return page;
}

void SettingsScreen::restoreSelectedAccount()
{
    m_dataSyncPage->restoreSelectedAccount();
}

void SettingsScreen::onCategoryChanged(int row)
{
    m_pages->setCurrentIndex(row);
}

void SettingsScreen::onThemeChanged(int index)
{
    m_state->themeManager->setThemeByName(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onFontScaleChanged(int index)
{
    m_state->themeManager->setFontScale(m_fontSizeCombo->itemData(index).toInt());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStartCombo->itemData(index).toInt();
    m_state->preferencesRepository->setInt(QStringLiteral("weekStartDay"), day);
    localeFirstDayOfWeek() = Qt::DayOfWeek(day);
}

void SettingsScreen::onDashboardBalanceChanged(int index)
{
    m_state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"),
                                        m_balanceModeCombo->itemData(index).toString());
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_state->preferencesRepository->setBool(QStringLiteral("registerNewestFirst"), checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_state->preferencesRepository->setBool(QStringLiteral("registerTwoLine"), checked);
}

void SettingsScreen::onAutoDecimalChanged(bool checked)
{
    m_state->preferencesRepository->setBool(QStringLiteral("amountAutoDecimal"), checked);
    // The amount editors switch at once, not only at the next start.
    setAmountAutoDecimal(checked);
}

void SettingsScreen::onHighlightOverdrawnChanged(bool checked)
{
    m_state->preferencesRepository->setBool(QStringLiteral("registerHighlightOverdrawn"), checked);
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_languageCombo->itemData(index).toString();
    if (code.isEmpty() || code == readUiLanguage(false))
        return;
    writeUiLanguage(code);
    MessageBox::information(this, tr("Language Changed"),
                            tr("The new language will take effect the next time you start Orvalen Vellumry."));
}

void SettingsScreen::onAccentChanged(const QColor& color)
{
    m_state->themeManager->setAccentColor(color);
    styleSwatch(m_accentButton, color, false);
}

void SettingsScreen::openAccentDialog()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Accent color"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* grid = new QGridLayout;
    grid->setSpacing(12);
    layout->addLayout(grid);

    const QString current = m_state->preferencesRepository->getString(QStringLiteral("accentColor"), kDefaultAccent);
    int position = 0;
    for (const char* name : kAccentSwatches) {
        const QColor color{QString::fromLatin1(name)};
        auto* swatch = new QPushButton(&dialog);
        swatch->setFixedSize(36, 36);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setToolTip(color.name());
        styleSwatch(swatch, color, color.name().compare(current, Qt::CaseInsensitive) == 0);
        grid->addWidget(swatch, position / kSwatchesPerRow, position % kSwatchesPerRow);
        ++position;
        connect(swatch, &QPushButton::clicked, &dialog, [this, &dialog, color] {
            onAccentChanged(color);
            dialog.accept();
        });
    }
    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog), "buttonBox");
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    ModalDialog::exec(&dialog);
}
